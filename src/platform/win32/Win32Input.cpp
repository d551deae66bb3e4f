// Keyboard translation, mouse capture and hit testing on the Win32 backend,
// passed straight through to the system.

#include "win32/Win32.h"

namespace zv::win {

using win32::FromHwnd;
using win32::RecordCast;
using win32::ToHwnd;

BOOL TranslateMessage(const MSG* lpMsg) {
    return ::TranslateMessage(RecordCast<::MSG>(lpMsg));
}

HWND SetCapture(HWND hWnd) {
    return FromHwnd(::SetCapture(ToHwnd(hWnd)));
}

BOOL ReleaseCapture() {
    return ::ReleaseCapture();
}

HWND GetCapture() {
    return FromHwnd(::GetCapture());
}

HWND WindowFromPoint(POINT Point) {
    return FromHwnd(::WindowFromPoint(::POINT{Point.x, Point.y}));
}

}  // namespace zv::win
