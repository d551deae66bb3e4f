#include "headless/gdi/Raster.h"

#include <algorithm>

namespace zv::headless {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

int Channel(COLORREF color, int shift) {
    return static_cast<int>((color >> shift) & 0xFF);
}

}  // namespace

Raster::Raster(int width, int height, bool monochrome, COLORREF fill)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_monochrome(monochrome),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height),
               Reduce(fill)) {}

COLORREF Raster::Reduce(COLORREF color) const {
    color &= kWhite;
    if (!m_monochrome) {
        return color;
    }
    // Nearer to white than to black (Euclidean distance in RGB).
    const int sum = Channel(color, 0) + Channel(color, 8) + Channel(color, 16);
    return 2 * sum > 3 * 255 ? kWhite : 0;
}

void Raster::Fill(const RECT& rect, COLORREF color) {
    const RECT area = Intersection(rect, Bounds());
    const COLORREF value = Reduce(color);
    for (int y = area.top; y < area.bottom; ++y) {
        std::fill_n(m_pixels.begin() + static_cast<std::ptrdiff_t>(Index(area.left, y)),
                    area.right - area.left, value);
    }
}

void Raster::Resize(int width, int height, COLORREF fill) {
    Raster resized(width, height, m_monochrome, fill);
    const int columns = std::min(m_width, resized.m_width);
    for (int y = 0; y < std::min(m_height, resized.m_height); ++y) {
        std::copy_n(m_pixels.begin() + static_cast<std::ptrdiff_t>(Index(0, y)), columns,
                    resized.m_pixels.begin() + static_cast<std::ptrdiff_t>(resized.Index(0, y)));
    }
    *this = std::move(resized);
}

RECT Intersection(const RECT& a, const RECT& b) {
    RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    return IsEmpty(result) ? RECT{} : result;
}

RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a)) {
        return b;
    }
    if (IsEmpty(b)) {
        return a;
    }
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

}  // namespace zv::headless
