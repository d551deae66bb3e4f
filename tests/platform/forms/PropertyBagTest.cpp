// Property bags (defaults, names, what is left out, fonts, pictures, parts)
// and their form files (the layout, every kind of value through text and
// files, awkward texts, and what bad text raises).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/automation/AutomationError.h"
#include "platform/automation/AutomationObject.h"
#include "platform/automation/DateTime.h"
#include "platform/forms/Font.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PropertyBag.h"
#include "platform/text/WideString.h"
#include "platform/win/GdiApi.h"
#include "support/ErrorNumber.h"

namespace zv {
namespace {

using test::ErrorNumberOf;

Variant Integer(int value) {
    return Variant(static_cast<std::int16_t>(value));
}

Variant Long(std::int64_t value) {
    return Variant(static_cast<std::int32_t>(value));
}

// The number and description a call raises, "none" when it raises nothing.
std::wstring ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const AutomationError& error) {
        return std::to_wstring(error.Number()) + L" " + error.Description();
    }
    return L"none";
}

std::unique_ptr<PropertyBag> ThroughText(const PropertyBag& bag) {
    return ReadFormText(WriteFormText(bag));
}

std::filesystem::path TempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("zv-bag-" + name);
}

std::vector<std::wstring> NamesOf(const PropertyBag& bag) {
    std::vector<std::wstring> names;
    for (const auto& property : bag.Properties()) {
        names.push_back(property.name);
    }
    return names;
}

// ---- Values ----

TEST(PropertyBag, MissingNamesReadAsTheirDefaultAndNamesIgnoreCase) {
    PropertyBag bag(L"Form", L"frmDemo");
    EXPECT_EQ(bag.ReadProperty(L"Caption", L"untitled"), Variant(L"untitled"));
    EXPECT_TRUE(bag.ReadProperty(L"Caption").IsEmpty());

    bag.WriteGroup(L"Font");
    EXPECT_EQ(bag.ReadProperty(L"Font", Integer(7)), Integer(7));  // a group is no value
    bag.WriteProperty(L"Caption", L"Hello");
    EXPECT_EQ(bag.ReadGroup(L"Caption"), nullptr);  // nor a value a group
    EXPECT_NE(bag.ReadGroup(L"Font"), nullptr);

    // Names compare without regard to case.
    bag.WriteProperty(L"Änderung", Integer(1));
    EXPECT_EQ(bag.ReadProperty(L"CAPTION"), Variant(L"Hello"));
    EXPECT_EQ(bag.ReadProperty(L"caption"), Variant(L"Hello"));
    EXPECT_EQ(bag.ReadProperty(L"äNDERUNG"), Integer(1));

    bag.WriteProperty(L"CAPTION", L"Again");
    EXPECT_EQ(bag.Properties().Count(), 3);
    EXPECT_EQ(bag.ReadProperty(L"Caption"), Variant(L"Again"));
}

TEST(PropertyBag, ValuesEqualToTheirDefaultAreLeftOutAndBooleansAreMinusOneOrZero) {
    PropertyBag bag(L"CommandButton", L"cmdOK");
    bag.WriteProperty(L"Width", Long(1200), Integer(1200));  // numbers compare by value
    bag.WriteProperty(L"Left", 120.0, Integer(120));
    bag.WriteProperty(L"Enabled", true, Integer(-1));
    bag.WriteProperty(L"Caption", L"", L"");
    EXPECT_EQ(bag.Properties().Count(), 0);
    EXPECT_EQ(bag.ReadProperty(L"Width", Integer(99)), Integer(99));

    bag.WriteProperty(L"Caption", L"ok", L"OK");  // texts compare with case
    bag.WriteProperty(L"Tag", Integer(0));        // Empty is no number here
    EXPECT_EQ(NamesOf(bag), (std::vector<std::wstring>{L"Caption", L"Tag"}));

    bag.WriteProperty(L"caption", L"OK", L"OK");  // back to the default: gone
    EXPECT_EQ(NamesOf(bag), (std::vector<std::wstring>{L"Tag"}));
    EXPECT_EQ(bag.ReadProperty(L"Caption", L"OK"), Variant(L"OK"));

    // Booleans are stored as -1 and 0.
    bag.WriteProperty(L"Enabled", true, false);
    bag.WriteProperty(L"Visible", false, true);
    bag.StoreProperty(L"TabStop", true);
    EXPECT_EQ(bag.ReadProperty(L"Enabled"), Integer(-1));
    EXPECT_EQ(bag.ReadProperty(L"Visible"), Integer(0));
    EXPECT_EQ(bag.ReadProperty(L"TabStop"), Integer(-1));
}

