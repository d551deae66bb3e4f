// Shapes, lines, images and picture boxes as they appear on a shown form,
// read back pixel by pixel from the windows they are drawn on; their
// properties through property bags and form files; the values they refuse.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "ErrorNumber.h"
#include "Pixels.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/driver/Driver.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Shape.h"
#include "platform/forms/Twips.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using namespace zv::win;

constexpr COLORREF kGrey = RGB(200, 200, 200);

// 32-bit pixels as CreateBitmap takes them: 0x00RRGGBB.
constexpr std::uint32_t Bits(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// Red, green / blue, white.
std::shared_ptr<Picture> FourColourBitmap() {
    const std::uint32_t pixels[] = {Bits(kRed), Bits(kGreen), Bits(kBlue), Bits(kWhite)};
    return std::make_shared<Picture>(PictureType::Bitmap, CreateBitmap(2, 2, 1, 32, pixels));
}

// Transparent, green / blue, transparent: the colour image is black where
// the mask (rows padded to 16 bits) has 1.
std::shared_ptr<Picture> DiagonalIcon() {
    const std::uint32_t pixels[] = {0, Bits(kGreen), Bits(kBlue), 0};
    const unsigned char mask[] = {0x80, 0x00, 0x40, 0x00};
    return std::make_shared<Picture>(PictureType::Icon, CreateBitmap(2, 2, 1, 32, pixels),
                                     CreateBitmap(2, 2, 1, 1, mask));
}

// A bitmap of one colour.
std::shared_ptr<Picture> PlainBitmap(int width, int height, COLORREF colour) {
    const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height), Bits(colour));
    return std::make_shared<Picture>(PictureType::Bitmap,
                                     CreateBitmap(width, height, 1, 32, pixels.data()));
}

// A line's ends: X1, Y1, X2, Y2.
using Ends = std::array<int, 4>;
Ends EndsOf(const Line& line) {
    return {line.X1(), line.Y1(), line.X2(), line.Y2()};
}

// A form with a grey background, 200 by 120 pixels inside; controls are
// placed in pixels.
class GraphicalControls : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        m_form = std::make_unique<Form>(L"frmGraphics");
        m_form->SetBackColor(kGrey);
        m_form->SetClientSize(TwipsX(200), TwipsY(120));
    }
    void TearDown() override {
        m_form.reset();
        PlatformTest::TearDown();
    }

    Form& TheForm() { return *m_form; }

    template <typename T>
    std::shared_ptr<T> AddAt(const wchar_t* name, int x, int y, int width, int height,
                             ControlContainer* container = nullptr) {
        auto control = m_form->Add<T>(name, container);
        control->Move(TwipsX(x), TwipsY(y), TwipsX(width), TwipsY(height));
        return control;
    }

    // Shows the form if need be and paints whatever is invalid, the
    // children's windows included.
    void Paint() {
        if (!m_form->Visible()) {
            m_form->Show();
        }
        UpdateWindow(m_form->hWnd());
    }

    COLORREF At(int x, int y) const { return PixelOf(m_form->hWnd(), x, y); }
    testing::AssertionResult Shows(std::initializer_list<ExpectedPixel> expected) const {
        return PixelsAre([this](int x, int y) { return At(x, y); }, expected);
    }

    // How many pixels of a row (or, with `down`, a column) differ from the
    // background, from one place along it to another.
    int Covered(int across, int from, int to, bool down = false) const {
        int covered = 0;
        for (int along = from; along < to; ++along) {
            covered += (down ? At(across, along) : At(along, across)) != kGrey ? 1 : 0;
        }
        return covered;
    }

  private:
    std::unique_ptr<Form> m_form;
};

// ---- Shapes ----

