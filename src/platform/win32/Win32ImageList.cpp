// Image lists on the Win32 backend, passed straight through to the system's
// common controls. A list's handle is a pointer there, cast like the others.

#include "platform/win/ImageListApi.h"
#include "win32/Win32.h"

// After the system headers that Win32.h includes.
#include <commctrl.h>

namespace zv::win {

using win32::FromReal;
using win32::ToReal;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow) {
    return FromReal(::ImageList_Create(cx, cy, flags, cInitial, cGrow));
}

BOOL ImageList_Destroy(HIMAGELIST himl) {
    return ::ImageList_Destroy(ToReal<::HIMAGELIST>(himl));
}

int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask) {
    return ::ImageList_Add(ToReal<::HIMAGELIST>(himl), ToReal<::HBITMAP>(hbmImage),
                           ToReal<::HBITMAP>(hbmMask));
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
    return ::ImageList_AddMasked(ToReal<::HIMAGELIST>(himl), ToReal<::HBITMAP>(hbmImage), crMask);
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon) {
    return ::ImageList_ReplaceIcon(ToReal<::HIMAGELIST>(himl), i, ToReal<::HICON>(hicon));
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle) {
    return ::ImageList_Draw(ToReal<::HIMAGELIST>(himl), i, ToReal<::HDC>(hdcDst), x, y, fStyle);
}

int ImageList_GetImageCount(HIMAGELIST himl) {
    return ::ImageList_GetImageCount(ToReal<::HIMAGELIST>(himl));
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
    return ::ImageList_GetIconSize(ToReal<::HIMAGELIST>(himl), cx, cy);
}

}  // namespace zv::win
