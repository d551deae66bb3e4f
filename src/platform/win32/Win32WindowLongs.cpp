// The window longs of the Win32 backend, and the window procedure as a
// 32-bit value. On 32-bit Windows they pass straight through and a procedure
// is its own address. On 64-bit Windows an address does not fit the long, and
// the system refuses the 32-bit longs of the slots that hold pointer-sized
// values: the procedure slot takes values from a table, as on the headless
// backend, and the instance and owner slots go through the pointer-sized
// longs, narrowed (window handles keep within 32 bits there).

#include <mutex>

#include "platform/win/ProcedureTable.h"
#include "win32/Win32.h"

namespace zv::win {

using win32::ToHwnd;

#if defined(_WIN64)

namespace {

// Procedures are set from any thread that owns a window.
std::mutex g_proceduresLock;

ProcedureTable& Procedures() {
    static auto* table = new ProcedureTable;  // outlives every window
    return *table;
}

WNDPROC ProcOf(::LONG_PTR value) {
    return reinterpret_cast<WNDPROC>(value);
}

::LONG_PTR ValueOf(WNDPROC proc) {
    return reinterpret_cast<::LONG_PTR>(proc);
}

}  // namespace

LONG GetWindowLongA(HWND hWnd, int nIndex) {
    switch (nIndex) {
        case GWLP_WNDPROC:
            return WndProcToLong(ProcOf(::GetWindowLongPtrA(ToHwnd(hWnd), GWLP_WNDPROC)));
        case GWLP_HINSTANCE:
        case GWLP_HWNDPARENT:
            return NarrowHandle(::GetWindowLongPtrA(ToHwnd(hWnd), nIndex));
        default:
            return ::GetWindowLongA(ToHwnd(hWnd), nIndex);
    }
}

LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
    switch (nIndex) {
        case GWLP_WNDPROC: {
            const ::LONG_PTR previous =
                ::SetWindowLongPtrA(ToHwnd(hWnd), GWLP_WNDPROC, ValueOf(LongToWndProc(dwNewLong)));
            return WndProcToLong(ProcOf(previous));
        }
        case GWLP_HINSTANCE:
        case GWLP_HWNDPARENT:
            return NarrowHandle(::SetWindowLongPtrA(ToHwnd(hWnd), nIndex, dwNewLong));
        default:
            return ::SetWindowLongA(ToHwnd(hWnd), nIndex, dwNewLong);
    }
}

LONG WndProcToLong(WNDPROC proc) {
    const std::lock_guard lock(g_proceduresLock);
    return Procedures().ToLong(proc);
}

WNDPROC LongToWndProc(LONG value) {
    const std::lock_guard lock(g_proceduresLock);
    return Procedures().FromLong(value);
}

#else

LONG GetWindowLongA(HWND hWnd, int nIndex) {
    return ::GetWindowLongA(ToHwnd(hWnd), nIndex);
}

LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
    return ::SetWindowLongA(ToHwnd(hWnd), nIndex, dwNewLong);
}

LONG WndProcToLong(WNDPROC proc) {
    return static_cast<LONG>(reinterpret_cast<std::intptr_t>(proc));
}

WNDPROC LongToWndProc(LONG value) {
    return reinterpret_cast<WNDPROC>(static_cast<std::intptr_t>(value));
}

#endif

}  // namespace zv::win
