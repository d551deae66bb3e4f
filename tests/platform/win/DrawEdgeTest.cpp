// Three-dimensional edges and focus rectangles, pixel by pixel.

#include <gtest/gtest.h>

#include "Pixels.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr COLORREF kPaper = RGB(1, 2, 3);  // a colour no edge uses

class DrawEdges : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        const HDC screen = GetDC(0);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, 8, 8);
        ReleaseDC(0, screen);
        m_previous = SelectObject(m_dc, m_bitmap);
        const HBRUSH paper = CreateSolidBrush(kPaper);
        RECT all{0, 0, 8, 8};
        FillRect(m_dc, &all, paper);
        DeleteObject(paper);
    }
    void TearDown() override {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
        PlatformTest::TearDown();
    }

    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }
    testing::AssertionResult Shows(std::initializer_list<ExpectedPixel> expected) const {
        return PixelsAre([this](int x, int y) { return At(x, y); }, expected);
    }
    RECT Draw(UINT edge, UINT flags) {
        RECT rect{0, 0, 6, 6};
        EXPECT_TRUE(DrawEdge(m_dc, &rect, edge, flags));
        return rect;
    }

    HDC m_dc = 0;

  private:
    HBITMAP m_bitmap = 0;
    HGDIOBJ m_previous = 0;
};

COLORREF Sys(int index) {
    return GetSysColor(index);
}

// The bottom and right sides own the top-right and bottom-left corners.
TEST_F(DrawEdges, RaisedEdgesAreLightAtTheTopLeftAndDarkAtTheBottomRight) {
    Draw(EDGE_RAISED, BF_RECT);
    EXPECT_TRUE(Shows({Pixel(0, 0, Sys(COLOR_3DLIGHT)), Pixel(3, 0, Sys(COLOR_3DLIGHT)),
                       Pixel(0, 3, Sys(COLOR_3DLIGHT)), Pixel(5, 0, Sys(COLOR_3DDKSHADOW)),
                       Pixel(0, 5, Sys(COLOR_3DDKSHADOW)), Pixel(5, 5, Sys(COLOR_3DDKSHADOW)),
                       Pixel(1, 1, Sys(COLOR_3DHIGHLIGHT)), Pixel(4, 1, Sys(COLOR_3DSHADOW)),
                       Pixel(1, 4, Sys(COLOR_3DSHADOW)), Pixel(4, 4, Sys(COLOR_3DSHADOW)),
                       Pixel(2, 2, kPaper), Pixel(6, 6, kPaper)}));
}

TEST_F(DrawEdges, SunkenEdgesAreDarkAtTheTopLeft) {
    Draw(EDGE_SUNKEN, BF_RECT);
    EXPECT_TRUE(Shows({Pixel(0, 0, Sys(COLOR_3DSHADOW)), Pixel(5, 5, Sys(COLOR_3DHIGHLIGHT)),
                       Pixel(1, 1, Sys(COLOR_3DDKSHADOW)), Pixel(4, 4, Sys(COLOR_3DLIGHT)),
                       Pixel(2, 2, kPaper)}));
}

TEST_F(DrawEdges, ALoneBorderLiesOnTheRectanglesEdge) {
    Draw(BDR_RAISEDINNER, BF_RECT);
    EXPECT_TRUE(Shows({Pixel(0, 0, Sys(COLOR_3DHIGHLIGHT)), Pixel(5, 5, Sys(COLOR_3DSHADOW)),
                       Pixel(1, 1, kPaper)}));
    Draw(BDR_SUNKENOUTER, BF_RECT);
    EXPECT_TRUE(Shows({Pixel(0, 0, Sys(COLOR_3DSHADOW)), Pixel(5, 5, Sys(COLOR_3DHIGHLIGHT)),
                       Pixel(1, 1, kPaper)}));
}

TEST_F(DrawEdges, OnlyTheNamedSidesAreDrawn) {
    Draw(EDGE_RAISED, BF_TOPLEFT);
    EXPECT_TRUE(Shows({Pixel(0, 0, Sys(COLOR_3DLIGHT)), Pixel(5, 0, Sys(COLOR_3DLIGHT)),
                       Pixel(5, 3, kPaper), Pixel(3, 5, kPaper)}));
}

TEST_F(DrawEdges, MiddleFillsAndAdjustShrinksTheRectangle) {
    const RECT inner = Draw(EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(EdgesOf(inner), (Edges{2, 2, 4, 4}));
    EXPECT_TRUE(Shows({Pixel(2, 2, Sys(COLOR_BTNFACE)), Pixel(3, 3, Sys(COLOR_BTNFACE))}));
}

TEST_F(DrawEdges, FocusRectanglesInvertEveryOtherBorderPixelAndUndoThemselves) {
    const RECT rect{1, 1, 7, 5};
    ASSERT_TRUE(DrawFocusRect(m_dc, &rect));
    int changed = 0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool border =
                (x == 1 || x == 6 || y == 1 || y == 4) && x >= 1 && x <= 6 && y >= 1 && y <= 4;
            if (At(x, y) != kPaper) {
                ++changed;
                EXPECT_TRUE(border) << x << "," << y;
                EXPECT_EQ(At(x, y), ~kPaper & 0xFFFFFF) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(changed, 8);                              // half of the 16 border pixels
    EXPECT_NE(At(1, 1) == kPaper, At(2, 1) == kPaper);  // dotted
    DrawFocusRect(m_dc, &rect);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(At(x, y), kPaper) << x << "," << y;
        }
    }
}

TEST_F(DrawEdges, SystemColoursFollowTheClassicPalette) {
    ZV_REQUIRES_HEADLESS("the classic palette of system colours");
    EXPECT_EQ(Sys(COLOR_BTNFACE), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), kWhite);
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), RGB(128, 128, 128));
}

}  // namespace
}  // namespace zv::test