TEST(PropertyBag, WritingANameAgainReplacesItsValueInPlace) {
    PropertyBag bag(L"Form", L"frmDemo");
    bag.WriteProperty(L"A", Integer(1));
    bag.WriteProperty(L"B", Integer(2));
    bag.WriteProperty(L"C", Integer(3));
    bag.WriteProperty(L"B", L"two");
    EXPECT_EQ(NamesOf(bag), (std::vector<std::wstring>{L"A", L"B", L"C"}));
    EXPECT_EQ(bag.ReadProperty(L"B"), Variant(L"two"));

    bag.WriteGroup(L"A").WriteProperty(L"Inner", Integer(5));  // a group replaces a value too
    EXPECT_EQ(NamesOf(bag), (std::vector<std::wstring>{L"A", L"B", L"C"}));
    EXPECT_EQ(bag.ReadGroup(L"A")->ReadProperty(L"Inner"), Integer(5));
}

class PlainObject : public AutomationObject {};

TEST(PropertyBag, RefusesValuesAndNamesAFormFileCannotHold) {
    PropertyBag bag(L"Form", L"frmDemo");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const Variant& value : {Variant(std::make_shared<PlainObject>()), Variant::Nothing(),
                                 Variant(VariantArray({Integer(1)})), Variant(nan),
                                 Variant(infinity), Variant(Date{nan})}) {
        EXPECT_EQ(ErrorNumberOf([&] { bag.WriteProperty(L"Value", value); }), 380);
        EXPECT_EQ(ErrorNumberOf([&] { bag.StoreProperty(L"Value", value); }), 380);
    }
    for (const std::wstring& name :
         {std::wstring(), std::wstring(L"two words"), std::wstring(L"a=b"), std::wstring(L"say\""),
          std::wstring(L"tab\tbed"), std::wstring(L"new\nline"),
          std::wstring(L"half") + static_cast<wchar_t>(0xD800)}) {
        SCOPED_TRACE(ToUtf8(name));
        EXPECT_EQ(ErrorNumberOf([&] { bag.WriteProperty(name, Integer(1)); }), 5);
        EXPECT_EQ(ErrorNumberOf([&] { bag.WriteProperty(name, Integer(1), Integer(1)); }), 5);
        EXPECT_EQ(ErrorNumberOf([&] { bag.WriteGroup(name); }), 5);
        EXPECT_EQ(ErrorNumberOf([&] { bag.AddChild(L"Label", name); }), 5);
        EXPECT_EQ(ErrorNumberOf([&] { bag.AddChild(name, L"lblName"); }), 5);
        EXPECT_EQ(ErrorNumberOf([&] { PropertyBag(name, L"frmDemo"); }), 5);
    }
    EXPECT_EQ(bag.Properties().Count(), 0);
    EXPECT_TRUE(bag.Children().empty());
}

// ---- Fonts ----

struct FontValues {
    std::wstring name;
    double size;
    bool bold, italic, underline, strikethrough;
    std::int16_t weight, charset;
    friend bool operator==(const FontValues&, const FontValues&) = default;
};

FontValues ValuesOf(const Font& font) {
    return {font.Name(),      font.Size(),          font.Bold(),   font.Italic(),
            font.Underline(), font.Strikethrough(), font.Weight(), font.Charset()};
}

TEST(PropertyBag, FontsReadBackAsNewObjectsOfTheirOwnUnlessEqualToTheDefault) {
    const Font defaultFont;
    Font font;
    font.SetName(L"Tahoma");
    font.SetSize(9.75);
    font.SetItalic(true);
    font.SetUnderline(true);
    font.SetStrikethrough(true);
    font.SetCharset(204);
    PropertyBag bag(L"Form", L"frmDemo");
    bag.WriteFont(L"Font", font, defaultFont);

    const auto read = bag.ReadFont(L"font", defaultFont);
    EXPECT_EQ(ValuesOf(*read), ValuesOf(font));
    EXPECT_EQ(ValuesOf(*ThroughText(bag)->ReadFont(L"Font", defaultFont)), ValuesOf(font));

    const auto missing = bag.ReadFont(L"HeaderFont", font);  // a copy of the default
    EXPECT_NE(missing.get(), &font);
    EXPECT_EQ(ValuesOf(*missing), ValuesOf(font));
    missing->SetSize(20);
    EXPECT_EQ(font.Size(), 9.75);

    // A font equal to its default is left out.
    bag.WriteFont(L"Font", Font(), defaultFont);
    EXPECT_EQ(bag.ReadGroup(L"Font"), nullptr);
    EXPECT_EQ(bag.Properties().Count(), 0);
}

