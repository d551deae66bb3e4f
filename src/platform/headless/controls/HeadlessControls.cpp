// The system's control classes on the headless backend: buttons (push
// buttons, check boxes with two or three states, option buttons) and static
// texts, and the registration of every control class with each fresh
// desktop. They keep their state where the platform's controls keep it, in
// the window, and tell their parent of clicks with WM_COMMAND.
//
// Not modelled: BM_GETSTATE, BM_SETSTATE, BM_GETIMAGE, BM_SETIMAGE,
// BM_SETDONTCLICK; every STM_ message (icons and images of statics).

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "headless/controls/ControlPainter.h"
#include "headless/controls/Controls.h"
#include "headless/core/Script.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

LRESULT ZV_CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Bits of a button's state: its check (BST_UNCHECKED, BST_CHECKED or
// BST_INDETERMINATE) and whether it is pushed.
constexpr int kCheckBits = 3;
constexpr int kPushed = 4;

DWORD ButtonType(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsButton(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    return window != nullptr && window->windowClass != nullptr &&
           window->windowClass->info.lpfnWndProc == ButtonProc;
}

void PaintButton(HWND hwnd, PaintTime when);

// A state that shows changed: a visible button paints again at once, other
// controls when their turn to paint comes.
void Repaint(HWND hwnd) {
    if (!IsButton(hwnd)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    } else if (IsWindowVisible(hwnd)) {
        PaintButton(hwnd, PaintTime::AtOnce);
    }
}

WPARAM CheckOf(HWND hwnd) {
    return static_cast<WPARAM>(StateOf(hwnd) & kCheckBits);
}

// The highest check a button of the type shows: none for push buttons and
// group boxes, the greyed one for three-state boxes only.
WPARAM HighestCheck(DWORD type) {
    switch (type) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return BST_CHECKED;
        case BS_3STATE:
        case BS_AUTO3STATE:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
    }
}

bool ShowsCheck(DWORD type) {
    return HighestCheck(type) != BST_UNCHECKED;
}

// A check beyond what the type shows becomes its highest.
void SetCheck(HWND hwnd, WPARAM check) {
    int& state = StateOf(hwnd);
    state =
        (state & ~kCheckBits) | static_cast<int>(std::min(check, HighestCheck(ButtonType(hwnd))));
    Repaint(hwnd);
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
            SetCheck(sibling, BST_UNCHECKED);
        }
    }
}

