#pragma once

// What the system's controls share on the headless backend: their state in
// the window, their font (WM_SETFONT), how they tell their parent of a
// change, and how they paint (the classic look, in the colours the parent
// answers for WM_CTLCOLORBTN and its kin). Internal to the backend.

#include <string>

#include "platform/win/GdiApi.h"
#include "platform/win/WinApi.h"

namespace zv::headless {

using namespace zv::win;

// Controls paint for WM_PAINT, and some also at once when their state
// changes.
enum class PaintTime { ForPaintMessage, AtOnce };

// What a system control keeps in its extra bytes.
int& StateOf(HWND hwnd);

// WM_COMMAND with the control's id and a notification code, to the window
// that owns the control (a combo box's list tells its combo box), or to its
// parent.
void Notify(HWND owner, HWND hwnd, UINT code);
void NotifyParent(HWND hwnd, UINT code);

// WM_SETFONT and WM_GETFONT, which every control answers alike; true when
// the message was one of them.
bool TakeFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The font the control draws with: the one it was given, else the dialog
// font.
HFONT ControlFont(HWND hwnd);

// A font's cell height (tmHeight).
int FontHeight(HFONT font);

class ControlPainter {
  public:
    // Asks the parent for colours with the DC about to be used; the parent
    // sets the text colour and answers the background brush.
    ControlPainter(HWND hwnd, UINT ctlColorMessage, PaintTime when);
    ControlPainter(const ControlPainter&) = delete;
    ControlPainter& operator=(const ControlPainter&) = delete;
    ~ControlPainter();

    HDC Dc() const { return m_dc; }
    RECT Client() const { return m_client; }

    // The background in the brush the parent answered.
    void FillBackground(RECT rect) const;
    void Fill(RECT rect, int colour) const;

    // A one-pixel frame just inside the rectangle.
    void Frame(RECT rect, int colour) const;

    // The window's text, or another one, in the control's font.
    void Text(RECT rect, UINT format) const;
    void Text(const std::string& text, RECT rect, UINT format) const;

  private:
    HWND m_hwnd;
    bool m_atOnce;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
    RECT m_client{};
    HBRUSH m_background = 0;
    HGDIOBJ m_oldFont = 0;
};

}  // namespace zv::headless
