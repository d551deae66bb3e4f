#pragma once

// After a window has been moved under a new parent, copies the parent
// notifications that the new parent receives to the window's former parent,
// so that the former parent still hears of its children being created,
// destroyed and clicked. The new parent's messages arrive through a window
// procedure manager: the forwarder's own, or one the caller supplies (and
// has subclassed the new parent with).

#include <cstdint>
#include <memory>

#include "platform/automation/Event.h"
#include "platform/win/WinApi.h"

namespace zv {

class WindowProcMgr;

class ParentMsgForwarder {
  public:
    ParentMsgForwarder();
    ParentMsgForwarder(const ParentMsgForwarder&) = delete;
    ParentMsgForwarder& operator=(const ParentMsgForwarder&) = delete;
    ~ParentMsgForwarder();

    // Uses the caller's manager instead of an own one; null goes back to an
    // own manager, which subclasses the current parent when forwarding.
    void SetWindowProcMgrToUse(std::shared_ptr<WindowProcMgr> clsWndProcMgrToUse);

    // Forwards from the current parent to the old one, ending any forwarding
    // under way first.
    void StartForwarding(win::HWND& hwndCurrentParent, win::HWND& hwndOldParent);
    void StopForwarding();

    // WM_PARENTNOTIFY notices of the current parent. The notice goes on to
    // the old parent unless a handler sets bCancelForward.
    Event<std::int32_t, win::HWND, bool&, win::UINT, win::WPARAM, win::LPARAM> OnCreate;
    Event<std::int32_t, win::HWND, bool&, win::UINT, win::WPARAM, win::LPARAM> OnDestroy;
    // wmButtonDown is WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN; X and
    // Y are the press in the current parent's client coordinates.
    Event<std::int16_t, std::int16_t, std::int16_t, bool&, win::UINT, win::WPARAM, win::LPARAM>
        OnMouseDown;

    // Any other message of the current parent. It goes on to the old parent,
    // with the values the handler left, only when a handler clears bForward.
    Event<win::HWND, win::UINT&, win::WPARAM&, win::LPARAM&, bool&> OnUnknownMessage;

  private:
    bool IsForwarding() const { return m_currentParent != 0; }
    void Use(std::shared_ptr<WindowProcMgr> manager, bool external);
    void LetGoOfManager();
    void OnParentMessage(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam);
    void OnParentNotify(win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam);
    void OnOtherMessage(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam);
    void SendCopy(win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam);

    std::shared_ptr<WindowProcMgr> m_windowProcMgr;
    EventConnection m_connection = 0;
    bool m_externalManager = false;
    win::HWND m_currentParent = 0;
    win::HWND m_oldParent = 0;
    bool m_sendingCopy = false;
    // Goes with the forwarder, so that a handler may destroy it.
    std::shared_ptr<const bool> m_alive = std::make_shared<const bool>(true);
};

}  // namespace zv
