#include "Pixels.h"

#include <sstream>

namespace zv::test {

using namespace zv::win;

int PixelsOf(HWND hwnd, COLORREF colour) {
    UpdateWindow(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    const HDC dc = GetDC(hwnd);
    int count = 0;
    for (int y = client.top; y < client.bottom; ++y) {
        for (int x = client.left; x < client.right; ++x) {
            count += GetPixel(dc, x, y) == colour ? 1 : 0;
        }
    }
    ReleaseDC(hwnd, dc);
    return count;
}

COLORREF PixelOf(HWND hwnd, int x, int y) {
    UpdateWindow(hwnd);
    const HDC dc = GetDC(hwnd);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return pixel;
}

testing::AssertionResult PixelsAre(const std::function<COLORREF(int, int)>& at,
                                   std::initializer_list<ExpectedPixel> expected) {
    std::ostringstream differences;
    for (const ExpectedPixel& pixel : expected) {
        const COLORREF actual = at(pixel.x, pixel.y);
        if (actual != pixel.colour) {
            differences << "\n  at " << pixel.x << "," << pixel.y << std::hex << ": 0x" << actual
                        << " instead of 0x" << pixel.colour << std::dec;
        }
    }
    if (differences.str().empty()) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << differences.str();
}

}  // namespace zv::test
