#pragma once

// A shape: a windowless rectangle, square, oval, circle or rounded one drawn
// on its container, outlined with its border and filled with its fill
// colour or its background. Squares and circles take the smaller side of the
// control, centred in it. Shapes take no mouse events, as on the platform.

#include "platform/forms/BorderPen.h"
#include "platform/forms/Control.h"

namespace zv::forms {

enum class ShapeKind : std::int16_t {
    Rectangle = 0,
    Square = 1,
    Oval = 2,
    Circle = 3,
    RoundedRectangle = 4,
    RoundedSquare = 5,
};

// How a shape's inside is filled: solid, transparent, or one of the hatch
// patterns (2 to 7), which are drawn solid here.
namespace fill_style {
inline constexpr std::int16_t kSolid = 0;
inline constexpr std::int16_t kTransparent = 1;
inline constexpr std::int16_t kLastHatch = 7;
}  // namespace fill_style

class Shape : public Control {
  public:
    Shape(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"Shape"; }

    // Persisted as "Shape"; a value out of range raises 380.
    ShapeKind Kind() const { return m_kind; }
    void SetKind(ShapeKind kind);
    // 0 transparent, 1 opaque in BackColor (seen where the fill is
    // transparent).
    std::int16_t BackStyle() const { return m_backStyle; }
    void SetBackStyle(std::int16_t style);
    std::int16_t FillStyle() const { return m_fillStyle; }
    void SetFillStyle(std::int16_t style);
    std::uint32_t FillColor() const { return m_fillColor; }
    void SetFillColor(std::uint32_t colour);

    std::int16_t BorderStyle() const { return m_border.Style(); }
    void SetBorderStyle(std::int16_t style);
    std::int16_t BorderWidth() const { return m_border.Width(); }
    void SetBorderWidth(std::int16_t width);
    std::uint32_t BorderColor() const { return m_border.Colour(); }
    void SetBorderColor(std::uint32_t colour);

    bool HitTest(win::POINT point) const override;
    void PaintOn(win::HDC dc) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override { return std::nullopt; }

  private:
    win::RECT FigureBox() const;
    bool Squared() const;
    win::HBRUSH CreateFillBrush() const;
    void DrawFigure(win::HDC dc, const win::RECT& box) const;

    ShapeKind m_kind = ShapeKind::Rectangle;
    std::int16_t m_backStyle = 0;
    std::int16_t m_fillStyle = fill_style::kTransparent;
    std::uint32_t m_fillColor = 0;
    BorderPen m_border;
};

}  // namespace zv::forms
