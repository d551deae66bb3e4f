#include "platform/headless/Driver.h"

#include <algorithm>

#include "platform/MessagePump.h"
#include "platform/headless/WindowSystem.h"

namespace zv::headless {

void ResetWindowSystem() {
    WindowSystem::Instance().Reset();
}

win::DWORD StartProcess() {
    WindowSystem& system = WindowSystem::Instance();
    return system.NewThread(system.NewProcess());
}

win::DWORD ProcessOf(win::DWORD thread) {
    return WindowSystem::Instance().ProcessOfThread(thread).value_or(0);
}

void EndProcess(win::DWORD process) {
    WindowSystem::Instance().EndProcess(process);
}

void ConfigureScreen(const std::vector<Display>& displays) {
    if (displays.empty()) {
        return;
    }
    std::vector<Monitor> monitors;
    for (const Display& display : displays) {
        monitors.push_back(Monitor{display.monitor, display.work});
    }
    WindowSystem::Instance().SetMonitors(std::move(monitors));
}

void SetSystemMetric(int index, int value) {
    WindowSystem::Instance().SetMetric(index, value);
}

void SetTickCount(win::DWORD ticks) {
    WindowSystem::Instance().SetNow(ticks);
}

namespace {

bool SameTimer(const Timer& a, const Timer& b) {
    return a.thread == b.thread && a.hwnd == b.hwnd && a.id == b.id;
}

// Whether the timer is still waiting with the same due time: nothing took it.
bool StillWaiting(const Timer& fired) {
    const auto& timers = WindowSystem::Instance().Timers();
    return std::any_of(timers.begin(), timers.end(), [&](const Timer& timer) {
        return SameTimer(timer, fired) && timer.due == fired.due;
    });
}

}  // namespace

void AdvanceClock(win::DWORD milliseconds) {
    WindowSystem& system = WindowSystem::Instance();
    const std::uint64_t target = system.Now() + milliseconds;
    for (auto next = NextTimer(0); next && next->due <= target; next = NextTimer(0)) {
        system.SetNow(std::max(system.Now(), next->due));
        ThreadScope onItsThread(next->thread);
        LetPendingMessagesRun();
        if (StillWaiting(*next)) {
            break;  // its thread filters it out: time cannot pass it
        }
    }
    system.SetNow(target);
    LetPendingMessagesRun();
}

ThreadScope::ThreadScope(win::DWORD thread) : m_previous(WindowSystem::Instance().CurrentThread()) {
    WindowSystem::Instance().SetCurrentThread(thread);
}

ThreadScope::~ThreadScope() {
    WindowSystem::Instance().SetCurrentThread(m_previous);
}

}  // namespace zv::headless
