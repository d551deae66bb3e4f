#pragma once

// The state a system control keeps in its window beyond a few bits (the
// items of a list, the parts of a combo box), of the control's own type, in
// Window::controlData: it goes with the window. Internal to the backend.

#include <any>

#include "headless/core/WindowSystem.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

// A fresh state for a window being created; nullptr for no window.
template <typename State>
State* MakeControlData(HWND hwnd) {
    Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    window->controlData = State{};
    return std::any_cast<State>(&window->controlData);
}

// The window's state, or nullptr once the window has gone (or for a window
// of another class).
template <typename State>
State* FindControlData(HWND hwnd) {
    Window* window = System().Find(hwnd);
    return window != nullptr ? std::any_cast<State>(&window->controlData) : nullptr;
}

// The state a message of the control works on: a fresh one with
// WM_NCCREATE, the window's own after; nullptr for a window without one.
template <typename State>
State* ControlDataFor(HWND hwnd, UINT message) {
    return message == WM_NCCREATE ? MakeControlData<State>(hwnd) : FindControlData<State>(hwnd);
}

}  // namespace zv::headless
