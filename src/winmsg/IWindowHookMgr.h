#pragma once

#include "platform/win/WinApi.h"

namespace zv {

// What the hook registry (modWindowHookMgr) calls for every message that the
// thread of a hooked window takes from its queue for that window. The values
// it leaves in uMsg, wParam and lParam are the ones the thread goes on with.
// On its own the class is a callback that changes nothing.
class IWindowHookMgr {
  public:
    IWindowHookMgr() = default;
    IWindowHookMgr(const IWindowHookMgr&) = delete;
    IWindowHookMgr& operator=(const IWindowHookMgr&) = delete;
    virtual ~IWindowHookMgr();

    virtual void GetMsgProc(win::HWND hwnd, win::UINT& uMsg, win::WPARAM& wParam,
                            win::LPARAM& lParam);
};

}  // namespace zv
