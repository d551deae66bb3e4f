// The window functions of the headless backend: classes, creation and
// destruction with the platform's message order, procedures, window longs,
// relations and texts.

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "headless/core/Focus.h"
#include "headless/core/Geometry.h"
#include "headless/core/Input.h"
#include "headless/core/WindowSystem.h"
#include "headless/gdi/Frames.h"
#include "headless/gdi/GdiPaint.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::win {

namespace {

using headless::IsChild;
using headless::Offset;
using headless::System;
using headless::Window;

WPARAM MakeWParam(UINT low, UINT high) {
    return static_cast<WPARAM>((high << 16) | (low & 0xFFFFu));
}

// Copies text into a caller's buffer the way the platform does: at most
// nMaxCount - 1 characters and a terminating NUL; returns the count copied.
int CopyText(const std::string& text, LPSTR buffer, int nMaxCount) {
    if (buffer == nullptr || nMaxCount <= 0) {
        return 0;
    }
    const auto count = std::min(text.size(), static_cast<std::size_t>(nMaxCount - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

// Top-level windows always clip their siblings, whatever style they ask for.
DWORD WithForcedBits(DWORD style) {
    return (style & WS_CHILD) != 0 ? style : style | WS_CLIPSIBLINGS;
}

// A child tells its parent (and only its parent) that it is created or
// destroyed, unless it opts out.
void NotifyParent(HWND hwnd, UINT event) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || (window->style & (WS_CHILD | WS_POPUP)) != WS_CHILD ||
        (window->exStyle & WS_EX_NOPARENTNOTIFY) != 0) {
        return;
    }
    SendMessageA(window->parent, WM_PARENTNOTIFY, MakeWParam(event, static_cast<UINT>(window->id)),
                 static_cast<LPARAM>(hwnd));
}

void Unlink(Window& window) {
    if (Window* parent = System().Find(window.parent)) {
        std::erase(parent->children, window.handle);
    }
}

// A new top-level window goes on top of the others; a new child goes below
// its siblings, so that children stand in the order they were made (the
// order of a dialog's controls, and of its Tab key).
void Link(Window& window, HWND parent) {
    window.parent = parent;
    auto& siblings = System().Find(parent)->children;
    siblings.insert(IsChild(window) ? siblings.end() : siblings.begin(), window.handle);
}

// WM_DESTROY reaches a window before its children; WM_NCDESTROY reaches the
// children first. Children are visited in z-order.
void SendDestroy(HWND hwnd) {
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    if (Window* window = System().Find(hwnd)) {
        const std::vector<HWND> children = window->children;
        for (HWND child : children) {
            SendDestroy(child);
        }
    }
}

void SendNcDestroyAndFree(HWND hwnd) {
    Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return;
    }
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        SendNcDestroyAndFree(child);
    }
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    if ((window = System().Find(hwnd)) != nullptr) {
        Unlink(*window);
        System().Free(hwnd);
    }
}

void DestroyOwnedWindows(HWND owner) {
    std::vector<HWND> owned;
    for (HWND top : System().Desktop().children) {
        if (const Window* window = System().Find(top); window && window->owner == owner) {
            owned.push_back(top);
        }
    }
    for (HWND hwnd : owned) {
        DestroyWindow(hwnd);
    }
}