TEST_F(GraphicalControls, AShapeIsFilledInsideItsBorder) {
    auto shape = AddAt<Shape>(L"shpBox", 10, 10, 40, 20);
    shape->SetFillStyle(fill_style::kSolid);
    shape->SetFillColor(kRed);
    shape->SetBorderColor(kBlue);
    Paint();
    EXPECT_TRUE(Shows({Pixel(10, 10, kBlue), Pixel(49, 29, kBlue), Pixel(30, 10, kBlue),
                       Pixel(30, 20, kRed), Pixel(9, 20, kGrey), Pixel(50, 20, kGrey),
                       Pixel(30, 30, kGrey)}));

    // A wide border stays inside the control, its corners round as wide
    // pens draw them.
    shape->SetBorderWidth(3);
    Paint();
    EXPECT_TRUE(Shows({Pixel(10, 10, kGrey), Pixel(11, 10, kBlue), Pixel(12, 12, kBlue),
                       Pixel(13, 13, kRed), Pixel(49, 29, kGrey), Pixel(48, 29, kBlue),
                       Pixel(50, 30, kGrey)}));

    // Without a border the fill reaches the edge.
    shape->SetBorderStyle(border_style::kTransparent);
    Paint();
    EXPECT_EQ(At(10, 10), kRed);
}

TEST_F(GraphicalControls, AShapeWithoutFillShowsItsBackgroundOrWhatLiesUnder) {
    auto shape = AddAt<Shape>(L"shpBox", 10, 10, 40, 20);
    shape->SetBorderColor(kBlue);
    Paint();
    EXPECT_EQ(At(30, 20), kGrey);  // transparent fill and background by default
    shape->SetBackColor(kYellow);
    shape->SetBackStyle(1);
    Paint();
    EXPECT_EQ(At(30, 20), kYellow);
    // A hatched fill is drawn solid in the fill colour.
    shape->SetFillStyle(fill_style::kLastHatch);
    shape->SetFillColor(kGreen);
    Paint();
    EXPECT_EQ(At(30, 20), kGreen);
}

TEST_F(GraphicalControls, ACircleIsRoundAndCentredInAWideControl) {
    auto circle = AddAt<Shape>(L"shpCircle", 20, 20, 100, 40);
    circle->SetKind(ShapeKind::Circle);
    circle->SetFillStyle(fill_style::kSolid);
    circle->SetFillColor(kRed);
    circle->SetBorderColor(kBlue);
    Paint();
    // A circle 40 pixels across, from x = 50 to 89.
    EXPECT_EQ(Covered(40, 20, 120), 40);
    EXPECT_EQ(Covered(70, 20, 60, true), 40);
    EXPECT_TRUE(Shows({Pixel(50, 40, kBlue), Pixel(89, 40, kBlue), Pixel(49, 40, kGrey),
                       Pixel(90, 40, kGrey), Pixel(70, 20, kBlue), Pixel(70, 59, kBlue),
                       Pixel(70, 40, kRed)}));
    EXPECT_TRUE(
        Shows({Pixel(51, 21, kGrey), Pixel(88, 58, kGrey)}));  // the corners of its square stay out

    circle->SetKind(ShapeKind::Oval);  // an oval fills the control's width
    Paint();
    EXPECT_EQ(Covered(40, 0, 200), 100);
}

TEST_F(GraphicalControls, ShapesAndLinesLetTheMouseThroughToWhatIsUnder) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    auto box = AddAt<PictureBox>(L"picUnder", 10, 10, 80, 60);
    auto shape = AddAt<Shape>(L"shpOver", 5, 5, 40, 30, box.get());
    auto line = AddAt<Line>(L"linOver", 5, 40, 40, 0, box.get());
    int boxClicks = 0;
    int otherClicks = 0;
    box->Click.Connect([&] { ++boxClicks; });
    shape->Click.Connect([&] { ++otherClicks; });
    line->Click.Connect([&] { ++otherClicks; });
    Paint();
    POINT origin{0, 0};
    ClientToScreen(box->hWnd(), &origin);

    driver::Click(origin.x + 20, origin.y + 20);
    driver::Click(origin.x + 20, origin.y + 40);

    EXPECT_EQ(boxClicks, 2);
    EXPECT_EQ(otherClicks, 0);
}

// ---- Lines ----

