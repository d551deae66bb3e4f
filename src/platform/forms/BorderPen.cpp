#include "platform/forms/BorderPen.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/PaintTools.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/GdiConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

constexpr std::int16_t kMaxWidth = 8192;

void CheckRange(std::int16_t value, std::int16_t first, std::int16_t last) {
    if (value < first || value > last) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
}

}  // namespace

void BorderPen::SetStyle(std::int16_t style) {
    CheckRange(style, border_style::kTransparent, border_style::kInsideSolid);
    m_style = style;
}

void BorderPen::SetWidth(std::int16_t width) {
    CheckRange(width, 1, kMaxWidth);
    m_width = width;
}

// Dashes and dots are drawn by one-pixel pens only, as on the platform; the
// controls keep wider borders inside their area themselves, so inside solid
// is solid.
int BorderPen::PenStyle() const {
    if (m_width > 1 && m_style != border_style::kTransparent) {
        return PS_SOLID;
    }
    switch (m_style) {
        case border_style::kTransparent:
            return PS_NULL;
        case border_style::kDash:
            return PS_DASH;
        case border_style::kDot:
            return PS_DOT;
        case border_style::kDashDot:
            return PS_DASHDOT;
        case border_style::kDashDotDot:
            return PS_DASHDOTDOT;
        default:
            return PS_SOLID;
    }
}

HPEN BorderPen::CreatePen() const {
    return win::CreatePen(PenStyle(), m_width, ToColorRef(m_colour));
}

void BorderPen::Write(PropertyBag& bag) const {
    bag.WriteProperty(L"BorderColor", static_cast<std::int32_t>(m_colour),
                      static_cast<std::int32_t>(colour::kWindowText));
    bag.WriteProperty(L"BorderStyle", m_style, border_style::kSolid);
    bag.WriteProperty(L"BorderWidth", m_width, std::int16_t{1});
}

void BorderPen::Read(const PropertyBag& bag) {
    const auto standard = static_cast<std::int32_t>(colour::kWindowText);
    SetColour(static_cast<std::uint32_t>(bag.ReadLong(L"BorderColor", standard)));
    SetStyle(bag.ReadProperty(L"BorderStyle", border_style::kSolid).ToInt16());
    SetWidth(bag.ReadProperty(L"BorderWidth", std::int16_t{1}).ToInt16());
}

}  // namespace zv::forms