// A visible window disappears before it is destroyed, with the usual notices
// and the activation and focus moving on.
void HideBeforeDestroying(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || (window->style & WS_VISIBLE) == 0) {
        return;
    }
    if (IsChild(*window)) {
        ShowWindow(hwnd, SW_HIDE);
    } else {
        SetWindowPos(hwnd, 0, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The parent a new window is linked under and its owner, from the style and
// the hWndParent argument; false when a child has no valid parent.
bool ResolveParentAndOwner(DWORD style, HWND hWndParent, HWND& parent, HWND& owner) {
    if ((style & WS_CHILD) != 0) {
        parent = hWndParent;
        owner = 0;
        return System().Find(hWndParent) != nullptr;
    }
    parent = System().Desktop().handle;
    owner = 0;
    if (hWndParent == 0) {
        return true;
    }
    if (System().Find(hWndParent) == nullptr) {
        return false;
    }
    owner = hWndParent;  // owners are top-level windows
    while (Window* ownerWindow = System().Find(owner)) {
        if (!IsChild(*ownerWindow)) {
            break;
        }
        owner = ownerWindow->parent;
    }
    return true;
}

// Top-level windows that can be sized are asked for their size limits first.
bool AsksForSizeLimits(DWORD style) {
    return (style & WS_THICKFRAME) != 0 || (style & (WS_POPUP | WS_CHILD)) == 0;
}

// A window that asks for its size limits is made within them: the creation
// size is held between the tracking sizes that WM_GETMINMAXINFO answers.
void HoldToSizeLimits(HWND hwnd, CREATESTRUCTA& create) {
    MINMAXINFO limits;
    limits.ptMinTrackSize = {System().Metric(SM_CXMINTRACK), System().Metric(SM_CYMINTRACK)};
    limits.ptMaxTrackSize = {System().Metric(SM_CXMAXTRACK), System().Metric(SM_CYMAXTRACK)};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    create.cx = std::clamp(create.cx, limits.ptMinTrackSize.x,
                           std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
    create.cy = std::clamp(create.cy, limits.ptMinTrackSize.y,
                           std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
    if (Window* window = System().Find(hwnd)) {
        window->rect.right = window->rect.left + create.cx;
        window->rect.bottom = window->rect.top + create.cy;
        window->client = window->rect;
    }
}

// Sends the creation messages; false when the window refused to be created.
bool SendCreateMessages(HWND hwnd, CREATESTRUCTA& create) {
    if (AsksForSizeLimits(static_cast<DWORD>(create.style))) {
        HoldToSizeLimits(hwnd, create);
    }
    if (SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == 0) {
        return false;
    }
    RECT client{create.x, create.y, create.x + create.cx, create.y + create.cy};
    SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    if (Window* window = System().Find(hwnd)) {
        const POINT origin = headless::ClientOrigin(window->parent);
        window->client = Offset(client, origin.x, origin.y);
    }
    return SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) != -1;
}

}  // namespace

ATOM RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr ||
        lpWndClass->lpfnWndProc == nullptr ||
        System().FindClass(lpWndClass->lpszClassName) != nullptr) {
        return 0;
    }
    return System().AddClass(*lpWndClass);
}

BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
    return lpClassName != nullptr && System().RemoveClass(lpClassName) ? TRUE : FALSE;
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, void* lpParam) {
    const headless::WindowClass* windowClass =
        lpClassName == nullptr ? nullptr : System().FindClass(lpClassName);
    HWND parent = 0;
    HWND owner = 0;
    if (windowClass == nullptr || !ResolveParentAndOwner(dwStyle, hWndParent, parent, owner)) {
        return 0;
    }
    const int x = X == CW_USEDEFAULT ? 0 : X;
    const int y = Y == CW_USEDEFAULT ? 0 : Y;
    const int cx = nWidth == CW_USEDEFAULT ? 0 : nWidth;
    const int cy = nHeight == CW_USEDEFAULT ? 0 : nHeight;

    Window* allocated = System().Allocate();
    if (allocated == nullptr) {
        return 0;
    }
    Window& window = *allocated;
    const HWND hwnd = window.handle;
    window.windowClass = windowClass;
    window.proc = windowClass->info.lpfnWndProc;
    window.style = WithForcedBits(dwStyle & ~WS_VISIBLE);  // shown once it is made
    window.exStyle = dwExStyle;
    window.instance = hInstance;
    window.id = (dwStyle & WS_CHILD) != 0 ? hMenu : 0;
    window.owner = owner;
    const POINT origin = headless::ClientOrigin(parent);
    window.rect = RECT{origin.x + x, origin.y + y, origin.x + x + cx, origin.y + y + cy};
    window.client = window.rect;
    Link(window, parent);

    CREATESTRUCTA create{
        lpParam,      hInstance,   hMenu,    hWndParent, cy, cx, y, x, static_cast<LONG>(dwStyle),
        lpWindowName, lpClassName, dwExStyle};
    if (!SendCreateMessages(hwnd, create)) {
        // A refused window only hears WM_NCDESTROY.
        SendNcDestroyAndFree(hwnd);
        return 0;
    }
    Window* created = System().Find(hwnd);  // a handler may have destroyed it
    if (created == nullptr) {
        return 0;
    }
    if ((dwStyle & (WS_CHILD | WS_POPUP)) == 0) {
        created->needSize = true;
    } else {
        headless::SendSizeAndPlace(*created);
    }
    NotifyParent(hwnd, WM_CREATE);
    if ((dwStyle & WS_VISIBLE) != 0 && IsWindow(hwnd)) {
        ShowWindow(hwnd, SW_SHOW);
    }
    return IsWindow(hwnd) ? hwnd : 0;
}

