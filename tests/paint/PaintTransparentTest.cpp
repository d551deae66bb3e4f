// Transparent bitmaps drawn onto memory DCs, read back pixel by pixel: the
// mask colour's pixels leave the destination as it was, every other pixel
// of the source rectangle replaces it.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Pixels.h"
#include "PlatformTest.h"
#include "paint/modPaint.h"
#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr OLE_COLOR kButtonFace = 0x8000000F;

// Rows of pixels, top first.
using Pixels = std::vector<std::vector<COLORREF>>;

// 32-bit pixels as CreateBitmap takes them: 0x00RRGGBB.
std::uint32_t Bits(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

int WidthOf(const Pixels& rows) {
    return static_cast<int>(rows.front().size());
}
int HeightOf(const Pixels& rows) {
    return static_cast<int>(rows.size());
}

std::shared_ptr<Picture> BitmapOf(const Pixels& rows) {
    std::vector<std::uint32_t> bits;
    for (const auto& row : rows) {
        for (const COLORREF pixel : row) {
            bits.push_back(Bits(pixel));
        }
    }
    return std::make_shared<Picture>(
        PictureType::Bitmap, CreateBitmap(WidthOf(rows), HeightOf(rows), 1, 32, bits.data()));
}

// A screen-compatible memory DC filled with one colour: the destination.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF colour) : m_width(width), m_height(height) {
        const HDC screen = GetDC(0);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(0, screen);
        m_previous = SelectObject(m_dc, m_bitmap);
        const HBRUSH brush = CreateSolidBrush(colour);
        const RECT all{0, 0, width, height};
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_dc; }
    Pixels Read() const {
        Pixels rows(static_cast<std::size_t>(m_height));
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                rows[static_cast<std::size_t>(y)].push_back(GetPixel(m_dc, x, y));
            }
        }
        return rows;
    }

  private:
    int m_width;
    int m_height;
    HDC m_dc = 0;
    HBITMAP m_bitmap = 0;
    HGDIOBJ m_previous = 0;
};

// What a canvas of one colour should show after the width x height
// rectangle of the source at (xSrc, ySrc) went to (xDest, yDest) with the
// mask colour left out.
Pixels Expected(int canvasWidth, int canvasHeight, COLORREF canvas, const Pixels& source,
                POINT dest, POINT src, SIZE size, COLORREF mask) {
    Pixels rows(static_cast<std::size_t>(canvasHeight),
                std::vector<COLORREF>(static_cast<std::size_t>(canvasWidth), canvas));
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF pixel =
                source[static_cast<std::size_t>(src.y + y)][static_cast<std::size_t>(src.x + x)];
            if (pixel != mask) {
                rows[static_cast<std::size_t>(dest.y + y)][static_cast<std::size_t>(dest.x + x)] =
                    pixel;
            }
        }
    }
    return rows;
}

class PaintTransparent : public PlatformTest {};

const Pixels kSprite = {
    {kMagenta, kRed, kRed, kMagenta},
    {kGreen, kMagenta, kBlack, kBlue},
    {kWhite, kBlue, kMagenta, kGreen},
};

TEST_F(PaintTransparent, LeavesExactlyTheMaskColouredPixelsUntouched) {
    Canvas canvas(8, 6, kGrey);
    PaintTransparentStdPic(canvas.Dc(), 2, 1, 4, 3, BitmapOf(kSprite), 0, 0, kMagenta);
    EXPECT_EQ(canvas.Read(), Expected(8, 6, kGrey, kSprite, {2, 1}, {0, 0}, {4, 3}, kMagenta));
}

TEST_F(PaintTransparent, AMaskNamingASystemColourLeavesThatColourOut) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Pixels source = {{face, kRed}, {kBlue, face}};
    Canvas canvas(4, 4, kGreen);
    PaintTransparentStdPic(canvas.Dc(), 1, 1, 2, 2, BitmapOf(source), 0, 0, kButtonFace);
    EXPECT_EQ(canvas.Read(), Expected(4, 4, kGreen, source, {1, 1}, {0, 0}, {2, 2}, face));
}

TEST_F(PaintTransparent, DrawsTheRectangleThatStartsAtTheSourceOffset) {
    Canvas canvas(5, 5, kGrey);
    PaintTransparentStdPic(canvas.Dc(), 0, 2, 3, 2, BitmapOf(kSprite), 1, 1, kMagenta);
    EXPECT_EQ(canvas.Read(), Expected(5, 5, kGrey, kSprite, {0, 2}, {1, 1}, {3, 2}, kMagenta));
}

TEST_F(PaintTransparent, WithoutAMaskColouredPixelTheRectangleIsCopiedWhole) {
    const Pixels source = {{kRed, kGreen}, {kBlue, kWhite}};
    Canvas canvas(3, 3, kGrey);
    PaintTransparentStdPic(canvas.Dc(), 1, 0, 2, 2, BitmapOf(source), 0, 0, kMagenta);
    EXPECT_EQ(canvas.Read(), Expected(3, 3, kGrey, source, {1, 0}, {0, 0}, {2, 2}, kMagenta));
}

TEST_F(PaintTransparent, IconsEmptyAndMissingPicturesAndHugeRectanglesDrawNothing) {
    const std::uint32_t colour[] = {Bits(kRed), Bits(kRed), Bits(kRed), Bits(kRed)};
    const unsigned char mask[] = {0x00, 0x00, 0x00, 0x00};
    const auto icon = std::make_shared<Picture>(
        PictureType::Icon, CreateBitmap(2, 2, 1, 32, colour), CreateBitmap(2, 2, 1, 1, mask));
    Canvas canvas(3, 3, kGrey);
    const Pixels untouched = canvas.Read();
    PaintTransparentStdPic(canvas.Dc(), 0, 0, 2, 2, icon, 0, 0, kMagenta);
    PaintTransparentStdPic(canvas.Dc(), 0, 0, 2, 2, std::make_shared<Picture>(), 0, 0, kMagenta);
    PaintTransparentStdPic(canvas.Dc(), 0, 0, 2, 2, nullptr, 0, 0, kMagenta);
    // Beyond the size rule for the temporary bitmaps.
    PaintTransparentStdPic(canvas.Dc(), 0, 0, 100000, 100000, BitmapOf(kSprite), 0, 0, kMagenta);
    PaintTransparentStdPic(canvas.Dc(), 0, 0, 5000, 5000, BitmapOf(kSprite), 0, 0, kMagenta);
    EXPECT_EQ(canvas.Read(), untouched);
}

}  // namespace
}  // namespace zv::test
