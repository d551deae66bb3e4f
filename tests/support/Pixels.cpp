#include "Pixels.h"

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

}  // namespace zv::test
