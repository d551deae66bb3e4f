#pragma once

#include "platform/win/WinApi.h"

namespace zv {

// What the subclass registry (modWindowProcMgr) calls for every message of a
// window that an object has subscribed to. On its own the class is a
// subscriber that watches and changes nothing.
class IWindowProcMgr {
  public:
    IWindowProcMgr() = default;
    IWindowProcMgr(const IWindowProcMgr&) = delete;
    IWindowProcMgr& operator=(const IWindowProcMgr&) = delete;
    virtual ~IWindowProcMgr();

    // Before the window's own procedure. Setting bHandled swallows the
    // message: the answer returned becomes the window's, and neither the
    // window's procedure nor later subscribers see it.
    virtual win::LRESULT WindowProc(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam,
                                    win::LPARAM lParam, bool& bHandled);

    // After the message has been answered, with the answer; every subscriber
    // hears it, including those that did not see WindowProc for the message.
    virtual void WindowProcDone(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam,
                                win::LPARAM lParam, win::LRESULT nWndProcReturnValue);
};

}  // namespace zv
