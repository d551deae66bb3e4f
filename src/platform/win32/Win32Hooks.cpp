// Thread hooks on the Win32 backend, installed for real.

#include <cstring>

#include "win32/Win32.h"

namespace zv::win {

using win32::FromReal;
using win32::ProcCast;
using win32::ToReal;

HHOOK SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId) {
    return FromReal(::SetWindowsHookExA(idHook, ProcCast<::HOOKPROC>(lpfn),
                                        ToReal<::HINSTANCE>(hmod), dwThreadId));
}

BOOL UnhookWindowsHookEx(HHOOK hhk) {
    return ::UnhookWindowsHookEx(ToReal<::HHOOK>(hhk));
}

LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(ToReal<::HHOOK>(hhk), nCode, wParam, lParam);
}

// The system exports it from kernel32 but its headers make it memmove.
void RtlMoveMemory(void* Destination, const void* Source, std::size_t Length) {
    std::memmove(Destination, Source, Length);
}

}  // namespace zv::win
