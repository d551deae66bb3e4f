#include "platform/driver/Driver.h"

#include <algorithm>

#include "headless/core/Input.h"
#include "headless/core/Script.h"
#include "headless/core/WindowSystem.h"
#include "headless/gdi/Snapshot.h"
#include "platform/automation/Application.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"

namespace zv::driver {

using namespace zv::headless;

void ResetWindowSystem() {
    WindowSystem::Instance().Reset();
    ResetScript();
    App() = Application();
    win::ClearFileFailures();
}

win::DWORD StartProcess() {
    WindowSystem& system = WindowSystem::Instance();
    return system.NewThread(system.NewProcess());
}

win::DWORD StartThread() {
    WindowSystem& system = WindowSystem::Instance();
    return system.NewThread(system.CurrentProcess());
}

namespace {

int KeyOf(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return win::VK_LBUTTON;
        case MouseButton::Right:
            return win::VK_RBUTTON;
        default:
            return win::VK_MBUTTON;
    }
}

int g_typingAhead = 0;  // TypeAhead scopes open

// Lets every waiting hardware event run on the thread it reaches.
void DeliverInput() {
    if (g_typingAhead > 0) {
        return;
    }
    auto& queue = WindowSystem::Instance().RawInputQueue();
    while (!queue.empty()) {
        const std::size_t waiting = queue.size();
        const win::HWND target = TargetOf(queue.front());
        const Window* window = WindowSystem::Instance().Find(target);
        {
            OnThread onItsThread(window != nullptr ? window->thread
                                                   : WindowSystem::Instance().CurrentThread());
            LetPendingMessagesRun();
        }
        if (queue.size() == waiting) {
            queue.pop_front();  // its thread would not take it (a quit was waiting)
        }
    }
}

win::POINT CursorPoint() {
    return WindowSystem::Instance().Cursor();
}

}  // namespace

void MoveMouse(int x, int y) {
    EnterRawInput(RawInput::Kind::MouseMove, win::POINT{x, y}, 0);
    DeliverInput();
}

void PressButton(MouseButton button) {
    EnterRawInput(RawInput::Kind::ButtonDown, CursorPoint(), KeyOf(button));
    DeliverInput();
}

void ReleaseButton(MouseButton button) {
    EnterRawInput(RawInput::Kind::ButtonUp, CursorPoint(), KeyOf(button));
    DeliverInput();
}

void Click(int x, int y, MouseButton button) {
    const win::POINT point{x, y};
    EnterRawInput(RawInput::Kind::MouseMove, point, 0);
    EnterRawInput(RawInput::Kind::ButtonDown, point, KeyOf(button));
    EnterRawInput(RawInput::Kind::ButtonUp, point, KeyOf(button));
    DeliverInput();
}

void Drag(int fromX, int fromY, int toX, int toY, int steps) {
    steps = std::max(steps, 1);
    EnterRawInput(RawInput::Kind::MouseMove, win::POINT{fromX, fromY}, 0);
    EnterRawInput(RawInput::Kind::ButtonDown, win::POINT{fromX, fromY}, win::VK_LBUTTON);
    for (int step = 1; step <= steps; ++step) {
        const win::POINT point{fromX + (toX - fromX) * step / steps,
                               fromY + (toY - fromY) * step / steps};
        EnterRawInput(RawInput::Kind::MouseMove, point, 0);
    }
    EnterRawInput(RawInput::Kind::ButtonUp, win::POINT{toX, toY}, win::VK_LBUTTON);
    DeliverInput();
}

void PressKey(int vk) {
    EnterRawInput(RawInput::Kind::KeyDown, CursorPoint(), vk);
    DeliverInput();
}

void ReleaseKey(int vk) {
    EnterRawInput(RawInput::Kind::KeyUp, CursorPoint(), vk);
    DeliverInput();
}

void TypeText(const std::string& text) {
    EnterTyping(text);
    DeliverInput();
}

void SwapMouseButtons(bool swapped) {
    WindowSystem::Instance().SetMetric(win::SM_SWAPBUTTON, swapped ? 1 : 0);
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
        OnThread onItsThread(next->thread);
        LetPendingMessagesRun();
        if (StillWaiting(*next)) {
            break;  // its thread filters it out: time cannot pass it
        }
    }
    system.SetNow(target);
    LetPendingMessagesRun();
}

TypeAhead::TypeAhead() {
    ++g_typingAhead;
}

TypeAhead::~TypeAhead() {
    --g_typingAhead;
    DeliverInput();
}

ThreadScope::ThreadScope(win::DWORD thread) : m_previous(WindowSystem::Instance().CurrentThread()) {
    WindowSystem::Instance().SetCurrentThread(thread);
}

ThreadScope::~ThreadScope() {
    WindowSystem::Instance().SetCurrentThread(m_previous);
}

bool SnapshotWindow(win::HWND hwnd, const std::string& path) {
    return headless::SnapshotWindow(hwnd, path);
}

}  // namespace zv::driver
