// Device contexts, drawing objects and DC attributes on the Win32 backend,
// passed straight through to the system.

#include "platform/win/GdiApi.h"
#include "win32/Win32.h"

namespace zv::win {

using win32::FromReal;
using win32::RecordCast;
using win32::ToHwnd;
using win32::ToReal;

HDC GetDC(HWND hWnd) {
    return FromReal(::GetDC(ToHwnd(hWnd)));
}

HDC GetWindowDC(HWND hWnd) {
    return FromReal(::GetWindowDC(ToHwnd(hWnd)));
}

int ReleaseDC(HWND hWnd, HDC hDC) {
    return ::ReleaseDC(ToHwnd(hWnd), ToReal<::HDC>(hDC));
}

HDC CreateCompatibleDC(HDC hdc) {
    return FromReal(::CreateCompatibleDC(ToReal<::HDC>(hdc)));
}

BOOL DeleteDC(HDC hdc) {
    return ::DeleteDC(ToReal<::HDC>(hdc));
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    return FromReal(::SelectObject(ToReal<::HDC>(hdc), ToReal<::HGDIOBJ>(h)));
}

BOOL DeleteObject(HGDIOBJ ho) {
    return ::DeleteObject(ToReal<::HGDIOBJ>(ho));
}

// The records it fills (BITMAP, LOGFONTA) have the real layouts.
int GetObjectA(HGDIOBJ h, int c, void* pv) {
    return ::GetObjectA(ToReal<::HGDIOBJ>(h), c, pv);
}

HGDIOBJ GetStockObject(int i) {
    return FromReal(::GetStockObject(i));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    return FromReal(::CreateCompatibleBitmap(ToReal<::HDC>(hdc), cx, cy));
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    return FromReal(::CreateBitmap(nWidth, nHeight, nPlanes, nBitCount, lpBits));
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    return FromReal(::CreatePen(iStyle, cWidth, color));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return FromReal(::CreateSolidBrush(color));
}

HBRUSH GetSysColorBrush(int nIndex) {
    return FromReal(::GetSysColorBrush(nIndex));
}

HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
    return FromReal(::CreateFontIndirectA(RecordCast<::LOGFONTA>(lplf)));
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return ::SetBkColor(ToReal<::HDC>(hdc), color);
}

COLORREF GetBkColor(HDC hdc) {
    return ::GetBkColor(ToReal<::HDC>(hdc));
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return ::SetTextColor(ToReal<::HDC>(hdc), color);
}

COLORREF GetTextColor(HDC hdc) {
    return ::GetTextColor(ToReal<::HDC>(hdc));
}

int SetBkMode(HDC hdc, int mode) {
    return ::SetBkMode(ToReal<::HDC>(hdc), mode);
}

int GetBkMode(HDC hdc) {
    return ::GetBkMode(ToReal<::HDC>(hdc));
}

DWORD GetSysColor(int nIndex) {
    return ::GetSysColor(nIndex);
}

HICON CreateIconIndirect(const ICONINFO* piconinfo) {
    // ICONINFO has the real layout: it is not const there.
    ::ICONINFO info = *RecordCast<::ICONINFO>(piconinfo);
    return FromReal(::CreateIconIndirect(&info));
}

BOOL DestroyIcon(HICON hIcon) {
    return ::DestroyIcon(ToReal<::HICON>(hIcon));
}

HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE hpal, COLORREF* lpcolorref) {
    ::COLORREF color = 0;
    const HRESULT result = ::OleTranslateColor(clr, ToReal<::HPALETTE>(hpal), &color);
    if (lpcolorref != nullptr) {
        *lpcolorref = color;
    }
    return result;
}

}  // namespace zv::win
