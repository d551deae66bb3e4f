#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::test {

// The plain colours the drawing cases paint with.
constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
constexpr win::COLORREF kGreen = win::RGB(0, 255, 0);
constexpr win::COLORREF kBlue = win::RGB(0, 0, 255);
constexpr win::COLORREF kYellow = win::RGB(255, 255, 0);
constexpr win::COLORREF kMagenta = win::RGB(255, 0, 255);
constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);

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
