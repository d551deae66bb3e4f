#pragma once

// A window with subscribers stacked on it, as the benchmarks and the timing
// program of the Windows build measure them: window procedure managers with
// a handler on each event, as a host has them, or subclasses of the subclass
// chain doing the same work. Messages sent to it are not answered by the
// window itself: they go on to the default procedure, as most messages do.

#include <memory>
#include <vector>

#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"
#include "winmsg/WindowProcMgr.h"

namespace zv::bench {

// A message that the benchmarks' window leaves to the default procedure.
inline constexpr win::UINT WM_UNHANDLED = win::WM_USER + 2;

// A window of the benchmarks' own class, which answers nothing itself.
win::HWND CreateBenchWindow();

// A manager watching the window with one handler on each event.
std::shared_ptr<WindowProcMgr> CreateWatchingManager(win::HWND hwnd);

enum class Subscribers { Managers, Subclasses };

class StackedWindow {
  public:
    StackedWindow(Subscribers kind, int count);
    ~StackedWindow();
    StackedWindow(const StackedWindow&) = delete;
    StackedWindow& operator=(const StackedWindow&) = delete;

    // One message through every subscriber to the window and back.
    win::LRESULT Send() const;

  private:
    win::HWND m_hwnd;
    std::vector<std::shared_ptr<WindowProcMgr>> m_managers;
    int m_subclasses = 0;
};

}  // namespace zv::bench
