// Text metrics of the headless backend's fonts (real faces, so widths differ
// by face, size, weight and slant, and are the same on every run), text
// layout, picture and font objects, and snapshots.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "ErrorNumber.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/automation/AutomationError.h"
#include "platform/driver/Driver.h"
#include "platform/forms/Font.h"
#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr const char* kSample = "The quick brown fox";

class DrawText : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        m_dc = CreateCompatibleDC(0);
    }
    void TearDown() override {
        DeleteDC(m_dc);
        PlatformTest::TearDown();
    }

    SIZE Extent(const char* face, LONG height, LONG weight = FW_NORMAL, BYTE italic = 0,
                const char* text = kSample) {
        LOGFONTA logFont;
        logFont.lfHeight = height;
        logFont.lfWeight = weight;
        logFont.lfItalic = italic;
        std::strncpy(logFont.lfFaceName, face, sizeof logFont.lfFaceName - 1);
        const HFONT font = CreateFontIndirectA(&logFont);
        const HGDIOBJ previous = SelectObject(m_dc, font);
        SIZE size;
        GetTextExtentPoint32A(m_dc, text, static_cast<int>(std::strlen(text)), &size);
        SelectObject(m_dc, previous);
        DeleteObject(font);
        return size;
    }

    HDC m_dc = 0;
};

TEST_F(DrawText, WidthsDependOnFaceSizeWeightAndSlantAndHeightsOnTheirSign) {
    ZV_REQUIRES_HEADLESS("the packaged faces");
    const LONG width = Extent("Tahoma", -11).cx;
    EXPECT_GT(width, 60);
    EXPECT_NE(Extent("Times New Roman", -11).cx, width);
    EXPECT_NE(Extent("Courier New", -11).cx, width);
    EXPECT_GT(Extent("Tahoma", -16).cx, width);
    EXPECT_GT(Extent("Tahoma", -11, FW_BOLD).cx, width);
    EXPECT_NE(Extent("Tahoma", -11, FW_NORMAL, 1).cx, Extent("Tahoma", -11, FW_BOLD).cx);
    EXPECT_EQ(Extent("Courier New", -11, FW_NORMAL, 0, "iiii").cx,
              Extent("Courier New", -11, FW_NORMAL, 0, "WWWW").cx);  // fixed pitch
    EXPECT_LT(Extent("Arial", -11, FW_NORMAL, 0, "iiii").cx,
              Extent("Arial", -11, FW_NORMAL, 0, "WWWW").cx);
    // A positive height is the cell, a negative one the character.
    EXPECT_EQ(Extent("Arial", 20).cy, 20);
    EXPECT_GT(Extent("Arial", -20).cy, 20);
}

TEST_F(DrawText, WidthsAreTheSameEveryTime) {
    ZV_REQUIRES_HEADLESS("the packaged faces");
    const SIZE first = Extent("MS Sans Serif", -11);
    for (int i = 0; i < 3; ++i) {
        const SIZE again = Extent("MS Sans Serif", -11);
        EXPECT_EQ((std::array{again.cx, again.cy}), (std::array{first.cx, first.cy}));
    }
    // Sans-serif faces share one family.
    EXPECT_EQ(Extent("Segoe UI", -11).cx, first.cx);
}

TEST_F(DrawText, WebdingsDrawsItsTrianglesAsShapes) {
    ZV_REQUIRES_HEADLESS("the symbol mapping");
    EXPECT_GT(Extent("Webdings", -16, FW_NORMAL, 0, "6").cx, 0);
    EXPECT_NE(Extent("Webdings", -16, FW_NORMAL, 0, "6").cx,
              Extent("Arial", -16, FW_NORMAL, 0, "6").cx);
}

