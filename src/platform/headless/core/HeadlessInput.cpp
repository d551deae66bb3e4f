// Mouse and keyboard input on the headless backend. Raw events wait in one
// system queue; the thread that owns the window an event reaches turns it
// into messages when it reads its queue, after the notices that precede
// them on the platform: WM_PARENTNOTIFY up the chain and activation by click
// for presses, then WM_SETCURSOR. The default procedure hit-tests the frame
// and moves or sizes a window in a loop of its own while the button is down.

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "headless/core/Focus.h"
#include "headless/core/Geometry.h"
#include "headless/core/Input.h"
#include "headless/core/Keyboard.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

bool IsHittable(const Window* window, POINT point) {
    return window != nullptr && (window->style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE &&
           Contains(window->rect, point);
}

}  // namespace

HWND WindowUnder(POINT point) {
    HWND found = 0;
    const std::vector<HWND>* candidates = &System().Desktop().children;
    for (bool descended = true; descended;) {
        descended = false;
        for (HWND hwnd : *candidates) {
            const Window* window = System().Find(hwnd);
            if (IsHittable(window, point)) {
                found = hwnd;
                descended = Contains(window->client, point);
                candidates = &window->children;
                break;
            }
        }
    }
    return found;
}

namespace {

HWND ForegroundInputWindow(HWND InputState::*which) {
    const Window* foreground = System().Find(System().Foreground());
    return foreground == nullptr ? 0 : System().InputOf(foreground->thread).*which;
}

bool ButtonsSwapped() {
    return System().Metric(SM_SWAPBUTTON) != 0;
}

// The logical button (VK_LBUTTON for the primary) of a physical one.
int LogicalButton(int physical) {
    if (!ButtonsSwapped() || physical == VK_MBUTTON) {
        return physical;
    }
    return physical == VK_LBUTTON ? VK_RBUTTON : VK_LBUTTON;
}

// The keys and buttons as the thread has taken them, not as they are now.
WPARAM MouseKeyFlags() {
    const InputState& input = CurrentInput();
    WPARAM flags = 0;
    flags |= input.KeyDown(VK_LBUTTON) ? MK_LBUTTON : 0;
    flags |= input.KeyDown(VK_RBUTTON) ? MK_RBUTTON : 0;
    flags |= input.KeyDown(VK_MBUTTON) ? MK_MBUTTON : 0;
    flags |= input.KeyDown(VK_SHIFT) ? MK_SHIFT : 0;
    flags |= input.KeyDown(VK_CONTROL) ? MK_CONTROL : 0;
    return flags;
}

UINT ClientMessageOf(const RawInput& event) {
    if (event.kind == RawInput::Kind::MouseMove) {
        return WM_MOUSEMOVE;
    }
    const bool down = event.kind == RawInput::Kind::ButtonDown;
    switch (LogicalButton(event.key)) {
        case VK_LBUTTON:
            return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        case VK_RBUTTON:
            return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        default:
            return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    }
}

constexpr UINT kDoubleClickTime = 500;

// A press soon after the last one of the same button on the same window,
// and near it, is a double click for a class that asks for them; the press
// after a double click starts again.
UINT WithDoubleClicks(HWND target, UINT message, POINT point) {
    const bool press =
        message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    if (!press) {
        return message;
    }
    ButtonPress& last = System().LastPress();
    const Window* window = System().Find(target);
    const bool wanted = window != nullptr && window->windowClass != nullptr &&
                        (window->windowClass->info.style & CS_DBLCLKS) != 0;
    const bool twice = wanted && last.hwnd == target && last.message == message &&
                       System().Now() - last.time <= kDoubleClickTime &&
                       std::abs(point.x - last.point.x) <= System().Metric(SM_CXDOUBLECLK) / 2 &&
                       std::abs(point.y - last.point.y) <= System().Metric(SM_CYDOUBLECLK) / 2;
    last = twice ? ButtonPress{} : ButtonPress{target, message, System().Now(), point};
    return twice ? message + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN) : message;
}

// The non-client message that stands for a client one.
UINT NonClientMessageOf(UINT clientMessage) {
    return clientMessage - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
}

// What taking an event changes: the cursor, and the key state of the
// thread that takes it (the physical state changed when it was entered).
void ApplyTakenState(const RawInput& event) {
    const bool mouse = event.kind != RawInput::Kind::KeyDown && event.kind != RawInput::Kind::KeyUp;
    if (mouse) {
        System().Cursor() = event.point;
    }
    if (event.kind == RawInput::Kind::MouseMove) {
        return;
    }
    const int vk = mouse ? LogicalButton(event.key) : event.key;
    BYTE& state = CurrentInput().keys[static_cast<std::size_t>(vk & 0xFF)];
    if (event.kind == RawInput::Kind::ButtonDown || event.kind == RawInput::Kind::KeyDown) {
        state = static_cast<BYTE>(((state & 0x80) != 0 ? state : state ^ 0x01) | 0x80);
    } else {
        state &= 0x01;
    }
}

