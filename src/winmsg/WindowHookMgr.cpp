#include "winmsg/WindowHookMgr.h"

#include <algorithm>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Trapped.h"
#include "winmsg/modWindowHookMgr.h"

namespace zv {

using namespace zv::win;

std::shared_ptr<WindowHookMgr> WindowHookMgr::Create() {
    return std::make_shared<WindowHookMgr>(CreateKey{});
}

// A window hooked already is refused with an error to the caller; any other
// failure leaves nothing hooked.
void WindowHookMgr::Hook(HWND hwnd) {
    TrappedButReported([&] {
        m_hooked.reserve(m_hooked.size() + 1);  // nothing fails once hooked
        if (modWindowHookMgr::HookWindow(hwnd, shared_from_this())) {
            m_hooked.push_back(hwnd);
        }
    });
}

void WindowHookMgr::Unhook(HWND hwnd) {
    const auto found = std::find(m_hooked.begin(), m_hooked.end(), hwnd);
    if (found == m_hooked.end()) {
        throw AutomationError(err::kInvalidProcedureCall);
    }
    m_hooked.erase(found);
    // Last: the registry's reference may be the one that keeps this manager.
    modWindowHookMgr::UnhookWindow(hwnd);
}

void WindowHookMgr::UnhookAll() {
    const auto self = shared_from_this();  // outlive the last window
    while (!m_hooked.empty()) {
        Unhook(m_hooked.front());
    }
}

void WindowHookMgr::GetMsgProc(HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam) {
    Trapped([&] { OnMessage.Raise(hwnd, uMsg, wParam, lParam); });
}

}  // namespace zv