TEST_F(GraphicalControls, ALineCoversBothItsEndsAndItsBoxFollowsThem) {
    auto line = TheForm().Add<Line>(L"linSlope");
    line->SetEnds(TwipsX(30), TwipsY(20), TwipsX(10), TwipsY(10));
    line->SetBorderColor(kRed);
    Paint();
    EXPECT_TRUE(Shows(
        {Pixel(30, 20, kRed), Pixel(10, 10, kRed), Pixel(9, 10, kGrey), Pixel(31, 20, kGrey)}));
    EXPECT_EQ(line->Left(), TwipsX(10));
    EXPECT_EQ(line->Top(), TwipsY(10));
    EXPECT_EQ(line->Width(), TwipsX(20));
    EXPECT_EQ(line->Height(), TwipsY(10));

    // Moving and sizing the box takes each end to its corner.
    line->Move(TwipsX(50), TwipsY(60), TwipsX(40), TwipsY(20));
    EXPECT_EQ(EndsOf(*line), (Ends{TwipsX(90), TwipsY(80), TwipsX(50), TwipsY(60)}));
    Paint();
    EXPECT_TRUE(Shows(
        {Pixel(10, 10, kGrey), Pixel(90, 80, kRed), Pixel(50, 60, kRed)}));  // the old place wiped
}

TEST_F(GraphicalControls, AHorizontalLineIsDrawnAndErasedThoughItsBoxIsEmpty) {
    auto line = TheForm().Add<Line>(L"linFlat");
    line->SetEnds(TwipsX(10), TwipsY(50), TwipsX(60), TwipsY(50));
    line->SetBorderColor(kBlue);
    line->SetBorderWidth(3);
    Paint();
    EXPECT_EQ(line->Height(), 0);
    EXPECT_TRUE(Shows({Pixel(35, 49, kBlue), Pixel(35, 51, kBlue)}));
    line->SetBorderStyle(border_style::kTransparent);
    Paint();
    EXPECT_EQ(At(35, 50), kGrey);
}

// ---- Images ----

TEST_F(GraphicalControls, AnImageTakesThePictureSizeAndBitmapsAreOpaque) {
    auto image = AddAt<Image>(L"imgBitmap", 10, 10, 50, 50);
    image->SetPicture(FourColourBitmap());
    EXPECT_EQ(image->Width(), TwipsX(2));
    EXPECT_EQ(image->Height(), TwipsY(2));
    Paint();
    EXPECT_TRUE(Shows({Pixel(10, 10, kRed), Pixel(11, 10, kGreen), Pixel(10, 11, kBlue),
                       Pixel(11, 11, kWhite), Pixel(12, 12, kGrey)}));

    image->SetBorderStyle(1);  // a one-pixel line around the picture
    EXPECT_EQ(image->Width(), TwipsX(4));
    Paint();
    EXPECT_TRUE(Shows({Pixel(10, 10, GetSysColor(COLOR_WINDOWFRAME)), Pixel(11, 11, kRed)}));
}

// Stretched or not, an icon leaves its transparent pixels showing the form.
TEST_F(GraphicalControls, AnIconLeavesItsTransparentPixelsShowingTheForm) {
    AddAt<Image>(L"imgIcon", 10, 10, 50, 50)->SetPicture(DiagonalIcon());
    auto stretched = AddAt<Image>(L"imgStretched", 30, 10, 4, 4);
    stretched->SetStretch(true);
    stretched->SetPicture(DiagonalIcon());
    Paint();
    EXPECT_TRUE(Shows(
        {Pixel(10, 10, kGrey), Pixel(11, 10, kGreen), Pixel(10, 11, kBlue), Pixel(11, 11, kGrey)}));
    EXPECT_TRUE(Shows(
        {Pixel(31, 11, kGrey), Pixel(32, 10, kGreen), Pixel(30, 13, kBlue), Pixel(33, 13, kGrey)}));
}

TEST_F(GraphicalControls, StretchDrawsThePictureOverTheWholeControl) {
    auto image = AddAt<Image>(L"imgStretched", 10, 10, 50, 50);
    image->SetStretch(true);
    image->SetPicture(FourColourBitmap());
    image->Move(TwipsX(10), TwipsY(10), TwipsX(4), TwipsY(4));
    Paint();
    const COLORREF expected[2][2] = {{kRed, kGreen}, {kBlue, kWhite}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(At(10 + x, 10 + y), expected[y / 2][x / 2]) << x << "," << y;
        }
    }
    EXPECT_EQ(At(14, 14), kGrey);

    image->SetStretch(false);  // back to the picture's size
    EXPECT_EQ(image->Width(), TwipsX(2));
}

