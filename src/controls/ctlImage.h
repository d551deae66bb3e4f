#pragma once

// ctlImage: one picture on a host form. Bitmaps are drawn with one colour
// left transparent and may show a window of a larger bitmap (source offset)
// at a chosen place (destination offset); icons are shown through an image
// control of their own, at their own size.

#include <cstdint>
#include <memory>

#include "platform/forms/Image.h"
#include "platform/forms/Picture.h"
#include "platform/forms/UserControl.h"

namespace zv {

class ctlImage : public forms::UserControl {
  public:
    ctlImage(forms::Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"ctlImage"; }

    std::uint32_t MaskColor() const { return m_maskColor; }
    void SetMaskColor(std::uint32_t colour) { m_maskColor = colour; }
    const std::shared_ptr<zv::Picture>& Picture() const { return m_picture; }
    // SetPicture at the picture's own size.
    void SetPicture(std::shared_ptr<zv::Picture> picture) {
        SetPicture(std::move(picture), -1, -1);
    }
    // A negative height (width) takes the picture's own, in pixels; no
    // picture makes both 0. Repaints.
    void SetPicture(std::shared_ptr<zv::Picture> oPicture, std::int16_t iHeight,
                    std::int16_t iWidth);

    std::int16_t GetHeight_InPixels() const { return m_height; }
    std::int16_t GetWidth_InPixels() const { return m_width; }
    win::HWND hwnd() const { return hWnd(); }

    // These three take effect at the next repaint.
    void SetDestinationOffset(std::int16_t iX, std::int16_t iY);
    void SetSourceOffset(std::int16_t iX, std::int16_t iY);
    void SetHeight(std::int16_t iX, std::int16_t iY);

    void ReDraw();

    // The image control that shows icons.
    forms::Image& IconImage() const { return *m_imgIcon; }

  protected:
    void Initialize() override;

  private:
    void FitToPicture();
    void ShowIcon();
    void PaintBitmap();

    std::shared_ptr<forms::Image> m_imgIcon;
    std::shared_ptr<zv::Picture> m_picture;
    std::int16_t m_height = 0;
    std::int16_t m_width = 0;
    std::uint32_t m_maskColor = 0xFF00FF;
    std::int16_t m_destX = 0;
    std::int16_t m_destY = 0;
    std::int16_t m_srcX = 0;
    std::int16_t m_srcY = 0;
};

}  // namespace zv