BOOL DestroyWindow(HWND hWnd) {
    Window* window = System().Find(hWnd);
    if (window == nullptr || hWnd == System().Desktop().handle ||
        window->thread != System().CurrentThread()) {
        return FALSE;
    }
    if (window->destroying) {
        return TRUE;  // already on its way out, from a handler further up
    }
    window->destroying = true;
    NotifyParent(hWnd, WM_DESTROY);
    HideBeforeDestroying(hWnd);
    if (!IsWindow(hWnd)) {
        return TRUE;
    }
    if (!IsChild(*System().Find(hWnd))) {
        DestroyOwnedWindows(hWnd);
    }
    headless::HandOverActivation(hWnd);
    SendDestroy(hWnd);
    SendNcDestroyAndFree(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    return System().Find(hWnd) != nullptr ? TRUE : FALSE;
}

namespace {

// The default erasing fills the client area with the class's brush (a brush
// or a system colour index + 1); without one the background stays as it is.
LRESULT EraseWithClassBrush(HWND hwnd, HDC hdc) {
    const Window* window = System().Find(hwnd);
    const HBRUSH brush = window != nullptr && window->windowClass != nullptr
                             ? window->windowClass->info.hbrBackground
                             : 0;
    RECT client;
    if (brush == 0 || GetClientRect(hwnd, &client) == FALSE) {
        return 0;
    }
    FillRect(hdc, &client, brush);
    return 1;
}

// The default frame painting: the frame drawn over the whole window, with
// the title asked of the window (WM_GETTEXT) when it has a caption.
void PaintDefaultFrame(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || !headless::HasFrame(*window)) {
        return;
    }
    std::string title;
    if ((window->style & WS_CAPTION) == WS_CAPTION) {
        std::array<char, 256> text{};
        title.assign(text.data(),
                     static_cast<std::size_t>(std::max(
                         0, GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size())))));
        if ((window = System().Find(hwnd)) == nullptr) {
            return;
        }
    }
    const HDC hdc = GetWindowDC(hwnd);
    headless::DrawFrame(hdc, *window, title);
    ReleaseDC(hwnd, hdc);
}

void ValidateByPainting(HWND hwnd) {
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
}

