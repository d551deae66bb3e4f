#include "controls/ctlImage.h"

#include "paint/modPaint.h"
#include "platform/automation/Trapped.h"
#include "platform/forms/Form.h"
#include "platform/forms/Twips.h"

namespace zv {

namespace {

std::int16_t PixelsOrOwn(std::int16_t requested, std::int32_t ownHiMetric) {
    return requested < 0 ? static_cast<std::int16_t>(Picture::PixelsFromHiMetric(ownHiMetric))
                         : requested;
}

}  // namespace

ctlImage::ctlImage(forms::Form& form, std::wstring name, std::int16_t index)
    : UserControl(form, std::move(name), index, 480, 480) {
    Paint.Connect([this] { PaintBitmap(); });
}

void ctlImage::Initialize() {
    m_imgIcon = Parent().Add<forms::Image>(Name() + L"_imgIcon", this);
    m_imgIcon->SetVisible(false);
    m_imgIcon->Click.Connect([this] { Click.Raise(); });
}

void ctlImage::SetPicture(std::shared_ptr<zv::Picture> oPicture, std::int16_t iHeight,
                          std::int16_t iWidth) {
    m_picture = std::move(oPicture);
    if (!m_picture) {
        m_height = 0;
        m_width = 0;
    } else {
        m_height = PixelsOrOwn(iHeight, m_picture->Height());
        m_width = PixelsOrOwn(iWidth, m_picture->Width());
    }
    ReDraw();
}

void ctlImage::SetDestinationOffset(std::int16_t iX, std::int16_t iY) {
    m_destX = iX;
    m_destY = iY;
}

void ctlImage::SetSourceOffset(std::int16_t iX, std::int16_t iY) {
    m_srcX = iX;
    m_srcY = iY;
}

void ctlImage::SetHeight(std::int16_t iX, std::int16_t iY) {
    m_width = iX;
    m_height = iY;
}

// The size and the icon are the control's state, kept whether or not its
// window exists; only the bitmap is drawn in Paint.
void ctlImage::ReDraw() {
    // A host's handler of the events this raises may fail; the control does not.
    Trapped([&] {
        if (m_picture) {
            FitToPicture();
            ShowIcon();
        }
        Redraw();
        if (hWnd() != 0) {
            win::UpdateWindow(hWnd());
        }
    });
}

void ctlImage::FitToPicture() {
    const std::int32_t height = m_height > 0 ? m_height * TwipsPerPixelY() : Height();
    const std::int32_t width = m_width > 0 ? m_width * TwipsPerPixelX() : Width();
    if (height != Height() || width != Width()) {
        Move(Left(), Top(), width, height);
    }
}

void ctlImage::ShowIcon() {
    const auto type = m_picture->Type();
    const bool icon = type == PictureType::Icon || static_cast<std::int16_t>(type) <= 0;
    if (icon) {
        m_imgIcon->SetPicture(m_picture);
    }
    m_imgIcon->SetVisible(icon);
}

void ctlImage::PaintBitmap() {
    if (m_picture && m_picture->Type() == PictureType::Bitmap) {
        PaintTransparentStdPic(hDC(), m_destX, m_destY, m_width, m_height, m_picture, m_srcX,
                               m_srcY, m_maskColor);
    }
}

}  // namespace zv
