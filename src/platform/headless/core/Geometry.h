#pragma once

// The headless backend's frame and client-area arithmetic, and the default
// window procedure's share of positioning. Internal to the backend.

#include "headless/core/WindowSystem.h"

namespace zv::headless {

// The client rectangle that a window of these styles has inside the given
// window rectangle (same coordinates in and out).
RECT ClientRectInside(DWORD style, DWORD exStyle, const RECT& windowRect);

// The origin of a window's client area in screen coordinates.
POINT ClientOrigin(HWND hwnd);

// WM_SIZE and WM_MOVE with the client area's size and its place in the
// parent's client coordinates.
void SendSizeAndPlace(const Window& window);

// The default procedure's handling of WM_NCCALCSIZE, WM_WINDOWPOSCHANGING and
// WM_WINDOWPOSCHANGED.
LRESULT DefNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam);
void DefWindowPosChanging(HWND hwnd, WINDOWPOS& pos);
void DefWindowPosChanged(HWND hwnd, const WINDOWPOS& pos);

}  // namespace zv::headless