TEST(PropertyBag, AFontKeepsItsWeightWithItsBoldness) {
    Font defaultFont;
    defaultFont.SetWeight(500);  // medium: not bold
    Font semibold;
    semibold.SetWeight(600);
    PropertyBag bag(L"Form", L"frmDemo");
    bag.WriteFont(L"Font", semibold, defaultFont);
    EXPECT_EQ(bag.ReadFont(L"Font", defaultFont)->Weight(), 600);

    // A group that says less (written by hand) takes the rest from the
    // default, and a weight that goes with the boldness it says.
    bag.WriteGroup(L"Bold").StoreProperty(L"Bold", true);
    bag.WriteGroup(L"Named").StoreProperty(L"Name", L"Arial");
    const auto bold = bag.ReadFont(L"Bold", defaultFont);
    EXPECT_TRUE(bold->Bold());
    EXPECT_EQ(bold->Weight(), 700);
    EXPECT_EQ(bold->Name(), defaultFont.Name());
    const auto named = bag.ReadFont(L"Named", defaultFont);
    EXPECT_EQ(named->Name(), L"Arial");
    EXPECT_EQ(named->Weight(), 500);
}

TEST(PropertyBag, FontValuesThatDoNotConvertRaise) {
    const Font defaultFont;
    PropertyBag bag(L"Form", L"frmDemo");
    bag.WriteGroup(L"Wordy").StoreProperty(L"Size", L"big");
    bag.WriteGroup(L"Flat").StoreProperty(L"Size", Integer(0));
    bag.WriteGroup(L"Heavy").StoreProperty(L"Weight", Long(70000));
    EXPECT_EQ(ErrorNumberOf([&] { bag.ReadFont(L"Wordy", defaultFont); }), 13);
    EXPECT_EQ(ErrorNumberOf([&] { bag.ReadFont(L"Flat", defaultFont); }), 380);
    EXPECT_EQ(ErrorNumberOf([&] { bag.ReadFont(L"Heavy", defaultFont); }), 6);
}

// ---- Pictures ----

std::vector<win::COLORREF> PixelsOf(win::HBITMAP bitmap) {
    win::BITMAP info;
    win::GetObjectA(bitmap, sizeof info, &info);
    const win::HDC dc = win::CreateCompatibleDC(0);
    const win::HGDIOBJ previous = win::SelectObject(dc, bitmap);
    std::vector<win::COLORREF> pixels;
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x) {
            pixels.push_back(win::GetPixel(dc, x, y));
        }
    }
    win::SelectObject(dc, previous);
    win::DeleteDC(dc);
    return pixels;
}

