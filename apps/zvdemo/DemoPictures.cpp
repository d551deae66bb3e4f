#include "DemoPictures.h"

namespace zvdemo {

using namespace zv::win;

std::shared_ptr<zv::Picture> FilledPicture(int width, int height,
                                           std::initializer_list<Fill> fills) {
    const HDC screen = GetDC(0);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(0, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    for (const Fill& fill : fills) {
        const HBRUSH brush = CreateSolidBrush(fill.colour);
        FillRect(dc, &fill.area, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::make_shared<zv::Picture>(zv::PictureType::Bitmap, bitmap);
}

}  // namespace zvdemo
