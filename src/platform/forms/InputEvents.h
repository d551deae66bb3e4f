#pragma once

// The mouse and key events that forms and controls raise alike, and how a
// window message becomes one: positions in twips, the button and the shift
// keys as the platform's events report them.

#include <cstdint>

#include "platform/automation/Event.h"
#include "platform/win/WinApi.h"

namespace zv::forms {

// The buttons and shift keys that mouse and key events report.
namespace mouse_button {
inline constexpr std::int16_t kLeft = 1;
inline constexpr std::int16_t kRight = 2;
inline constexpr std::int16_t kMiddle = 4;
}  // namespace mouse_button
namespace shift_key {
inline constexpr std::int16_t kShift = 1;
inline constexpr std::int16_t kCtrl = 2;
inline constexpr std::int16_t kAlt = 4;
}  // namespace shift_key

class InputEvents {
  public:
    Event<> Click;
    Event<> DblClick;
    Event<std::int16_t, std::int16_t, float, float> MouseDown;  // button, shift, x, y
    Event<std::int16_t, std::int16_t, float, float> MouseMove;
    Event<std::int16_t, std::int16_t, float, float> MouseUp;
    Event<std::int16_t&, std::int16_t> KeyDown;  // key code (0 swallows it), shift
    Event<std::int16_t&, std::int16_t> KeyUp;
    Event<std::int16_t&> KeyPress;  // the character (0 swallows it)

    // A client-area mouse message at a point in pixels of the object's own
    // area. With clicks, a left press and release make a Click.
    void RaiseMouse(win::UINT message, win::WPARAM wParam, win::POINT pixels, bool clicks);

    // WM_KEYDOWN, WM_KEYUP or WM_CHAR as KeyDown, KeyUp or KeyPress; the
    // handlers' key goes back into wParam. True when a handler swallowed it.
    bool RaiseKey(win::UINT message, win::WPARAM& wParam);

  private:
    bool m_pressed = false;  // the left button went down here
};

}  // namespace zv::forms
