#pragma once

// What holds controls: a form, and the frames, picture boxes and user
// controls on it. A container keeps its contents in z-order, draws the
// windowless ones over its background, sends them the mouse over them, and
// hands its windowed controls' notifications and colour questions back to
// them.

#include <cstdint>
#include <vector>

#include "platform/win/GdiApi.h"
#include "platform/win/WinApi.h"

namespace zv::forms {

class Control;
class Form;

class ControlContainer {
  public:
    virtual ~ControlContainer() = default;

    // The window the contents sit in; 0 while it is not made.
    virtual win::HWND ContainerWindow() const = 0;
    virtual Form& ContainerForm() = 0;
    virtual std::uint32_t ContainerBackColor() const = 0;
    // Whether the host form saves the contents with it (a user control
    // saves its own controls' state itself).
    virtual bool SavesContents() const { return true; }

    // The contents, front first.
    const std::vector<Control*>& Contents() const { return m_contents; }

    void AddContent(Control& control);
    void RemoveContent(Control& control);
    // 0 to the front, anything else to the back.
    void Restack(Control& control, std::int16_t position);

  protected:
    // The container's share of its window's messages; true when it took
    // the message (its answer in result).
    bool TakeContainerMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                              win::LPARAM lParam, win::LRESULT& result);

    // The container's own drawing, over its background and under its
    // windowless contents (the Paint event, a frame's border).
    virtual void PaintOwn(win::HDC dc) = 0;
    // Mouse messages over no windowless control.
    virtual void OwnMouse(win::UINT message, win::WPARAM wParam, win::POINT pixels) = 0;

  private:
    void EraseBackground(win::HDC dc, win::HWND hwnd) const;
    void Paint(win::HWND hwnd);
    Control* WindowlessAt(win::POINT point) const;
    void RouteMouse(win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    std::vector<Control*> m_contents;
    Control* m_mouseOver = nullptr;  // the windowless control that took the last press
};

}  // namespace zv::forms
