#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "Pixels.h"
#include "platform/win/GdiApi.h"

namespace zv::test {

// A memory DC with a bitmap of its own, colour (like the screen) or one-bit.
class MemoryDc {
  public:
    MemoryDc(int width, int height, bool monochrome = false);
    // A colour bitmap filled with the background given.
    MemoryDc(int width, int height, win::COLORREF background);
    ~MemoryDc();
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    win::HDC Dc() const { return m_dc; }
    void Fill(win::COLORREF color, win::RECT rect) const;
    win::COLORREF At(int x, int y) const;
    testing::AssertionResult Has(std::initializer_list<ExpectedPixel> expected) const;
    // Gives the bitmap up, deselected, to a caller that keeps it; the DC
    // draws on nothing of its own any more.
    win::HBITMAP Release();

  private:
    win::HDC m_dc = 0;
    win::HBITMAP m_bitmap = 0;
    win::HGDIOBJ m_previous = 0;
};

}  // namespace zv::test
