#include "platform/forms/InputEvents.h"

#include <utility>

#include "platform/forms/Twips.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

std::int16_t ShiftState(bool shift, bool control) {
    int state = 0;
    state |= shift ? shift_key::kShift : 0;
    state |= control ? shift_key::kCtrl : 0;
    state |= GetKeyState(VK_MENU) < 0 ? shift_key::kAlt : 0;
    return static_cast<std::int16_t>(state);
}

std::int16_t ButtonOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return mouse_button::kRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return mouse_button::kMiddle;
        default:
            return mouse_button::kLeft;
    }
}

// The buttons held during a move, as MouseMove reports them.
std::int16_t ButtonsHeld(WPARAM flags) {
    int buttons = 0;
    buttons |= (flags & MK_LBUTTON) != 0 ? mouse_button::kLeft : 0;
    buttons |= (flags & MK_RBUTTON) != 0 ? mouse_button::kRight : 0;
    buttons |= (flags & MK_MBUTTON) != 0 ? mouse_button::kMiddle : 0;
    return static_cast<std::int16_t>(buttons);
}

}  // namespace

void InputEvents::RaiseMouse(UINT message, WPARAM wParam, POINT pixels, bool clicks) {
    const auto x = static_cast<float>(TwipsX(pixels.x));
    const auto y = static_cast<float>(TwipsY(pixels.y));
    const std::int16_t shift = ShiftState((wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0);
    switch (message) {
        case WM_MOUSEMOVE:
            MouseMove.Raise(ButtonsHeld(wParam), shift, x, y);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            MouseUp.Raise(ButtonOf(message), shift, x, y);
            if (std::exchange(m_pressed, false) && message == WM_LBUTTONUP) {
                Click.Raise();
            }
            break;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click, as the platform reports it.
            MouseDown.Raise(mouse_button::kLeft, shift, x, y);
            DblClick.Raise();
            break;
        default:
            m_pressed = clicks && message == WM_LBUTTONDOWN;
            MouseDown.Raise(ButtonOf(message), shift, x, y);
            break;
    }
}

bool InputEvents::RaiseKey(UINT message, WPARAM& wParam) {
    auto code = static_cast<std::int16_t>(wParam);
    // The state when the key was typed, which may be gone by now.
    const std::int16_t shift = ShiftState(GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0);
    switch (message) {
        case WM_KEYDOWN:
            KeyDown.Raise(code, shift);
            break;
        case WM_KEYUP:
            KeyUp.Raise(code, shift);
            break;
        case WM_CHAR:
            KeyPress.Raise(code);
            break;
        default:
            return false;
    }
    wParam = static_cast<WPARAM>(code);
    return code == 0;
}

}  // namespace zv::forms