// Three by two, 0x00RRGGBB.
std::shared_ptr<Picture> MakeBitmap() {
    const std::uint32_t pixels[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
    return std::make_shared<Picture>(PictureType::Bitmap, win::CreateBitmap(3, 2, 1, 32, pixels));
}

// Two by two, transparent on the diagonal.
std::shared_ptr<Picture> MakeIcon() {
    const std::uint32_t pixels[] = {0x000000, 0xABCDEF, 0x808080, 0x000000};
    const unsigned char mask[] = {0x80, 0x00, 0x40, 0x00};
    return std::make_shared<Picture>(PictureType::Icon, win::CreateBitmap(2, 2, 1, 32, pixels),
                                     win::CreateBitmap(2, 2, 1, 1, mask));
}

void ExpectSamePicture(const Picture& read, const Picture& written) {
    EXPECT_EQ(read.Type(), written.Type());
    EXPECT_EQ(read.Width(), written.Width());
    EXPECT_EQ(read.Height(), written.Height());
    EXPECT_NE(read.Handle(), written.Handle());
    EXPECT_EQ(PixelsOf(read.Handle()), PixelsOf(written.Handle()));
    EXPECT_EQ(read.MaskHandle() != 0, written.MaskHandle() != 0);
    if (written.MaskHandle() != 0) {
        EXPECT_EQ(PixelsOf(read.MaskHandle()), PixelsOf(written.MaskHandle()));
    }
}

TEST(PropertyBag, PicturesKeepTheirPixelsThroughText) {
    const auto bitmap = MakeBitmap();
    const auto icon = MakeIcon();
    PropertyBag bag(L"Form", L"frmDemo");
    bag.WritePicture(L"Picture", bitmap.get());
    bag.WritePicture(L"Icon", icon.get());

    const auto read = ThroughText(bag);
    ExpectSamePicture(*read->ReadPicture(L"Picture"), *bitmap);
    ExpectSamePicture(*read->ReadPicture(L"Icon"), *icon);
    EXPECT_EQ(read->ReadGroup(L"Picture")->ReadProperty(L"Row1"), Variant(L"FF000000FF000000FF"));
    EXPECT_EQ(read->ReadGroup(L"Icon")->ReadProperty(L"Mask2"), Variant(L"01"));
}

TEST(PropertyBag, NoPictureIsStoredAsNothing) {
    const auto bitmap = MakeBitmap();
    const Picture empty;
    PropertyBag bag(L"Form", L"frmDemo");
    EXPECT_EQ(bag.ReadPicture(L"Picture"), nullptr);
    bag.WritePicture(L"Picture", bitmap.get());
    bag.WritePicture(L"Picture", nullptr);
    EXPECT_EQ(bag.ReadPicture(L"Picture"), nullptr);
    bag.WritePicture(L"Picture", bitmap.get());
    bag.WritePicture(L"Picture", &empty);
    EXPECT_EQ(bag.ReadPicture(L"Picture"), nullptr);
    EXPECT_EQ(bag.Properties().Count(), 0);
}

TEST(PropertyBag, PictureGroupsThatDescribeNoPictureRaise481) {
    const auto group = [](const std::wstring& type, const std::wstring& width,
                          const std::wstring& rows) {
        return L"Begin Form f\nBeginProperty Picture\nType = " + type + L"\nWidth = " + width +
               L"\nHeight = 1\n" + rows + L"EndProperty\nEnd";
    };
    for (const std::wstring& text : {
             group(L"1", L"2", L"Row1 = \"FF0000\"\n"),                 // a row too short
             group(L"1", L"2", L"Row1 = \"FF0000FF00GG\"\n"),           // not hexadecimal
             group(L"1", L"2", L"Row1 = 12\n"),                         // not a text
             group(L"1", L"2", L""),                                    // no row
             group(L"1", L"0", L"Row1 = \"\"\n"),                       // no width
             group(L"1", L"1.5", L"Row1 = \"FF0000\"\n"),               // half a pixel
             group(L"1", L"40000", L"Row1 = \"FF0000\"\n"),             // too wide
             group(L"0", L"1", L"Row1 = \"FF0000\"\n"),                 // no type
             group(L"\"Icon\"", L"1", L"Row1 = \"FF0000\"\n"),          // a type by name
             group(L"3", L"1", L"Row1 = \"FF0000\"\nMask1 = \"2\"\n"),  // a bad mask
         }) {
        SCOPED_TRACE(ToUtf8(text));
        const auto bag = ReadFormText(text);
        EXPECT_EQ(ErrorOf([&] { bag->ReadPicture(L"Picture"); }), L"481 Invalid picture");
    }
}

// ---- Parts ----

TEST(PropertyBag, PartsKeepTheirOrderTypesAndNames) {
    PropertyBag form(L"Form", L"frmDemo");
    form.AddChild(L"CommandButton", L"cmdOK");
    PropertyBag& frame = form.AddChild(L"Frame", L"fraChoice");
    for (int index = 0; index < 2; ++index) {
        frame.AddChild(L"OptionButton", L"optChoice").WriteProperty(L"Index", Integer(index));
    }

    ASSERT_EQ(form.Children().size(), 2u);
    EXPECT_EQ(form.Children()[0]->TypeName(), L"CommandButton");
    EXPECT_EQ(form.Children()[0]->Name(), L"cmdOK");
    EXPECT_EQ(form.Children()[1].get(), &frame);
    ASSERT_EQ(frame.Children().size(), 2u);
    for (int index = 0; index < 2; ++index) {
        const PropertyBag& option = *frame.Children()[static_cast<std::size_t>(index)];
        EXPECT_EQ(option.Name(), L"optChoice");
        EXPECT_EQ(option.ReadProperty(L"Index", Integer(0)), Integer(index));
    }
}

// ---- Form files ----

TEST(FormFile, WritesOneReadableLinePerProperty) {
    PropertyBag form(L"Form", L"frmDemo");
    form.WriteProperty(L"Caption", L"Every \"control\"");
    form.WriteProperty(L"ClientWidth", Integer(6000));
    form.WriteProperty(L"Enabled", true);
    form.WriteProperty(L"BackColor", Long(0x8000000F));
    form.WriteProperty(L"ForeColor", Long(0x00FF00));
    form.WriteProperty(L"ScaleWidth", 5.0);
    form.WriteProperty(L"AVeryLongPropertyName", 8.25);
    PropertyBag& font = form.WriteGroup(L"Font");
    font.WriteProperty(L"Name", L"Tahoma");
    font.WriteProperty(L"Size", 8.25);
    PropertyBag& button = form.AddChild(L"CommandButton", L"cmdOK");
    button.WriteProperty(L"Caption", L"OK");
    button.WriteProperty(L"Default", true);

    EXPECT_EQ(WriteFormText(form),
              L"Begin Form frmDemo\r\n"
              L"   Caption         =   \"Every \"\"control\"\"\"\r\n"
              L"   ClientWidth     =   6000\r\n"
              L"   Enabled         =   -1\r\n"
              L"   BackColor       =   &H8000000F&\r\n"
              L"   ForeColor       =   65280&\r\n"
              L"   ScaleWidth      =   5#\r\n"
              L"   AVeryLongPropertyName =   8.25\r\n"
              L"   BeginProperty Font\r\n"
              L"      Name            =   \"Tahoma\"\r\n"
              L"      Size            =   8.25\r\n"
              L"   EndProperty\r\n"
              L"   Begin CommandButton cmdOK\r\n"
              L"      Caption         =   \"OK\"\r\n"
              L"      Default         =   -1\r\n"
              L"   End\r\n"
              L"End\r\n");
}

TEST(FormFile, WritesTextsAndDatesReadably) {
    PropertyBag form(L"Form", L"frmDemo");
    form.WriteProperty(L"Text", L"one\r\ntwo");
    form.WriteProperty(L"Tab", L"\t");
    form.WriteProperty(L"Empty", L"", L"x");
    form.WriteProperty(L"Day", MakeDate(2026, 5, 1, 15, 4, 5));
    form.WriteProperty(L"Moment", Date{45000.000001});
    EXPECT_EQ(WriteFormText(form),
              L"Begin Form frmDemo\r\n"
              L"   Text            =   \"one\" & ChrW(13) & ChrW(10) & \"two\"\r\n"
              L"   Tab             =   ChrW(9)\r\n"
              L"   Empty           =   \"\"\r\n"
              L"   Day             =   #5/1/2026 3:04:05 PM#\r\n"
              L"   Moment          =   CDate(45000.000001)\r\n"
              L"End\r\n");
}

TEST(FormFile, EveryKindOfValueReadsBackEqual) {
    const double smallest = std::numeric_limits<double>::denorm_min();
    const double largest = std::numeric_limits<double>::max();
    const std::vector<Variant> values = {
        Variant(), Variant::Null(),
        // Integers
        Integer(0), Integer(-1), Integer(32767), Integer(-32768),
        // Longs, colours among them
        Long(0), Long(6000), Long(-1), Long(-32768), Long(-32769), Long(INT32_MIN), Long(INT32_MAX),
        Long(0x8000000F), Long(0x80000018), Long(0x00FFFFFF),
        // Doubles
        0.0, 8.25, 0.1, 1.0 / 3.0, 5.0, -2.5, 1e300, -1e-300, smallest, largest, 1e16, 1e15 + 0.5,
        // Dates
        MakeDate(2026, 5, 1, 15, 4, 5), MakeDate(2026, 12, 31), MakeDate(1899, 12, 30, 12),
        MakeDate(1899, 12, 29, 6), MakeDate(100, 1, 1), MakeDate(9999, 12, 31, 23, 59, 59),
        Date{45000.123456789}, Date{-0.5}, Date{1e7}, Date{-1e7},
        // Texts
        L"", L"plain", L"say \"hi\"", L"\"", L"line1\r\nline2", L"\t", L"ChrW(65)", L"a & b",
        L"#1/1/2000#", L"  padded  ", L"Ünïcödé Жж 中文 \U0001F600", std::wstring(1, L'\0')};

    PropertyBag bag(L"Form", L"frmDemo");
    for (std::size_t i = 0; i < values.size(); ++i) {
        bag.StoreProperty(L"V" + std::to_wstring(i), values[i]);
    }
    const std::wstring text = WriteFormText(bag);
    const auto read = ReadFormText(text);
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE("value " + std::to_string(i));
        const Variant back = read->ReadProperty(L"V" + std::to_wstring(i));
        EXPECT_EQ(back.Type(), values[i].Type());
        EXPECT_EQ(back, values[i]);
    }
    EXPECT_EQ(WriteFormText(*read), text);
}