// Text in the window text colour; edit boxes and lists on the window
// colour, everything else on the button face.
HBRUSH DefControlColours(UINT message, HDC dc) {
    const int background =
        message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? COLOR_WINDOW : COLOR_3DFACE;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
    return GetSysColorBrush(background);
}

}  // namespace

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    switch (Msg) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            window->text = create->lpszName != nullptr ? create->lpszName : "";
            return TRUE;
        }
        case WM_SETTEXT:
            window->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
            return TRUE;
        case WM_GETTEXT:
            return CopyText(window->text, reinterpret_cast<LPSTR>(lParam),
                            static_cast<int>(wParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        case WM_NCACTIVATE:
            return TRUE;
        case WM_ACTIVATE:
            if ((wParam & 0xFFFF) != WA_INACTIVE) {
                SetFocus(hWnd);
            }
            return 0;
        case WM_NCCALCSIZE:
            return headless::DefNcCalcSize(hWnd, wParam, lParam);
        case WM_NCHITTEST:
            return headless::DefHitTest(hWnd, lParam);
        case WM_SETCURSOR:
            return headless::DefSetCursor(hWnd, wParam, lParam);
        case WM_MOUSEACTIVATE:
            return headless::DefMouseActivate(hWnd, wParam, lParam);
        case WM_NCLBUTTONDOWN:
            headless::DefNcButtonDown(hWnd, wParam, lParam);
            return 0;
        case WM_SYSCOMMAND:
            headless::DefSysCommand(hWnd, wParam, lParam);
            return 0;
        case WM_WINDOWPOSCHANGING:
            headless::DefWindowPosChanging(hWnd, *reinterpret_cast<WINDOWPOS*>(lParam));
            return 0;
        case WM_WINDOWPOSCHANGED:
            headless::DefWindowPosChanged(hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
            return 0;
        case WM_ERASEBKGND:
            return EraseWithClassBrush(hWnd, static_cast<HDC>(wParam));
        case WM_PAINT:
            ValidateByPainting(hWnd);
            return 0;
        case WM_NCPAINT:
            PaintDefaultFrame(hWnd);
            return 0;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return static_cast<LRESULT>(DefControlColours(Msg, static_cast<HDC>(wParam)));
        default:
            return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return lpPrevWndFunc == nullptr ? 0 : lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

namespace {

// A message sent to another thread's window runs on that thread, as the
// platform's does, while the sender waits.
LRESULT SendToOtherThread(const Window& window, UINT Msg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = window.handle;
    const WNDPROC proc = window.proc;
    const DWORD sender = System().CurrentThread();
    System().SetCurrentThread(window.thread);
    headless::Thread* receiver = System().FindThread(window.thread);
    ++receiver->sendsFromOtherThreads;
    const LRESULT result = proc(hwnd, Msg, wParam, lParam);
    --receiver->sendsFromOtherThreads;
    System().SetCurrentThread(sender);
    return result;
}

}  // namespace

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr || window->proc == nullptr) {
        return 0;
    }
    if (window->thread != System().CurrentThread()) {
        return SendToOtherThread(*window, Msg, wParam, lParam);
    }
    return window->proc(hWnd, Msg, wParam, lParam);
}

LONG GetWindowLongA(HWND hWnd, int nIndex) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    switch (nIndex) {
        case GWL_WNDPROC:
            return System().ProcToLong(window->proc);
        case GWL_HINSTANCE:
            return window->instance;
        case GWL_HWNDPARENT:
            return IsChild(*window) ? window->parent : window->owner;
        case GWL_ID:
            return window->id;
        case GWL_STYLE:
            return static_cast<LONG>(window->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(window->exStyle);
        case GWL_USERDATA:
            return window->userData;
        default:
            return 0;
    }
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    for (const Window* window = System().Find(hWnd); window != nullptr && IsChild(*window);
         window = System().Find(window->parent)) {
        if (window->parent == hWndParent) {
            return TRUE;
        }
    }
    return FALSE;
}

namespace {

LONG SetStyle(HWND hWnd, int nIndex, DWORD newStyle) {
    Window* window = System().Find(hWnd);
    DWORD& slot = nIndex == GWL_STYLE ? window->style : window->exStyle;
    STYLESTRUCT change{slot, newStyle};
    const auto changeParam = static_cast<WPARAM>(static_cast<std::uint32_t>(nIndex));
    SendMessageA(hWnd, WM_STYLECHANGING, changeParam, reinterpret_cast<LPARAM>(&change));
    if ((window = System().Find(hWnd)) == nullptr) {
        return 0;
    }
    DWORD& target = nIndex == GWL_STYLE ? window->style : window->exStyle;
    const DWORD previous = target;
    change.styleOld = previous;
    // A handler may have adjusted the new style.
    target = nIndex == GWL_STYLE ? WithForcedBits(change.styleNew) : change.styleNew;
    if (nIndex == GWL_STYLE) {
        headless::MarkFrame(hWnd);  // even an unchanged style, as on the platform
    }
    SendMessageA(hWnd, WM_STYLECHANGED, changeParam, reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG>(previous);
}

}  // namespace

LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
    Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    // Procedures and styles of another process's windows cannot be replaced.
    const bool ownProcess = window->process == System().CurrentProcess();
    switch (nIndex) {
        case GWL_WNDPROC: {
            if (!ownProcess) {
                return 0;
            }
            const LONG previous = System().ProcToLong(window->proc);
            window->proc = System().LongToProc(dwNewLong);
            return previous;
        }
        case GWL_STYLE:
        case GWL_EXSTYLE:
            return ownProcess ? SetStyle(hWnd, nIndex, static_cast<DWORD>(dwNewLong)) : 0;
        case GWL_HINSTANCE:
            return std::exchange(window->instance, dwNewLong);
        case GWL_HWNDPARENT:
            // Gives a top-level window a new owner; a child keeps its parent.
            return IsChild(*window) ? window->parent : std::exchange(window->owner, dwNewLong);
        case GWL_ID:
            return std::exchange(window->id, dwNewLong);
        case GWL_USERDATA:
            return std::exchange(window->userData, dwNewLong);
        default:
            return 0;
    }
}

LONG WndProcToLong(WNDPROC proc) {
    return System().ProcToLong(proc);
}

WNDPROC LongToWndProc(LONG value) {
    return System().LongToProc(value);
}

HWND GetDesktopWindow() {
    return System().Desktop().handle;
}

HWND GetParent(HWND hWnd) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    if (IsChild(*window)) {
        return window->parent;
    }
    return (window->style & WS_POPUP) != 0 ? window->owner : 0;
}

