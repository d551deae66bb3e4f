#pragma once

// The message-hook registry, one per thread: for each hooked window, the
// message hook installed for it and the one callback that hears the
// window's queued messages. The registry holds a counted reference to each
// callback while its window is hooked.

#include <memory>

#include "platform/win/WinApi.h"

namespace zv {

class IWindowHookMgr;

namespace modWindowHookMgr {

// Installs a message hook on the thread that owns the window and routes the
// window's queued messages to callback. False, with nothing recorded, when
// the platform refuses the hook. A window that is hooked already is refused
// with the duplicate-key error (457), and nothing is installed.
bool HookWindow(win::HWND hwnd, std::shared_ptr<IWindowHookMgr> callback);

// Removes the window's hook and forgets it; a window that is not hooked, or
// whose hook is gone, is no error.
void UnhookWindow(win::HWND hwnd);

// Whether the calling thread's registry holds the window.
bool IsWindowHooked(win::HWND hwnd);

// The hook procedure: hands the message record to the callback of its
// window, copies back what the callback left and passes the message on.
win::LRESULT ZV_CALLBACK HookGetMsgProc(int nCode, win::WPARAM wParam, win::LPARAM lParam);

}  // namespace modWindowHookMgr
}  // namespace zv
