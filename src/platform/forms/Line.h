#pragma once

// A line: windowless, drawn on its container from (X1, Y1) to (X2, Y2),
// both ends included, in its border's style, width and colour. Its Left,
// Top, Width and Height are the box around the ends: setting an end moves
// the box, and moving or sizing the box takes each end to its corner of the
// new box. Lines take no mouse events, as on the platform.

#include "platform/forms/BorderPen.h"
#include "platform/forms/Control.h"

namespace zv::forms {

class Line : public Control {
  public:
    Line(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"Line"; }

    // The ends, in twips of the container's client area.
    std::int32_t X1() const { return m_x1; }
    std::int32_t Y1() const { return m_y1; }
    std::int32_t X2() const { return m_x2; }
    std::int32_t Y2() const { return m_y2; }
    void SetX1(std::int32_t x) { SetEnds(x, m_y1, m_x2, m_y2); }
    void SetY1(std::int32_t y) { SetEnds(m_x1, y, m_x2, m_y2); }
    void SetX2(std::int32_t x) { SetEnds(m_x1, m_y1, x, m_y2); }
    void SetY2(std::int32_t y) { SetEnds(m_x1, m_y1, m_x2, y); }
    void SetEnds(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

    // 0 transparent, 1 solid; dashes and dots (2 to 5) with one-pixel
    // borders; 6 as solid. Others raise 380.
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
    void Resized() override;
    win::RECT DrawnArea() const override;

  private:
    win::POINT From() const;
    win::POINT To() const;
    void FollowBox();

    std::int32_t m_x1 = 0;
    std::int32_t m_y1 = 0;
    std::int32_t m_x2;
    std::int32_t m_y2 = 0;
    BorderPen m_border;
};

}  // namespace zv::forms
