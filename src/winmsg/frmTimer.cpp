#include "winmsg/frmTimer.h"

#include <utility>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Trapped.h"
#include "platform/win/WinConstants.h"

namespace zv {

using namespace zv::win;

namespace {

constexpr const char* kClassName = "ZvHiddenTimerForm";
constexpr const char* kOwnerProperty = "ZvTimerForm";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

frmTimer::frmTimer(std::function<void()> onTick) : m_onTick(std::move(onTick)) {
    WNDCLASSA timerClass;
    timerClass.lpfnWndProc = WindowProc;
    timerClass.lpszClassName = kClassName;
    RegisterClassA(&timerClass);  // fails harmlessly when the class exists
    m_hwnd = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, 0, 0, 0, nullptr);
    SetPropA(m_hwnd, kOwnerProperty, reinterpret_cast<HANDLE>(this));
}

frmTimer::~frmTimer() {
    RemovePropA(m_hwnd, kOwnerProperty);
    DestroyWindow(m_hwnd);
}

void frmTimer::SetInterval(std::int16_t interval) {
    if (interval < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_interval = interval;
    Restart();
}

void frmTimer::SetEnabled(bool enabled) {
    m_enabled = enabled;
    Restart();
}

void frmTimer::Restart() {
    KillTimer(m_hwnd, kTimerId);
    if (m_enabled && m_interval > 0) {
        SetTimer(m_hwnd, kTimerId, static_cast<UINT>(m_interval), nullptr);
    }
}

LRESULT ZV_CALLBACK frmTimer::WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_TIMER && wParam == kTimerId) {
        if (auto* form = reinterpret_cast<frmTimer*>(GetPropA(hwnd, kOwnerProperty))) {
            Trapped(form->m_onTick);  // a handler's failure must not unwind through the platform
        }
        return 0;
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

}  // namespace zv
