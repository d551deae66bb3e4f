#pragma once

#include <functional>

#include "platform/win/WinApi.h"

namespace zv::test {

// Calls back for every window that the calling thread activates while the
// watch lives, through a WH_CBT hook: as the window system announces the
// activation, before the window hears of it.
class ActivationWatch {
  public:
    explicit ActivationWatch(std::function<void(win::HWND)> onActivate);
    ~ActivationWatch();
    ActivationWatch(const ActivationWatch&) = delete;
    ActivationWatch& operator=(const ActivationWatch&) = delete;

  private:
    static win::LRESULT ZV_CALLBACK Hook(int code, win::WPARAM wParam, win::LPARAM lParam);

    std::function<void(win::HWND)> m_onActivate;
    win::HHOOK m_hook = 0;
    ActivationWatch* m_outer = nullptr;  // the watch that was current before this one
};

}  // namespace zv::test
