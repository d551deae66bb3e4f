#pragma once

// Lets a host see, and rewrite, every message that the thread owning a window
// takes from its queue for that window, before the window gets it. Each
// hooked window has a message hook of its own; the registry
// (modWindowHookMgr) keeps the manager alive while any of its windows is
// hooked, so a window stays hooked until Unhook or UnhookAll.

#include <memory>
#include <vector>

#include "platform/automation/Event.h"
#include "platform/win/WinApi.h"
#include "winmsg/IWindowHookMgr.h"

namespace zv {

class WindowHookMgr final : public IWindowHookMgr,
                            public std::enable_shared_from_this<WindowHookMgr> {
    struct CreateKey {
        explicit CreateKey() = default;
    };

  public:
    static std::shared_ptr<WindowHookMgr> Create();
    explicit WindowHookMgr(CreateKey) {}

    // Hooks the window's thread and routes the window's queued messages to
    // OnMessage. A window that the platform refuses to hook is left alone; a
    // window that is hooked already raises the duplicate-key error (457).
    void Hook(win::HWND hwnd);

    // Removes the hook of a window of this manager; any other window raises
    // the invalid-argument error (5) and no hook is touched.
    void Unhook(win::HWND hwnd);

    // Unhook for every window of this manager.
    void UnhookAll();

    // Whatever a handler leaves in uMsg, wParam and lParam is the message
    // that the thread goes on with: 0 in uMsg makes it a null message.
    Event<win::HWND, win::UINT&, win::WPARAM&, win::LPARAM&> OnMessage;

    // IWindowHookMgr: what the registry calls; raises OnMessage.
    void GetMsgProc(win::HWND hwnd, win::UINT& uMsg, win::WPARAM& wParam,
                    win::LPARAM& lParam) override;

  private:
    std::vector<win::HWND> m_hooked;  // in order of hooking
};

}  // namespace zv
