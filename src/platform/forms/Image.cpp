#include "platform/forms/Image.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/PaintTools.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/win/GdiConstants.h"

namespace zv::forms {

using namespace zv::win;

Image::Image(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, 975, 975) {}

void Image::SetPicture(std::shared_ptr<zv::Picture> picture) {
    m_picture = std::move(picture);
    Redraw();
    FitToPicture();
}

void Image::SetStretch(bool stretch) {
    m_stretch = stretch;
    Redraw();
    FitToPicture();
}

void Image::SetBorderStyle(std::int16_t style) {
    if (style < 0 || style > 1) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_borderStyle = style;
    Redraw();
    FitToPicture();
}

// Unless it stretches the picture, the control is as large as the picture
// inside its border.
void Image::FitToPicture() {
    if (m_stretch || !HasPicture(m_picture.get())) {
        return;
    }
    const SIZE size = PictureSize(*m_picture);
    Move(Left(), Top(), TwipsX(size.cx + 2 * BorderPixels()), TwipsY(size.cy + 2 * BorderPixels()));
}

void Image::DrawBorder(HDC dc, const RECT& area) const {
    const SelectedObject pen(dc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWFRAME)));
    const SelectedObject hollow(dc, GetStockObject(NULL_BRUSH), false);
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
}

void Image::PaintOn(HDC dc) {
    RECT area = PixelRect();
    if (m_borderStyle != 0) {
        DrawBorder(dc, area);
        InflateRect(&area, -BorderPixels(), -BorderPixels());
    }
    if (m_picture != nullptr) {
        DrawPicture(dc, *m_picture, area, m_stretch);
    }
}

void Image::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WritePicture(L"Picture", m_picture.get());
    bag.WriteProperty(L"Stretch", m_stretch, false);
    bag.WriteProperty(L"BorderStyle", m_borderStyle, std::int16_t{0});
}

// The picture comes last, so that it is fitted to once, with the border
// and the stretching it is read with.
void Image::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    SetStretch(bag.ReadProperty(L"Stretch", false).ToInt16() != 0);
    SetBorderStyle(bag.ReadProperty(L"BorderStyle", std::int16_t{0}).ToInt16());
    SetPicture(bag.ReadPicture(L"Picture"));
}

}  // namespace zv::forms
