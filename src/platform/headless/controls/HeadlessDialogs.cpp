// Dialogs on the headless backend: the dialog class, the controls of a
// dialog by identifier, and the modal run of the backend's own dialogs with
// the dialog keys (Enter, Escape, Tab).

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "headless/controls/Controls.h"
#include "headless/controls/Dialogs.h"
#include "headless/core/Script.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

// The dialogs that are running, known by their window.
std::map<HWND, DialogRun*>& RunningDialogs() {
    static std::map<HWND, DialogRun*> dialogs;
    return dialogs;
}

LRESULT ZV_CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = RunningDialogs().find(hwnd);
    if (found != RunningDialogs().end() && found->second->handle &&
        found->second->handle(hwnd, message, wParam, lParam)) {
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND DefaultButton(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != 0; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)) & BS_TYPEMASK) ==
            BS_DEFPUSHBUTTON) {
            return child;
        }
    }
    return 0;
}

bool IsPushButton(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    const DWORD type = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    return FoldName(name) == "BUTTON" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// The controls that Tab moves between, in order.
std::vector<HWND> TabStops(HWND dialog) {
    std::vector<HWND> stops;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != 0;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & static_cast<LONG>(WS_TABSTOP)) != 0 &&
            IsWindowVisible(child) && IsWindowEnabled(child)) {
            stops.push_back(child);
        }
    }
    return stops;
}

// The dialog keyboard's focusing: a control that keeps a selection (an edit
// box) has all of its text selected, so that typing replaces it.
void FocusByKeyboard(HWND control) {
    SetFocus(control);
    if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

void MoveFocusByTab(HWND dialog, bool backwards) {
    const std::vector<HWND> stops = TabStops(dialog);
    if (stops.empty()) {
        return;
    }
    const auto at = std::find(stops.begin(), stops.end(), GetFocus());
    const auto index = static_cast<std::ptrdiff_t>(at - stops.begin());
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    const std::ptrdiff_t next =
        at == stops.end() ? 0 : (index + (backwards ? count - 1 : 1)) % count;
    FocusByKeyboard(stops[static_cast<std::size_t>(next)]);
}

void Command(HWND dialog, int id, HWND from) {
    SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(id & 0xFFFF), static_cast<LPARAM>(from));
}

// The dialog keyboard: Enter presses the focused push button or else the
// default one, Escape cancels, Tab moves the focus. True when the message
// was such a key and is taken.
bool TakeDialogKey(HWND dialog, const MSG& msg) {
    if (!IsSelfOrDescendant(dialog, msg.hwnd) ||
        (msg.message != WM_KEYDOWN && msg.message != WM_CHAR)) {
        return false;
    }
    const auto key = static_cast<int>(msg.wParam);
    const bool keyDown = msg.message == WM_KEYDOWN;
    if (key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB) {
        if (!keyDown) {
            return true;  // the character of a key already taken
        }
        if (key == VK_TAB) {
            MoveFocusByTab(dialog, GetKeyState(VK_SHIFT) < 0);
        } else if (key == VK_ESCAPE) {
            Command(dialog, IDCANCEL, 0);
        } else {
            const HWND focus = GetFocus();
            const HWND button = IsPushButton(focus) ? focus : DefaultButton(dialog);
            if (button != 0) {
                Command(dialog, GetDlgCtrlID(button), button);
            }
        }
        return true;
    }
    return false;
}

// The windows that a modal dialog disables: its owner, or with no owner and
// task-modal every enabled top-level window of the thread.
std::vector<HWND> WindowsToDisable(HWND owner, bool taskModal, HWND dialog) {
    if (owner != 0) {
        return IsWindowEnabled(owner) ? std::vector<HWND>{owner} : std::vector<HWND>{};
    }
    std::vector<HWND> windows;
    if (taskModal) {
        for (HWND top = GetWindow(GetDesktopWindow(), GW_CHILD); top != 0;
             top = GetWindow(top, GW_HWNDNEXT)) {
            if (top != dialog && IsWindowEnabled(top) &&
                GetWindowThreadProcessId(top, nullptr) == GetCurrentThreadId()) {
                windows.push_back(top);
            }
        }
    }
    return windows;
}

void RunLoop(HWND dialog, DialogRun& run) {
    MSG msg;
    while (!run.done && IsWindow(dialog)) {
        const BOOL got = GetMessageA(&msg, 0, 0, 0);
        if (got == -1) {
            ReportUnansweredWindow(dialog);
            break;
        }
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            break;
        }
        if (!TakeDialogKey(dialog, msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

HWND CreateDialogWindow(HWND owner, const std::string& caption, DWORD exStyle) {
    return CreateWindowExA(WS_EX_DLGMODALFRAME | exStyle, WC_DIALOG, caption.c_str(),
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 100, 100,
                           owner, 0, 0, nullptr);
}

HWND CreateControl(const char* className, const char* text, DWORD style, HWND parent, int id,
                   RECT where) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, where.left, where.top,
                           where.right - where.left, where.bottom - where.top, parent, id, 0,
                           nullptr);
}

void PlaceDialog(HWND dialog, HWND owner, int clientWidth, int clientHeight) {
    RECT outer;
    RECT client;
    GetWindowRect(dialog, &outer);
    GetClientRect(dialog, &client);
    const int width = clientWidth + (outer.right - outer.left) - client.right;
    const int height = clientHeight + (outer.bottom - outer.top) - client.bottom;
    MONITORINFO monitor;
    GetMonitorInfoA(MonitorFromWindow(owner != 0 ? owner : dialog, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(dialog, 0, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int RunDialog(HWND dialog, HWND owner, bool taskModal, DialogRun& run) {
    RunningDialogs()[dialog] = &run;
    const std::vector<HWND> disabled = WindowsToDisable(owner, taskModal, dialog);
    for (HWND hwnd : disabled) {
        EnableWindow(hwnd, FALSE);
    }
    ShowWindow(dialog, SW_SHOW);
    const HWND focus = run.firstFocus != 0 ? run.firstFocus : DefaultButton(dialog);
    if (focus != 0 && GetActiveWindow() == dialog) {
        SetFocus(focus);
    }
    RunLoop(dialog, run);
    // The owner takes the activation back when the dialog goes.
    for (HWND hwnd : disabled) {
        EnableWindow(hwnd, TRUE);
    }
    RunningDialogs().erase(dialog);
    DestroyWindow(dialog);
    return run.done ? run.result : 0;
}

void RegisterDialogClass(WindowSystem& system) {
    WNDCLASSA info;
    info.lpfnWndProc = DialogProc;
    info.lpszClassName = WC_DIALOG;
    info.hbrBackground = COLOR_3DFACE + 1;  // a system colour's brush
    system.AddClass(info);
}

}  // namespace zv::headless

namespace zv::win {

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    for (HWND child = GetWindow(hDlg, GW_CHILD); child != 0;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == nIDDlgItem) {
            return child;
        }
    }
    return 0;
}

int GetDlgCtrlID(HWND hWnd) {
    const headless::Window* window = headless::System().Find(hWnd);
    return window != nullptr && headless::IsChild(*window) ? static_cast<int>(window->id) : 0;
}

BOOL SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
    const HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item != 0 ? SetWindowTextA(item, lpString) : FALSE;
}

UINT GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
    const HWND item = GetDlgItem(hDlg, nIDDlgItem);
    if (item == 0) {
        if (lpString != nullptr && cchMax > 0) {
            lpString[0] = '\0';
        }
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(item, lpString, cchMax));
}

}  // namespace zv::win