TEST(FormFile, ReadsWhatAPersonMightWrite) {
    const auto form = ReadFormText(
        L"\n"
        L"begin Form frmHand\n"
        L"\tHex = &HFF\n"
        L"\tHexLong=&hff&\n"
        L"  Big = 70000\n"
        L"  Whole = 5#\n"
        L"  Exponent = 1e3\n"
        L"  Negative = -1\n"
        L"  Joined = \"a\" &ChrW(10)& \"b\"\n"
        L"  Nothing = empty\n"
        L"  Unknown = NULL\n"
        L"  Day = #1/2/2026#\n"
        L"  Time = #9:30:00 AM#\n"
        L"\n"
        L"  BEGINPROPERTY Font\n"
        L"    Name = \"Arial\"\n"
        L"  endproperty\n"
        L"END\n"
        L"\n");
    EXPECT_EQ(form->TypeName(), L"Form");
    EXPECT_EQ(form->Name(), L"frmHand");
    EXPECT_EQ(form->ReadProperty(L"Hex"), Long(255));
    EXPECT_EQ(form->ReadProperty(L"HexLong"), Long(255));
    EXPECT_EQ(form->ReadProperty(L"Big"), Long(70000));
    EXPECT_EQ(form->ReadProperty(L"Whole"), Variant(5.0));
    EXPECT_EQ(form->ReadProperty(L"Exponent"), Variant(1000.0));
    EXPECT_EQ(form->ReadProperty(L"Negative"), Integer(-1));
    EXPECT_EQ(form->ReadProperty(L"Joined"), Variant(L"a\nb"));
    EXPECT_TRUE(form->ReadProperty(L"Nothing", Integer(1)).IsEmpty());
    EXPECT_TRUE(form->ReadProperty(L"Unknown").IsNull());
    EXPECT_EQ(form->ReadProperty(L"Day"), Variant(MakeDate(2026, 1, 2)));
    EXPECT_EQ(form->ReadProperty(L"Time"), Variant(MakeDate(1899, 12, 30, 9, 30, 0)));
    EXPECT_EQ(form->ReadFont(L"Font", Font())->Name(), L"Arial");
}

