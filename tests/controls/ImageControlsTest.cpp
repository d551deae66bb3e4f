// ctlImage and ImageSelect on a shown form: what they draw, read back pixel
// by pixel from their windows; ImageSelect's catalogue look-ups, its texts
// and its persisted properties.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "Pixels.h"
#include "PlatformTest.h"
#include "controls/ImageSelect.h"
#include "controls/RegisterControls.h"
#include "controls/ctlImage.h"
#include "platform/automation/AutomationObject.h"
#include "platform/automation/Collection.h"
#include "platform/driver/Driver.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using namespace zv::win;

constexpr COLORREF kGrey = RGB(200, 200, 200);

// 32-bit pixels as CreateBitmap takes them: 0x00RRGGBB.
std::uint32_t Bits(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// A square bitmap of one colour with one pixel of another.
std::shared_ptr<Picture> BitmapWithDot(int size, COLORREF colour, POINT dot, COLORREF dotColour) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size), Bits(colour));
    pixels[static_cast<std::size_t>(dot.y * size + dot.x)] = Bits(dotColour);
    return std::make_shared<Picture>(PictureType::Bitmap,
                                     CreateBitmap(size, size, 1, 32, pixels.data()));
}

// Transparent, green / blue, transparent.
std::shared_ptr<Picture> DiagonalIcon() {
    const std::uint32_t pixels[] = {0, Bits(kGreen), Bits(kBlue), 0};
    const unsigned char mask[] = {0x80, 0x00, 0x40, 0x00};
    return std::make_shared<Picture>(PictureType::Icon, CreateBitmap(2, 2, 1, 32, pixels),
                                     CreateBitmap(2, 2, 1, 1, mask));
}

// A shown form, 200 by 120 pixels inside, with a green image control.
class ImageControl : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        form = std::make_unique<Form>(L"frmImages");
        form->SetBackColor(kGrey);
        form->SetClientSize(TwipsX(200), TwipsY(120));
        image = form->Add<ctlImage>(L"ctlImage1");
        image->Move(TwipsX(10), TwipsY(10), TwipsX(50), TwipsY(50));
        image->SetBackColor(kGreen);
        form->Show();
        UpdateWindow(form->hWnd());
    }
    void TearDown() override {
        image.reset();
        form.reset();
        PlatformTest::TearDown();
    }

    testing::AssertionResult Shows(std::initializer_list<ExpectedPixel> expected) const {
        return PixelsAre([this](int x, int y) { return PixelOf(image->hwnd(), x, y); }, expected);
    }

    // The control's size in pixels (width, height), then in twips.
    std::array<int, 4> Size() const {
        return {image->GetWidth_InPixels(), image->GetHeight_InPixels(), image->Width(),
                image->Height()};
    }

    std::unique_ptr<Form> form;
    std::shared_ptr<ctlImage> image;
};

TEST_F(ImageControl, ABitmapTakesItsOwnSizeAndLeavesTheMaskColourOut) {
    image->SetPicture(BitmapWithDot(4, kRed, {1, 2}, kMagenta));
    EXPECT_EQ(Size(), (std::array{4, 4, TwipsX(4), TwipsY(4)}));
    EXPECT_EQ(PixelsOf(image->hwnd(), kRed), 15);
    EXPECT_EQ(PixelOf(image->hwnd(), 1, 2), kGreen);

    image->SetMaskColor(kRed);
    image->ReDraw();
    EXPECT_EQ(PixelsOf(image->hwnd(), kGreen), 15);
    EXPECT_EQ(PixelOf(image->hwnd(), 1, 2), kMagenta);
}

TEST_F(ImageControl, SetHeightAppliesAtTheNextRepaintAGivenSizeAtOnceAndNoPictureMeansNone) {
    image->SetPicture(BitmapWithDot(40, kRed, {0, 0}, kRed));
    image->SetHeight(10, 20);
    EXPECT_EQ(image->Width(), TwipsX(40));  // no repaint yet
    image->ReDraw();
    EXPECT_EQ(Size(), (std::array{10, 20, TwipsX(10), TwipsY(20)}));
    EXPECT_EQ(PixelsOf(image->hwnd(), kRed), 200);

    // A given size is used as it is, and no picture means no size.
    image->SetPicture(BitmapWithDot(8, kRed, {0, 0}, kRed), 3, 5);
    EXPECT_EQ((std::array{Size()[0], Size()[1]}), (std::array{5, 3}));
    image->SetPicture(nullptr);
    EXPECT_EQ((std::array{Size()[0], Size()[1]}), (std::array{0, 0}));
    EXPECT_EQ(PixelsOf(image->hwnd(), kRed), 0);
}

