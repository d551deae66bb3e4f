#include "platform/forms/Frame.h"

#include "platform/text/WideString.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

Frame::Frame(Form& form, std::wstring name, std::int16_t index)
    : CaptionControl(form, name, index, 1815, 1215, name) {}

std::optional<Control::WindowKind> Frame::OwnWindowKind() const {
    return WindowKind{kContainerClass, WS_CLIPSIBLINGS};
}

void Frame::OnAccessKey() {
    FocusNextInTabOrder();
}

LRESULT Frame::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TakeContainerMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    return Control::OnMessage(hwnd, message, wParam, lParam);
}

// An etched border from half the caption's height down, broken by the
// caption on the background.
void Frame::PaintOwn(HDC dc) {
    const HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT client;
    GetClientRect(hWnd(), &client);
    RECT border{0, metrics.tmHeight / 2, client.right, client.bottom};
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    const std::string caption = ToAnsi(Caption());
    if (!caption.empty()) {
        RECT text{8, 0, client.right - 8, metrics.tmHeight};
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CALCRECT | DT_SINGLELINE);
        text.left -= 2;
        text.right += 2;
        const HBRUSH brush = Colours(dc);
        FillRect(dc, &text, brush);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old);
}

void Frame::OwnMouse(UINT message, WPARAM wParam, POINT pixels) {
    RaiseMouse(message, wParam, pixels);
}

}  // namespace zv::forms
