#include "winmsg/WindowProcMgr.h"

#include <algorithm>

#include "platform/WinConstants.h"
#include "winmsg/modWindowProcMgr.h"

namespace zv {

using namespace zv::win;

std::shared_ptr<WindowProcMgr> WindowProcMgr::Create() {
    return std::make_shared<WindowProcMgr>(CreateKey{});
}

WindowProcMgr::WindowProcMgr(CreateKey) {
    // Messages nest only a few deep: after this, none of them allocates.
    m_nesting.reserve(8);
}

WindowProcMgr::~WindowProcMgr() {
    UnSubclassAll();
}

bool WindowProcMgr::AnySubclassedWindowsRemaining(
    Collection<std::int32_t>* colHwndsStillSubclassed) {
    try {
        return modWindowProcMgr::GetSubclassedWindows(colHwndsStillSubclassed);
    } catch (...) {
        return false;
    }
}

void WindowProcMgr::Subclass(HWND hwnd) {
    try {
        m_subclassed.reserve(m_subclassed.size() + 1);  // nothing fails once subscribed
        if (!modWindowProcMgr::SubclassWindow(hwnd, shared_from_this())) {
            return;
        }
        if (std::find(m_subclassed.begin(), m_subclassed.end(), hwnd) == m_subclassed.end()) {
            m_subclassed.push_back(hwnd);
        }
        std::erase(m_pendingRelease, hwnd);  // subscribing again cancels a put-off release
    } catch (...) {
        // A manager that cannot subscribe stays as it was.
    }
}

void WindowProcMgr::UnSubclass(HWND hwnd) {
    try {
        if (!m_nesting.empty()) {
            DropAllFinished();
        }
        if (InProgress(hwnd)) {
            if (std::find(m_pendingRelease.begin(), m_pendingRelease.end(), hwnd) ==
                m_pendingRelease.end()) {
                m_pendingRelease.push_back(hwnd);
            }
            return;
        }
        const auto found = std::find(m_subclassed.begin(), m_subclassed.end(), hwnd);
        if (found == m_subclassed.end()) {
            return;
        }
        m_subclassed.erase(found);
        // Last: the registry's reference may be the one that keeps this
        // manager alive.
        modWindowProcMgr::UnSubclassWindow(hwnd, this);
    } catch (...) {
    }
}

void WindowProcMgr::UnSubclassAll() {
    try {
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
    } catch (...) {
    }
}

LRESULT WindowProcMgr::WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                  bool& bHandled) {
    LRESULT nWndProcReturnValue = 0;
    try {
        const std::uint64_t message = modWindowProcMgr::CurrentMessage();
        if (!m_nesting.empty() && m_nesting.back().message > message) {
            DropFinished(message);
        }
        m_nesting.push_back(Nesting{hwnd, message});
        if (uMsg == WM_DESTROY) {
            UnSubclass(hwnd);  // put off until the message has been answered
        }
        OnMessage.Raise(hwnd, uMsg, wParam, lParam, bHandled, nWndProcReturnValue);
    } catch (...) {
        // A handler's failure ends its event for this message, not the message.
    }
    return nWndProcReturnValue;
}

void WindowProcMgr::WindowProcDone(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                   LRESULT nWndProcReturnValue) {
    try {
        OnMessageProcessed.Raise(hwnd, uMsg, wParam, lParam, nWndProcReturnValue);
    } catch (...) {
    }
    const std::uint64_t message = modWindowProcMgr::CurrentMessage();
    if (!m_nesting.empty() && m_nesting.back().message > message) {
        DropFinished(message);
    }
    // A message that was swallowed before this manager's turn, or that came
    // while it was subscribing, never reached WindowProc: its depth stays.
    if (m_nesting.empty() || m_nesting.back().message != message || m_nesting.back().hwnd != hwnd) {
        return;
    }
    m_nesting.pop_back();
    if (!m_pendingRelease.empty()) {
        ReleaseIfDue(hwnd);
    }
}

bool WindowProcMgr::InProgress(HWND hwnd) const noexcept {
    return std::any_of(m_nesting.begin(), m_nesting.end(),
                       [&](const Nesting& nesting) { return nesting.hwnd == hwnd; });
}

// Entries of messages nested in the current one that ended without
// WindowProcDone: only when someone ended this manager's subscription behind
// its back, through the registry.
void WindowProcMgr::DropFinished(std::uint64_t current) noexcept {
    while (!m_nesting.empty() && m_nesting.back().message > current) {
        const HWND hwnd = m_nesting.back().hwnd;
        m_nesting.pop_back();
        ReleaseIfDue(hwnd);
    }
}

// The same for messages outside the current one, which the stack cannot tell.
void WindowProcMgr::DropAllFinished() noexcept {
    std::erase_if(m_nesting, [](const Nesting& nesting) {
        return nesting.message != 0 && !modWindowProcMgr::IsMessageInProgress(nesting.message);
    });
}

void WindowProcMgr::ReleaseIfDue(HWND hwnd) noexcept {
    if (m_pendingRelease.empty() || InProgress(hwnd)) {
        return;
    }
    const auto pending = std::find(m_pendingRelease.begin(), m_pendingRelease.end(), hwnd);
    if (pending == m_pendingRelease.end()) {
        return;
    }
    m_pendingRelease.erase(pending);
    UnSubclass(hwnd);
}

}  // namespace zv