TEST_F(ImageControl, OffsetsShowAWindowOfALargerBitmapAtAChosenPlace) {
    image->SetPicture(BitmapWithDot(8, kRed, {4, 4}, kBlue), 4, 4);
    image->SetSourceOffset(4, 4);
    image->SetDestinationOffset(1, 1);
    image->ReDraw();
    EXPECT_TRUE(
        Shows({Pixel(0, 0, kGreen), Pixel(1, 1, kBlue), Pixel(2, 1, kRed), Pixel(3, 3, kRed)}));
}

TEST_F(ImageControl, IconsShowThroughTheImageControlAtTheirOwnSizeWithoutOffsets) {
    const auto icon = DiagonalIcon();
    image->SetSourceOffset(1, 1);
    image->SetDestinationOffset(3, 3);
    image->SetPicture(icon);
    Image& shown = image->IconImage();
    EXPECT_TRUE(shown.Visible());
    EXPECT_EQ(shown.Picture(), icon);
    EXPECT_EQ((std::array{shown.Left(), shown.Top(), shown.Width(), shown.Height()}),
              (std::array{0, 0, TwipsX(2), TwipsY(2)}));
    // The control's green, the icon's own green, its blue.
    EXPECT_TRUE(Shows({Pixel(0, 0, kGreen), Pixel(1, 0, kGreen), Pixel(0, 1, kBlue)}));

    image->SetPicture(BitmapWithDot(2, kRed, {0, 0}, kRed));
    EXPECT_FALSE(shown.Visible());
}

TEST_F(ImageControl, AClickOnTheControlOrItsIconIsTheControlsClick) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    int clicks = 0;
    image->Click.Connect([&] { ++clicks; });
    image->SetPicture(DiagonalIcon());
    image->Move(image->Left(), image->Top(), TwipsX(50), TwipsY(50));  // room beside the icon
    POINT origin{0, 0};
    ClientToScreen(image->hwnd(), &origin);
    driver::Click(origin.x + 1, origin.y);
    driver::Click(origin.x + 30, origin.y + 30);
    EXPECT_EQ(clicks, 2);
}

// ---- ImageSelect ----

// A catalogue entry as a host makes one: Name, Image and Description.
class DeviceType : public AutomationObject {
  public:
    DeviceType(std::wstring name, std::wstring image, std::wstring description)
        : m_name(std::move(name)),
          m_image(std::move(image)),
          m_description(std::move(description)) {
        Expose(1, L"Name").Get([this] { return Variant(m_name); });
        Expose(2, L"Image").Get([this] { return Variant(m_image); });
        Expose(3, L"Description").Get([this] { return Variant(m_description); });
    }

  private:
    std::wstring m_name;
    std::wstring m_image;
    std::wstring m_description;
};

// A one-pixel 24-bit BMP file of a colour.
void WriteOnePixelBmp(const std::filesystem::path& path, COLORREF colour) {
    std::array<unsigned char, 58> bytes{'B', 'M', 58};  // and the file's size
    bytes[10] = 54;                                     // where the pixels start
    bytes[14] = 40;                                     // the info header's size
    bytes[18] = bytes[22] = 1;                          // one pixel wide and high
    bytes[26] = 1;                                      // one plane
    bytes[28] = 24;                                     // bits per pixel
    bytes[34] = 4;                                      // the pixels' size: one row, padded
    bytes[54] = GetBValue(colour);
    bytes[55] = GetGValue(colour);
    bytes[56] = GetRValue(colour);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

constexpr const wchar_t* kNotFound = L"Can not find device. Reinstall the Zarvane Database.";

class ImageSelectTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        // One folder per case: ctest runs cases side by side.
        folder = std::filesystem::temp_directory_path() /
                 ("zv-image-select-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        WriteOnePixelBmp(folder / "panel.bmp", kRed);
        catalogue = std::make_shared<Collection<Variant>>();
        catalogue->Add(Variant(std::make_shared<DeviceType>(L"Panel", L"panel.bmp", L"A panel")));
        catalogue->Add(Variant(std::make_shared<DeviceType>(L"Dimmer", L"none.bmp", L"A dimmer")));
        catalogue->Add(Variant(std::make_shared<DeviceType>(L"Panel", L"none.bmp", L"Later")));
        form = std::make_unique<Form>(L"frmSelect");
        select = form->Add<ImageSelect>(L"ImageSelect1");
        EXPECT_FALSE(select->SetCollection(catalogue));
        select->SetImagePath(folder.wstring() + L"/");
    }
    void TearDown() override {
        select.reset();
        form.reset();
        std::filesystem::remove_all(folder);
        PlatformTest::TearDown();
    }

    std::filesystem::path folder;
    std::shared_ptr<Collection<Variant>> catalogue;
    std::unique_ptr<Form> form;
    std::shared_ptr<ImageSelect> select;
};

