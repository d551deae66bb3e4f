#pragma once

// An image: a windowless picture on its container. Without Stretch the
// control takes the picture's size (with its border); with Stretch the
// picture is drawn stretched to the control. Icons leave their transparent
// pixels showing what lies under them; bitmaps are opaque.

#include <memory>

#include "platform/forms/Control.h"
#include "platform/forms/Picture.h"

namespace zv::forms {

class Image : public Control {
  public:
    Image(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"Image"; }

    // nullptr for none.
    const std::shared_ptr<zv::Picture>& Picture() const { return m_picture; }
    void SetPicture(std::shared_ptr<zv::Picture> picture);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    // 0 none, 1 a single line; others raise 380.
    std::int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(std::int16_t style);

    void PaintOn(win::HDC dc) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override { return std::nullopt; }

  private:
    int BorderPixels() const { return m_borderStyle != 0 ? 1 : 0; }
    void FitToPicture();
    void DrawBorder(win::HDC dc, const win::RECT& area) const;

    std::shared_ptr<zv::Picture> m_picture;
    bool m_stretch = false;
    std::int16_t m_borderStyle = 0;
};

}  // namespace zv::forms
