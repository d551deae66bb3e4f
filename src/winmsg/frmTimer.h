#pragma once

// The hidden form behind TimerNoUI: a top-level window that is never shown,
// whose only content is one timer. Ticks arrive as WM_TIMER through the
// thread's message loop, between the thread's other messages.

#include <cstdint>
#include <functional>

#include "platform/win/WinApi.h"

namespace zv {

class frmTimer {
  public:
    // onTick is called for every tick while the timer is enabled.
    explicit frmTimer(std::function<void()> onTick);
    frmTimer(const frmTimer&) = delete;
    frmTimer& operator=(const frmTimer&) = delete;
    ~frmTimer();

    // The interval in milliseconds; 0 keeps the timer from ticking. A
    // negative interval raises the invalid-property-value error (380).
    std::int16_t Interval() const { return m_interval; }
    void SetInterval(std::int16_t interval);

    // Enabling (again) starts a fresh interval.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    win::HWND hWnd() const { return m_hwnd; }

  private:
    static win::LRESULT ZV_CALLBACK WindowProc(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam,
                                               win::LPARAM lParam);
    void Restart();

    std::function<void()> m_onTick;
    win::HWND m_hwnd = 0;
    std::int16_t m_interval = 0;
    bool m_enabled = false;
};

}  // namespace zv