TEST_F(ImageSelectTest, AGoodEntryShowsItsPictureDescriptionAndNameAndAnEmptyOneNothing) {
    EXPECT_EQ(select->GetLastError(), L"Error loading image.");
    EXPECT_TRUE(select->SetCurrent(L""));  // an empty type succeeds and changes nothing
    EXPECT_FALSE(select->PictureSelected().Picture());
    EXPECT_EQ(select->LabelDescription().Caption(), L"");
    EXPECT_TRUE(select->SetCurrent(L"Panel"));
    const auto& picture = select->PictureSelected().Picture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Type(), PictureType::Bitmap);
    EXPECT_EQ(Picture::PixelsFromHiMetric(picture->Width()), 1);
    EXPECT_EQ(select->LabelDescription().Caption(), L"A panel");  // the first "Panel"
    EXPECT_EQ(select->PictureSelected().ToolTipText(), L"Panel");
    EXPECT_EQ(select->GetLastError(), L"Error loading image.");
}

TEST_F(ImageSelectTest, AnUnknownTypeKeepsWhatIsShownAndSaysWhy) {
    ASSERT_TRUE(select->SetCurrent(L"Panel"));
    const auto shown = select->PictureSelected().Picture();
    EXPECT_FALSE(select->SetCurrent(L"panel"));  // names compare with case
    EXPECT_EQ(select->GetLastError(), kNotFound);
    EXPECT_EQ(select->PictureSelected().Picture(), shown);
    EXPECT_EQ(select->LabelDescription().Caption(), L"A panel");
    EXPECT_EQ(select->PictureSelected().ToolTipText(), L"Panel");
}

TEST_F(ImageSelectTest, AMissingFileNamesItselfInTheError) {
    ASSERT_TRUE(select->SetCurrent(L"Panel"));
    EXPECT_FALSE(select->SetCurrent(L"Dimmer"));
    EXPECT_EQ(select->GetLastError(),
              L"Error opening database image file: " + folder.wstring() +
                  L"/none.bmp\n\nPlease verify the Zarvane Database path and/or reinstall the "
                  L"Zarvane Database.");
    EXPECT_EQ(select->LabelDescription().Caption(), L"A panel");
}

// An entry whose Name runs host code before it answers "Other".
class MeddlingType : public AutomationObject {
  public:
    explicit MeddlingType(std::function<void()> meddle) {
        Expose(1, L"Name").Get([meddle] {
            meddle();
            return Variant(L"Other");
        });
    }
};

