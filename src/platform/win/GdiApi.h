#pragma once

// The drawing API through which the library paints: the GDI subset it uses
// (device contexts, bitmaps, pens, brushes, fonts, text, edges) and the
// painting protocol of windows (invalidation, WM_PAINT, BeginPaint), with the
// Win32 names and semantics. Like window handles, GDI handles are
// HandleValues. The constants are in GdiConstants.h, apart, for the same
// reason as WinConstants.h.

#include <cstdint>

#include "platform/win/WinApi.h"

namespace zv::win {

using HDC = HandleValue;
using HGDIOBJ = HandleValue;
using HBITMAP = HandleValue;
using HPEN = HandleValue;
using HBRUSH = HandleValue;
using HFONT = HandleValue;
using HPALETTE = HandleValue;
using HICON = HandleValue;
using COLORREF = DWORD;   // 0x00BBGGRR
using OLE_COLOR = DWORD;  // a COLORREF, or 0x800000nn for system colour nn
using HRESULT = std::int32_t;
using WORD = std::uint16_t;

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

// What BeginPaint fills: the painting DC, whether the background still needs
// erasing, and the rectangle to paint (client coordinates).
struct PAINTSTRUCT {
    HDC hdc = 0;
    BOOL fErase = 0;
    RECT rcPaint;
    BOOL fRestore = 0;
    BOOL fIncUpdate = 0;
    BYTE rgbReserved[32] = {};
};

// What GetObjectA fills for a bitmap.
struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 0;
    WORD bmBitsPixel = 0;
    void* bmBits = nullptr;
};

// What CreateIconIndirect makes an icon of: its mask (1 where transparent)
// and its colour image, of one size.
struct ICONINFO {
    BOOL fIcon = 1;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = 0;
    HBITMAP hbmColor = 0;
};

struct TEXTMETRICA {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 0;
    LONG tmDigitizedAspectY = 0;
    BYTE tmFirstChar = 0;
    BYTE tmLastChar = 0;
    BYTE tmDefaultChar = 0;
    BYTE tmBreakChar = 0;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};

// Device contexts: of a window's client area, of the whole window, of memory.
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);

// Objects. A memory DC starts with a one-pixel monochrome bitmap selected;
// selecting returns what was selected before. Deleting an object that a DC
// holds fails; stock objects are never deleted.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
BOOL DeleteObject(HGDIOBJ ho);
int GetObjectA(HGDIOBJ h, int c, void* pv);
HGDIOBJ GetStockObject(int i);
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
// Planes must be 1; 1 and 32 bits per pixel are supported. Rows of a
// one-bit image are padded to 16 bits, 32-bit pixels are 0x00RRGGBB.
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH GetSysColorBrush(int nIndex);
HFONT CreateFontIndirectA(const LOGFONTA* lplf);
// Icons copy the bitmaps they are made of. The headless backend needs a
// colour image (no two-part monochrome icons).
HICON CreateIconIndirect(const ICONINFO* piconinfo);
BOOL DestroyIcon(HICON hIcon);

// Attributes of a DC; each setter returns the previous value.
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);

// Pixels, lines and areas. LineTo draws from the current position up to,
// not including, the end point, and makes the end point current.
COLORREF GetPixel(HDC hdc, int x, int y);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL MoveToEx(HDC hdc, int x, int y, POINT* lppt);
BOOL LineTo(HDC hdc, int x, int y);
// hbr may also be a system colour index + 1.
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
// Figures inside a rectangle (its right and bottom edges left out), outlined
// with the pen and filled with the brush; without a pen they keep their
// size, where Rectangle loses its right and bottom pixel. RoundRect's
// corners are quarters of an ellipse of the given width and height.
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
// BitBlt from a source rectangle of another size; a negative width or height
// on one side only mirrors the picture. Each destination pixel takes the
// nearest source pixel, as in the COLORONCOLOR mode (the platform's default
// mode, which the headless backend does not have, ANDs the rows and columns
// that a shrinking drops).
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop);
BOOL DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags);
BOOL DrawFocusRect(HDC hDC, const RECT* lprc);
// The glyph of a check box (DFCS_BUTTONCHECK, DFCS_BUTTON3STATE) or option
// button (DFCS_BUTTONRADIO) of DFC_BUTTON, in a square of the rectangle's
// smaller side, centred: a sunken box or ring, with a check mark or dot for
// DFCS_CHECKED; the inside is the button face while DFCS_PUSHED or
// DFCS_INACTIVE, and the mark grey while DFCS_INACTIVE or for a three-state
// box, whose checked inside is dithered.
BOOL DrawFrameControl(HDC hdc, RECT* lprc, UINT uType, UINT uState);

// Rectangles
BOOL SetRect(RECT* lprc, int xLeft, int yTop, int xRight, int yBottom);
BOOL InflateRect(RECT* lprc, int dx, int dy);
BOOL OffsetRect(RECT* lprc, int dx, int dy);
BOOL PtInRect(const RECT* lprc, POINT pt);
BOOL IsRectEmpty(const RECT* lprc);
BOOL IntersectRect(RECT* lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);

// Text in the DC's selected font.
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, RECT* lprc, UINT format);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, SIZE* psizl);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm);

// System colours (COLOR_* indexes) and automation colours.
DWORD GetSysColor(int nIndex);
HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE hpal, COLORREF* lpcolorref);

// Painting. A window's update region collects what needs repainting; the
// thread's queue turns it into WM_PAINT when nothing else waits (before
// timers). BeginPaint validates it and erases the background first.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL ValidateRect(HWND hWnd, const RECT* lpRect);
BOOL UpdateWindow(HWND hWnd);
BOOL GetUpdateRect(HWND hWnd, RECT* lpRect, BOOL bErase);
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);

}  // namespace zv::win