// A form with every kind of part: fonts, pictures, a frame with a control
// array, texts in several scripts.
std::unique_ptr<PropertyBag> SampleForm() {
    auto form = std::make_unique<PropertyBag>(L"Form", L"frmDemo");
    form->WriteProperty(L"Caption", L"Every control — «quoted» 中文");
    form->WriteProperty(L"BackColor", Long(0x8000000F));
    Font font;
    font.SetName(L"Tahoma");
    font.SetBold(true);
    form->WriteFont(L"Font", font, Font());
    form->WritePicture(L"Icon", MakeIcon().get());
    PropertyBag& frame = form->AddChild(L"Frame", L"fraChoice");
    frame.WriteProperty(L"Caption", L"Choose");
    for (int index = 0; index < 3; ++index) {
        PropertyBag& option = frame.AddChild(L"OptionButton", L"optChoice");
        option.WriteProperty(L"Index", Integer(index));
        option.WriteProperty(L"Caption", L"Option " + std::to_wstring(index) + L"\r\nline two");
    }
    form->AddChild(L"PictureBox", L"picLogo").WritePicture(L"Picture", MakeBitmap().get());
    return form;
}

TEST(FormFile, TreesRoundTripThroughFiles) {
    const auto form = SampleForm();
    const auto path = TempFile("tree.frm");
    SaveFormFile(path, *form);
    const auto loaded = LoadFormFile(path);
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    std::filesystem::remove(path);

    EXPECT_NE(bytes.str().find(ToUtf8(L"中文")), std::string::npos);  // UTF-8 on disk
    EXPECT_EQ(WriteFormText(*loaded), WriteFormText(*form));
    const PropertyBag& option = *loaded->Children()[0]->Children()[2];
    EXPECT_EQ(option.ReadProperty(L"Index"), Integer(2));
    EXPECT_EQ(option.ReadProperty(L"Caption"), Variant(L"Option 2\r\nline two"));
    EXPECT_TRUE(loaded->ReadFont(L"Font", Font())->Bold());
    ExpectSamePicture(*loaded->Children()[1]->ReadPicture(L"Picture"), *MakeBitmap());
}

