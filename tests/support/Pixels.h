#pragma once

#include "platform/GdiApi.h"

namespace zv::test {

// How many pixels of the window's client area have the colour, once it has
// painted.
int PixelsOf(win::HWND hwnd, win::COLORREF colour);

}  // namespace zv::test
