// Raster operations, colour and monochrome conversions, transparent and
// stretched blits, lines and filled shapes, checked pixel by pixel through
// memory DCs.

#include <gtest/gtest.h>

#include <array>

#include "MemoryDc.h"
#include "Pixels.h"
#include "PlatformTest.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class DrawRaster : public PlatformTest {};

// A red pen (solid, dotted or none) and a green brush selected into a DC while a
// figure is drawn.
class RedOutlineGreenFill {
  public:
    RedOutlineGreenFill(HDC dc, int penStyle)
        : m_dc(dc), m_pen(CreatePen(penStyle, 1, kRed)), m_brush(CreateSolidBrush(kGreen)) {
        m_oldPen = SelectObject(dc, m_pen);
        m_oldBrush = SelectObject(dc, m_brush);
    }
    ~RedOutlineGreenFill() {
        SelectObject(m_dc, m_oldPen);
        SelectObject(m_dc, m_oldBrush);
        DeleteObject(m_pen);
        DeleteObject(m_brush);
    }
    RedOutlineGreenFill(const RedOutlineGreenFill&) = delete;
    RedOutlineGreenFill& operator=(const RedOutlineGreenFill&) = delete;

  private:
    HDC m_dc;
    HPEN m_pen;
    HBRUSH m_brush;
    HGDIOBJ m_oldPen = 0;
    HGDIOBJ m_oldBrush = 0;
};

COLORREF Blit(COLORREF source, COLORREF dest, DWORD rop) {
    MemoryDc from(1, 1);
    MemoryDc to(1, 1);
    from.Fill(source, RECT{0, 0, 1, 1});
    to.Fill(dest, RECT{0, 0, 1, 1});
    EXPECT_TRUE(BitBlt(to.Dc(), 0, 0, 1, 1, from.Dc(), 0, 0, rop));
    return to.At(0, 0);
}

TEST_F(DrawRaster, RasterOperationsCombineSourceAndDestinationBitwise) {
    const COLORREF s = RGB(0xF0, 0xCC, 0x0F);
    const COLORREF d = RGB(0x3C, 0xAA, 0xFF);
    EXPECT_EQ(Blit(s, d, SRCCOPY), s);
    EXPECT_EQ(Blit(s, d, SRCAND), s & d);
    EXPECT_EQ(Blit(s, d, SRCPAINT), s | d);
    EXPECT_EQ(Blit(s, d, SRCINVERT), s ^ d);
    EXPECT_EQ(Blit(s, d, 0x220326), d & ~s & 0xFFFFFF);  // destination and not source
    EXPECT_EQ(Blit(s, d, 0x8800C6), s & d);
    EXPECT_EQ(Blit(s, d, 0xEE0086), s | d);
    EXPECT_EQ(Blit(s, d, NOTSRCCOPY), ~s & 0xFFFFFF);
    EXPECT_EQ(Blit(s, d, DSTINVERT), ~d & 0xFFFFFF);
    EXPECT_EQ(Blit(s, d, BLACKNESS), kBlack);
    EXPECT_EQ(Blit(s, d, WHITENESS), kWhite);
}

TEST_F(DrawRaster, ColourToMonochromeSetsThePixelsOfTheSourceBackgroundColour) {
    MemoryDc colour(3, 1);
    colour.Fill(kMagenta, RECT{0, 0, 1, 1});
    colour.Fill(kWhite, RECT{1, 0, 2, 1});
    colour.Fill(kBlack, RECT{2, 0, 3, 1});
    MemoryDc mask(3, 1, true);
    SetBkColor(colour.Dc(), kMagenta);
    ASSERT_TRUE(BitBlt(mask.Dc(), 0, 0, 3, 1, colour.Dc(), 0, 0, SRCCOPY));
    // White only where the background colour was (not where white was).
    EXPECT_TRUE(mask.Has({Pixel(0, 0, kWhite), Pixel(1, 0, kBlack), Pixel(2, 0, kBlack)}));
}

