// The system's control classes on the headless backend: buttons (push
// buttons, check boxes, option buttons), static texts and one-line edit
// boxes, registered with every fresh desktop. They keep their state where
// the platform's controls keep it, in the window, and tell their parent of
// clicks with WM_COMMAND.

#include <string>

#include "platform/WinApi.h"
#include "platform/WinConstants.h"
#include "platform/headless/Controls.h"
#include "platform/headless/WindowSystem.h"

namespace zv::headless {

namespace {

// Bits of a button's state.
constexpr int kChecked = 1;
constexpr int kPushed = 4;

// Bits of an edit box's state.
constexpr int kAllSelected = 1;

constexpr UINT EN_CHANGE = 0x0300;

DWORD ButtonType(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

int& StateOf(HWND hwnd) {
    return System().Find(hwnd)->controlState;
}

void NotifyParent(HWND hwnd, UINT code) {
    const WPARAM wParam = static_cast<WPARAM>((GetDlgCtrlID(hwnd) & 0xFFFF) | (code << 16));
    SendMessageA(GetParent(hwnd), WM_COMMAND, wParam, static_cast<LPARAM>(hwnd));
}

void SetChecked(HWND hwnd, bool checked) {
    int& state = StateOf(hwnd);
    state = checked ? state | kChecked : state & ~kChecked;
}

// The option buttons of a group: from the nearest sibling at or before the
// button that starts a group (WS_GROUP) up to the next one that does.
void UncheckOtherOptions(HWND hwnd) {
    HWND first = hwnd;
    while ((GetWindowLongA(first, GWL_STYLE) & static_cast<LONG>(WS_GROUP)) == 0) {
        const HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == 0) {
            break;
        }
        first = previous;
    }
    for (HWND sibling = first; sibling != 0; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first &&
            (GetWindowLongA(sibling, GWL_STYLE) & static_cast<LONG>(WS_GROUP))) {
            break;
        }
        if (sibling != hwnd && ButtonType(sibling) == BS_AUTORADIOBUTTON) {
            SetChecked(sibling, false);
        }
    }
}

// What a click does: automatic boxes and options change their check, then
// the parent hears of it.
void ClickButton(HWND hwnd) {
    switch (ButtonType(hwnd)) {
        case BS_AUTOCHECKBOX:
            SetChecked(hwnd, (StateOf(hwnd) & kChecked) == 0);
            break;
        case BS_AUTORADIOBUTTON:
            SetChecked(hwnd, true);
            UncheckOtherOptions(hwnd);
            break;
        default:
            break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

bool InClientArea(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    const auto x = static_cast<std::int16_t>(lParam & 0xFFFF);
    const auto y = static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

// A press arms the button; the release over it clicks it.
void Release(HWND hwnd, bool over) {
    const bool armed = (StateOf(hwnd) & kPushed) != 0;
    StateOf(hwnd) &= ~kPushed;
    if (armed && over) {
        ClickButton(hwnd);
    }
}

LRESULT ZV_CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);
            SetCapture(hwnd);
            StateOf(hwnd) |= kPushed;
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
            Release(hwnd, InClientArea(hwnd, lParam));
            return 0;
        case WM_KEYDOWN:
            if (wParam == static_cast<WPARAM>(VK_SPACE)) {
                StateOf(hwnd) |= kPushed;
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == static_cast<WPARAM>(VK_SPACE)) {
                Release(hwnd, true);
                return 0;
            }
            break;
        case BM_GETCHECK:
            return StateOf(hwnd) & kChecked;
        case BM_SETCHECK:
            SetChecked(hwnd, wParam == BST_CHECKED);
            return 0;
        case BM_CLICK:
            ClickButton(hwnd);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT ZV_CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Typing goes at the end; with everything selected it replaces the text.
void Type(HWND hwnd, char ch) {
    const bool replacing = (StateOf(hwnd) & kAllSelected) != 0;
    StateOf(hwnd) &= ~kAllSelected;
    std::string text = replacing ? std::string() : WindowText(hwnd);
    if (ch != '\b') {
        text.push_back(ch);
    } else if (!replacing && !text.empty()) {
        text.pop_back();
    }
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    NotifyParent(hwnd, EN_CHANGE);
}

void Select(HWND hwnd, WPARAM start, LPARAM end) {
    const bool all = start == 0 && (end == -1 || end >= GetWindowTextLengthA(hwnd));
    StateOf(hwnd) = all ? StateOf(hwnd) | kAllSelected : StateOf(hwnd) & ~kAllSelected;
}

LRESULT ZV_CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);
            StateOf(hwnd) &= ~kAllSelected;
            return 0;
        case WM_CHAR:
            if (wParam == '\b' || wParam >= ' ') {
                Type(hwnd, static_cast<char>(wParam));
            }
            return 0;
        case WM_KEYDOWN:
            // The caret stays at the end: shift and Home select it all.
            if (wParam == static_cast<WPARAM>(VK_HOME) && GetAsyncKeyState(VK_SHIFT) < 0) {
                Select(hwnd, 0, -1);
            } else if (wParam == static_cast<WPARAM>(VK_END)) {
                Select(hwnd, 0, 0);
            }
            return 0;
        case EM_SETSEL:
            Select(hwnd, wParam, lParam);
            return 0;
        case EM_GETSEL: {
            const auto length = static_cast<LRESULT>(GetWindowTextLengthA(hwnd));
            const LRESULT start = (StateOf(hwnd) & kAllSelected) != 0 ? 0 : length;
            return start | (length << 16);
        }
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void AddSystemClass(WindowSystem& system, const char* name, WNDPROC proc) {
    WNDCLASSA info;
    info.lpfnWndProc = proc;
    info.lpszClassName = name;
    system.AddClass(info);
}

}  // namespace

void RegisterControlClasses(WindowSystem& system) {
    AddSystemClass(system, "Button", ButtonProc);
    AddSystemClass(system, "Static", StaticProc);
    AddSystemClass(system, "Edit", EditProc);
}

}  // namespace zv::headless
