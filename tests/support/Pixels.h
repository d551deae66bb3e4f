#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "platform/win/GdiApi.h"

namespace zv::test {

// How many pixels of the window's client area have the colour, once it has
// painted.
int PixelsOf(win::HWND hwnd, win::COLORREF colour);

// The colour of one pixel of the window's client area, once it has painted.
win::COLORREF PixelOf(win::HWND hwnd, int x, int y);

// A pixel a case expects: where, and its colour.
struct ExpectedPixel {
    int x;
    int y;
    win::COLORREF colour;
};
constexpr ExpectedPixel Pixel(int x, int y, win::COLORREF colour) {
    return {x, y, colour};
}

// Whether every pixel of the table has its colour as `at` reads it; a
// mismatch names each pixel that differs.
testing::AssertionResult PixelsAre(const std::function<win::COLORREF(int, int)>& at,
                                   std::initializer_list<ExpectedPixel> expected);

}  // namespace zv::test
