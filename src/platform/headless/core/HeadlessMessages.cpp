// Queued messages, the virtual clock and timers of the headless backend.
// Posted messages wait in the queue of the thread that owns the window; a
// timer that is due turns into one WM_TIMER when its thread looks at an
// otherwise empty queue, as on the platform.

#include <algorithm>

#include "headless/core/Input.h"
#include "headless/core/Script.h"
#include "headless/core/WindowSystem.h"
#include "headless/gdi/GdiPaint.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::win {

namespace {

using headless::System;
using headless::Thread;
using headless::Timer;

Thread& CurrentThread() {
    return *System().FindThread(System().CurrentThread());
}

DWORD TickCount() {
    return static_cast<DWORD>(System().Now());
}

// The window filter of PeekMessageA and GetMessageA: any message for 0, thread
// messages only for -1 and 1, else the window and its descendants.
bool MatchesWindow(HWND filter, HWND hwnd) {
    if (filter == 0) {
        return true;
    }
    if (filter == -1 || filter == 1) {
        return hwnd == 0;
    }
    return headless::IsSelfOrDescendant(filter, hwnd);
}

bool MatchesRange(UINT message, UINT first, UINT last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

MSG StampedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = TickCount();
    return msg;
}

bool TakePosted(Thread& thread, MSG& msg, HWND hWnd, UINT first, UINT last, bool remove) {
    const auto found = std::find_if(thread.queue.begin(), thread.queue.end(), [&](const MSG& m) {
        return MatchesWindow(hWnd, m.hwnd) && MatchesRange(m.message, first, last);
    });
    if (found == thread.queue.end()) {
        return false;
    }
    msg = *found;
    if (remove) {
        thread.queue.erase(found);
    }
    return true;
}

// A due timer gives one WM_TIMER, the earliest first; taking it starts the
// next interval.
bool TakeTimer(Thread& thread, MSG& msg, HWND hWnd, UINT first, UINT last, bool remove) {
    if (!MatchesRange(WM_TIMER, first, last)) {
        return false;
    }
    auto& timers = System().Timers();
    auto found = timers.end();
    for (auto timer = timers.begin(); timer != timers.end(); ++timer) {
        if (timer->thread == thread.id && timer->due <= System().Now() &&
            MatchesWindow(hWnd, timer->hwnd) &&
            (found == timers.end() || timer->due < found->due)) {
            found = timer;
        }
    }
    if (found == timers.end()) {
        return false;
    }
    msg = StampedMessage(found->hwnd, WM_TIMER, found->id, reinterpret_cast<LPARAM>(found->proc));
    if (remove) {
        found->due = System().Now() + found->elapse;
    }
    return true;
}

// Input comes after posted messages; a filter that leaves the next input
// event out leaves it waiting.
bool TakeInput(MSG& msg, HWND hWnd, UINT first, UINT last, bool remove) {
    const auto preview = headless::TakeInputMessage(false);
    if (!preview || !MatchesWindow(hWnd, preview->hwnd) ||
        !MatchesRange(preview->message, first, last)) {
        return false;
    }
    if (!remove) {
        msg = *preview;
        return true;
    }
    const auto taken = headless::TakeInputMessage(true);
    if (taken) {
        msg = *taken;
    }
    return taken.has_value();
}

bool TakeQuit(Thread& thread, MSG& msg, bool remove) {
    if (!thread.quitPosted) {
        return false;
    }
    msg = StampedMessage(0, WM_QUIT, static_cast<WPARAM>(thread.quitCode), 0);
    if (remove) {
        thread.quitPosted = false;
    }
    return true;
}

// A window with something to repaint gives WM_PAINT, which stays until the
// window is validated.
bool TakePaint(Thread& thread, MSG& msg, HWND hWnd, UINT first, UINT last) {
    if (!MatchesRange(WM_PAINT, first, last)) {
        return false;
    }
    const auto hwnd = headless::NextWindowToPaint(thread.id, hWnd);
    if (!hwnd) {
        return false;
    }
    msg = StampedMessage(*hwnd, WM_PAINT, 0, 0);
    return true;
}

// Lets the clock run to the thread's next timer; false when it has none.
bool WaitForNextTimer(DWORD thread) {
    const auto next = headless::NextTimer(thread);
    if (!next) {
        return false;
    }
    System().SetNow(std::max(System().Now(), next->due));
    return true;
}

UINT ClampElapse(UINT elapse) {
    return std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
}

}  // namespace

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    DWORD thread = System().CurrentThread();
    if (hWnd != 0) {
        const headless::Window* window = System().Find(hWnd);
        if (window == nullptr) {
            return FALSE;
        }
        thread = window->thread;
    }
    System().FindThread(thread)->queue.push_back(StampedMessage(hWnd, Msg, wParam, lParam));
    return TRUE;
}

