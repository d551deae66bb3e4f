#include "headless/controls/ControlPainter.h"

#include "headless/core/WindowSystem.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

int& StateOf(HWND hwnd) {
    return System().Find(hwnd)->controlState;
}

void Notify(HWND owner, HWND hwnd, UINT code) {
    const WPARAM wParam = static_cast<WPARAM>((GetDlgCtrlID(hwnd) & 0xFFFF) | (code << 16));
    SendMessageA(owner, WM_COMMAND, wParam, static_cast<LPARAM>(hwnd));
}

void NotifyParent(HWND hwnd, UINT code) {
    Notify(GetParent(hwnd), hwnd, code);
}

bool TakeFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Window* window = System().Find(hwnd);
    if (window == nullptr || (message != WM_SETFONT && message != WM_GETFONT)) {
        return false;
    }
    if (message == WM_GETFONT) {
        result = static_cast<LRESULT>(window->controlFont);
        return true;
    }
    window->controlFont = static_cast<HANDLE>(wParam);
    if ((lParam & 0xFFFF) != 0) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    result = 0;
    return true;
}

HFONT ControlFont(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    if (window != nullptr && window->controlFont != 0) {
        return static_cast<HFONT>(window->controlFont);
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int FontHeight(HFONT font) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return static_cast<int>(metrics.tmHeight);
}

ControlPainter::ControlPainter(HWND hwnd, UINT ctlColorMessage, PaintTime when)
    : m_hwnd(hwnd),
      m_atOnce(when == PaintTime::AtOnce),
      m_dc(m_atOnce ? GetDC(hwnd) : BeginPaint(hwnd, &m_paint)) {
    m_background = static_cast<HBRUSH>(SendMessageA(
        GetParent(hwnd), ctlColorMessage, static_cast<WPARAM>(m_dc), static_cast<LPARAM>(hwnd)));
    if (m_background == 0) {
        m_background = GetSysColorBrush(COLOR_BTNFACE);
    }
    GetClientRect(hwnd, &m_client);
    m_oldFont = SelectObject(m_dc, ControlFont(hwnd));
    SetBkMode(m_dc, TRANSPARENT);
    if (!IsWindowEnabled(hwnd)) {
        SetTextColor(m_dc, GetSysColor(COLOR_GRAYTEXT));
    }
}

ControlPainter::~ControlPainter() {
    SelectObject(m_dc, m_oldFont);
    if (m_atOnce) {
        ReleaseDC(m_hwnd, m_dc);
    } else {
        EndPaint(m_hwnd, &m_paint);
    }
}

void ControlPainter::FillBackground(RECT rect) const {
    FillRect(m_dc, &rect, m_background);
}

void ControlPainter::Fill(RECT rect, int colour) const {
    FillRect(m_dc, &rect, GetSysColorBrush(colour));
}

void ControlPainter::Frame(RECT r, int colour) const {
    Fill(RECT{r.left, r.top, r.right, r.top + 1}, colour);
    Fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, colour);
    Fill(RECT{r.left, r.top, r.left + 1, r.bottom}, colour);
    Fill(RECT{r.right - 1, r.top, r.right, r.bottom}, colour);
}

void ControlPainter::Text(RECT rect, UINT format) const {
    Text(WindowText(m_hwnd), rect, format);
}

void ControlPainter::Text(const std::string& text, RECT rect, UINT format) const {
    DrawTextA(m_dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace zv::headless
