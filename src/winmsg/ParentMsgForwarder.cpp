#include "winmsg/ParentMsgForwarder.h"

#include <utility>

#include "platform/automation/Trapped.h"
#include "platform/win/WinConstants.h"
#include "winmsg/WindowProcMgr.h"

namespace zv {

using namespace zv::win;

namespace {

std::int16_t LowWord(std::uintptr_t value) {
    return static_cast<std::int16_t>(value & 0xFFFF);
}

std::int16_t HighWord(std::uintptr_t value) {
    return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}

}  // namespace

ParentMsgForwarder::ParentMsgForwarder() {
    Use(WindowProcMgr::Create(), false);
}

ParentMsgForwarder::~ParentMsgForwarder() {
    LetGoOfManager();
}

void ParentMsgForwarder::SetWindowProcMgrToUse(std::shared_ptr<WindowProcMgr> clsWndProcMgrToUse) {
    Trapped([&] {
        if (clsWndProcMgrToUse) {
            Use(std::move(clsWndProcMgrToUse), true);
            return;
        }
        Use(WindowProcMgr::Create(), false);
        if (IsForwarding()) {
            m_windowProcMgr->Subclass(m_currentParent);
        }
    });
}

void ParentMsgForwarder::StartForwarding(HWND& hwndCurrentParent, HWND& hwndOldParent) {
    StopForwarding();
    if (!m_externalManager) {
        m_windowProcMgr->Subclass(hwndCurrentParent);
    }
    m_currentParent = hwndCurrentParent;
    m_oldParent = hwndOldParent;
}

void ParentMsgForwarder::StopForwarding() {
    if (!IsForwarding()) {
        return;
    }
    if (!m_externalManager) {
        m_windowProcMgr->UnSubclass(m_currentParent);
    }
    m_currentParent = 0;
    m_oldParent = 0;
}

// The new manager is listened to before the old one is let go, so that a
// failure leaves the forwarder with the manager it had.
void ParentMsgForwarder::Use(std::shared_ptr<WindowProcMgr> manager, bool external) {
    // The message is never marked handled: the current parent always gets it.
    const EventConnection connection = manager->OnMessage.Connect(
        [this](HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool&, LRESULT&) {
            OnParentMessage(hwnd, uMsg, wParam, lParam);
        });
    LetGoOfManager();
    m_windowProcMgr = std::move(manager);
    m_externalManager = external;
    m_connection = connection;
}

// An own manager lets go of its windows; a caller's is only no longer
// listened to.
void ParentMsgForwarder::LetGoOfManager() {
    if (!m_windowProcMgr) {
        return;
    }
    m_windowProcMgr->OnMessage.Disconnect(m_connection);
    if (!m_externalManager) {
        m_windowProcMgr->UnSubclassAll();
    }
    m_windowProcMgr.reset();
}

void ParentMsgForwarder::OnParentMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != m_currentParent || !IsForwarding()) {
        return;
    }
    if (uMsg == WM_PARENTNOTIFY) {
        OnParentNotify(uMsg, wParam, lParam);
    } else {
        OnOtherMessage(hwnd, uMsg, wParam, lParam);
    }
}

void ParentMsgForwarder::OnParentNotify(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const std::weak_ptr<const bool> alive = m_alive;
    bool bCancelForward = false;
    const std::int16_t notice = LowWord(wParam);
    switch (notice) {
        case WM_CREATE:
            OnCreate.Raise(HighWord(wParam), static_cast<HWND>(lParam), bCancelForward, uMsg,
                           wParam, lParam);
            break;
        case WM_DESTROY:
            OnDestroy.Raise(HighWord(wParam), static_cast<HWND>(lParam), bCancelForward, uMsg,
                            wParam, lParam);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            OnMouseDown.Raise(notice, LowWord(static_cast<std::uintptr_t>(lParam)),
                              HighWord(static_cast<std::uintptr_t>(lParam)), bCancelForward, uMsg,
                              wParam, lParam);
            break;
        default:
            break;
    }
    if (!alive.expired() && !bCancelForward) {
        SendCopy(uMsg, wParam, lParam);
    }
}

void ParentMsgForwarder::OnOtherMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const std::weak_ptr<const bool> alive = m_alive;
    bool bForward = true;
    OnUnknownMessage.Raise(hwnd, uMsg, wParam, lParam, bForward);
    if (!alive.expired() && !bForward) {
        SendCopy(uMsg, wParam, lParam);
    }
}

// A copy that comes back to the current parent while it is being sent (the
// old parent is the same window, or passes it on to it) is not sent again:
// the windows would pass it round for ever.
void ParentMsgForwarder::SendCopy(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (m_sendingCopy) {
        return;
    }
    const std::weak_ptr<const bool> alive = m_alive;
    m_sendingCopy = true;
    SendMessageA(m_oldParent, uMsg, wParam, lParam);
    if (!alive.expired()) {
        m_sendingCopy = false;
    }
}

}  // namespace zv
