// Focus, activation and the foreground window on the headless backend.
// Deactivation is told before activation (WM_NCACTIVATE, then WM_ACTIVATE);
// the threads whose activation changes hear WM_ACTIVATEAPP in between; the
// default procedure gives an activated window the focus; WM_KILLFOCUS comes
// before WM_SETFOCUS.

#include "headless/core/Focus.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

DWORD ThreadOf(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    return window == nullptr ? 0 : window->thread;
}

bool SharesInput(DWORD a, DWORD b) {
    return &System().InputOf(a) == &System().InputOf(b);
}

void SendActivateApp(DWORD thread, BOOL active, DWORD otherThread) {
    const std::vector<HWND> topLevel = System().Desktop().children;
    for (HWND hwnd : topLevel) {
        if (ThreadOf(hwnd) == thread) {
            SendMessageA(hwnd, WM_ACTIVATEAPP, static_cast<WPARAM>(active),
                         static_cast<LPARAM>(otherThread));
        }
    }
}

void Deactivate(HWND previous, HWND next) {
    SendMessageA(previous, WM_NCACTIVATE, FALSE, static_cast<LPARAM>(next));
    SendMessageA(previous, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(next));
}

void AnnounceActivation(HWND hwnd, HWND previous, WPARAM how) {
    const DWORD oldThread = ThreadOf(previous);
    const DWORD newThread = ThreadOf(hwnd);
    if (oldThread != newThread) {
        if (oldThread != 0) {
            SendActivateApp(oldThread, FALSE, newThread);
        }
        SendActivateApp(newThread, TRUE, oldThread);
    }
    SendMessageA(hwnd, WM_NCACTIVATE, hwnd == System().Foreground() ? TRUE : FALSE,
                 static_cast<LPARAM>(previous));
    SendMessageA(hwnd, WM_ACTIVATE, how, static_cast<LPARAM>(previous));
}

bool CanBeActivated(HWND hwnd, HWND leaving) {
    const Window* window = System().Find(hwnd);
    return window != nullptr && hwnd != leaving && !window->destroying && !IsChild(*window) &&
           (window->style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

// The owner of a popup if it can take the activation, else the topmost
// top-level window that can.
HWND NextToActivate(HWND leaving) {
    const Window* window = System().Find(leaving);
    if (window != nullptr && CanBeActivated(window->owner, leaving)) {
        return window->owner;
    }
    for (HWND hwnd : System().Desktop().children) {
        if (CanBeActivated(hwnd, leaving)) {
            return hwnd;
        }
    }
    return 0;
}

// The thread's CBT hooks hear of the activation first, and may refuse it.
bool ActivationRefused(HWND hwnd, HWND previous, WPARAM how) {
    CBTACTIVATESTRUCT activation;
    activation.fMouse = how == WA_CLICKACTIVE ? TRUE : FALSE;
    activation.hWndActive = previous;
    return CallHooks(WH_CBT, HCBT_ACTIVATE, static_cast<WPARAM>(hwnd),
                     reinterpret_cast<LPARAM>(&activation)) != 0;
}

}  // namespace

HWND ActivateWindow(HWND hwnd, WPARAM how) {
    const HWND previous = CurrentInput().active;
    if (previous == hwnd) {
        return previous;
    }
    if (hwnd != 0 && ActivationRefused(hwnd, previous, how)) {
        return previous;
    }
    if (previous != 0) {
        Deactivate(previous, hwnd);
    }
    CurrentInput().active = System().Find(hwnd) != nullptr ? hwnd : 0;
    if (CurrentInput().active == 0) {
        return previous;
    }
    AnnounceActivation(hwnd, previous, how);
    if (CurrentInput().active == hwnd && !IsSelfOrDescendant(hwnd, CurrentInput().focus)) {
        MoveFocus(hwnd);
    }
    return previous;
}

HWND MoveFocus(HWND hwnd) {
    const HWND previous = CurrentInput().focus;
    if (previous == hwnd) {
        return previous;
    }
    CurrentInput().focus = hwnd;
    if (previous != 0) {
        SendMessageA(previous, WM_KILLFOCUS, static_cast<WPARAM>(hwnd), 0);
    }
    if (hwnd != 0 && CurrentInput().focus == hwnd) {
        SendMessageA(hwnd, WM_SETFOCUS, static_cast<WPARAM>(previous), 0);
    }
    return previous;
}

void BringToForeground(HWND hwnd, WPARAM how) {
    const DWORD thread = ThreadOf(hwnd);
    const HWND previous = System().Foreground();
    System().SetForeground(hwnd);
    const DWORD oldThread = ThreadOf(previous);
    if (oldThread != 0 && previous != hwnd && !SharesInput(oldThread, thread)) {
        OnThread onOldThread(oldThread);
        DeactivateApplication(oldThread, thread);
    }
    OnThread onItsThread(thread);
    ActivateWindow(hwnd, how);
}

void DeactivateApplication(DWORD thread, DWORD newThread) {
    const HWND previous = CurrentInput().active;
    if (previous == 0) {
        return;
    }
    Deactivate(previous, 0);
    CurrentInput().active = 0;
    SendActivateApp(thread, FALSE, newThread);
}

bool HasForegroundInputOf(DWORD thread) {
    const DWORD foregroundThread = ThreadOf(System().Foreground());
    return foregroundThread == 0 || SharesInput(foregroundThread, thread);
}

void HandOverActivation(HWND hwnd) {
    if (CurrentInput().active != hwnd) {
        return;
    }
    const HWND next = NextToActivate(hwnd);
    const HWND foreground = System().Foreground();
    if (next != 0 && (foreground == 0 || foreground == hwnd)) {
        SetForegroundWindow(next);
        if (CurrentInput().active != hwnd) {
            return;
        }
    }
    if (System().Foreground() == hwnd) {
        System().SetForeground(0);
    }
    ActivateWindow(next != 0 && SharesInput(ThreadOf(next), System().CurrentThread()) ? next : 0,
                   WA_ACTIVE);
}

void RevertFocus(HWND hwnd) {
    if (!IsSelfOrDescendant(hwnd, CurrentInput().focus)) {
        return;
    }
    const Window* window = System().Find(hwnd);
    MoveFocus(window != nullptr && IsChild(*window) && window->parent != System().Desktop().handle
                  ? window->parent
                  : 0);
}

}  // namespace zv::headless