// A press tells each ancestor, in its own client coordinates, for as long as
// the window that tells is a child that does not opt out.
void NotifyParentsOfPress(HWND hwnd, UINT message, POINT point) {
    for (const Window* window = System().Find(hwnd); window != nullptr;) {
        if (!IsChild(*window) || (window->exStyle & WS_EX_NOPARENTNOTIFY) != 0 ||
            window->parent == System().Desktop().handle) {
            return;
        }
        const HWND parent = window->parent;
        const POINT origin = ClientOrigin(parent);
        SendMessageA(parent, WM_PARENTNOTIFY, message,
                     MakeLParam(point.x - origin.x, point.y - origin.y));
        window = System().Find(parent);
    }
}

// Activation by a click; false when the window eats the click.
bool ActivateByClick(HWND hwnd, LRESULT hit, UINT message) {
    if (hwnd == CurrentInput().active) {
        return true;
    }
    const HWND top = TopLevelOf(hwnd);
    const LRESULT answer =
        SendMessageA(hwnd, WM_MOUSEACTIVATE, static_cast<WPARAM>(top),
                     MakeLParam(static_cast<LONG>(hit), static_cast<LONG>(message)));
    if (answer == MA_NOACTIVATE || answer == MA_NOACTIVATEANDEAT) {
        return answer == MA_NOACTIVATE;
    }
    if (top != CurrentInput().active && IsWindow(top)) {
        BringToForeground(top, WA_CLICKACTIVE);
    }
    return answer != MA_ACTIVATEANDEAT;
}

std::optional<MSG> MouseMessage(const RawInput& event, HWND target) {
    const bool captured = CurrentInput().capture != 0;
    const POINT point = event.point;
    LRESULT hit = HTCLIENT;
    if (!captured) {
        hit = SendMessageA(target, WM_NCHITTEST, 0, MakeLParam(point.x, point.y));
    }
    const UINT clientMessage = ClientMessageOf(event);
    if (!IsWindow(target) || (!captured && (hit == HTNOWHERE || hit == HTERROR))) {
        return std::nullopt;
    }
    bool eaten = false;
    if (event.kind == RawInput::Kind::ButtonDown && !captured) {
        NotifyParentsOfPress(target, clientMessage, point);
        eaten = !ActivateByClick(target, hit, clientMessage);
    }
    if (!captured && IsWindow(target)) {
        SendMessageA(target, WM_SETCURSOR, static_cast<WPARAM>(target),
                     MakeLParam(static_cast<LONG>(hit), static_cast<LONG>(clientMessage)));
    }
    if (eaten || !IsWindow(target)) {
        return std::nullopt;
    }
    MSG msg;
    msg.hwnd = target;
    msg.time = static_cast<DWORD>(System().Now());
    msg.pt = point;
    if (hit == HTCLIENT) {
        const POINT origin = ClientOrigin(target);
        msg.message = WithDoubleClicks(target, clientMessage, point);
        msg.wParam = MouseKeyFlags();
        msg.lParam = MakeLParam(point.x - origin.x, point.y - origin.y);
    } else {
        msg.message = NonClientMessageOf(clientMessage);
        msg.wParam = static_cast<WPARAM>(hit);
        msg.lParam = MakeLParam(point.x, point.y);
    }
    return msg;
}

MSG KeyMessage(const RawInput& event, HWND target) {
    MSG msg;
    msg.hwnd = target;
    msg.time = static_cast<DWORD>(System().Now());
    msg.pt = System().Cursor();
    msg.wParam = static_cast<WPARAM>(event.key);
    const bool down = event.kind == RawInput::Kind::KeyDown;
    // With Alt held (and not Ctrl) keys go to the system: menus and access
    // keys; the context bit says so.
    const bool alt = CurrentInput().KeyDown(VK_MENU) || event.key == VK_MENU;
    const bool system = alt && !CurrentInput().KeyDown(VK_CONTROL);
    msg.message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    const std::uint32_t context = alt ? 0x20000000u : 0;
    msg.lParam =
        static_cast<LPARAM>(static_cast<std::int32_t>((down ? 1u : 0xC0000001u) | context));
    return msg;
}

bool IsKeyEvent(const RawInput& event) {
    return event.kind == RawInput::Kind::KeyDown || event.kind == RawInput::Kind::KeyUp;
}

// What a look without taking sees: the message and its window, before any
// notice is sent.
MSG Preview(const RawInput& event, HWND target) {
    if (IsKeyEvent(event)) {
        return KeyMessage(event, target);
    }
    MSG msg;
    msg.hwnd = target;
    msg.message = ClientMessageOf(event);
    msg.pt = event.point;
    return msg;
}

}  // namespace

