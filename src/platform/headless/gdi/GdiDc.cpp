// Device contexts on the headless backend: of windows (client area or whole
// window) and of memory, and their colour and mode attributes.

#include <utility>

#include "headless/core/WindowSystem.h"
#include "headless/gdi/GdiObjects.h"

namespace zv::win {

namespace {

using headless::DeviceContext;
using headless::Gdi;
using headless::StockObject;
using headless::System;

DeviceContext DefaultDc() {
    DeviceContext dc;
    dc.pen = StockObject(BLACK_PEN);
    dc.brush = StockObject(WHITE_BRUSH);
    dc.font = StockObject(SYSTEM_FONT);
    return dc;
}

HDC WindowDc(HWND hWnd, bool wholeWindow) {
    const HWND window = hWnd == 0 ? GetDesktopWindow() : hWnd;
    if (System().Find(window) == nullptr) {
        return 0;
    }
    DeviceContext dc = DefaultDc();
    dc.window = window;
    dc.wholeWindow = wholeWindow;
    return Gdi().Add(std::move(dc));
}

// The one-pixel monochrome bitmap that a new memory DC holds.
HBITMAP DefaultBitmap() {
    static HBITMAP bitmap = 0;
    if (Gdi().Find<headless::Bitmap>(bitmap) == nullptr) {
        bitmap = Gdi().Add(headless::Bitmap{headless::Raster(1, 1, true)}, true);
    }
    return bitmap;
}

template <typename T>
T Exchange(HDC hdc, T DeviceContext::*member, T value, T failed) {
    DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    return dc == nullptr ? failed : std::exchange(dc->*member, value);
}

template <typename T>
T Read(HDC hdc, T DeviceContext::*member, T failed) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    return dc == nullptr ? failed : dc->*member;
}

constexpr COLORREF kInvalidColor = 0xFFFFFFFF;

}  // namespace

HDC GetDC(HWND hWnd) {
    return WindowDc(hWnd, false);
}

HDC GetWindowDC(HWND hWnd) {
    return WindowDc(hWnd, true);
}

int ReleaseDC(HWND hWnd, HDC hDC) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hDC);
    const HWND window = hWnd == 0 ? GetDesktopWindow() : hWnd;
    if (dc == nullptr || dc->window == 0 || (dc->window != window && IsWindow(window))) {
        return 0;
    }
    Gdi().Remove(hDC);
    return 1;
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc != 0 && Gdi().Find<DeviceContext>(hdc) == nullptr) {
        return 0;
    }
    DeviceContext dc = DefaultDc();
    dc.bitmap = DefaultBitmap();
    return Gdi().Add(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    if (Gdi().Find<DeviceContext>(hdc) == nullptr) {
        return FALSE;
    }
    Gdi().Remove(hdc);
    Gdi().DeleteReleased();
    return TRUE;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DeviceContext::bkColor, color & 0xFFFFFF, kInvalidColor);
}

COLORREF GetBkColor(HDC hdc) {
    return Read(hdc, &DeviceContext::bkColor, kInvalidColor);
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DeviceContext::textColor, color & 0xFFFFFF, kInvalidColor);
}

COLORREF GetTextColor(HDC hdc) {
    return Read(hdc, &DeviceContext::textColor, kInvalidColor);
}

int SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        return 0;
    }
    return Exchange(hdc, &DeviceContext::bkMode, mode, 0);
}

int GetBkMode(HDC hdc) {
    return Read(hdc, &DeviceContext::bkMode, 0);
}

}  // namespace zv::win