TEST_F(ImageSelectTest, HostsAndFilesThatFailUnderneathGetFalseAndNothingRaised) {
    // No Image: the file is the folder itself.
    catalogue->Add(Variant(std::make_shared<DeviceType>(L"Folder", L"", L"None")));
    EXPECT_FALSE(select->SetCurrent(L"Folder"));
    EXPECT_EQ(select->GetLastError().find(L"Error opening database image file: "), 0u);

    // A Name that adds entries moves the catalogue's storage under the search.
    auto growing = std::make_shared<Collection<Variant>>();
    growing->Add(Variant(std::make_shared<MeddlingType>([&growing] {
        for (int i = 0; i < 64; ++i) {
            growing->Add(Variant(L"more"));
        }
    })));
    growing->Add(Variant(std::make_shared<DeviceType>(L"Panel", L"panel.bmp", L"A panel")));
    select->SetCollection(growing);
    EXPECT_TRUE(select->SetCurrent(L"Panel"));

    // A host that runs out of memory.
    auto failing = std::make_shared<Collection<Variant>>();
    failing->Add(Variant(std::make_shared<MeddlingType>([] { throw std::bad_alloc(); })));
    select->SetCollection(failing);
    EXPECT_FALSE(select->SetCurrent(L"Panel"));
    EXPECT_EQ(select->GetLastError(), L"Error loading image.");

    // An entry that is no object.
    auto broken = std::make_shared<Collection<Variant>>();
    broken->Add(Variant(L"Panel"));
    select->SetCollection(broken);
    EXPECT_FALSE(select->SetCurrent(L"Panel"));
    EXPECT_NE(select->GetLastError(), L"Error loading image.");

    // No catalogue: no type is found.
    EXPECT_FALSE(select->SetCollection(nullptr));
    EXPECT_FALSE(select->SetCurrent(L"Panel"));
    EXPECT_EQ(select->GetLastError(), kNotFound);
}

TEST_F(ImageSelectTest, SetCurrentLeavesTheHostsValuesAlone) {
    select->SetSelectedType(L"Dimmer");
    select->SetSelectedID(7);
    select->SetSelectedDescription(L"Hall");
    ASSERT_TRUE(select->SetCurrent(L"Panel"));
    EXPECT_EQ(select->SelectedType(), L"Dimmer");
    EXPECT_EQ(select->SelectedID(), 7);
    EXPECT_EQ(select->SelectedDescription(), L"Hall");
}

TEST_F(ImageSelectTest, EverySetterMarksItsPropertyChanged) {
    std::vector<std::wstring> changed;
    select->OnPropertyChanged.Connect([&](const std::wstring& name) { changed.push_back(name); });
    select->SetImagePath(Variant(L"C:\\Types\\"));
    select->SetSelectedDescription(L"Hall");
    select->SetSelectedID(3);
    select->SetSelectedType(L"Panel");
    EXPECT_EQ(changed, (std::vector<std::wstring>{L"ImagePath", L"SelectedDescription",
                                                  L"SelectedID", L"SelectedType"}));
}

TEST_F(ImageSelectTest, ThePropertiesGoThroughTheBagInTheirOrder) {
    select->SetSelectedType(L"Panel");
    select->SetSelectedID(3);
    select->SetSelectedDescription(L"Hall");
    PropertyBag bag(L"Form", L"frmSelect");
    form->WriteTo(bag);
    ASSERT_EQ(bag.Children().size(), 1u);
    std::vector<std::wstring> names;
    for (const auto& property : bag.Children()[0]->Properties()) {
        if (property.name == L"ImagePath" || property.name.starts_with(L"Selected")) {
            names.push_back(property.name);
        }
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"ImagePath", L"SelectedDescription", L"SelectedID",
                                                L"SelectedType"}));

    RegisterControls();
    Form again(L"frmSelect");
    again.ReadFrom(bag);
    auto& loaded = again.Get<ImageSelect>(L"ImageSelect1");
    EXPECT_EQ(loaded.ImagePath().ToText(), folder.wstring() + L"/");
    EXPECT_EQ(loaded.SelectedDescription(), L"Hall");
    EXPECT_EQ(loaded.SelectedID(), 3);
    EXPECT_EQ(loaded.SelectedType(), L"Panel");
    EXPECT_FALSE(loaded.HasChanges());
}

TEST_F(ImageSelectTest, ANewInstanceWritesNoneOfItsDefaults) {
    auto fresh = form->Add<ImageSelect>(L"ImageSelect2");
    PropertyBag bag(L"ImageSelect", L"ImageSelect2");
    fresh->WriteProperties(bag);
    for (const auto& property : bag.Properties()) {
        EXPECT_FALSE(property.name == L"ImagePath" || property.name.starts_with(L"Selected"))
            << "wrote " << std::string(property.name.begin(), property.name.end());
    }
}

TEST_F(ImageSelectTest, AClickOnThePictureIsOnPictureClick) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    int clicks = 0;
    select->OnPictureClick.Connect([&] { ++clicks; });
    form->Show();
    UpdateWindow(form->hWnd());
    POINT origin{0, 0};
    ClientToScreen(select->PictureSelected().hWnd(), &origin);
    driver::Click(origin.x + 2, origin.y + 2);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace zv::test