HWND TargetOf(const RawInput& event) {
    if (IsKeyEvent(event)) {
        const HWND focus = ForegroundInputWindow(&InputState::focus);
        return focus != 0 ? focus : ForegroundInputWindow(&InputState::active);
    }
    const HWND capture = ForegroundInputWindow(&InputState::capture);
    if (capture != 0) {
        return capture;
    }
    // The raw point is looked up as the cursor will be once it gets there.
    return WindowUnder(event.point);
}

std::optional<MSG> TakeInputMessage(bool remove) {
    auto& queue = System().RawInputQueue();
    while (!queue.empty()) {
        const RawInput event = queue.front();
        const HWND target = TargetOf(event);
        const Window* window = System().Find(target);
        if (window != nullptr && window->thread != System().CurrentThread()) {
            return std::nullopt;  // it waits for the thread that owns its window
        }
        if (!remove && window != nullptr) {
            return Preview(event, target);
        }
        queue.pop_front();
        ApplyTakenState(event);
        if (window == nullptr) {
            continue;  // reaches no window
        }
        if (IsKeyEvent(event)) {
            return KeyMessage(event, target);
        }
        if (auto msg = MouseMessage(event, target)) {
            return msg;
        }
    }
    return std::nullopt;
}

LRESULT DefHitTest(HWND hwnd, LPARAM lParam) {
    const Window* window = System().Find(hwnd);
    const POINT point{static_cast<std::int16_t>(lParam & 0xFFFF),
                      static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
    if (window == nullptr || !Contains(window->rect, point)) {
        return HTNOWHERE;
    }
    if (Contains(window->client, point)) {
        return HTCLIENT;
    }
    const RECT& rect = window->rect;
    if ((window->style & WS_THICKFRAME) != 0) {
        const int frameX = System().Metric(SM_CXSIZEFRAME);
        const int frameY = System().Metric(SM_CYSIZEFRAME);
        const int corner = System().Metric(SM_CXSIZE);
        const bool left = point.x < rect.left + frameX;
        const bool right = point.x >= rect.right - frameX;
        const bool top = point.y < rect.top + frameY;
        const bool bottom = point.y >= rect.bottom - frameY;
        const bool nearLeft = point.x < rect.left + corner;
        const bool nearRight = point.x >= rect.right - corner;
        if (top) {
            return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
        }
        if (bottom) {
            return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
        }
        if (left || right) {
            return left ? HTLEFT : HTRIGHT;
        }
    }
    if ((window->style & WS_CAPTION) == WS_CAPTION && point.y < window->client.top) {
        const POINT frame{window->client.left - rect.left, window->client.left - rect.left};
        if (point.x >= rect.left + frame.x && point.x < rect.right - frame.x &&
            point.y >= rect.top + frame.y) {
            return HTCAPTION;
        }
    }
    return HTBORDER;
}

LRESULT DefSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    if (IsChild(*window) && SendMessageA(window->parent, WM_SETCURSOR, wParam, lParam) != 0) {
        return TRUE;
    }
    switch (static_cast<std::int16_t>(lParam & 0xFFFF)) {
        case HTCLIENT: {
            const HCURSOR classCursor =
                window->windowClass != nullptr ? window->windowClass->info.hCursor : 0;
            if (classCursor == 0) {
                return FALSE;
            }
            SetCursor(classCursor);
            return TRUE;
        }
        case HTLEFT:
        case HTRIGHT:
            SetCursor(LoadCursorA(0, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
            return TRUE;
        case HTTOP:
        case HTBOTTOM:
            SetCursor(LoadCursorA(0, reinterpret_cast<LPCSTR>(IDC_SIZENS)));
            return TRUE;
        default:
            SetCursor(LoadCursorA(0, reinterpret_cast<LPCSTR>(IDC_ARROW)));
            return TRUE;
    }
}

LRESULT DefMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const Window* window = System().Find(hwnd);
    if (window != nullptr && IsChild(*window)) {
        if (const LRESULT answer = SendMessageA(window->parent, WM_MOUSEACTIVATE, wParam, lParam)) {
            return answer;
        }
    }
    // Caption presses activate through the move that they start.
    return static_cast<std::int16_t>(lParam & 0xFFFF) >= HTCLIENT ? MA_ACTIVATE : MA_NOACTIVATE;
}

void DefNcButtonDown(HWND hwnd, WPARAM hitTest, LPARAM lParam) {
    const auto hit = static_cast<LRESULT>(hitTest);
    if (hit == HTCAPTION) {
        const HWND top = TopLevelOf(hwnd);
        BringToForeground(top, WA_CLICKACTIVE);
        if (CurrentInput().active == top) {
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE + static_cast<WPARAM>(HTCAPTION), lParam);
        }
    } else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(hit - HTLEFT) + WMSZ_LEFT,
                     lParam);
    }
}