TEST(FormFile, ReadsFilesWithAByteOrderMarkAndRaisesForThoseItCannotReadOrWrite) {
    const auto path = TempFile("bom.frm");
    std::ofstream(path, std::ios::binary)
        << "\xEF\xBB\xBF"
        << "Begin Form frmBom\n  Caption = \"\xC3\xA9t\xC3\xA9\"\nEnd\n";
    const auto loaded = LoadFormFile(path);
    std::filesystem::remove(path);
    EXPECT_EQ(loaded->ReadProperty(L"Caption"), Variant(L"été"));

    // Files that cannot be read or written raise.
    const PropertyBag form(L"Form", L"frmDemo");
    EXPECT_EQ(ErrorOf([] { LoadFormFile(TempFile("missing/none.frm")); }), L"53 File not found");
    EXPECT_EQ(ErrorOf([] { LoadFormFile(std::filesystem::temp_directory_path()); }),
              L"53 File not found");
    EXPECT_EQ(ErrorNumberOf([&] { SaveFormFile(TempFile("missing/none.frm"), form); }), 75);
}

TEST(FormFile, MalformedTextRaisesWithTheLineNumber) {
    const std::wstring prefix = L"Invalid file format: line ";
    const struct {
        const wchar_t* text;
        const wchar_t* error;
    } cases[] = {
        {L"", L"1: no Begin"},
        {L"\n\n", L"3: no Begin"},
        {L"Caption = 1", L"1: Begin expected"},
        {L"BeginProperty Font", L"1: Begin expected"},
        {L"End", L"1: End without Begin"},
        {L"Begin Form", L"1: a name is missing"},
        {L"Begin Form f extra", L"1: unexpected 'extra'"},
        {L"Begin Form \"f\"", L"1: '\"f\"' is not a name"},
        {L"Begin Form f\r\n  Caption = \"open\r\nEnd", L"2: unterminated text"},
        {L"Begin Form f\n  Caption = \"a\" &\nEnd", L"2: a quoted text or ChrW(n) must follow &"},
        {L"Begin Form f\n  Caption = \"a\" \"b\"\nEnd", L"2: unexpected '\"b\"' after the value"},
        {L"Begin Form f\n  C = ChrW(x)\nEnd", L"2: bad character code after ChrW("},
        {L"Begin Form f\n  C = ChrW(99999999999)\nEnd", L"2: bad character code after ChrW("},
        {L"Begin Form f\n  C = ChrW(65\nEnd", L"2: bad character code after ChrW("},
        {L"Begin Form f\n  Width = 1.2.3\nEnd", L"2: bad number '1.2.3'"},
        {L"Begin Form f\n  Width = 99999999999\nEnd", L"2: bad number '99999999999'"},
        {L"Begin Form f\n  Width = 1e999\nEnd", L"2: bad number '1e999'"},
        {L"Begin Form f\n  Width = 12x\nEnd", L"2: unexpected 'x' after the value"},
        {L"Begin Form f\n  Width = 1.5&\nEnd", L"2: unexpected '&' after the value"},
        {L"Begin Form f\n  Color = &H123456789&\nEnd", L"2: bad number '&H123456789'"},
        {L"Begin Form f\n  Color = &HZ\nEnd", L"2: bad number '&H'"},
        {L"Begin Form f\n  Width =\nEnd", L"2: unknown value ''"},
        {L"Begin Form f\n  Width = True\nEnd", L"2: unknown value 'True'"},
        {L"Begin Form f\n  Day = #2/30/2026#\nEnd", L"2: bad date"},
        {L"Begin Form f\n  Day = #1/2/2026\nEnd", L"2: bad date"},
        {L"Begin Form f\n  Day = #13:00:00 PM#\nEnd", L"2: bad date"},
        {L"Begin Form f\n  Day = CDate(x)\nEnd", L"2: bad date serial ''"},
        {L"Begin Form f\n  = 5\nEnd", L"2: a name is missing"},
        {L"Begin Form f\n  Frobnicate\nEnd", L"2: unknown syntax '  Frobnicate'"},
        {L"Begin Form f\n  BeginProperty Font\n  End\nEnd",
         L"3: End where EndProperty was expected"},
        {L"Begin Form f\n  EndProperty\nEnd", L"2: EndProperty where End was expected"},
        {L"Begin Form f\nEnd\nEnd", L"3: text after the last End"},
        {L"Begin Form f\n  Begin Label l\n  End", L"1: Begin without End"},
        {L"Begin Form f\n  Begin Label l\nEnd", L"1: Begin without End"},
        {L"Begin Form f\n  Begin Label l\n    BeginProperty Font\n    EndProperty\n",
         L"2: Begin without End"},
        {L"Begin Form f\n  BeginProperty Font\n", L"2: BeginProperty without EndProperty"},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(ToUtf8(text));
        EXPECT_EQ(ErrorOf([&] { ReadFormText(text); }), L"321 " + prefix + error);
    }
}

