#pragma once

// What the Win32 backend's units share: the system headers, and the casts
// between the API's records and handles and the real ones. The API's records
// are declared with the real layouts, so a pointer to one passes as a pointer
// to the other; the static_asserts below hold the two together. Only the
// backend's own units include this header.

#include "platform/win/GdiApi.h"
#include "platform/win/WinApi.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After the system headers: OleTranslateColor and the common dialogs.
#include <commdlg.h>
#include <olectl.h>

// The system headers make this a macro for memmove; the API declares it as a
// function.
#undef RtlMoveMemory

#include <cstddef>
#include <cstdint>

namespace zv::win32 {

// Handles are the real ones at the size of a pointer: converting is a plain
// cast.
static_assert(sizeof(win::HandleValue) == sizeof(::HANDLE));

template <typename Real>
Real ToReal(win::HandleValue handle) {
    return reinterpret_cast<Real>(static_cast<std::intptr_t>(handle));
}

template <typename Real>
win::HandleValue FromReal(Real handle) {
    return static_cast<win::HandleValue>(reinterpret_cast<std::intptr_t>(handle));
}

inline ::HWND ToHwnd(win::HWND hwnd) {
    return ToReal<::HWND>(hwnd);
}

inline win::HWND FromHwnd(::HWND hwnd) {
    return FromReal(hwnd);
}

// Procedures have the same calling convention and argument sizes on both
// sides; going through void(*)() tells the compiler the cast is meant.
template <typename To, typename From>
To ProcCast(From proc) {
    return reinterpret_cast<To>(reinterpret_cast<void (*)()>(proc));
}

// A record of the API seen as the real one, or back.
template <typename To, typename From>
To* RecordCast(From* record) {
    static_assert(sizeof(To) == sizeof(From));
    return reinterpret_cast<To*>(record);
}

template <typename To, typename From>
const To* RecordCast(const From* record) {
    static_assert(sizeof(To) == sizeof(From));
    return reinterpret_cast<const To*>(record);
}

#define ZV_SAME_FIELD(Type, field) \
    static_assert(offsetof(win::Type, field) == offsetof(::Type, field), #Type "::" #field)
#define ZV_SAME_SIZE(Type) static_assert(sizeof(win::Type) == sizeof(::Type), #Type)

ZV_SAME_SIZE(POINT);
ZV_SAME_FIELD(POINT, y);

ZV_SAME_SIZE(RECT);
ZV_SAME_FIELD(RECT, top);
ZV_SAME_FIELD(RECT, right);
ZV_SAME_FIELD(RECT, bottom);

ZV_SAME_SIZE(MSG);
static_assert(sizeof(win::MSG) == (sizeof(void*) == 4 ? 28 : 48), "MSG has the platform's size");
ZV_SAME_FIELD(MSG, message);
ZV_SAME_FIELD(MSG, wParam);
ZV_SAME_FIELD(MSG, lParam);
ZV_SAME_FIELD(MSG, time);
ZV_SAME_FIELD(MSG, pt);

ZV_SAME_SIZE(WINDOWPOS);
ZV_SAME_FIELD(WINDOWPOS, hwndInsertAfter);
ZV_SAME_FIELD(WINDOWPOS, x);
ZV_SAME_FIELD(WINDOWPOS, y);
ZV_SAME_FIELD(WINDOWPOS, cx);
ZV_SAME_FIELD(WINDOWPOS, cy);
ZV_SAME_FIELD(WINDOWPOS, flags);

ZV_SAME_SIZE(MINMAXINFO);
ZV_SAME_FIELD(MINMAXINFO, ptMaxSize);
ZV_SAME_FIELD(MINMAXINFO, ptMaxPosition);
ZV_SAME_FIELD(MINMAXINFO, ptMinTrackSize);
ZV_SAME_FIELD(MINMAXINFO, ptMaxTrackSize);

ZV_SAME_SIZE(NCCALCSIZE_PARAMS);
ZV_SAME_FIELD(NCCALCSIZE_PARAMS, lppos);

ZV_SAME_SIZE(MONITORINFO);
ZV_SAME_FIELD(MONITORINFO, rcMonitor);
ZV_SAME_FIELD(MONITORINFO, rcWork);
ZV_SAME_FIELD(MONITORINFO, dwFlags);

ZV_SAME_SIZE(ICONINFO);
ZV_SAME_FIELD(ICONINFO, hbmMask);
ZV_SAME_FIELD(ICONINFO, hbmColor);

ZV_SAME_SIZE(LOGFONTA);
ZV_SAME_FIELD(LOGFONTA, lfWeight);
ZV_SAME_FIELD(LOGFONTA, lfItalic);
ZV_SAME_FIELD(LOGFONTA, lfPitchAndFamily);
ZV_SAME_FIELD(LOGFONTA, lfFaceName);

// Without the padded width that newer versions of the record add at its end.
ZV_SAME_FIELD(NONCLIENTMETRICSA, iBorderWidth);
ZV_SAME_FIELD(NONCLIENTMETRICSA, iCaptionHeight);
ZV_SAME_FIELD(NONCLIENTMETRICSA, lfCaptionFont);
ZV_SAME_FIELD(NONCLIENTMETRICSA, iSmCaptionWidth);
ZV_SAME_FIELD(NONCLIENTMETRICSA, lfSmCaptionFont);
ZV_SAME_FIELD(NONCLIENTMETRICSA, iMenuHeight);
ZV_SAME_FIELD(NONCLIENTMETRICSA, lfMenuFont);
ZV_SAME_FIELD(NONCLIENTMETRICSA, lfStatusFont);
ZV_SAME_FIELD(NONCLIENTMETRICSA, lfMessageFont);
static_assert(sizeof(win::NONCLIENTMETRICSA) ==
                  offsetof(::NONCLIENTMETRICSA, lfMessageFont) + sizeof(::LOGFONTA),
              "NONCLIENTMETRICSA");

ZV_SAME_SIZE(SCROLLINFO);
ZV_SAME_FIELD(SCROLLINFO, fMask);
ZV_SAME_FIELD(SCROLLINFO, nMin);
ZV_SAME_FIELD(SCROLLINFO, nMax);
ZV_SAME_FIELD(SCROLLINFO, nPage);
ZV_SAME_FIELD(SCROLLINFO, nPos);
ZV_SAME_FIELD(SCROLLINFO, nTrackPos);

ZV_SAME_SIZE(STYLESTRUCT);
ZV_SAME_FIELD(STYLESTRUCT, styleNew);

ZV_SAME_SIZE(DELETEITEMSTRUCT);
ZV_SAME_FIELD(DELETEITEMSTRUCT, CtlID);
ZV_SAME_FIELD(DELETEITEMSTRUCT, itemID);
ZV_SAME_FIELD(DELETEITEMSTRUCT, hwndItem);
ZV_SAME_FIELD(DELETEITEMSTRUCT, itemData);

ZV_SAME_SIZE(CREATESTRUCTA);
ZV_SAME_FIELD(CREATESTRUCTA, hInstance);
ZV_SAME_FIELD(CREATESTRUCTA, hMenu);
ZV_SAME_FIELD(CREATESTRUCTA, hwndParent);
ZV_SAME_FIELD(CREATESTRUCTA, cy);
ZV_SAME_FIELD(CREATESTRUCTA, cx);
ZV_SAME_FIELD(CREATESTRUCTA, y);
ZV_SAME_FIELD(CREATESTRUCTA, x);
ZV_SAME_FIELD(CREATESTRUCTA, style);
ZV_SAME_FIELD(CREATESTRUCTA, lpszName);
ZV_SAME_FIELD(CREATESTRUCTA, lpszClass);
ZV_SAME_FIELD(CREATESTRUCTA, dwExStyle);

ZV_SAME_SIZE(WNDCLASSA);
ZV_SAME_FIELD(WNDCLASSA, lpfnWndProc);
ZV_SAME_FIELD(WNDCLASSA, cbClsExtra);
ZV_SAME_FIELD(WNDCLASSA, cbWndExtra);
ZV_SAME_FIELD(WNDCLASSA, hInstance);
ZV_SAME_FIELD(WNDCLASSA, hIcon);
ZV_SAME_FIELD(WNDCLASSA, hCursor);
ZV_SAME_FIELD(WNDCLASSA, hbrBackground);
ZV_SAME_FIELD(WNDCLASSA, lpszMenuName);
ZV_SAME_FIELD(WNDCLASSA, lpszClassName);

ZV_SAME_SIZE(CBTACTIVATESTRUCT);
ZV_SAME_FIELD(CBTACTIVATESTRUCT, hWndActive);

ZV_SAME_SIZE(SIZE);
ZV_SAME_FIELD(SIZE, cy);

ZV_SAME_SIZE(PAINTSTRUCT);
ZV_SAME_FIELD(PAINTSTRUCT, fErase);
ZV_SAME_FIELD(PAINTSTRUCT, rcPaint);
ZV_SAME_FIELD(PAINTSTRUCT, fRestore);
ZV_SAME_FIELD(PAINTSTRUCT, fIncUpdate);
ZV_SAME_FIELD(PAINTSTRUCT, rgbReserved);

ZV_SAME_SIZE(BITMAP);
ZV_SAME_FIELD(BITMAP, bmWidth);
ZV_SAME_FIELD(BITMAP, bmHeight);
ZV_SAME_FIELD(BITMAP, bmWidthBytes);
ZV_SAME_FIELD(BITMAP, bmPlanes);
ZV_SAME_FIELD(BITMAP, bmBitsPixel);
ZV_SAME_FIELD(BITMAP, bmBits);

ZV_SAME_SIZE(TEXTMETRICA);
ZV_SAME_FIELD(TEXTMETRICA, tmAscent);
ZV_SAME_FIELD(TEXTMETRICA, tmAveCharWidth);
ZV_SAME_FIELD(TEXTMETRICA, tmOverhang);
ZV_SAME_FIELD(TEXTMETRICA, tmDigitizedAspectY);
ZV_SAME_FIELD(TEXTMETRICA, tmFirstChar);
ZV_SAME_FIELD(TEXTMETRICA, tmItalic);
ZV_SAME_FIELD(TEXTMETRICA, tmCharSet);

// The record of the first 32-bit version, without the fields added at its
// end since; lStructSize tells the system which one it gets.
ZV_SAME_FIELD(OPENFILENAMEA, hwndOwner);
ZV_SAME_FIELD(OPENFILENAMEA, lpstrFilter);
ZV_SAME_FIELD(OPENFILENAMEA, nFilterIndex);
ZV_SAME_FIELD(OPENFILENAMEA, lpstrFile);
ZV_SAME_FIELD(OPENFILENAMEA, nMaxFile);
ZV_SAME_FIELD(OPENFILENAMEA, lpstrInitialDir);
ZV_SAME_FIELD(OPENFILENAMEA, lpstrTitle);
ZV_SAME_FIELD(OPENFILENAMEA, Flags);
ZV_SAME_FIELD(OPENFILENAMEA, nFileOffset);
ZV_SAME_FIELD(OPENFILENAMEA, nFileExtension);
ZV_SAME_FIELD(OPENFILENAMEA, lpstrDefExt);
ZV_SAME_FIELD(OPENFILENAMEA, lCustData);
ZV_SAME_FIELD(OPENFILENAMEA, lpfnHook);
ZV_SAME_FIELD(OPENFILENAMEA, lpTemplateName);
static_assert(sizeof(win::OPENFILENAMEA) ==
                  offsetof(::OPENFILENAMEA, lpTemplateName) + sizeof(::LPCSTR),
              "OPENFILENAMEA");

#undef ZV_SAME_FIELD
#undef ZV_SAME_SIZE

// What the Driver's fresh desktop undoes: the classes registered and the
// window-less timers set through the API by this thread.
void RememberClass(const char* name, ::HINSTANCE instance);
void ForgetClass(const char* name, ::HINSTANCE instance);
void RememberThreadTimer(UINT_PTR id);
void ForgetThreadTimer(UINT_PTR id);
// Destroys the calling thread's windows, undoes the registrations above,
// empties its queue and releases the capture and swapped mouse buttons.
void ResetThreadState();

}  // namespace zv::win32
