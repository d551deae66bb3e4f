#include "ActivationWatch.h"

#include <utility>

#include "platform/win/WinConstants.h"

namespace zv::test {

namespace {

ActivationWatch*& Current() {
    static ActivationWatch* current = nullptr;
    return current;
}

}  // namespace

ActivationWatch::ActivationWatch(std::function<void(win::HWND)> onActivate)
    : m_onActivate(std::move(onActivate)), m_outer(std::exchange(Current(), this)) {
    m_hook =
        win::SetWindowsHookExA(win::WH_CBT, &ActivationWatch::Hook, 0, win::GetCurrentThreadId());
}

ActivationWatch::~ActivationWatch() {
    win::UnhookWindowsHookEx(m_hook);
    Current() = m_outer;
}

win::LRESULT ZV_CALLBACK ActivationWatch::Hook(int code, win::WPARAM wParam, win::LPARAM lParam) {
    if (code == win::HCBT_ACTIVATE && Current() != nullptr) {
        Current()->m_onActivate(static_cast<win::HWND>(wParam));
    }
    return win::CallNextHookEx(0, code, wParam, lParam);
}

}  // namespace zv::test
