#include "platform/forms/WindowBinding.h"

#include <unordered_map>
#include <utility>

#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

struct Binding {
    MessageTarget* target = nullptr;
    WNDPROC next = nullptr;  // the class's procedure, or the default one
};

std::unordered_map<HWND, Binding>& Bindings() {
    static std::unordered_map<HWND, Binding> bindings;
    return bindings;
}

// A window being made, until its first message binds it.
MessageTarget*& Pending() {
    static MessageTarget* pending = nullptr;
    return pending;
}

LRESULT ZV_CALLBACK BoundProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = Bindings().find(hwnd);
    if (found == Bindings().end()) {
        MessageTarget* pending = std::exchange(Pending(), nullptr);
        if (pending == nullptr) {
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
        found = Bindings().emplace(hwnd, Binding{pending, DefWindowProcA}).first;
    }
    MessageTarget* target = found->second.target;
    const LRESULT result = target->OnMessage(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Bindings().erase(hwnd);
    }
    return result;
}

void RegisterRuntimeClass(const char* name, UINT style) {
    WNDCLASSA info;
    info.style = style;
    info.lpfnWndProc = BoundProc;
    info.lpszClassName = name;
    info.hCursor = LoadCursorA(0, reinterpret_cast<LPCSTR>(IDC_ARROW));
    RegisterClassA(&info);  // fails harmlessly once the class exists
}

}  // namespace

HWND CreateBoundWindow(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                       RECT where, HWND parent, MessageTarget& target) {
    RegisterRuntimeClass(className, CS_DBLCLKS);
    Pending() = &target;
    const HWND hwnd =
        CreateWindowExA(exStyle, className, text.c_str(), style, where.left, where.top,
                        where.right - where.left, where.bottom - where.top, parent, 0, 0, nullptr);
    Pending() = nullptr;
    return hwnd;
}

void BindWindow(HWND hwnd, MessageTarget& target) {
    const WNDPROC next = LongToWndProc(GetWindowLongA(hwnd, GWL_WNDPROC));
    Bindings()[hwnd] = Binding{&target, next};
    SetWindowLongA(hwnd, GWL_WNDPROC, WndProcToLong(BoundProc));
}

void UnbindWindow(HWND hwnd) {
    const auto found = Bindings().find(hwnd);
    if (found == Bindings().end()) {
        return;
    }
    if (found->second.next != DefWindowProcA) {
        SetWindowLongA(hwnd, GWL_WNDPROC, WndProcToLong(found->second.next));
    }
    Bindings().erase(found);
}

LRESULT CallNext(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Bindings().find(hwnd);
    const WNDPROC next = found != Bindings().end() ? found->second.next : DefWindowProcA;
    return CallWindowProcA(next, hwnd, message, wParam, lParam);
}

MessageTarget* TargetOf(HWND hwnd) {
    const auto found = Bindings().find(hwnd);
    return found != Bindings().end() ? found->second.target : nullptr;
}

}  // namespace zv::forms