TEST_F(DrawRaster, MonochromeToColourUsesTheDestinationTextAndBackgroundColours) {
    MemoryDc mask(2, 1, true);
    mask.Fill(kBlack, RECT{0, 0, 1, 1});
    mask.Fill(kWhite, RECT{1, 0, 2, 1});
    MemoryDc colour(2, 1);
    SetTextColor(colour.Dc(), kRed);
    SetBkColor(colour.Dc(), kBlue);
    ASSERT_TRUE(BitBlt(colour.Dc(), 0, 0, 2, 1, mask.Dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(colour.Has({Pixel(0, 0, kRed), Pixel(1, 0, kBlue)}));
}

// The transparent-blit recipe: a mask from the picture's key colour; the
// picture's key pixels cleared, the background cleared where the picture is
// opaque, then the two merged.
TEST_F(DrawRaster, AMaskLeavesTheKeyColourOfAPictureTransparent) {
    MemoryDc picture(4, 1);
    picture.Fill(kMagenta, RECT{0, 0, 2, 1});
    picture.Fill(kGreen, RECT{2, 0, 4, 1});
    MemoryDc background(4, 1, kBlue);

    MemoryDc mask(4, 1, true);
    SetBkColor(picture.Dc(), kMagenta);
    BitBlt(mask.Dc(), 0, 0, 4, 1, picture.Dc(), 0, 0, SRCCOPY);
    SetBkColor(picture.Dc(), kWhite);
    SetTextColor(picture.Dc(), kBlack);
    SetBkColor(background.Dc(), kWhite);
    SetTextColor(background.Dc(), kBlack);
    BitBlt(picture.Dc(), 0, 0, 4, 1, mask.Dc(), 0, 0, 0x220326);
    BitBlt(background.Dc(), 0, 0, 4, 1, mask.Dc(), 0, 0, 0x8800C6);
    BitBlt(background.Dc(), 0, 0, 4, 1, picture.Dc(), 0, 0, 0xEE0086);

    EXPECT_TRUE(background.Has(
        {Pixel(0, 0, kBlue), Pixel(1, 0, kBlue), Pixel(2, 0, kGreen), Pixel(3, 0, kGreen)}));
}

TEST_F(DrawRaster, LinesLeaveTheirEndPointOut) {
    MemoryDc canvas(6, 3, kWhite);
    const RedOutlineGreenFill tools(canvas.Dc(), PS_SOLID);
    MoveToEx(canvas.Dc(), 0, 1, nullptr);
    LineTo(canvas.Dc(), 5, 1);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(canvas.At(x, 1), kRed) << x;
    }
    EXPECT_TRUE(canvas.Has({Pixel(5, 1, kWhite), Pixel(2, 0, kWhite)}));
    POINT last;
    MoveToEx(canvas.Dc(), 0, 0, &last);
    EXPECT_EQ(last.x, 5);
}

TEST_F(DrawRaster, DottedPensLeaveGapsInTheBackgroundColourWhenOpaque) {
    MemoryDc canvas(40, 1, kWhite);
    const RedOutlineGreenFill tools(canvas.Dc(), PS_DOT);
    SetBkColor(canvas.Dc(), kBlue);
    MoveToEx(canvas.Dc(), 0, 0, nullptr);
    LineTo(canvas.Dc(), 40, 0);
    int dots = 0;
    int gaps = 0;
    for (int x = 0; x < 40; ++x) {
        dots += canvas.At(x, 0) == kRed ? 1 : 0;
        gaps += canvas.At(x, 0) == kBlue ? 1 : 0;
    }
    EXPECT_EQ(dots + gaps, 40);
    EXPECT_GT(dots, 0);
    EXPECT_GT(gaps, 0);
}

TEST_F(DrawRaster, RectanglesOutlineWithThePenAndFillWithTheBrush) {
    MemoryDc canvas(6, 6, kWhite);
    const HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    const HBRUSH brush = CreateSolidBrush(kGreen);
    const HGDIOBJ oldPen = SelectObject(canvas.Dc(), pen);
    const HGDIOBJ oldBrush = SelectObject(canvas.Dc(), brush);
    Rectangle(canvas.Dc(), 0, 0, 5, 5);
    EXPECT_TRUE(canvas.Has({Pixel(0, 0, kRed), Pixel(4, 4, kRed), Pixel(4, 0, kRed),
                            Pixel(2, 2, kGreen), Pixel(5, 5, kWhite)}));
    // Deleted while selected, the pen goes once the DC lets go of it.
    EXPECT_TRUE(DeleteObject(pen));
    Rectangle(canvas.Dc(), 1, 1, 4, 4);
    EXPECT_EQ(canvas.At(1, 1), kRed);
    SelectObject(canvas.Dc(), oldPen);
    SelectObject(canvas.Dc(), oldBrush);
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(DrawRaster, EllipsesTouchEachSideOfTheirRectangleAndLeaveTheCornersOut) {
    MemoryDc canvas(22, 12, kWhite);
    const RedOutlineGreenFill tools(canvas.Dc(), PS_SOLID);
    ASSERT_TRUE(Ellipse(canvas.Dc(), 1, 1, 21, 11));
    EXPECT_TRUE(canvas.Has(
        {Pixel(1, 1, kWhite), Pixel(20, 1, kWhite), Pixel(1, 10, kWhite), Pixel(20, 10, kWhite)}));
    // The middle rows reach the left and right edges, the middle columns the
    // top and bottom ones (the right and bottom edges left out).
    EXPECT_TRUE(canvas.Has({Pixel(1, 5, kRed), Pixel(20, 6, kRed), Pixel(10, 1, kRed),
                            Pixel(11, 10, kRed), Pixel(0, 5, kWhite), Pixel(21, 6, kWhite),
                            Pixel(11, 11, kWhite), Pixel(11, 6, kGreen)}));
}

TEST_F(DrawRaster, CirclesAreSymmetricAboutBothAxesAndTheDiagonal) {
    constexpr int kSide = 15;
    MemoryDc canvas(kSide, kSide, kWhite);
    const RedOutlineGreenFill tools(canvas.Dc(), PS_SOLID);
    Ellipse(canvas.Dc(), 0, 0, kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const COLORREF pixel = canvas.At(x, y);
            EXPECT_EQ(canvas.At(kSide - 1 - x, y), pixel) << x << "," << y;
            EXPECT_EQ(canvas.At(x, kSide - 1 - y), pixel) << x << "," << y;
            EXPECT_EQ(canvas.At(y, x), pixel) << x << "," << y;
        }
    }
}

TEST_F(DrawRaster, WithoutAPenAnEllipseKeepsItsSizeWhereARectangleLosesAPixel) {
    MemoryDc ellipse(11, 11, kWhite);
    MemoryDc rectangle(11, 11, kWhite);
    for (const MemoryDc* canvas : {&ellipse, &rectangle}) {
        const RedOutlineGreenFill tools(canvas->Dc(), PS_NULL);
        if (canvas == &ellipse) {
            Ellipse(canvas->Dc(), 0, 0, 10, 10);
        } else {
            Rectangle(canvas->Dc(), 0, 0, 10, 10);
        }
    }
    EXPECT_TRUE(ellipse.Has({Pixel(0, 4, kGreen), Pixel(9, 5, kGreen), Pixel(4, 9, kGreen),
                             Pixel(10, 5, kWhite), Pixel(0, 0, kWhite)}));
    EXPECT_TRUE(rectangle.Has({Pixel(8, 8, kGreen), Pixel(9, 4, kWhite), Pixel(4, 9, kWhite)}));
}

TEST_F(DrawRaster, RoundedRectanglesCutTheirCornersOnlyAndWithoutCornersAreRectangles) {
    MemoryDc canvas(21, 21, kWhite);
    const RedOutlineGreenFill tools(canvas.Dc(), PS_SOLID);
    ASSERT_TRUE(RoundRect(canvas.Dc(), 0, 0, 20, 20, 8, 8));
    EXPECT_TRUE(canvas.Has(
        {Pixel(0, 0, kWhite), Pixel(19, 0, kWhite), Pixel(0, 19, kWhite), Pixel(19, 19, kWhite)}));
    // The straight parts of the sides lie on the rectangle's edges.
    for (int along = 5; along < 15; ++along) {
        EXPECT_EQ(canvas.At(along, 0), kRed) << along;
        EXPECT_EQ(canvas.At(0, along), kRed) << along;
        EXPECT_EQ(canvas.At(along, 19), kRed) << along;
        EXPECT_EQ(canvas.At(19, along), kRed) << along;
    }
    EXPECT_TRUE(canvas.Has({Pixel(10, 10, kGreen), Pixel(20, 10, kWhite)}));

    // Without corners it is a rectangle.
    MemoryDc rounded(7, 7, kWhite);
    MemoryDc plain(7, 7, kWhite);
    const RedOutlineGreenFill roundedTools(rounded.Dc(), PS_SOLID);
    const RedOutlineGreenFill plainTools(plain.Dc(), PS_SOLID);
    RoundRect(rounded.Dc(), 1, 1, 6, 6, 0, 0);
    Rectangle(plain.Dc(), 1, 1, 6, 6);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(rounded.At(x, y), plain.At(x, y)) << x << "," << y;
        }
    }
}