// ---- Picture boxes ----

TEST_F(GraphicalControls, APictureBoxFitsItsPictureInsideItsBorder) {
    auto box = AddAt<PictureBox>(L"picFit", 10, 10, 100, 100);
    box->SetPicture(PlainBitmap(30, 20, kRed));
    EXPECT_EQ(box->Width(), TwipsX(100));  // until AutoSize
    box->SetAutoSize(true);
    const int edge = GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ(box->Width(), TwipsX(30 + 2 * edge));
    EXPECT_EQ(box->Height(), TwipsY(20 + 2 * edge));
    EXPECT_EQ(box->ScaleWidth(), TwipsX(30));
    EXPECT_EQ(box->ScaleHeight(), TwipsY(20));
    Paint();
    EXPECT_EQ(EdgesOf(ClientRectOf(box->hWnd())), (Edges{0, 0, 30, 20}));

    box->SetBorderStyle(0);
    EXPECT_EQ(box->Width(), TwipsX(30));
    EXPECT_EQ(box->ScaleWidth(), TwipsX(30));
    EXPECT_EQ(ClientRectOf(box->hWnd()).right, 30);
}

TEST_F(GraphicalControls, APictureBoxDrawsItsPictureThenItsPaintEventOverItsBackground) {
    auto box = AddAt<PictureBox>(L"picPaint", 10, 10, 60, 40);
    box->SetBackColor(kYellow);
    box->SetPicture(PlainBitmap(10, 10, kRed));
    HDC duringPaint = 0;
    box->Paint.Connect([&] {
        duringPaint = box->hDC();
        const RECT mark{5, 5, 20, 8};
        const HBRUSH brush = CreateSolidBrush(kBlue);
        FillRect(box->hDC(), &mark, brush);
        DeleteObject(brush);
    });
    Paint();
    EXPECT_NE(duringPaint, 0);
    EXPECT_EQ(box->hDC(), 0);
    EXPECT_TRUE(PixelsAre(
        [&](int x, int y) { return PixelOf(box->hWnd(), x, y); },
        {Pixel(0, 0, kRed), Pixel(6, 6, kBlue), Pixel(15, 6, kBlue), Pixel(30, 20, kYellow)}));
}

TEST_F(GraphicalControls, ClsWipesWhatWasDrawnOutsidePaint) {
    auto box = AddAt<PictureBox>(L"picCls", 10, 10, 60, 40);
    box->SetBackColor(kYellow);
    Paint();
    const HDC dc = GetDC(box->hWnd());
    SetPixel(dc, 3, 3, kBlue);
    ReleaseDC(box->hWnd(), dc);
    ASSERT_EQ(PixelOf(box->hWnd(), 3, 3), kBlue);
    box->Cls();
    EXPECT_EQ(PixelOf(box->hWnd(), 3, 3), kYellow);
}

TEST_F(GraphicalControls, APictureBoxHoldsControlsDrawnOnItAndClippedToIt) {
    auto box = AddAt<PictureBox>(L"picHolder", 10, 10, 60, 40);
    box->SetBorderStyle(0);
    box->SetBackColor(kYellow);
    auto label = AddAt<Label>(L"lblInside", 50, 5, 30, 10, box.get());
    label->SetCaption(L"");
    label->SetBackColor(kGreen);
    auto shape = AddAt<Shape>(L"shpInside", 5, 20, 10, 10, box.get());
    shape->SetFillStyle(fill_style::kSolid);
    shape->SetFillColor(kRed);
    Paint();
    EXPECT_TRUE(PixelsAre([&](int x, int y) { return PixelOf(box->hWnd(), x, y); },
                          {Pixel(55, 10, kGreen), Pixel(10, 25, kRed)}));
    // Where the label runs past the box, the form shows.
    EXPECT_EQ(At(75, 20), kGrey);
    EXPECT_EQ(&label->Container(), box.get());
}

