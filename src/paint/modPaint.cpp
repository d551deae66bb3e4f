#include "paint/modPaint.h"

#include "platform/automation/Trapped.h"
#include "platform/win/GdiConstants.h"

namespace zv {

using namespace zv::win;

namespace {

// Clears the destination where the source is set (DSna).
constexpr DWORD kDestAndNotSource = 0x00220326;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;

// A memory DC with a bitmap selected into it, both released at the end of
// the scope. The bitmap is owned unless borrowed (the picture's own).
class MemoryDc {
  public:
    MemoryDc(HDC compatibleWith, HBITMAP bitmap, bool owned)
        : m_dc(CreateCompatibleDC(compatibleWith)), m_bitmap(bitmap), m_owned(owned) {
        m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~MemoryDc() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
        if (m_owned) {
            DeleteObject(m_bitmap);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Dc() const { return m_dc; }

  private:
    HDC m_dc;
    HBITMAP m_bitmap;
    bool m_owned;
    HGDIOBJ m_previous = 0;
};

void SetColours(HDC dc, COLORREF background, COLORREF text) {
    SetBkColor(dc, background);
    SetTextColor(dc, text);
}

}  // namespace

void PaintTransparentStdPic(HDC hdcDest, std::int32_t xDest, std::int32_t yDest,
                            std::int32_t nWidth, std::int32_t nHeight,
                            const std::shared_ptr<Picture>& picSource, std::int32_t xSrc,
                            std::int32_t ySrc, OLE_COLOR clrMask, const Variant& /*vReserved*/,
                            HPALETTE hPal) {
    // The three temporary bitmaps follow the size rule for pixels.
    if (!picSource || picSource->Type() != PictureType::Bitmap ||
        !FitsPixelLimits(nWidth, nHeight)) {
        return;
    }
    // A drawing that fails leaves the destination as it was.
    Trapped([&] {
        COLORREF maskColour = 0;
        if (OleTranslateColor(clrMask, hPal, &maskColour) != 0) {
            return;
        }
        const MemoryDc source(hdcDest, picSource->Handle(), false);
        const MemoryDc background(hdcDest, CreateCompatibleBitmap(hdcDest, nWidth, nHeight), true);
        BitBlt(background.Dc(), 0, 0, nWidth, nHeight, hdcDest, xDest, yDest, SRCCOPY);

        const MemoryDc work(hdcDest, CreateCompatibleBitmap(hdcDest, nWidth, nHeight), true);
        SetColours(work.Dc(), GetBkColor(source.Dc()), GetTextColor(source.Dc()));
        BitBlt(work.Dc(), 0, 0, nWidth, nHeight, source.Dc(), xSrc, ySrc, SRCCOPY);

        // Colour to one bit: 1 where the work bitmap has its background colour.
        const MemoryDc mask(hdcDest, CreateBitmap(nWidth, nHeight, 1, 1, nullptr), true);
        SetBkColor(work.Dc(), maskColour);
        BitBlt(mask.Dc(), 0, 0, nWidth, nHeight, work.Dc(), 0, 0, SRCCOPY);

        // One bit to colour: 0 becomes the text colour, 1 the background colour;
        // black and white make the mask clear or keep whole pixels.
        SetColours(work.Dc(), kWhite, kBlack);
        BitBlt(work.Dc(), 0, 0, nWidth, nHeight, mask.Dc(), 0, 0, kDestAndNotSource);
        SetColours(background.Dc(), kWhite, kBlack);
        BitBlt(background.Dc(), 0, 0, nWidth, nHeight, mask.Dc(), 0, 0, SRCAND);
        BitBlt(background.Dc(), 0, 0, nWidth, nHeight, work.Dc(), 0, 0, SRCPAINT);

        BitBlt(hdcDest, xDest, yDest, nWidth, nHeight, background.Dc(), 0, 0, SRCCOPY);
    });
}

}  // namespace zv