// What a click does: automatic boxes and options change their check (a
// three-state box goes on to greyed, then back to unchecked), then the
// parent hears of it.
void ClickButton(HWND hwnd) {
    switch (ButtonType(hwnd)) {
        case BS_AUTOCHECKBOX:
            SetCheck(hwnd, CheckOf(hwnd) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
            break;
        case BS_AUTO3STATE:
            SetCheck(hwnd, CheckOf(hwnd) == BST_INDETERMINATE ? BST_UNCHECKED : CheckOf(hwnd) + 1);
            break;
        case BS_AUTORADIOBUTTON:
            SetCheck(hwnd, BST_CHECKED);
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
    Repaint(hwnd);
    if (armed && over) {
        ClickButton(hwnd);
    }
}

// The box of a check box or the ring of an option button, with its mark, as
// the platform draws them.
void PaintMark(const ControlPainter& painter, HWND hwnd, DWORD type) {
    const RECT client = painter.Client();
    const int top = (client.bottom - 13) / 2;
    RECT box{0, top, 13, top + 13};
    UINT state =
        type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    switch (CheckOf(hwnd)) {
        case BST_CHECKED:
            state |= DFCS_CHECKED;
            break;
        case BST_INDETERMINATE:
            state = DFCS_BUTTON3STATE | DFCS_CHECKED;
            break;
        default:
            break;
    }
    if ((StateOf(hwnd) & kPushed) != 0 && GetCapture() == hwnd) {
        state |= DFCS_PUSHED;
    }
    if (!IsWindowEnabled(hwnd)) {
        state |= DFCS_INACTIVE;
    }
    DrawFrameControl(painter.Dc(), &box, DFC_BUTTON, state);
}

void PaintButton(HWND hwnd, PaintTime when) {
    const ControlPainter painter(hwnd, WM_CTLCOLORBTN, when);
    RECT client = painter.Client();
    const DWORD type = ButtonType(hwnd);
    painter.FillBackground(client);
    if (ShowsCheck(type)) {
        PaintMark(painter, hwnd, type);
        painter.Text(RECT{17, client.top, client.right, client.bottom},
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    if (type == BS_GROUPBOX) {
        RECT frame{client.left, client.top + 6, client.right, client.bottom};
        DrawEdge(painter.Dc(), &frame, EDGE_ETCHED, BF_RECT);
        painter.Text(RECT{8, 0, client.right, 14}, DT_LEFT | DT_SINGLELINE);
        return;
    }
    if (type == BS_DEFPUSHBUTTON) {
        painter.Frame(client, COLOR_WINDOWFRAME);
        InflateRect(&client, -1, -1);
    }
    const bool pushed = (StateOf(hwnd) & kPushed) != 0 && GetCapture() == hwnd;
    DrawEdge(painter.Dc(), &client, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    painter.Text(client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (GetFocus() == hwnd) {
        InflateRect(&client, -3, -3);
        DrawFocusRect(painter.Dc(), &client);
    }
}

LRESULT ZV_CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TakeFontMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);
            SetCapture(hwnd);
            StateOf(hwnd) |= kPushed;
            Repaint(hwnd);
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
            return static_cast<LRESULT>(CheckOf(hwnd));
        case BM_SETCHECK:
            SetCheck(hwnd, wParam);
            return 0;
        case BM_SETSTYLE: {
            const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
            SetWindowLongA(hwnd, GWL_STYLE,
                           static_cast<LONG>((style & 0xFFFF0000u) | (wParam & 0xFFFFu)));
            if (lParam != 0) {
                Repaint(hwnd);
            }
            return 0;
        }
        case WM_PAINT:
            PaintButton(hwnd, PaintTime::ForPaintMessage);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_SETTEXT:
        case WM_ENABLE:
            Repaint(hwnd);
            break;
        case BM_CLICK:
            // As a click of the mouse on the button's corner.
            SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
            return 0;
        default:
            if (message >= BM_GETCHECK && message <= BM_SETDONTCLICK) {
                return Unmodelled(hwnd, message, wParam, lParam);
            }
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT ZV_CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TakeFontMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_PAINT) {
        const ControlPainter painter(hwnd, WM_CTLCOLORSTATIC, PaintTime::ForPaintMessage);
        painter.FillBackground(painter.Client());
        if ((GetWindowLongA(hwnd, GWL_STYLE) & 0x1F) != static_cast<LONG>(SS_ICON)) {
            painter.Text(painter.Client(), DT_LEFT | DT_WORDBREAK);
        }
        return 0;
    }
    if (message == WM_SETTEXT) {
        Repaint(hwnd);
    }
    if (message >= STM_SETICON && message <= STM_GETIMAGE) {
        return Unmodelled(hwnd, message, wParam, lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void AddSystemClass(WindowSystem& system, const char* name, WNDPROC proc, int background,
                    UINT classStyle = 0) {
    WNDCLASSA info;
    info.style = classStyle;
    info.lpfnWndProc = proc;
    info.lpszClassName = name;
    info.hbrBackground = background + 1;  // a system colour's brush
    system.AddClass(info);
}

}  // namespace

LRESULT Unmodelled(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::array<char, 8> number{};
    std::snprintf(number.data(), number.size(), "0x%04X", message);
    const Window* window = System().Find(hwnd);
    AddScriptProblem((window != nullptr ? ClassNameOf(*window) : std::string("a control")) +
                     " does not model message " + number.data());
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterControlClasses(WindowSystem& system) {
    AddSystemClass(system, "Button", ButtonProc, COLOR_BTNFACE);
    AddSystemClass(system, "Static", StaticProc, COLOR_BTNFACE);
    AddSystemClass(system, "Edit", EditProc, COLOR_WINDOW, CS_DBLCLKS);
    AddSystemClass(system, "ListBox", ListBoxProc, COLOR_WINDOW, CS_DBLCLKS);
    AddSystemClass(system, "ComboLBox", ListBoxProc, COLOR_WINDOW, CS_DBLCLKS);
    AddSystemClass(system, "ComboBox", ComboBoxProc, COLOR_WINDOW, CS_DBLCLKS);
    AddSystemClass(system, "msctls_progress32", ProgressProc, COLOR_BTNFACE);
    AddSystemClass(system, "SysHeader32", HeaderProc, COLOR_BTNFACE, CS_DBLCLKS);
    AddSystemClass(system, "SysListView32", ListViewProc, COLOR_WINDOW, CS_DBLCLKS);
}

}  // namespace zv::headless