TEST_F(GraphicalControls, APictureBoxRaisesMouseEventsAndClick) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    auto box = AddAt<PictureBox>(L"picClick", 10, 10, 60, 40);
    std::vector<float> downAt;
    int clicks = 0;
    box->MouseDown.Connect([&](std::int16_t button, std::int16_t shift, float x, float y) {
        downAt = {static_cast<float>(button), static_cast<float>(shift), x, y};
    });
    box->Click.Connect([&] { ++clicks; });
    Paint();
    POINT origin{0, 0};
    ClientToScreen(box->hWnd(), &origin);

    {
        // Ctrl and Alt are up again before the press is read: it still had them.
        const driver::TypeAhead typedAhead;
        driver::PressKey(VK_CONTROL);
        driver::PressKey(VK_MENU);
        driver::Click(origin.x + 4, origin.y + 2);
        driver::ReleaseKey(VK_MENU);
        driver::ReleaseKey(VK_CONTROL);
    }

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downAt, (std::vector<float>{1.0f, 6.0f, 60.0f, 30.0f}));
}

// ---- Persistence and refused values ----

TEST_F(GraphicalControls, EveryPropertyComesBackFromAPropertyBag) {
    Form other(L"frmOther");
    PropertyBag bag(L"Form", L"frmGraphics");

    auto shape = TheForm().Add<Shape>(L"shpSaved");
    shape->SetKind(ShapeKind::RoundedSquare);
    shape->SetBackStyle(1);
    shape->SetFillStyle(fill_style::kSolid);
    shape->SetFillColor(kRed);
    shape->SetBorderStyle(border_style::kDot);
    shape->SetBorderWidth(4);
    shape->SetBorderColor(0x80000002);
    shape->WriteProperties(bag.AddChild(L"Shape", L"shpSaved"));
    auto readShape = other.Add<Shape>(L"shpSaved");
    readShape->ReadProperties(*bag.Children().back());
    EXPECT_EQ(readShape->Kind(), ShapeKind::RoundedSquare);
    EXPECT_EQ((std::array{readShape->BackStyle(), readShape->FillStyle(), readShape->BorderStyle(),
                          readShape->BorderWidth()}),
              (std::array<std::int16_t, 4>{1, fill_style::kSolid, border_style::kDot, 4}));
    EXPECT_EQ((std::array{readShape->FillColor(), readShape->BorderColor()}),
              (std::array<std::uint32_t, 2>{kRed, 0x80000002}));

    auto line = TheForm().Add<Line>(L"linSaved");
    line->SetEnds(300, 450, 150, 900);
    line->SetBorderStyle(border_style::kDash);
    line->SetBorderWidth(2);
    line->SetBorderColor(kBlue);
    line->WriteProperties(bag.AddChild(L"Line", L"linSaved"));
    auto readLine = other.Add<Line>(L"linSaved");
    readLine->ReadProperties(*bag.Children().back());
    EXPECT_EQ(EndsOf(*readLine), (Ends{300, 450, 150, 900}));
    EXPECT_EQ((std::array{readLine->BorderStyle(), readLine->BorderWidth()}),
              (std::array<std::int16_t, 2>{border_style::kDash, 2}));
    EXPECT_EQ(readLine->BorderColor(), kBlue);

    auto image = TheForm().Add<Image>(L"imgSaved");
    image->SetStretch(true);
    image->SetBorderStyle(1);
    image->SetPicture(FourColourBitmap());
    image->Move(0, 0, 600, 300);
    image->WriteProperties(bag.AddChild(L"Image", L"imgSaved"));
    auto readImage = other.Add<Image>(L"imgSaved");
    readImage->ReadProperties(*bag.Children().back());
    EXPECT_TRUE(readImage->Stretch());
    EXPECT_EQ(readImage->BorderStyle(), 1);
    ASSERT_NE(readImage->Picture(), nullptr);
    EXPECT_EQ(readImage->Picture()->Width(), image->Picture()->Width());
    EXPECT_EQ(readImage->Width(), 600);

    auto box = TheForm().Add<PictureBox>(L"picSaved");
    box->SetBorderStyle(0);
    box->SetPicture(PlainBitmap(3, 5, kGreen));
    box->SetAutoSize(true);
    box->WriteProperties(bag.AddChild(L"PictureBox", L"picSaved"));
    auto readBox = other.Add<PictureBox>(L"picSaved");
    readBox->ReadProperties(*bag.Children().back());
    EXPECT_EQ(readBox->BorderStyle(), 0);
    EXPECT_TRUE(readBox->AutoSize());
    ASSERT_NE(readBox->Picture(), nullptr);
    EXPECT_EQ(readBox->Height(), TwipsY(5));
}

