#pragma once

// Image lists: images of one size, each with a mask where the list keeps
// masks, drawn by index (the list views' small icons, the forms runtime's
// ImageList). HIMAGELIST is a HandleValue like the GDI handles. The flags are
// in ImageListConstants.h.

#include "platform/win/GdiApi.h"

namespace zv::win {

using HIMAGELIST = HandleValue;

// A list of images cx by cy pixels (ILC_* flags); no list for a size below 1.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
BOOL ImageList_Destroy(HIMAGELIST himl);

// Add cut the bitmap into as many images as whole widths of the list it
// holds (none for a narrower one) and answer the index the first would have,
// -1 for no bitmap. The mask (1 where transparent) counts only in a list with
// ILC_MASK. AddMasked makes the mask from the pixels of the colour and turns
// those pixels black in the bitmap it is given. ReplaceIcon replaces image i,
// or adds one for -1, scaling the icon to the list's size; it answers the
// index, or -1.
int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask);
int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);
int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon);

// Draws image i with its top left at x, y: through its mask in a list that
// keeps masks, ILD_NORMAL and ILD_TRANSPARENT alike; ILD_SELECTED and
// ILD_FOCUS lay the highlight colour over a pattern of the image's pixels.
BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle);

int ImageList_GetImageCount(HIMAGELIST himl);
BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);

}  // namespace zv::win
