#include "platform/forms/PaintTools.h"

#include <algorithm>

#include "platform/forms/Picture.h"
#include "platform/win/GdiConstants.h"

namespace zv::forms {

using namespace zv::win;

COLORREF ToColorRef(std::uint32_t colour) {
    COLORREF rgb = 0;
    OleTranslateColor(colour, 0, &rgb);
    return rgb;
}

SelectedObject::SelectedObject(HDC dc, HGDIOBJ object, bool owned)
    : m_dc(dc), m_object(object), m_previous(SelectObject(dc, object)), m_owned(owned) {}

SelectedObject::~SelectedObject() {
    SelectObject(m_dc, m_previous);
    if (m_owned) {
        DeleteObject(m_object);
    }
}

bool HasPicture(const Picture* picture) {
    return picture != nullptr && picture->Handle() != 0;
}

SIZE PictureSize(const Picture& picture) {
    BITMAP info;
    if (GetObjectA(picture.Handle(), sizeof info, &info) == 0) {
        return SIZE{};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

namespace {

// One of the picture's bitmaps copied into the area with a raster operation.
void Blit(HDC dc, HBITMAP bitmap, SIZE size, const RECT& area, bool stretch, DWORD rop) {
    const HDC memory = CreateCompatibleDC(dc);
    {
        const SelectedObject selected(memory, bitmap, false);
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        if (stretch) {
            StretchBlt(dc, area.left, area.top, width, height, memory, 0, 0, size.cx, size.cy, rop);
        } else {
            BitBlt(dc, area.left, area.top, std::min(width, size.cx), std::min(height, size.cy),
                   memory, 0, 0, rop);
        }
    }
    DeleteDC(memory);
}

}  // namespace

void DrawPicture(HDC dc, const Picture& picture, const RECT& area, bool stretch) {
    if (!HasPicture(&picture)) {
        return;
    }
    const SIZE size = PictureSize(picture);
    if (picture.Type() != PictureType::Icon || picture.MaskHandle() == 0) {
        Blit(dc, picture.Handle(), size, area, stretch, SRCCOPY);
        return;
    }
    // The mask (1 where transparent) clears the icon's opaque part and keeps
    // the rest; the colour image, black where transparent, is then laid in.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    Blit(dc, picture.MaskHandle(), size, area, stretch, SRCAND);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    Blit(dc, picture.Handle(), size, area, stretch, SRCINVERT);
}

}  // namespace zv::forms
