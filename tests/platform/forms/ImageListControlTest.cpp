// The image list control: its pictures by place and key, the size they
// share, the platform's image list made of them, and its file.

#include <memory>

#include "ErrorNumber.h"
#include "FormsFixture.h"
#include "MemoryDc.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/ImageListConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using namespace zv::win;

constexpr COLORREF kSilver = RGB(192, 192, 192);  // the default mask colour

// A bitmap picture of the colour, its left half in another.
std::shared_ptr<zv::Picture> Bitmap(int side, COLORREF right, COLORREF left) {
    MemoryDc picture(side, side, right);
    picture.Fill(left, RECT{0, 0, side / 2, side});
    return std::make_shared<zv::Picture>(PictureType::Bitmap, picture.Release());
}

// A green icon, transparent in its left half.
std::shared_ptr<zv::Picture> Icon(int side) {
    MemoryDc mask(side, side, true);
    mask.Fill(kBlack, RECT{0, 0, side, side});
    mask.Fill(kWhite, RECT{0, 0, side / 2, side});
    MemoryDc colour(side, side, kGreen);
    return std::make_shared<zv::Picture>(PictureType::Icon, colour.Release(), mask.Release());
}

// Image i of the platform's list drawn on blue: the pixels of its left
// and right halves.
std::pair<COLORREF, COLORREF> Drawn(ImageList& images, int index) {
    MemoryDc canvas(32, 32, kBlue);
    ImageList_Draw(images.hImageList(), index, canvas.Dc(), 0, 0, ILD_NORMAL);
    return {canvas.At(1, 1), canvas.At(images.ImageWidth() - 1, 1)};
}

TEST_F(FormsTest, AnImageListFindsItsPicturesByPlaceAndKey) {
    Form form;
    auto images = form.Add<ImageList>(L"imlIcons");
    EXPECT_FALSE(images->Visible());
    ListImages& list = images->Images();
    list.Add(L"Panel", Bitmap(16, kRed, kRed));
    list.Add(L"", Bitmap(16, kBlue, kBlue));
    list.Add(L"Sensor", Icon(16));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(L"SENSOR")->Index(), 3);
    EXPECT_EQ(ErrorNumberOf([&] { list.Add(L"panel", Bitmap(16, kRed, kRed)); }), 35602);
    EXPECT_EQ(ErrorNumberOf([&] { list.Add(L"None", nullptr); }), 481);
    EXPECT_EQ(ErrorNumberOf([&] { list.Item(L"Missing"); }), 35601);
    EXPECT_EQ(ErrorNumberOf([&] { list.Item(4); }), 35600);
    list.Remove(1);
    EXPECT_EQ(list.Item(L"Sensor")->Index(), 2);
    EXPECT_EQ(list.Item(1)->Key(), L"");
}

// The first picture gives the size, which then stays while the list holds
// pictures.
TEST_F(FormsTest, AnImageListsSizeIsFixedByItsPictures) {
    Form form;
    auto images = form.Add<ImageList>(L"iml");
    EXPECT_EQ(ErrorNumberOf([&] { images->SetImageWidth(-1); }), 380);
    images->Images().Add(L"", Bitmap(24, kRed, kRed));
    EXPECT_EQ(images->ImageWidth(), 24);
    EXPECT_EQ(images->ImageHeight(), 24);
    EXPECT_EQ(ErrorNumberOf([&] { images->SetImageHeight(16); }), 35611);
    images->Images().Clear();
    images->SetImageHeight(16);
    images->SetImageWidth(8);
    images->Images().Add(L"", Bitmap(24, kRed, kRed));
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(images->hImageList(), &cx, &cy);
    EXPECT_EQ(cx, 8);
    EXPECT_EQ(cy, 16);
}

// Bitmaps show through their mask colour while UseMaskColor holds, icons
// through their masks; the pictures themselves are left as they were.
TEST_F(FormsTest, AnImageListMakesThePlatformsListOfItsPictures) {
    Form form;
    auto images = form.Add<ImageList>(L"iml");
    const auto picture = Bitmap(16, kRed, kSilver);
    images->Images().Add(L"Keyed", picture);
    images->Images().Add(L"Icon", Icon(32));
    EXPECT_EQ(ImageList_GetImageCount(images->hImageList()), 2);
    EXPECT_EQ(Drawn(*images, 0), std::pair(kBlue, kRed));
    EXPECT_EQ(Drawn(*images, 1), std::pair(kBlue, kGreen));
    images->SetUseMaskColor(false);
    EXPECT_EQ(Drawn(*images, 0), std::pair(kSilver, kRed));
    images->SetUseMaskColor(true);
    images->SetMaskColor(0x000000FF);  // red
    EXPECT_EQ(Drawn(*images, 0), std::pair(kSilver, kBlue));
    MemoryDc reader(1, 1);
    SelectObject(reader.Dc(), picture->Handle());
    EXPECT_EQ(GetPixel(reader.Dc(), 0, 0), kSilver);
    SelectObject(reader.Dc(), reader.Release());
}

TEST_F(FormsTest, AnImageListSurvivesItsTextFile) {
    Form form(L"frmImages");
    auto images = form.Add<ImageList>(L"imlDevices");
    images->SetMaskColor(0x00FF00FF);
    images->SetUseMaskColor(false);
    images->Images().Add(L"Panel", Bitmap(8, kRed, kYellow))->SetTag(L"touch panel");
    images->Images().Add(L"", Icon(8));
    PropertyBag bag(L"Form", L"frmImages");
    form.WriteTo(bag);

    Form again;
    again.ReadFrom(*ReadFormText(WriteFormText(bag)));
    auto& read = again.Get<ImageList>(L"imlDevices");
    EXPECT_FALSE(read.Visible());
    EXPECT_EQ(read.MaskColor(), 0x00FF00FFu);
    EXPECT_FALSE(read.UseMaskColor());
    ASSERT_EQ(read.Images().Count(), 2);
    EXPECT_EQ(read.Images().Item(L"Panel")->Tag(), L"touch panel");
    EXPECT_EQ(read.Images().Item(2)->Picture()->Type(), PictureType::Icon);
    EXPECT_EQ(Drawn(read, 0), std::pair(kYellow, kRed));
    EXPECT_EQ(Drawn(read, 1), std::pair(kBlue, kGreen));

    const auto missing = ReadFormText(
        L"Begin Form frmBad\r\nBegin ImageList iml\r\nNumListImages = 1\r\nEnd\r\nEnd\r\n");
    Form broken;
    EXPECT_EQ(ErrorNumberOf([&] { broken.ReadFrom(*missing); }), 380);
}

}  // namespace
}  // namespace zv::test
