// Dialogs on the headless backend: the dialog class, the controls of a
// dialog by identifier, and the platform's message box, a real dialog
// window ("#32770") with its text in a static control (65535) and buttons
// with the standard identifiers, run modally until a button's command (or a
// posted one) ends it.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/WinApi.h"
#include "platform/WinConstants.h"
#include "platform/headless/Controls.h"
#include "platform/headless/Script.h"
#include "platform/headless/WindowSystem.h"

namespace zv::headless {

namespace {

struct ButtonSpec {
    int id;
    const char* caption;
};

// The buttons of each button type, in the order they stand.
std::vector<ButtonSpec> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        case MB_ABORTRETRYIGNORE:
            return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
        case MB_YESNOCANCEL:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
        case MB_YESNO:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}};
        case MB_RETRYCANCEL:
            return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
        case MB_CANCELTRYCONTINUE:
            return {{IDCANCEL, "Cancel"}, {IDTRYAGAIN, "&Try Again"}, {IDCONTINUE, "&Continue"}};
        default:
            return {{IDOK, "OK"}};
    }
}

// A box that is running modally, known by its window.
struct MessageBoxRun {
    std::vector<ButtonSpec> buttons;
    int result = 0;
    bool done = false;
};

std::map<HWND, MessageBoxRun*>& RunningBoxes() {
    static std::map<HWND, MessageBoxRun*> boxes;
    return boxes;
}

bool HasButton(const MessageBoxRun& run, int id) {
    return std::any_of(run.buttons.begin(), run.buttons.end(),
                       [&](const ButtonSpec& button) { return button.id == id; });
}

// Cancelling (Escape, closing, IDCANCEL) ends a box that has a Cancel
// button with it, and a box with only OK with OK; other boxes stay.
int CancelAnswer(const MessageBoxRun& run) {
    if (HasButton(run, IDCANCEL)) {
        return IDCANCEL;
    }
    return run.buttons.size() == 1 && run.buttons.front().id == IDOK ? IDOK : 0;
}

void End(MessageBoxRun& run, int id) {
    if (id != 0 && !run.done) {
        run.result = id;
        run.done = true;
    }
}

LRESULT ZV_CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = RunningBoxes().find(hwnd);
    if (found != RunningBoxes().end()) {
        MessageBoxRun& run = *found->second;
        switch (message) {
            case WM_COMMAND: {
                const int id = static_cast<int>(wParam & 0xFFFF);
                End(run, HasButton(run, id) ? id : id == IDCANCEL ? CancelAnswer(run) : 0);
                return 0;
            }
            case WM_CLOSE:
                End(run, CancelAnswer(run));
                return 0;
            default:
                break;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Sizes of the box, in pixels: text is measured at an average character
// width until the backend draws text.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kCharWidth = 6;
constexpr int kLineHeight = 13;

struct TextExtent {
    int cx;
    int cy;
};

TextExtent TextSize(const std::string& text) {
    int width = 0;
    int lines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        std::erase(line, '\r');
        width = std::max(width, static_cast<int>(line.size()) * kCharWidth);
        ++lines;
        start = end + 1;
    }
    return TextExtent{width, lines * kLineHeight};
}

HWND CreateControl(const char* className, const char* text, DWORD style, HWND parent, int id,
                   RECT where) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, where.left, where.top,
                           where.right - where.left, where.bottom - where.top, parent, id, 0,
                           nullptr);
}