void PostQuitMessage(int nExitCode) {
    CurrentThread().quitPosted = true;
    CurrentThread().quitCode = nExitCode;
}

BOOL PeekMessageA(MSG* lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (lpMsg == nullptr) {
        return FALSE;
    }
    Thread& thread = CurrentThread();
    const bool remove = (wRemoveMsg & PM_REMOVE) != 0;
    const bool found = TakePosted(thread, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove) ||
                       TakeInput(*lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove) ||
                       TakeQuit(thread, *lpMsg, remove) ||
                       TakePaint(thread, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax) ||
                       TakeTimer(thread, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove);
    if (!found) {
        return FALSE;
    }
    // The thread's message hooks see the message, and may rewrite it, before
    // the caller does.
    headless::CallHooks(WH_GETMESSAGE, HC_ACTION, remove ? PM_REMOVE : PM_NOREMOVE,
                        reinterpret_cast<LPARAM>(lpMsg));
    return TRUE;
}

BOOL GetMessageA(MSG* lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (lpMsg == nullptr) {
        return -1;
    }
    while (!PeekMessageA(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE)) {
        // The user answers before time passes.
        if (headless::TakeScriptedTurn()) {
            continue;
        }
        if (!WaitForNextTimer(System().CurrentThread())) {
            return -1;  // the platform would wait forever
        }
    }
    return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

LRESULT DispatchMessageA(const MSG* lpMsg) {
    if (lpMsg == nullptr) {
        return 0;
    }
    if (lpMsg->message == WM_TIMER && lpMsg->lParam != 0) {
        reinterpret_cast<TIMERPROC>(lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam,
                                                   TickCount());
        return 0;
    }
    const headless::Window* window = System().Find(lpMsg->hwnd);
    if (window == nullptr || window->thread != System().CurrentThread()) {
        return 0;
    }
    return CallWindowProcA(window->proc, lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

BOOL InSendMessage() {
    return CurrentThread().sendsFromOtherThreads > 0 ? TRUE : FALSE;
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    DWORD thread = System().CurrentThread();
    if (hWnd != 0) {
        const headless::Window* window = System().Find(hWnd);
        if (window == nullptr || window->thread != thread) {
            return 0;
        }
    }
    // A timer with the same window and identifier is replaced; so is a
    // window-less timer of this thread whose identifier is given again.
    auto& timers = System().Timers();
    const auto existing = std::find_if(timers.begin(), timers.end(), [&](const Timer& timer) {
        return timer.thread == thread && timer.hwnd == hWnd && timer.id == nIDEvent &&
               (hWnd != 0 || nIDEvent != 0);
    });
    const bool replacing = existing != timers.end();
    Timer& timer = replacing ? *existing : timers.emplace_back();
    timer.hwnd = hWnd;
    timer.id = hWnd != 0 || replacing ? nIDEvent : System().NextTimerId();
    timer.elapse = ClampElapse(uElapse);
    timer.proc = lpTimerFunc;
    timer.due = System().Now() + timer.elapse;
    timer.thread = thread;
    return timer.id != 0 ? timer.id : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    const auto removed = std::erase_if(System().Timers(), [&](const Timer& timer) {
        return timer.hwnd == hWnd && timer.id == uIDEvent &&
               timer.thread == System().CurrentThread();
    });
    return removed > 0 ? TRUE : FALSE;
}

DWORD GetTickCount() {
    return TickCount();
}

}  // namespace zv::win
