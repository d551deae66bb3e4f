#include "platform/forms/Shape.h"

#include <algorithm>

#include "platform/automation/AutomationError.h"
#include "platform/forms/PaintTools.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/GdiConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

void CheckRange(std::int16_t value, std::int16_t last) {
    if (value < 0 || value > last) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
}

// The corners of a rounded shape are quarters of an ellipse a third of the
// smaller side across.
constexpr int kCornerFraction = 3;

}  // namespace

Shape::Shape(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, 1215, 855) {
    SetDefaultColours(colour::kWindow, DefaultForeColor());
}

void Shape::SetKind(ShapeKind kind) {
    CheckRange(static_cast<std::int16_t>(kind),
               static_cast<std::int16_t>(ShapeKind::RoundedSquare));
    m_kind = kind;
    Redraw();
}

void Shape::SetBackStyle(std::int16_t style) {
    CheckRange(style, 1);
    m_backStyle = style;
    Redraw();
}

void Shape::SetFillStyle(std::int16_t style) {
    CheckRange(style, fill_style::kLastHatch);
    m_fillStyle = style;
    Redraw();
}

void Shape::SetFillColor(std::uint32_t colour) {
    m_fillColor = colour;
    Redraw();
}

void Shape::SetBorderStyle(std::int16_t style) {
    m_border.SetStyle(style);
    Redraw();
}

void Shape::SetBorderWidth(std::int16_t width) {
    m_border.SetWidth(width);
    Redraw();
}

void Shape::SetBorderColor(std::uint32_t colour) {
    m_border.SetColour(colour);
    Redraw();
}

bool Shape::HitTest(POINT) const {
    return false;
}

bool Shape::Squared() const {
    return m_kind == ShapeKind::Square || m_kind == ShapeKind::Circle ||
           m_kind == ShapeKind::RoundedSquare;
}

// The figure's rectangle: the control's area (a square of its smaller side,
// centred, for the squared kinds), drawn in by half the border's width so
// that a wide border stays inside the control.
RECT Shape::FigureBox() const {
    RECT box = PixelRect();
    if (Squared()) {
        const LONG side = std::min(box.right - box.left, box.bottom - box.top);
        box.left += (box.right - box.left - side) / 2;
        box.top += (box.bottom - box.top - side) / 2;
        box.right = box.left + side;
        box.bottom = box.top + side;
    }
    if (m_border.Drawn()) {
        InflateRect(&box, -(m_border.Width() / 2), -(m_border.Width() / 2));
    }
    return box;
}

// The fill colour unless the fill is transparent, then the background when
// it is opaque; otherwise nothing.
HBRUSH Shape::CreateFillBrush() const {
    if (m_fillStyle != fill_style::kTransparent) {
        return CreateSolidBrush(ToColorRef(m_fillColor));
    }
    if (m_backStyle == 1) {
        return CreateSolidBrush(ToColorRef(BackColor()));
    }
    return 0;
}

void Shape::DrawFigure(HDC dc, const RECT& box) const {
    const int corner = std::min(box.right - box.left, box.bottom - box.top) / kCornerFraction;
    switch (m_kind) {
        case ShapeKind::Oval:
        case ShapeKind::Circle:
            Ellipse(dc, box.left, box.top, box.right, box.bottom);
            break;
        case ShapeKind::RoundedRectangle:
        case ShapeKind::RoundedSquare:
            RoundRect(dc, box.left, box.top, box.right, box.bottom, corner, corner);
            break;
        default:
            Rectangle(dc, box.left, box.top, box.right, box.bottom);
            break;
    }
}

void Shape::PaintOn(HDC dc) {
    const HBRUSH fill = CreateFillBrush();
    const SelectedObject brush(dc, fill != 0 ? fill : GetStockObject(NULL_BRUSH), fill != 0);
    const SelectedObject pen(dc, m_border.CreatePen());
    DrawFigure(dc, FigureBox());
}

void Shape::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"Shape", static_cast<std::int16_t>(m_kind), std::int16_t{0});
    bag.WriteProperty(L"BackStyle", m_backStyle, std::int16_t{0});
    bag.WriteProperty(L"FillStyle", m_fillStyle, fill_style::kTransparent);
    bag.WriteProperty(L"FillColor", static_cast<std::int32_t>(m_fillColor), 0);
    m_border.Write(bag);
}

void Shape::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    SetKind(static_cast<ShapeKind>(bag.ReadProperty(L"Shape", std::int16_t{0}).ToInt16()));
    SetBackStyle(bag.ReadProperty(L"BackStyle", std::int16_t{0}).ToInt16());
    SetFillStyle(bag.ReadProperty(L"FillStyle", fill_style::kTransparent).ToInt16());
    SetFillColor(static_cast<std::uint32_t>(bag.ReadLong(L"FillColor", 0)));
    m_border.Read(bag);
    Redraw();
}

}  // namespace zv::forms
