#pragma once

// Activation and focus moves of the headless backend, shared by the units
// that show, hide and destroy windows. Internal to the backend.

#include "headless/core/WindowSystem.h"

namespace zv::headless {

// Makes a top-level window (or none) the active window of the calling
// thread's input state, with the deactivation and activation notices.
// Returns the window that was active.
HWND ActivateWindow(HWND hwnd, WPARAM how);

// Makes a top-level window the foreground window and activates it on its
// thread (how: WA_ACTIVE, or WA_CLICKACTIVE for a click); the application
// that loses the foreground is deactivated first.
void BringToForeground(HWND hwnd, WPARAM how);

// Moves the calling thread's focus, with WM_KILLFOCUS and WM_SETFOCUS.
// Returns the window that had it.
HWND MoveFocus(HWND hwnd);

// The calling thread's active window loses the activation to another
// thread's window: deactivation notices, then WM_ACTIVATEAPP to the thread.
void DeactivateApplication(DWORD thread, DWORD newThread);

// Whether the foreground window (if any) shares the thread's input state.
bool HasForegroundInputOf(DWORD thread);

// The window is being hidden or destroyed: if it is active, the activation
// goes to its owner or the next window that can take it.
void HandOverActivation(HWND hwnd);

// The window is being hidden: if it or a descendant has the focus, the focus
// goes to its parent, or nowhere for a top-level window.
void RevertFocus(HWND hwnd);

}  // namespace zv::headless
