#include "winmsg/WindowProcMgr.h"

#include <algorithm>

#include "platform/automation/Trapped.h"
#include "platform/win/WinConstants.h"
#include "winmsg/modWindowProcMgr.h"

namespace zv {

using namespace zv::win;

std::shared_ptr<WindowProcMgr> WindowProcMgr::Create() {
    return std::make_shared<WindowProcMgr>(CreateKey{});
}

WindowProcMgr::WindowProcMgr(CreateKey) {}

WindowProcMgr::~WindowProcMgr() {
    UnSubclassAll();
}

bool WindowProcMgr::AnySubclassedWindowsRemaining(
    Collection<std::int32_t>* colHwndsStillSubclassed) {
    return Trapped(false,
                   [&] { return modWindowProcMgr::GetSubclassedWindows(colHwndsStillSubclassed); });
}

// A manager that cannot subscribe stays as it was.
void WindowProcMgr::Subclass(HWND hwnd) {
    Trapped([&] {
        m_subclassed.reserve(m_subclassed.size() + 1);  // nothing fails once subscribed
        if (!modWindowProcMgr::SubclassWindow(hwnd, shared_from_this())) {
            return;
        }
        if (std::find(m_subclassed.begin(), m_subclassed.end(), hwnd) == m_subclassed.end()) {
            m_subclassed.push_back(hwnd);
        }
        std::erase(m_pendingRelease, hwnd);  // subscribing again cancels a put-off release
    });
}

void WindowProcMgr::UnSubclass(HWND hwnd) {
    Trapped([&] {
        if (modWindowProcMgr::IsMessageInside(hwnd, this)) {
            if (std::find(m_pendingRelease.begin(), m_pendingRelease.end(), hwnd) ==
                m_pendingRelease.end()) {
                m_pendingRelease.push_back(hwnd);
            }
            return;
        }
        Release(hwnd);
    });
}

void WindowProcMgr::UnSubclassAll() {
    Trapped([&] {
        // Releasing the last window may drop the registry's hold on this
        // manager; null during teardown, when the registry holds none.
        const auto self = weak_from_this().lock();
        std::size_t i = 0;
        while (i < m_subclassed.size()) {
            const HWND hwnd = m_subclassed[i];
            UnSubclass(hwnd);
            // A window whose release is put off stays, and is stepped over.
            if (i < m_subclassed.size() && m_subclassed[i] == hwnd) {
                ++i;
            }
        }
    });
}

LRESULT WindowProcMgr::WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                  bool& bHandled) {
    LRESULT nWndProcReturnValue = 0;
    if (uMsg == WM_DESTROY) {
        UnSubclass(hwnd);  // put off until the message has been answered
    }
    // A handler's failure ends its event for this message, not the message.
    Trapped([&] { OnMessage.Raise(hwnd, uMsg, wParam, lParam, bHandled, nWndProcReturnValue); });
    return nWndProcReturnValue;
}

void WindowProcMgr::WindowProcDone(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                   LRESULT nWndProcReturnValue) {
    Trapped([&] { OnMessageProcessed.Raise(hwnd, uMsg, wParam, lParam, nWndProcReturnValue); });
    if (!m_pendingRelease.empty()) {
        ReleaseIfDue(hwnd);
    }
}

// Once the answer has been heard, a release put off for the window takes
// effect unless another of its messages is still inside.
void WindowProcMgr::ReleaseIfDue(HWND hwnd) noexcept {
    Trapped([&] {
        const auto pending = std::find(m_pendingRelease.begin(), m_pendingRelease.end(), hwnd);
        if (pending == m_pendingRelease.end() ||
            modWindowProcMgr::IsAnotherMessageInside(hwnd, this)) {
            return;
        }
        m_pendingRelease.erase(pending);
        Release(hwnd);
    });
}

void WindowProcMgr::Release(HWND hwnd) {
    const auto found = std::find(m_subclassed.begin(), m_subclassed.end(), hwnd);
    if (found == m_subclassed.end()) {
        return;
    }
    m_subclassed.erase(found);
    // Last: the registry's reference may be the one that keeps this manager
    // alive.
    modWindowProcMgr::UnSubclassWindow(hwnd, this);
}

}  // namespace zv
