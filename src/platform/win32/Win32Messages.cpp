// Queued messages and timers on the Win32 backend, passed straight through
// to the system: GetMessageA waits as the platform does.

#include "platform/win/MessagePump.h"
#include "win32/Win32.h"

namespace zv::win {

using win32::ProcCast;
using win32::RecordCast;
using win32::ToHwnd;

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(ToHwnd(hWnd), Msg, wParam, lParam);
}

void PostQuitMessage(int nExitCode) {
    ::PostQuitMessage(nExitCode);
}

BOOL PeekMessageA(MSG* lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    return ::PeekMessageA(RecordCast<::MSG>(lpMsg), ToHwnd(hWnd), wMsgFilterMin, wMsgFilterMax,
                          wRemoveMsg);
}

BOOL GetMessageA(MSG* lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    return ::GetMessageA(RecordCast<::MSG>(lpMsg), ToHwnd(hWnd), wMsgFilterMin, wMsgFilterMax);
}

LRESULT DispatchMessageA(const MSG* lpMsg) {
    return ::DispatchMessageA(RecordCast<::MSG>(lpMsg));
}

BOOL InSendMessage() {
    return ::InSendMessage();
}

// Window-less timers are remembered so that a fresh desktop can end them.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    const UINT_PTR id =
        ::SetTimer(ToHwnd(hWnd), nIDEvent, uElapse, ProcCast<::TIMERPROC>(lpTimerFunc));
    if (hWnd == 0 && id != 0) {
        win32::RememberThreadTimer(id);
    }
    return id;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    const BOOL killed = ::KillTimer(ToHwnd(hWnd), uIDEvent);
    if (hWnd == 0 && killed) {
        win32::ForgetThreadTimer(uIDEvent);
    }
    return killed;
}

DWORD GetTickCount() {
    return ::GetTickCount();
}

int lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
    return ::lstrcmpiA(lpString1, lpString2);
}

}  // namespace zv::win

namespace zv {

// GetMessageA fails on the platform only for bad arguments, which no loop of
// the library passes: there is nothing to report.
void ReportUnansweredWindow(win::HWND) {}

}  // namespace zv