TEST_F(GraphicalControls, DefaultsAreNotStored) {
    PropertyBag bag(L"Form", L"frmGraphics");
    TheForm().Add<Shape>(L"shpPlain")->WriteProperties(bag.AddChild(L"Shape", L"shpPlain"));
    TheForm().Add<Line>(L"linPlain")->WriteProperties(bag.AddChild(L"Line", L"linPlain"));
    TheForm().Add<Image>(L"imgPlain")->WriteProperties(bag.AddChild(L"Image", L"imgPlain"));
    TheForm().Add<PictureBox>(L"picPlain")->WriteProperties(bag.AddChild(L"PictureBox", L"p"));
    for (const auto& child : bag.Children()) {
        for (const wchar_t* name :
             {L"Shape", L"BackStyle", L"FillStyle", L"FillColor", L"BorderStyle", L"BorderWidth",
              L"BorderColor", L"Picture", L"Stretch", L"AutoSize", L"BackColor"}) {
            EXPECT_TRUE(child->ReadProperty(name).IsEmpty()) << child->Name() << " " << name;
            EXPECT_EQ(child->ReadGroup(name), nullptr);
        }
    }
}

TEST_F(GraphicalControls, AFormsBagBringsBackAPictureBoxWithItsContents) {
    auto box = AddAt<PictureBox>(L"picFrame", 10, 10, 60, 40);
    AddAt<Shape>(L"shpIn", 5, 5, 10, 10, box.get());
    AddAt<Line>(L"linIn", 5, 30, 20, 0, box.get());
    AddAt<Image>(L"imgIn", 30, 5, 10, 10, box.get());
    PropertyBag bag(L"Form", L"frmGraphics");
    TheForm().WriteTo(bag);

    Form read(L"frmRead");
    read.ReadFrom(bag);

    auto* readBox = read.Find<PictureBox>(L"picFrame");
    ASSERT_NE(readBox, nullptr);
    ASSERT_EQ(readBox->Contents().size(), 3u);
    EXPECT_NE(read.Find<Shape>(L"shpIn"), nullptr);
    EXPECT_NE(read.Find<Image>(L"imgIn"), nullptr);
    const Line* line = read.Find<Line>(L"linIn");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(&line->Container(), readBox);
}

TEST_F(GraphicalControls, ValuesOutOfRangeRaiseInvalidPropertyValue) {
    auto shape = TheForm().Add<Shape>(L"shpBad");
    auto line = TheForm().Add<Line>(L"linBad");
    auto image = TheForm().Add<Image>(L"imgBad");
    auto box = TheForm().Add<PictureBox>(L"picBad");
    constexpr std::int32_t kInvalid = 380;
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetKind(static_cast<ShapeKind>(6)); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetBackStyle(2); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetFillStyle(8); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetBorderStyle(7); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetBorderWidth(0); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetBorderWidth(8193); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { line->SetBorderStyle(-1); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { line->SetBorderWidth(-5); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { image->SetBorderStyle(2); }), kInvalid);
    EXPECT_EQ(ErrorNumberOf([&] { box->SetBorderStyle(-1); }), kInvalid);
    // The refused values changed nothing; the last ones in range are taken.
    EXPECT_EQ(shape->BorderWidth(), 1);
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetBorderWidth(8192); }), 0);
    EXPECT_EQ(ErrorNumberOf([&] { shape->SetFillStyle(7); }), 0);
    EXPECT_EQ(ErrorNumberOf([&] { line->SetBorderStyle(6); }), 0);
}

}  // namespace
}  // namespace zv::test
