#pragma once

// A picture in memory for the headless backend's drawing: 32-bit pixels in
// COLORREF order (0x00BBGGRR), rows from the top. A monochrome raster holds
// black and white only, as one-bit bitmaps do. Internal to the backend.

#include <cstdint>
#include <vector>

#include "platform/win/GdiApi.h"

namespace zv::headless {

using win::COLORREF;
using win::RECT;

class Raster {
  public:
    Raster() = default;
    Raster(int width, int height, bool monochrome, COLORREF fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Monochrome() const { return m_monochrome; }
    RECT Bounds() const { return RECT{0, 0, m_width, m_height}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // Pixels inside the raster only.
    COLORREF At(int x, int y) const { return m_pixels[Index(x, y)]; }
    void Set(int x, int y, COLORREF color) { m_pixels[Index(x, y)] = Reduce(color); }

    // What a colour becomes here: the nearer of black and white when
    // monochrome, the colour itself otherwise.
    COLORREF Reduce(COLORREF color) const;

    // Fills the part of the rectangle inside the raster.
    void Fill(const RECT& rect, COLORREF color);

    // A new size; what fits stays at the top left, the rest gets the colour.
    void Resize(int width, int height, COLORREF fill);

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    bool m_monochrome = false;
    std::vector<COLORREF> m_pixels;
};

// Rectangle arithmetic on plain values.
RECT Intersection(const RECT& a, const RECT& b);
RECT Union(const RECT& a, const RECT& b);  // an empty one is ignored
bool IsEmpty(const RECT& rect);

}  // namespace zv::headless
