// Image lists: how bitmaps and icons become images, and how the images draw,
// through their masks and highlighted, checked pixel by pixel.

#include <array>
#include <utility>
#include <vector>

#include "MemoryDc.h"
#include "Pixels.h"
#include "PlatformTest.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/ImageListApi.h"
#include "platform/win/ImageListConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr int kSide = 8;
constexpr UINT kMasked = ILC_COLOR32 | ILC_MASK;
// Stands for the system's highlight colour in the tables.
constexpr COLORREF kLit = 0xFF000000;

// A bitmap of the colour, its left half in another.
HBITMAP Picture(int width, int height, COLORREF right, COLORREF left) {
    MemoryDc picture(width, height, right);
    picture.Fill(left, RECT{0, 0, width / 2, height});
    return picture.Release();
}

HBITMAP Picture(int width, int height, COLORREF colour) {
    return Picture(width, height, colour, colour);
}

// A one-bit mask, transparent (1) in its left half.
HBITMAP HalfMask(int side) {
    MemoryDc mask(side, side, true);
    mask.Fill(kBlack, RECT{0, 0, side, side});
    mask.Fill(kWhite, RECT{0, 0, side / 2, side});
    return mask.Release();
}

// A green icon, transparent in its left half.
HICON HalfIcon(int side) {
    const ICONINFO info{TRUE, 0, 0, HalfMask(side), Picture(side, side, kGreen)};
    const HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return icon;
}

class ImageLists : public PlatformTest {
  protected:
    void TearDown() override {
        for (HIMAGELIST list : lists) {
            ImageList_Destroy(list);
        }
        PlatformTest::TearDown();
    }

    HIMAGELIST List(UINT flags) {
        lists.push_back(ImageList_Create(kSide, kSide, flags, 1, 1));
        return lists.back();
    }

    std::vector<HIMAGELIST> lists;
};

TEST_F(ImageLists, AListHasASizeAndCountsItsImages) {
    for (const auto& [cx, cy] : {std::pair{0, 16}, std::pair{-1, 16}, std::pair{16, 0}}) {
        EXPECT_EQ(ImageList_Create(cx, cy, kMasked, 1, 1), 0) << cx << "x" << cy;
    }
    const HIMAGELIST list = List(kMasked);
    ASSERT_NE(list, 0);
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, kSide);
    EXPECT_EQ(cy, kSide);
    EXPECT_FALSE(ImageList_GetIconSize(list, nullptr, &cy));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_EQ(ImageList_GetImageCount(0), 0);
    EXPECT_FALSE(ImageList_Destroy(0));
}

// A bitmap gives as many images as the list's width fits into it whole; the
// answer is the index the first would have.
TEST_F(ImageLists, ABitmapIsCutIntoWholeImages) {
    struct Case {
        int width;
        int height;
        int index;
        int count;
    };
    const std::array kBitmaps = {
        Case{24, 8, 0, 3},
        Case{20, 8, 3, 5},
        Case{4, 8, 5, 5},
        Case{8, 16, 5, 6},
    };
    const HIMAGELIST list = List(kMasked);
    for (const Case& bitmap : kBitmaps) {
        const HBITMAP picture = Picture(bitmap.width, bitmap.height, kRed);
        EXPECT_EQ(ImageList_Add(list, picture, 0), bitmap.index) << bitmap.width;
        EXPECT_EQ(ImageList_GetImageCount(list), bitmap.count) << bitmap.width;
        DeleteObject(picture);
    }
    const HBITMAP picture = Picture(kSide, kSide, kRed);
    EXPECT_EQ(ImageList_Add(list, 0, 0), -1);
    EXPECT_EQ(ImageList_Add(0, picture, 0), -1);
    DeleteObject(picture);
}

