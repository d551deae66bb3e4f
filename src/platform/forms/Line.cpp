#include "platform/forms/Line.h"

#include <algorithm>
#include <cmath>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Rounding.h"
#include "platform/forms/ControlContainer.h"
#include "platform/forms/PaintTools.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

constexpr std::int32_t kDefaultLength = 1215;

}  // namespace

Line::Line(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, kDefaultLength, 0), m_x2(kDefaultLength) {}

void Line::SetEnds(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const auto width = CheckedWhole<std::int32_t>(std::abs(static_cast<double>(x2) - x1));
    const auto height = CheckedWhole<std::int32_t>(std::abs(static_cast<double>(y2) - y1));
    if (!width || !height) {
        throw AutomationError(err::kInvalidPropertyValue);  // ends too far apart
    }
    Redraw();
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    Move(std::min(x1, x2), std::min(y1, y2), *width, *height);
}

void Line::SetBorderStyle(std::int16_t style) {
    m_border.SetStyle(style);
    Redraw();
}

void Line::SetBorderWidth(std::int16_t width) {
    Redraw();  // a narrower line leaves the wider one's area
    m_border.SetWidth(width);
    Redraw();
}

void Line::SetBorderColor(std::uint32_t colour) {
    m_border.SetColour(colour);
    Redraw();
}

bool Line::HitTest(POINT) const {
    return false;
}

POINT Line::From() const {
    return POINT{PixelsX(m_x1), PixelsY(m_y1)};
}

POINT Line::To() const {
    return POINT{PixelsX(m_x2), PixelsY(m_y2)};
}

// The pixels the line may cover, with its width: its box (even a
// horizontal or vertical line's, which is empty) grown by the pen.
RECT Line::DrawnArea() const {
    const POINT from = From();
    const POINT to = To();
    RECT area{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
              std::max(from.y, to.y) + 1};
    const int reach = m_border.Width() / 2 + 1;
    InflateRect(&area, reach, reach);
    return area;
}

// Each end keeps its corner of the box: the one on the left stays on the
// left, the upper one above.
void Line::FollowBox() {
    const bool x1First = m_x1 <= m_x2;
    const bool y1First = m_y1 <= m_y2;
    m_x1 = x1First ? Left() : Left() + Width();
    m_x2 = x1First ? Left() + Width() : Left();
    m_y1 = y1First ? Top() : Top() + Height();
    m_y2 = y1First ? Top() + Height() : Top();
}

void Line::Resized() {
    Redraw();
    FollowBox();
    Redraw();
}

void Line::PaintOn(HDC dc) {
    if (!m_border.Drawn()) {
        return;
    }
    const SelectedObject pen(dc, m_border.CreatePen());
    const POINT from = From();
    const POINT to = To();
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    LineTo(dc, to.x + 1, to.y);  // LineTo leaves the end point out
}

void Line::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"X1", m_x1);
    bag.WriteProperty(L"Y1", m_y1);
    bag.WriteProperty(L"X2", m_x2);
    bag.WriteProperty(L"Y2", m_y2);
    m_border.Write(bag);
}

void Line::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    const auto end = [&](const wchar_t* name, std::int32_t current) {
        return bag.ReadLong(name, current);
    };
    SetEnds(end(L"X1", m_x1), end(L"Y1", m_y1), end(L"X2", m_x2), end(L"Y2", m_y2));
    m_border.Read(bag);
    Redraw();
}

}  // namespace zv::forms