// Red, green / blue, white.
void FillFourColours(const MemoryDc& canvas) {
    canvas.Fill(kRed, RECT{0, 0, 1, 1});
    canvas.Fill(kGreen, RECT{1, 0, 2, 1});
    canvas.Fill(kBlue, RECT{0, 1, 1, 2});
    canvas.Fill(kWhite, RECT{1, 1, 2, 2});
}

TEST_F(DrawRaster, StretchBltDoublesEachPixelIntoASquareShrinksAndMirrors) {
    MemoryDc source(2, 2);
    FillFourColours(source);
    MemoryDc dest(5, 5, kMagenta);
    ASSERT_TRUE(StretchBlt(dest.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 2, 2, SRCCOPY));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(dest.At(x, y), source.At(x / 2, y / 2)) << x << "," << y;
        }
    }
    EXPECT_EQ(dest.At(4, 4), kMagenta);

    MemoryDc pairs(4, 1);
    pairs.Fill(kRed, RECT{0, 0, 2, 1});
    pairs.Fill(kGreen, RECT{2, 0, 4, 1});
    MemoryDc shrunk(2, 2);
    // Pairs of equal pixels shrink to the same colour in every stretching mode.
    ASSERT_TRUE(StretchBlt(shrunk.Dc(), 0, 0, 2, 1, pairs.Dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_TRUE(shrunk.Has({Pixel(0, 0, kRed), Pixel(1, 0, kGreen)}));
    // A negative width on one side runs the picture backwards, from the
    // origin's pixel.
    ASSERT_TRUE(StretchBlt(shrunk.Dc(), 1, 1, -2, 1, pairs.Dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_TRUE(shrunk.Has({Pixel(0, 1, kGreen), Pixel(1, 1, kRed)}));
}

TEST_F(DrawRaster, StretchBltAppliesTheRasterOperationAndTheMonochromeColours) {
    MemoryDc mask(2, 2, true);
    mask.Fill(kBlack, RECT{0, 0, 2, 2});
    mask.Fill(kWhite, RECT{1, 0, 2, 2});
    MemoryDc dest(4, 4, kBlue);
    SetTextColor(dest.Dc(), kBlack);
    SetBkColor(dest.Dc(), kWhite);
    // Where the mask is white the destination stays, where black it clears.
    ASSERT_TRUE(StretchBlt(dest.Dc(), 0, 0, 4, 4, mask.Dc(), 0, 0, 2, 2, SRCAND));
    EXPECT_TRUE(dest.Has({Pixel(1, 3, kBlack), Pixel(2, 0, kBlue), Pixel(3, 3, kBlue)}));
}

TEST_F(DrawRaster, SystemColoursAreFilledByIndexPlusOneAndNamedByTheHighBit) {
    MemoryDc canvas(2, 2);
    RECT all{0, 0, 2, 2};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(canvas.At(1, 1), GetSysColor(COLOR_BTNFACE));
    FillRect(canvas.Dc(), &all, GetSysColorBrush(COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_HIGHLIGHT));

    // Automation colours with the high bit name system colours.
    COLORREF color = 0;
    ASSERT_EQ(OleTranslateColor(0x8000000F, 0, &color), S_OK);
    EXPECT_EQ(color, GetSysColor(COLOR_BTNFACE));
    ASSERT_EQ(OleTranslateColor(0x80000018, 0, &color), S_OK);
    EXPECT_EQ(color, GetSysColor(COLOR_INFOBK));
    ASSERT_EQ(OleTranslateColor(kMagenta, 0, &color), S_OK);
    EXPECT_EQ(color, kMagenta);
    EXPECT_NE(OleTranslateColor(0x800000FF, 0, &color), S_OK);
}

TEST_F(DrawRaster, BitmapsReportTheirSizeAndDepth) {
    const HBITMAP mono = CreateBitmap(17, 3, 1, 1, nullptr);
    BITMAP info;
    ASSERT_EQ(GetObjectA(mono, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ((std::array{info.bmWidth, info.bmHeight, info.bmWidthBytes}),
              (std::array<LONG, 3>{17, 3, 4}));
    EXPECT_EQ(info.bmBitsPixel, 1);
    DeleteObject(mono);
}

TEST_F(DrawRaster, RectangleHelpers) {
    RECT rect;
    SetRect(&rect, 10, 10, 20, 30);
    InflateRect(&rect, -2, -2);
    EXPECT_EQ(rect.left, 12);
    EXPECT_EQ(rect.bottom, 28);
    OffsetRect(&rect, 1, -1);
    EXPECT_EQ(rect.left, 13);
    EXPECT_EQ(rect.top, 11);
    EXPECT_TRUE(PtInRect(&rect, POINT{13, 11}));
    EXPECT_FALSE(PtInRect(&rect, POINT{rect.right, 11}));
}

}  // namespace
}  // namespace zv::test