TEST_F(ImageLists, AnIconReplacesAnImageOrAddsOne) {
    const HIMAGELIST list = List(kMasked);
    const HBITMAP picture = Picture(3 * kSide, kSide, kRed);
    ImageList_Add(list, picture, 0);
    const HICON icon = HalfIcon(kSide);
    struct Case {
        int index;
        int answer;
    };
    for (const Case& replace : {Case{-1, 3}, Case{0, 0}, Case{99, -1}, Case{-2, -1}}) {
        EXPECT_EQ(ImageList_ReplaceIcon(list, replace.index, icon), replace.answer)
            << replace.index;
    }
    EXPECT_EQ(ImageList_ReplaceIcon(list, -1, 0), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 4);
    EXPECT_TRUE(DestroyIcon(icon));
    DeleteObject(picture);
}

// The platform's documentation leaves only -1 for adding; Wine answers the
// index just past the last image as if it had replaced one there, and adds
// nothing.
TEST_F(ImageLists, AnIconDoesNotReplaceAnImagePastTheLast) {
    ZV_KNOWN_WIN32_DIFFERENCE("Wine answers the index past the last image and adds nothing");
    const HIMAGELIST list = List(kMasked);
    const HICON icon = HalfIcon(kSide);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, icon), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    DestroyIcon(icon);
}

// The key colour becomes the mask, and black in the bitmap given.
TEST_F(ImageLists, AddingWithAKeyColourBlackensItInTheBitmap) {
    const HBITMAP picture = Picture(kSide, kSide, kRed, kMagenta);
    EXPECT_EQ(ImageList_AddMasked(List(kMasked), picture, kMagenta), 0);
    MemoryDc reader(1, 1);
    SelectObject(reader.Dc(), picture);
    EXPECT_TRUE(PixelsAre([&](int x, int y) { return GetPixel(reader.Dc(), x, y); },
                          {Pixel(0, 0, kBlack), Pixel(7, 7, kRed)}));
    SelectObject(reader.Dc(), reader.Release());
    DeleteObject(picture);
}

// How one image of each kind draws on blue at a point: pixels in the
// picture's left half (transparent where there is a mask) and right half.
enum class Source { HalfMask, NoMask, KeyColour, Icon, LargeIcon };

struct DrawCase {
    const char* name;
    UINT flags;
    Source source;
    UINT style;
    int x;
    int y;
    std::array<ExpectedPixel, 4> pixels;
};

constexpr std::array<ExpectedPixel, 4> Four(ExpectedPixel a, ExpectedPixel b, ExpectedPixel c,
                                            ExpectedPixel d) {
    return {a, b, c, d};
}

