#pragma once

// Mouse and keyboard input of the headless backend: which window a raw event
// reaches, the messages it becomes, and the default procedure's share (hit
// testing, cursors, activation by click, moving and sizing with the mouse).
// Internal to the backend.

#include <optional>

#include "headless/core/WindowSystem.h"

namespace zv::headless {

// The deepest visible, enabled window under a screen point, searching
// children only inside their parent's client area; 0 for none.
HWND WindowUnder(POINT point);

// The window the next raw event reaches (capture, else the window under the
// point; for keys the focus window), or 0 when it reaches none.
HWND TargetOf(const RawInput& event);

// Takes the next raw event for the calling thread and turns it into the
// message to return, after the notices that come before it (hit test,
// cursor, activation, parent notices). Nothing when the next event is for
// another thread or none waits; an event that reaches no window is dropped.
std::optional<MSG> TakeInputMessage(bool remove);

// The default procedure's share of mouse input.
LRESULT DefHitTest(HWND hwnd, LPARAM lParam);
LRESULT DefSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT DefMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
void DefNcButtonDown(HWND hwnd, WPARAM hitTest, LPARAM lParam);
void DefSysCommand(HWND hwnd, WPARAM command, LPARAM lParam);

}  // namespace zv::headless
