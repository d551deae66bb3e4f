#include "MemoryDc.h"

#include <utility>

namespace zv::test {

using namespace zv::win;

MemoryDc::MemoryDc(int width, int height, bool monochrome) {
    const HDC screen = GetDC(0);
    m_dc = CreateCompatibleDC(screen);
    m_bitmap = monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                          : CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(0, screen);
    m_previous = SelectObject(m_dc, m_bitmap);
}

MemoryDc::MemoryDc(int width, int height, COLORREF background) : MemoryDc(width, height) {
    Fill(background, RECT{0, 0, width, height});
}

MemoryDc::~MemoryDc() {
    SelectObject(m_dc, m_previous);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

void MemoryDc::Fill(COLORREF color, RECT rect) const {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(m_dc, &rect, brush);
    DeleteObject(brush);
}

COLORREF MemoryDc::At(int x, int y) const {
    return GetPixel(m_dc, x, y);
}

testing::AssertionResult MemoryDc::Has(std::initializer_list<ExpectedPixel> expected) const {
    return PixelsAre([this](int x, int y) { return At(x, y); }, expected);
}

HBITMAP MemoryDc::Release() {
    SelectObject(m_dc, m_previous);
    m_previous = 0;
    return std::exchange(m_bitmap, 0);
}

}  // namespace zv::test
