// Three-dimensional edges, focus rectangles and the glyphs of check boxes
// and option buttons, pixel by pixel.

#include <gtest/gtest.h>

#include <array>
#include <string_view>

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
        m_bitmap = CreateCompatibleBitmap(screen, kSide, kSide);
        ReleaseDC(0, screen);
        m_previous = SelectObject(m_dc, m_bitmap);
        Clear();
    }
    void TearDown() override {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
        PlatformTest::TearDown();
    }

    void Clear() const {
        const HBRUSH paper = CreateSolidBrush(kPaper);
        const RECT all{0, 0, kSide, kSide};
        FillRect(m_dc, &all, paper);
        DeleteObject(paper);
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

    static constexpr int kSide = 13;
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

// The glyphs as Wine draws them at the size the system's buttons use, row by
// row: shadow, dark shadow, highlight, light, face, window, text.
struct GlyphCase {
    const char* name;
    UINT state;
    std::array<std::string_view, 13> rows;
};

const GlyphCase kGlyphCases[] = {
    {"a checked box",
     DFCS_BUTTONCHECK | DFCS_CHECKED,
     {"ssssssssssssh", "sddddddddddlh", "sdwwwwwwwwwlh", "sdwwwwwwwtwlh", "sdwwwwwwttwlh",
      "sdwwwwwtttwlh", "sdwtwwtttwwlh", "sdwtttttwwwlh", "sdwttttwwwwlh", "sdwwttwwwwwlh",
      "sdwwwwwwwwwlh", "slllllllllllh", "hhhhhhhhhhhhh"}},
    {"a disabled checked box",
     DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE,
     {"ssssssssssssh", "sddddddddddlh", "sdffffffffflh", "sdfffffffsflh", "sdffffffssflh",
      "sdfffffsssflh", "sdfsffsssfflh", "sdfsssssffflh", "sdfssssfffflh", "sdffssffffflh",
      "sdffffffffflh", "slllllllllllh", "hhhhhhhhhhhhh"}},
    {"a greyed three-state box",
     DFCS_BUTTON3STATE | DFCS_CHECKED,
     {"ssssssssssssh", "sddddddddddlh", "sdfhfhfhfhflh", "sdhfhfhfhshlh", "sdfhfhfhssflh",
      "sdhfhfhssshlh", "sdfsfhssshflh", "sdhssssshfhlh", "sdfsssshfhflh", "sdhfsshfhfhlh",
      "sdfhfhfhfhflh", "slllllllllllh", "hhhhhhhhhhhhh"}},
    {"a chosen option button",
     DFCS_BUTTONRADIO | DFCS_CHECKED,
     {".............", ".....ssss....", "...ssddddss..", "..ssdwwwwd.h.", "..sdwwwwwwlh.",
      ".sdwwwttwwwlh", ".sdwwttttwwlh", ".sdwwttttwwlh", ".sdwwwttwwwlh", "..sdwwwwwwlh.",
      "..hhlwwwwlhh.", "...hhllllhh..", ".....hhhh...."}},
    {"a pushed option button",
     DFCS_BUTTONRADIO | DFCS_PUSHED,
     {".............", ".....ssss....", "...ssddddss..", "..ssdffffd.h.", "..sdfffffflh.",
      ".sdfffffffflh", ".sdfffffffflh", ".sdfffffffflh", ".sdfffffffflh", "..sdfffffflh.",
      "..hhlfffflhh.", "...hhllllhh..", ".....hhhh...."}},
};

COLORREF ColourOfRole(char role) {
    constexpr std::string_view kRoles = "sdhlfwt";
    constexpr int kColours[] = {COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DLIGHT,
                                COLOR_3DFACE,   COLOR_WINDOW,     COLOR_WINDOWTEXT};
    const std::size_t at = kRoles.find(role);
    return at == std::string_view::npos ? kPaper : Sys(kColours[at]);
}

TEST_F(DrawEdges, ButtonGlyphsAreDrawnAsTheSystemDrawsThem) {
    for (const GlyphCase& glyph : kGlyphCases) {
        RECT rect{0, 0, kSide, kSide};
        EXPECT_TRUE(DrawFrameControl(m_dc, &rect, DFC_BUTTON, glyph.state)) << glyph.name;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const char role =
                    glyph.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                EXPECT_EQ(At(x, y), ColourOfRole(role)) << glyph.name << " at " << x << "," << y;
            }
        }
        Clear();
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