namespace {

HWND Sibling(const Window& window, UINT uCmd) {
    const Window* parent = System().Find(window.parent);
    if (parent == nullptr) {
        return 0;
    }
    const auto& siblings = parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), window.handle);
    switch (uCmd) {
        case GW_HWNDFIRST:
            return siblings.front();
        case GW_HWNDLAST:
            return siblings.back();
        case GW_HWNDNEXT:
            return at + 1 < siblings.end() ? *(at + 1) : 0;
        default:  // GW_HWNDPREV
            return at > siblings.begin() ? *(at - 1) : 0;
    }
}

}  // namespace

HWND GetWindow(HWND hWnd, UINT uCmd) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    switch (uCmd) {
        case GW_HWNDFIRST:
        case GW_HWNDLAST:
        case GW_HWNDNEXT:
        case GW_HWNDPREV:
            return Sibling(*window, uCmd);
        case GW_OWNER:
            return window->owner;
        case GW_CHILD:
            return window->children.empty() ? 0 : window->children.front();
        default:
            return 0;
    }
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return CopyText({}, lpString, nMaxCount);
    }
    if (window->process != System().CurrentProcess()) {
        return CopyText(window->text, lpString, nMaxCount);  // no message across processes
    }
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthA(HWND hWnd) {
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (System().Find(hWnd) == nullptr) {
        return FALSE;
    }
    return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0 ? TRUE
                                                                                      : FALSE;
}

int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    return CopyText(headless::ClassNameOf(*window), lpClassName, nMaxCount);
}

DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    if (lpdwProcessId != nullptr) {
        *lpdwProcessId = window->process;
    }
    return window->thread;
}

DWORD GetCurrentThreadId() {
    return System().CurrentThread();
}

}  // namespace zv::win