// The highlight lies over every other opaque pixel for ILD_SELECTED, every
// other pixel of every other row for ILD_FOCUS, counted from the image's
// corner; a list without masks lights the pixels the pattern leaves out.
const DrawCase kDrawCases[] = {
    {"MaskNormal", kMasked, Source::HalfMask, ILD_NORMAL, 2, 0,
     Four(Pixel(3, 2, kBlue), Pixel(5, 2, kBlue), Pixel(6, 2, kRed), Pixel(10, 2, kBlue))},
    {"MaskTransparent", kMasked, Source::HalfMask, ILD_TRANSPARENT, 2, 0,
     Four(Pixel(1, 2, kBlue), Pixel(5, 2, kBlue), Pixel(6, 2, kRed), Pixel(9, 2, kRed))},
    {"NoMaskInAMaskedList", kMasked, Source::NoMask, ILD_NORMAL, 2, 0,
     Four(Pixel(1, 2, kBlue), Pixel(2, 2, kRed), Pixel(9, 2, kRed), Pixel(10, 2, kBlue))},
    {"KeyColour", kMasked, Source::KeyColour, ILD_TRANSPARENT, 2, 0,
     Four(Pixel(2, 2, kBlue), Pixel(5, 2, kBlue), Pixel(6, 2, kRed), Pixel(9, 2, kRed))},
    {"Icon", kMasked, Source::Icon, ILD_NORMAL, 2, 0,
     Four(Pixel(2, 2, kBlue), Pixel(5, 2, kBlue), Pixel(6, 2, kGreen), Pixel(9, 2, kGreen))},
    {"LargeIconScaled", kMasked, Source::LargeIcon, ILD_NORMAL, 2, 0,
     Four(Pixel(2, 2, kBlue), Pixel(5, 2, kBlue), Pixel(6, 2, kGreen), Pixel(9, 2, kGreen))},
    {"ListWithoutMasks", ILC_COLOR24, Source::HalfMask, ILD_TRANSPARENT, 2, 0,
     Four(Pixel(1, 2, kBlue), Pixel(2, 2, kRed), Pixel(9, 2, kRed), Pixel(10, 2, kBlue))},
    {"KeyColourWithoutMasks", ILC_COLOR24, Source::KeyColour, ILD_NORMAL, 2, 0,
     Four(Pixel(1, 2, kBlue), Pixel(2, 2, kBlack), Pixel(5, 2, kBlack), Pixel(6, 2, kRed))},
    {"SelectedMasked", kMasked, Source::HalfMask, ILD_SELECTED, 2, 0,
     Four(Pixel(5, 2, kBlue), Pixel(6, 2, kRed), Pixel(7, 2, kLit), Pixel(6, 3, kLit))},
    {"SelectedMaskedElsewhere", kMasked, Source::HalfMask, ILD_SELECTED, 3, 1,
     Four(Pixel(6, 1, kBlue), Pixel(7, 1, kRed), Pixel(8, 1, kLit), Pixel(7, 2, kLit))},
    {"SelectedWithoutMasks", ILC_COLOR24, Source::NoMask, ILD_SELECTED, 3, 1,
     Four(Pixel(3, 1, kLit), Pixel(4, 1, kRed), Pixel(3, 2, kRed), Pixel(4, 2, kLit))},
    {"FocusMasked", kMasked, Source::HalfMask, ILD_FOCUS, 3, 1,
     Four(Pixel(6, 1, kBlue), Pixel(7, 1, kLit), Pixel(8, 1, kRed), Pixel(7, 2, kRed))},
    {"FocusWithoutMasks", ILC_COLOR24, Source::NoMask, ILD_FOCUS, 2, 0,
     Four(Pixel(2, 0, kRed), Pixel(3, 0, kLit), Pixel(2, 1, kLit), Pixel(3, 2, kRed))},
};

void AddImage(HIMAGELIST list, Source source) {
    if (source == Source::Icon || source == Source::LargeIcon) {
        const HICON icon = HalfIcon(source == Source::Icon ? kSide : 2 * kSide);
        ASSERT_EQ(ImageList_ReplaceIcon(list, -1, icon), 0);
        DestroyIcon(icon);
        return;
    }
    const HBITMAP picture = source == Source::KeyColour ? Picture(kSide, kSide, kRed, kMagenta)
                                                        : Picture(kSide, kSide, kRed);
    const HBITMAP mask = source == Source::HalfMask ? HalfMask(kSide) : 0;
    ASSERT_EQ(source == Source::KeyColour ? ImageList_AddMasked(list, picture, kMagenta)
                                          : ImageList_Add(list, picture, mask),
              0);
    DeleteObject(picture);
    DeleteObject(mask);
}

TEST_F(ImageLists, ImagesDrawThroughTheirMasks) {
    for (const DrawCase& drawn : kDrawCases) {
        SCOPED_TRACE(drawn.name);
        const HIMAGELIST list = List(drawn.flags);
        AddImage(list, drawn.source);
        MemoryDc canvas(16, 12, kBlue);
        ASSERT_TRUE(ImageList_Draw(list, 0, canvas.Dc(), drawn.x, drawn.y, drawn.style));
        for (const ExpectedPixel& pixel : drawn.pixels) {
            const COLORREF colour =
                pixel.colour == kLit ? GetSysColor(COLOR_HIGHLIGHT) : pixel.colour;
            EXPECT_TRUE(canvas.Has({Pixel(pixel.x, pixel.y, colour)}));
        }
        EXPECT_FALSE(ImageList_Draw(list, 1, canvas.Dc(), 0, 0, ILD_NORMAL));
        EXPECT_FALSE(ImageList_Draw(list, -1, canvas.Dc(), 0, 0, ILD_NORMAL));
    }
}

}  // namespace
}  // namespace zv::test
