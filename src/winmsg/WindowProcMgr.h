#pragma once

// Lets a host, or another part of the library, watch, change or swallow the
// messages of windows of its thread and hear what each window answered. A
// manager subscribes to windows through the subclass registry
// (modWindowProcMgr), and several managers may watch one window.
//
// The registry keeps a manager alive while it has windows, so owners call
// UnSubclass or UnSubclassAll before they let a manager go. WM_DESTROY
// releases a window by itself, once the message has been answered.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/automation/Collection.h"
#include "platform/automation/Event.h"
#include "platform/win/WinApi.h"
#include "winmsg/IWindowProcMgr.h"

namespace zv {

class WindowProcMgr final : public IWindowProcMgr,
                            public std::enable_shared_from_this<WindowProcMgr> {
    struct CreateKey {
        explicit CreateKey() = default;
    };

  public:
    // Managers are shared: the registry holds every manager that watches a
    // window.
    static std::shared_ptr<WindowProcMgr> Create();
    explicit WindowProcMgr(CreateKey);
    ~WindowProcMgr() override;

    // Whether any window of the calling thread is subclassed, by any manager.
    // When there are such windows and a collection is given, their handles
    // are appended to it, in the order in which they were first subclassed.
    static bool AnySubclassedWindowsRemaining(
        Collection<std::int32_t>* colHwndsStillSubclassed = nullptr);

    // Starts delivering the window's messages to this manager. A window that
    // cannot be subclassed (it is gone, or another process's) is left alone.
    void Subclass(win::HWND hwnd);

    // Stops delivering them: at once, or, while one of the window's messages
    // is inside this manager, when that message has been answered.
    void UnSubclass(win::HWND hwnd);

    // UnSubclass for every window of this manager.
    void UnSubclassAll();

    // Before the window's own procedure sees a message. Setting bHandled
    // swallows it: nWndProcReturnValue (0 to begin with) becomes the window's
    // answer, and neither the window nor any later manager sees it.
    Event<win::HWND, win::UINT, win::WPARAM, win::LPARAM, bool&, win::LRESULT&> OnMessage;

    // After the message has been answered, with the answer.
    Event<win::HWND, win::UINT, win::WPARAM, win::LPARAM, win::LRESULT> OnMessageProcessed;

    // IWindowProcMgr: what the registry calls.
    win::LRESULT WindowProc(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam,
                            bool& bHandled) override;
    void WindowProcDone(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam,
                        win::LRESULT nWndProcReturnValue) override;

  private:
    void ReleaseIfDue(win::HWND hwnd) noexcept;
    void Release(win::HWND hwnd);

    std::vector<win::HWND> m_subclassed;  // in order of Subclass calls
    std::vector<win::HWND> m_pendingRelease;
};

}  // namespace zv