namespace zv::win {

namespace {

using headless::System;
using headless::TopLevelOf;
using headless::Window;

bool SharesInputWithCaller(const Window& window) {
    return &System().InputOf(window.thread) == &System().InputOf(System().CurrentThread());
}

// Neither the window nor an ancestor up to its top-level window is disabled.
bool CanTakeFocus(HWND hwnd) {
    for (const Window* window = System().Find(hwnd); window != nullptr;
         window = System().Find(window->parent)) {
        if ((window->style & WS_DISABLED) != 0) {
            return false;
        }
        if ((window->style & WS_CHILD) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

HWND GetFocus() {
    return System().InputOf(System().CurrentThread()).focus;
}

HWND SetFocus(HWND hWnd) {
    if (hWnd == 0) {
        return headless::MoveFocus(0);
    }
    const Window* window = System().Find(hWnd);
    if (window == nullptr || !SharesInputWithCaller(*window) || !CanTakeFocus(hWnd)) {
        return 0;
    }
    const HWND previous = GetFocus();
    if (hWnd == previous) {
        return previous;
    }
    const HWND top = TopLevelOf(hWnd);
    if (top != GetActiveWindow()) {
        SetActiveWindow(top);
        if (!IsWindow(hWnd) || top != GetActiveWindow()) {
            return 0;
        }
    }
    headless::MoveFocus(hWnd);
    return previous;
}

HWND GetActiveWindow() {
    return System().InputOf(System().CurrentThread()).active;
}

HWND SetActiveWindow(HWND hWnd) {
    const Window* window = System().Find(hWnd);
    if (hWnd != 0 &&
        (window == nullptr || (window->style & WS_CHILD) != 0 || !SharesInputWithCaller(*window))) {
        return 0;
    }
    if (hWnd != 0 && headless::HasForegroundInputOf(System().CurrentThread())) {
        System().SetForeground(hWnd);
    }
    return headless::ActivateWindow(hWnd, WA_ACTIVE);
}

HWND GetForegroundWindow() {
    return System().Foreground();
}

BOOL SetForegroundWindow(HWND hWnd) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr || (window->style & WS_CHILD) != 0) {
        return FALSE;
    }
    headless::BringToForeground(hWnd, WA_ACTIVE);
    return TRUE;
}

BOOL BringWindowToTop(HWND hWnd) {
    return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL AttachThreadInput(DWORD idAttach, DWORD idAttachTo, BOOL fAttach) {
    headless::Thread* attaching = System().FindThread(idAttach);
    const headless::Thread* target = System().FindThread(idAttachTo);
    if (attaching == nullptr || target == nullptr || idAttach == idAttachTo) {
        return FALSE;
    }
    if (fAttach) {
        // The shared state keeps the target's windows, or takes the attaching
        // thread's when the target has none active.
        headless::InputState& shared = System().InputOf(target->id);
        if (shared.active == 0) {
            shared = System().InputOf(attaching->id);
        }
        attaching->inputOf = target->inputOf;
    } else {
        attaching->inputOf = attaching->id;
        attaching->ownInput = headless::InputState{};
    }
    return TRUE;
}

}  // namespace zv::win