TEST(FormFile, RefusesToNestWithoutBound) {
    std::wstring text;
    for (int depth = 0; depth < 101; ++depth) {
        text += L"Begin Frame f\n";
    }
    EXPECT_EQ(ErrorOf([&] { ReadFormText(text); }),
              L"321 Invalid file format: line 101: nested more than 100 deep");
    // Nor are such trees made, so every tree written reads back.
    PropertyBag root(L"Form", L"frmDeep");
    PropertyBag* deepest = &root;
    for (int depth = 1; depth < 100; ++depth) {
        deepest = depth % 2 == 0 ? &deepest->AddChild(L"Frame", L"f") : &deepest->WriteGroup(L"g");
    }
    EXPECT_EQ(ErrorNumberOf([&] { deepest->AddChild(L"Frame", L"f"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { deepest->WriteGroup(L"g"); }), 5);
    EXPECT_EQ(WriteFormText(*ReadFormText(WriteFormText(root))), WriteFormText(root));
}

// Texts made of the characters and words that mean something in a form file.
std::wstring AwkwardText(std::mt19937& random) {
    const std::wstring nul(1, L'\0');
    const std::wstring high(1, static_cast<wchar_t>(0xD800));  // surrogates without a pair
    const std::wstring low(1, static_cast<wchar_t>(0xDFFF));
    const std::wstring pieces[] = {L"\"",   L"\"\"",       L"&",     L" & ",  L"\r",     L"\n",
                                   L"\r\n", L"\t",         nul,      L" ",    L"a",      L"Z",
                                   L"#",    L"=",          L"ChrW(", L")",    L"é",      L"Ж",
                                   L"中",   L"\U0001F600", L"\x7F",  L"\x85", L"\xFEFF", high,
                                   low,     L"End",        L"Begin", L"&H",   L"1.5"};
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::wstring text;
    for (std::size_t n = length(random); n > 0; --n) {
        text += pieces[pick(random)];
    }
    return text;
}

bool IsTextFileCharacter(wchar_t ch) {
    return ch == L'\r' || ch == L'\n' || (ch >= 0x20 && ch != 0x7F);
}

TEST(FormFile, AwkwardTextsRoundTripAsTextFiles) {
    std::mt19937 random(20260501);
    PropertyBag bag(L"Form", L"frmDemo");
    std::vector<std::wstring> texts;
    for (int i = 0; i < 400; ++i) {
        texts.push_back(AwkwardText(random));
        bag.StoreProperty(L"T" + std::to_wstring(i), texts.back());
    }
    const std::wstring text = WriteFormText(bag);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), IsTextFileCharacter));

    const auto read = ReadFormText(FromUtf8(ToUtf8(text)));  // as a file holds it
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(read->ReadProperty(L"T" + std::to_wstring(i)), Variant(texts[i]))
            << "text " << i << ": " << ToUtf8(texts[i]);
    }
}

TEST(FormFile, DamagedTextsEitherReadOrRaise321) {
    const std::wstring original = WriteFormText(*SampleForm());
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> position(0, original.size() - 1);
    const std::wstring inserts = L"\"&#=\r\n\t ()ChrWEndBegin0123456789.-";
    std::uniform_int_distribution<std::size_t> insert(0, inserts.size() - 1);
    int readable = 0;
    for (int round = 0; round < 300; ++round) {
        std::wstring text = original;
        for (int edit = 0; edit < 3; ++edit) {
            const std::size_t at = position(random) % text.size();
            if (random() % 2 == 0) {
                text.erase(at, 1 + random() % 4);
            } else {
                text.insert(at, 1, inserts[insert(random)]);
            }
        }
        try {
            const auto bag = ReadFormText(text);
            const std::wstring written = WriteFormText(*bag);
            EXPECT_EQ(WriteFormText(*ReadFormText(written)), written);
            ++readable;
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), 321) << ToUtf8(error.Description());
        }
    }
    EXPECT_GT(readable, 0);
}

}  // namespace
}  // namespace zv