TEST_F(DrawText, CalcRectMeasuresWrappedLinesWithoutDrawing) {
    const HBITMAP bitmap = CreateBitmap(200, 100, 1, 32, nullptr);
    const HGDIOBJ previous = SelectObject(m_dc, bitmap);
    TEXTMETRICA metrics;
    ASSERT_TRUE(GetTextMetricsA(m_dc, &metrics));
    RECT one{0, 0, 1000, 0};
    EXPECT_EQ(DrawTextA(m_dc, kSample, -1, &one, DT_CALCRECT | DT_SINGLELINE), metrics.tmHeight);
    SIZE size;
    GetTextExtentPoint32A(m_dc, kSample, static_cast<int>(std::strlen(kSample)), &size);
    EXPECT_EQ(one.right, size.cx);
    RECT narrow{0, 0, size.cx / 2, 0};
    EXPECT_GE(DrawTextA(m_dc, kSample, -1, &narrow, DT_CALCRECT | DT_WORDBREAK),
              2 * metrics.tmHeight);
    EXPECT_LE(narrow.right, size.cx / 2 + size.cx / 4);
    RECT prefixed{0, 0, 1000, 0};
    DrawTextA(m_dc, "&File", -1, &prefixed, DT_CALCRECT | DT_SINGLELINE);
    RECT plain{0, 0, 1000, 0};
    DrawTextA(m_dc, "File", -1, &plain, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(prefixed.right, plain.right);
    SelectObject(m_dc, previous);
    DeleteObject(bitmap);
}

TEST_F(DrawText, TextIsDrawnInTheTextColourInsideItsRectangle) {
    const HBITMAP bitmap = CreateBitmap(120, 30, 1, 32, nullptr);
    const HGDIOBJ previous = SelectObject(m_dc, bitmap);
    RECT all{0, 0, 120, 30};
    FillRect(m_dc, &all, GetSysColorBrush(COLOR_WINDOW));
    SetTextColor(m_dc, RGB(255, 0, 0));
    SetBkMode(m_dc, TRANSPARENT);
    RECT box{10, 5, 110, 25};
    DrawTextA(m_dc, "Hello", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    int red = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (GetPixel(m_dc, x, y) == RGB(255, 0, 0)) {
                ++red;
                EXPECT_TRUE(x >= 10 && x < 110 && y >= 5 && y < 25) << x << "," << y;
            }
        }
    }
    EXPECT_GT(red, 20);
    SelectObject(m_dc, previous);
    DeleteObject(bitmap);
}

TEST_F(DrawText, FontObjectsShareTheirChangesAndGiveAHandle) {
    auto font = std::make_shared<Font>();
    auto holder = font;
    int heard = 0;
    font->OnChanged.Connect([&] { ++heard; });
    holder->SetBold(true);
    EXPECT_TRUE(font->Bold());
    EXPECT_EQ(font->Weight(), 700);
    font->SetSize(12);
    EXPECT_EQ(holder->LogFont().lfHeight, -16);
    EXPECT_EQ(heard, 2);
    const HFONT handle = font->Handle();
    LOGFONTA logFont;
    ASSERT_EQ(GetObjectA(handle, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_THROW(font->SetSize(0), AutomationError);
    EXPECT_THROW(font->SetSize(1e300), AutomationError);
    NONCLIENTMETRICSA metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const auto caption = Font::FromLogFont(metrics.lfCaptionFont);
    EXPECT_EQ(caption->LogFont().lfHeight, metrics.lfCaptionFont.lfHeight);
    EXPECT_EQ(caption->Bold(), metrics.lfCaptionFont.lfWeight >= 600);
}

// A file of the running case's own: the cases run side by side.
std::string TempPath(const char* name) {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return (std::filesystem::temp_directory_path() / (test + "-" + name)).string();
}

// The picture a file holds; the file goes whether it loads or not.
std::shared_ptr<Picture> LoadAndRemove(const std::string& path) {
    struct Removal {
        const std::string& path;
        ~Removal() { std::remove(path.c_str()); }
    } removal{path};
    return LoadPicture(std::wstring(path.begin(), path.end()));
}

// The picture that a file of these bytes holds.
std::shared_ptr<Picture> PictureFromBytes(const std::string& bytes) {
    const std::string path = TempPath("zv-bytes.bmp");
    std::ofstream(path, std::ios::binary) << bytes;
    return LoadAndRemove(path);
}

// A shown window of a class of its own, in the background colour given; and
// the picture its snapshot loads back as.
HWND PlainWindow(const char* className, int background, DWORD style, int width, int height) {
    EXPECT_NE(RegisterClassOf(className, DefWindowProcA, background), 0);
    return CreateWindowExA(0, className, "", style | WS_VISIBLE, 0, 0, width, height, 0, 0, 0,
                           nullptr);
}

std::shared_ptr<Picture> Snapshot(HWND hwnd) {
    UpdateWindow(hwnd);
    const std::string path = TempPath("zv-snapshot.png");
    EXPECT_TRUE(driver::SnapshotWindow(hwnd, path));
    return LoadAndRemove(path);
}

// A PNG signature and a header declaring a square of `side` bytes (8-bit
// RGBA), with its checksum, padded to 100 bytes.
std::string PngDeclaring(const char* side, const char* checksum) {
    std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) + std::string(side, 4) +
                      std::string(side, 4) + std::string("\x08\x06\0\0\0", 5) +
                      std::string(checksum, 4);
    return png + std::string(100 - png.size(), '\0');
}

// Files that are no pictures, or hostile ones, fail with the platform's
// numbers, without reading past their end or allocating what they declare.
TEST_F(DrawText, BadAndHostilePictureFilesFailWithThePlatformsNumbers) {
    const std::string bmpHeader =
        std::string("BM\x3A\0\0\0\0\0\0\0\x36\0\0\0", 14) + std::string("\x28\0\0\0\x01\0\0\0", 8);
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"no picture at all", "not a picture at all"},
        // An icon whose PNG image declares 4,096 bytes at 22; the file ends
        // after the signature.
        {"ico-short-png", std::string("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0", 14) +
                              std::string("\0\x10\0\0\x16\0\0\0\x89PNG\r\n\x1A\n", 16)},
        {"png-million", PngDeclaring("\0\x0F\x42\x40", "\x5C\x6D\x38\x7D")},
        {"png-twenty-thousand", PngDeclaring("\0\0\x4E\x20", "\xE3\x70\x46\x39")},
        // Height 0x80000000, which has no positive counterpart.
        {"bmp-smallest-height",
         bmpHeader + std::string("\0\0\0\x80\1\0\x18\0", 8) + std::string(28, '\0')},
    };
    for (const auto& file : files) {
        EXPECT_EQ(ErrorNumberOf([&] { PictureFromBytes(file.bytes); }), 481) << file.name;
    }
    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(ErrorNumberOf([&] { LoadPicture(std::wstring(folder.begin(), folder.end())); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { LoadPicture(L"/nonexistent/none.bmp"); }), 53);
}