namespace {

// The window rectangle that dragging by (dx, dy) proposes: moved, or with the
// grabbed edges moved and held to the size limits.
RECT Proposed(const RECT& start, WPARAM edge, bool moving, LONG dx, LONG dy,
              const MINMAXINFO& limits) {
    if (moving) {
        return Offset(start, dx, dy);
    }
    RECT rect = start;
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    const auto width = [&](LONG w) {
        return std::clamp(w, limits.ptMinTrackSize.x,
                          std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
    };
    const auto height = [&](LONG h) {
        return std::clamp(h, limits.ptMinTrackSize.y,
                          std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
    };
    if (left) {
        rect.left = start.right - width(start.right - start.left - dx);
    }
    if (right) {
        rect.right = start.left + width(start.right - start.left + dx);
    }
    if (top) {
        rect.top = start.bottom - height(start.bottom - start.top - dy);
    }
    if (bottom) {
        rect.bottom = start.top + height(start.bottom - start.top + dy);
    }
    return rect;
}

void PlaceDuringDrag(HWND hwnd, const RECT& rect, bool moving) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return;
    }
    const POINT origin = ClientOrigin(window->parent);
    SetWindowPos(hwnd, 0, rect.left - origin.x, rect.top - origin.y, rect.right - rect.left,
                 rect.bottom - rect.top, (moving ? SWP_NOSIZE : 0) | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void DefSysCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
    const WPARAM kind = command & 0xFFF0;
    if (kind == SC_CLOSE) {
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return;
    }
    const Window* window = System().Find(hwnd);
    if ((kind != SC_MOVE && kind != SC_SIZE) || window == nullptr) {
        return;
    }
    const bool moving = kind == SC_MOVE;
    const WPARAM edge = command & 0x000F;
    MINMAXINFO limits;
    limits.ptMinTrackSize = {System().Metric(SM_CXMINTRACK), System().Metric(SM_CYMINTRACK)};
    limits.ptMaxTrackSize = {System().Metric(SM_CXMAXTRACK), System().Metric(SM_CYMAXTRACK)};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    if ((window = System().Find(hwnd)) == nullptr) {
        return;
    }
    const RECT start = window->rect;
    const POINT grab{static_cast<std::int16_t>(lParam & 0xFFFF),
                     static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
    SetCapture(hwnd);
    SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    MSG msg;
    while (IsWindow(hwnd) && GetMessageA(&msg, 0, 0, 0) > 0) {
        const bool released = msg.message == WM_LBUTTONUP;
        const bool cancelled = msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
        if (released || cancelled || (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN)) {
            if (cancelled) {
                PlaceDuringDrag(hwnd, start, false);
            }
            break;
        }
        if (msg.message != WM_MOUSEMOVE) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        RECT proposed = Proposed(start, edge, moving, msg.pt.x - grab.x, msg.pt.y - grab.y, limits);
        SendMessageA(hwnd, moving ? WM_MOVING : WM_SIZING, moving ? 0 : edge,
                     reinterpret_cast<LPARAM>(&proposed));
        PlaceDuringDrag(hwnd, proposed, moving);
    }
    ReleaseCapture();
    SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace zv::headless

namespace zv::win {

namespace {

using headless::CurrentInput;
using headless::System;

}  // namespace

BOOL TranslateMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) {
        return FALSE;
    }
    char character =
        headless::CharacterOfKey(static_cast<int>(lpMsg->wParam), CurrentInput().KeyDown(VK_SHIFT));
    if (character == 0) {
        return FALSE;
    }
    // With Ctrl held a letter types its control character (Ctrl+A is 1).
    const auto key = static_cast<int>(lpMsg->wParam);
    if (CurrentInput().KeyDown(VK_CONTROL) && key >= 'A' && key <= 'Z') {
        character = static_cast<char>(key - 'A' + 1);
    }
    PostMessageA(lpMsg->hwnd, lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR,
                 static_cast<WPARAM>(static_cast<unsigned char>(character)), lpMsg->lParam);
    return TRUE;
}

UINT GetDoubleClickTime() {
    return headless::kDoubleClickTime;
}

HWND SetCapture(HWND hWnd) {
    const HWND previous = CurrentInput().capture;
    if (System().Find(hWnd) == nullptr) {
        return previous;
    }
    CurrentInput().capture = hWnd;
    if (previous != 0 && previous != hWnd) {
        SendMessageA(previous, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(hWnd));
    }
    return previous;
}

BOOL ReleaseCapture() {
    const HWND previous = std::exchange(CurrentInput().capture, 0);
    if (previous != 0) {
        SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture() {
    return CurrentInput().capture;
}

HWND WindowFromPoint(POINT Point) {
    return headless::WindowUnder(Point);
}

}  // namespace zv::win
