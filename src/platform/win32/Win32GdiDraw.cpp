// Pixels, lines, areas, rectangles and text on the Win32 backend, passed
// straight through to the system.

#include "platform/win/GdiApi.h"
#include "win32/Win32.h"

namespace zv::win {

using win32::RecordCast;
using win32::ToReal;

COLORREF GetPixel(HDC hdc, int x, int y) {
    return ::GetPixel(ToReal<::HDC>(hdc), x, y);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    return ::SetPixel(ToReal<::HDC>(hdc), x, y, color);
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* lppt) {
    return ::MoveToEx(ToReal<::HDC>(hdc), x, y, RecordCast<::POINT>(lppt));
}

BOOL LineTo(HDC hdc, int x, int y) {
    return ::LineTo(ToReal<::HDC>(hdc), x, y);
}

// A system colour index + 1 passes as the brush, as the system takes it.
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    return ::FillRect(ToReal<::HDC>(hDC), RecordCast<::RECT>(lprc), ToReal<::HBRUSH>(hbr));
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return ::Rectangle(ToReal<::HDC>(hdc), left, top, right, bottom);
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return ::Ellipse(ToReal<::HDC>(hdc), left, top, right, bottom);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return ::RoundRect(ToReal<::HDC>(hdc), left, top, right, bottom, width, height);
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    return ::BitBlt(ToReal<::HDC>(hdc), x, y, cx, cy, ToReal<::HDC>(hdcSrc), x1, y1, rop);
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop) {
    return ::StretchBlt(ToReal<::HDC>(hdcDest), xDest, yDest, wDest, hDest, ToReal<::HDC>(hdcSrc),
                        xSrc, ySrc, wSrc, hSrc, rop);
}

BOOL DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags) {
    return ::DrawEdge(ToReal<::HDC>(hdc), RecordCast<::RECT>(qrc), edge, grfFlags);
}

BOOL DrawFrameControl(HDC hdc, RECT* lprc, UINT uType, UINT uState) {
    return ::DrawFrameControl(ToReal<::HDC>(hdc), RecordCast<::RECT>(lprc), uType, uState);
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    return ::DrawFocusRect(ToReal<::HDC>(hDC), RecordCast<::RECT>(lprc));
}

BOOL SetRect(RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) {
    return ::SetRect(RecordCast<::RECT>(lprc), xLeft, yTop, xRight, yBottom);
}

BOOL InflateRect(RECT* lprc, int dx, int dy) {
    return ::InflateRect(RecordCast<::RECT>(lprc), dx, dy);
}

BOOL OffsetRect(RECT* lprc, int dx, int dy) {
    return ::OffsetRect(RecordCast<::RECT>(lprc), dx, dy);
}

BOOL PtInRect(const RECT* lprc, POINT pt) {
    return ::PtInRect(RecordCast<::RECT>(lprc), ::POINT{pt.x, pt.y});
}

BOOL IsRectEmpty(const RECT* lprc) {
    return ::IsRectEmpty(RecordCast<::RECT>(lprc));
}

BOOL IntersectRect(RECT* lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    return ::IntersectRect(RecordCast<::RECT>(lprcDst), RecordCast<::RECT>(lprcSrc1),
                           RecordCast<::RECT>(lprcSrc2));
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    return ::TextOutA(ToReal<::HDC>(hdc), x, y, lpString, c);
}

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, RECT* lprc, UINT format) {
    return ::DrawTextA(ToReal<::HDC>(hdc), lpchText, cchText, RecordCast<::RECT>(lprc), format);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, SIZE* psizl) {
    return ::GetTextExtentPoint32A(ToReal<::HDC>(hdc), lpString, c, RecordCast<::SIZE>(psizl));
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm) {
    return ::GetTextMetricsA(ToReal<::HDC>(hdc), RecordCast<::TEXTMETRICA>(lptm));
}

}  // namespace zv::win