TEST_F(DrawText, APictureFromABitmapFileHasItsPixelsAndHiMetricSize) {
    // A 2 x 1 bitmap, 24 bits: blue then red (rows from the bottom, BGR).
    std::string bmp = std::string("BM") + std::string(4, '\0') + std::string(4, '\0') +
                      std::string("\x36\0\0\0", 4);
    const char info[] = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                         8,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0};
    bmp += std::string(info, sizeof info);
    bmp += std::string("\xFF\0\0\0\0\xFF\0\0", 8);
    const auto picture = PictureFromBytes(bmp);
    ASSERT_EQ(picture->Type(), PictureType::Bitmap);
    EXPECT_EQ(picture->Width(), 53);  // 2 pixels: 2 * 2540 / 96 = 52.9
    EXPECT_EQ(Picture::PixelsFromHiMetric(picture->Width()), 2);
    const HGDIOBJ previous = SelectObject(m_dc, picture->Handle());
    EXPECT_EQ(GetPixel(m_dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(m_dc, 1, 0), RGB(255, 0, 0));
    SelectObject(m_dc, previous);
}

TEST_F(DrawText, SnapshotsShowTheWindowAsPaintedAndLoadBackAsPictures) {
    ZV_REQUIRES_HEADLESS("snapshots");
    const HWND top = PlainWindow("ZvSnapped", COLOR_HIGHLIGHT, WS_CAPTION | WS_THICKFRAME, 120, 90);
    const auto picture = Snapshot(top);
    EXPECT_EQ(Picture::PixelsFromHiMetric(picture->Width()), 120);
    const HGDIOBJ previous = SelectObject(m_dc, picture->Handle());
    const RECT client = ClientRectOf(top);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(top, &centre);
    EXPECT_EQ(GetPixel(m_dc, centre.x, centre.y), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(GetPixel(m_dc, 0, 0), GetSysColor(COLOR_HIGHLIGHT));  // the frame
    SelectObject(m_dc, previous);
}

// A scroll bar shows its trough, its end buttons and, with room to scroll, a
// thumb where the position lies.
TEST_F(DrawText, SnapshotsShowScrollBarsWithTheirThumb) {
    ZV_REQUIRES_HEADLESS("snapshots");
    const HWND top = PlainWindow("ZvScrolled", COLOR_WINDOW, WS_POPUP | WS_VSCROLL, 100, 116);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 99;
    info.nPage = 50;
    info.nPos = 50;  // the bottom half: the thumb is in the lower part of the track
    SetScrollInfo(top, SB_VERT, &info, TRUE);
    const auto picture = Snapshot(top);
    const HGDIOBJ previous = SelectObject(m_dc, picture->Handle());
    const int x = 100 - 8;                                         // the middle of the 16-pixel bar
    EXPECT_EQ(GetPixel(m_dc, x, 12), GetSysColor(COLOR_BTNFACE));  // the up button, below its arrow
    // The track checkered above the thumb, the thumb plain.
    EXPECT_NE(GetPixel(m_dc, x, 30), GetPixel(m_dc, x + 1, 30));
    EXPECT_EQ(GetPixel(m_dc, x, 80), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(m_dc, x + 1, 80), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(m_dc, 40, 58), GetSysColor(COLOR_WINDOW));  // the client area
    SelectObject(m_dc, previous);
}

}  // namespace
}  // namespace zv::test