// Lays the box out: icon and text above, the buttons centred below; then
// sizes the window around that client area and centres it in the work area
// of the owner's monitor.
void LayOut(HWND box, HWND owner, const std::string& text, UINT type,
            const std::vector<ButtonSpec>& buttons) {
    const bool hasIcon = (type & MB_ICONMASK) != 0;
    const TextExtent textSize = TextSize(text);
    const int textLeft = kMargin + (hasIcon ? kIconSize + kMargin : 0);
    const int count = static_cast<int>(buttons.size());
    const int buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int clientWidth = std::max(textLeft + textSize.cx + kMargin, buttonsWidth + 2 * kMargin);
    const int upperHeight = std::max(textSize.cy, hasIcon ? kIconSize : 0);
    const int buttonTop = kMargin + upperHeight + kMargin;
    const int clientHeight = buttonTop + kButtonHeight + kMargin;

    if (hasIcon) {
        CreateControl("Static", "", SS_ICON, box, IDC_STATIC_ICON,
                      RECT{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize});
    }
    CreateControl("Static", text.c_str(), SS_LEFT, box, IDC_STATIC_TEXT,
                  RECT{textLeft, kMargin, textLeft + textSize.cx, kMargin + textSize.cy});
    const UINT defaultIndex = (type & MB_DEFMASK) >> 8;
    int left = (clientWidth - buttonsWidth) / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const DWORD kind = i == (defaultIndex < buttons.size() ? defaultIndex : 0)
                               ? BS_DEFPUSHBUTTON
                               : BS_PUSHBUTTON;
        CreateControl("Button", buttons[i].caption, kind | WS_TABSTOP, box, buttons[i].id,
                      RECT{left, buttonTop, left + kButtonWidth, buttonTop + kButtonHeight});
        left += kButtonWidth + kButtonGap;
    }

    RECT outer;
    RECT client;
    GetWindowRect(box, &outer);
    GetClientRect(box, &client);
    const int width = clientWidth + (outer.right - outer.left) - client.right;
    const int height = clientHeight + (outer.bottom - outer.top) - client.bottom;
    MONITORINFO monitor;
    GetMonitorInfoA(MonitorFromWindow(owner != 0 ? owner : box, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(box, 0, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND DefaultButton(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != 0; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
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
    SetFocus(stops[static_cast<std::size_t>(next)]);
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
            MoveFocusByTab(dialog, GetAsyncKeyState(VK_SHIFT) < 0);
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

// The windows that a modal box disables: its owner, or with no owner and
// MB_TASKMODAL every enabled top-level window of the thread.
std::vector<HWND> WindowsToDisable(HWND owner, UINT type, HWND box) {
    if (owner != 0) {
        return IsWindowEnabled(owner) ? std::vector<HWND>{owner} : std::vector<HWND>{};
    }
    std::vector<HWND> windows;
    if ((type & MB_TASKMODAL) != 0) {
        for (HWND top = GetWindow(GetDesktopWindow(), GW_CHILD); top != 0;
             top = GetWindow(top, GW_HWNDNEXT)) {
            if (top != box && IsWindowEnabled(top) &&
                GetWindowThreadProcessId(top, nullptr) == GetCurrentThreadId()) {
                windows.push_back(top);
            }
        }
    }
    return windows;
}

// Runs the box until it is answered; a box nobody answers on the headless
// backend ends without an answer, and the script reports it.
int RunModally(HWND box, MessageBoxRun& run, const std::string& caption) {
    MSG msg;
    while (!run.done && IsWindow(box)) {
        const BOOL got = GetMessageA(&msg, 0, 0, 0);
        if (got == -1) {
            ReportUnansweredDialog(caption);
            break;
        }
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            break;
        }
        if (!TakeDialogKey(box, msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return run.done ? run.result : 0;
}

}  // namespace

void RegisterDialogClass(WindowSystem& system) {
    WNDCLASSA info;
    info.lpfnWndProc = DialogProc;
    info.lpszClassName = WC_DIALOG;
    system.AddClass(info);
}

}  // namespace zv::headless

namespace zv::win {

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    if (hWnd != 0 && !IsWindow(hWnd)) {
        return 0;
    }
    const HWND owner = hWnd != 0 ? headless::TopLevelOf(hWnd) : 0;
    const std::string caption = lpCaption != nullptr ? lpCaption : "Error";
    const DWORD exStyle =
        WS_EX_DLGMODALFRAME | ((uType & (MB_TOPMOST | MB_SYSTEMMODAL)) != 0 ? WS_EX_TOPMOST : 0);
    const HWND box = CreateWindowExA(exStyle, WC_DIALOG, caption.c_str(),
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 100,
                                     100, owner, 0, 0, nullptr);
    if (box == 0) {
        return 0;
    }
    headless::MessageBoxRun run;
    run.buttons = headless::ButtonsOf(uType);
    headless::RunningBoxes()[box] = &run;
    headless::LayOut(box, owner, lpText != nullptr ? lpText : "", uType, run.buttons);

    const std::vector<HWND> disabled = headless::WindowsToDisable(owner, uType, box);
    for (HWND hwnd : disabled) {
        EnableWindow(hwnd, FALSE);
    }
    ShowWindow(box, SW_SHOW);
    if (const HWND button = headless::DefaultButton(box); button != 0 && GetActiveWindow() == box) {
        SetFocus(button);
    }
    const int result = headless::RunModally(box, run, caption);

    // The owner takes the activation back when the box goes.
    for (HWND hwnd : disabled) {
        EnableWindow(hwnd, TRUE);
    }
    headless::RunningBoxes().erase(box);
    DestroyWindow(box);
    return result;
}

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
