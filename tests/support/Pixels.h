#pragma once

#include "platform/win/GdiApi.h"

namespace zv::test {

// How many pixels of the window's client area have the colour, once it has
// painted.
int PixelsOf(win::HWND hwnd, win::COLORREF colour);

// The colour of one pixel of the window's client area, once it has painted.
win::COLORREF PixelOf(win::HWND hwnd, int x, int y);

}  // namespace zv::test
