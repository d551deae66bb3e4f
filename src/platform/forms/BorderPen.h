#pragma once

// The outline of a shape or a line control: its style, width and colour as
// the two keep and persist them (BorderStyle, BorderWidth, BorderColor), and
// the pen that draws it.

#include <cstdint>

#include "platform/forms/Control.h"
#include "platform/win/GdiApi.h"

namespace zv {
class PropertyBag;
}

namespace zv::forms {

namespace border_style {
inline constexpr std::int16_t kTransparent = 0;
inline constexpr std::int16_t kSolid = 1;
inline constexpr std::int16_t kDash = 2;
inline constexpr std::int16_t kDot = 3;
inline constexpr std::int16_t kDashDot = 4;
inline constexpr std::int16_t kDashDotDot = 5;
inline constexpr std::int16_t kInsideSolid = 6;
}  // namespace border_style

class BorderPen {
  public:
    // One of border_style; anything else raises invalid property value (380).
    std::int16_t Style() const { return m_style; }
    void SetStyle(std::int16_t style);
    // In pixels, 1 to 8192; anything else raises 380.
    std::int16_t Width() const { return m_width; }
    void SetWidth(std::int16_t width);
    std::uint32_t Colour() const { return m_colour; }
    void SetColour(std::uint32_t colour) { m_colour = colour; }

    bool Drawn() const { return m_style != border_style::kTransparent; }
    // A new pen for one drawing; a null pen when the border is transparent.
    win::HPEN CreatePen() const;

    void Write(PropertyBag& bag) const;
    void Read(const PropertyBag& bag);

  private:
    int PenStyle() const;

    std::int16_t m_style = border_style::kSolid;
    std::int16_t m_width = 1;
    std::uint32_t m_colour = colour::kWindowText;
};

}  // namespace zv::forms
