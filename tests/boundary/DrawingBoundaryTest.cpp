// The message boxes, the drawing of transparent pictures and the picture
// controls with failing host code, files and memory: each member gives its
// neutral result.

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "BoundaryTest.h"
#include "TestMemory.h"
#include "controls/ImageSelect.h"
#include "controls/ctlImage.h"
#include "msgbox/IMessageBox.h"
#include "msgbox/IOptionBox.h"
#include "msgbox/modMessageBox.h"
#include "paint/modPaint.h"
#include "platform/automation/AutomationObject.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

// A one-pixel white bitmap, read from the bytes of its file.
std::shared_ptr<Picture> WhitePixel() {
    std::array<unsigned char, 58> bmp{'B', 'M', 58};
    bmp[10] = 54;           // where the pixels start
    bmp[14] = 40;           // the info header's size
    bmp[18] = bmp[22] = 1;  // one pixel wide and high
    bmp[26] = 1;            // one plane
    bmp[28] = 24;           // bits per pixel
    bmp[54] = bmp[55] = bmp[56] = 0xFF;
    return LoadPictureFromMemory(bmp);
}

// Whether painting the white pixel onto a black memory DC without memory
// leaves the DC black.
bool PaintLeavesTheDestination() {
    const HDC dc = CreateCompatibleDC(0);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, 1, 1);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SetPixel(dc, 0, 0, RGB(0, 0, 0));
    const auto picture = WhitePixel();
    WithoutMemory([&] { PaintTransparentStdPic(dc, 0, 0, 1, 1, picture, 0, 0, 0xFF00FF); });
    const bool unchanged = GetPixel(dc, 0, 0) == RGB(0, 0, 0);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return unchanged;
}

// A shown form with one control of the type given; `use` gets the control.
template <typename Control, typename Use>
bool OnAForm(Use use) {
    forms::Form form(L"frmBoundary");
    const auto control = form.Add<Control>(L"Control1");
    form.Show();
    return use(*control);
}

// A catalogue entry whose Name cannot be read.
class UnreadableType : public AutomationObject {
  public:
    UnreadableType() {
        Expose(1, L"Name").Get([] {
            Unreadable();
            return Variant();
        });
    }
};

// A catalogue entry whose picture file is the folder itself.
class FolderType : public AutomationObject {
  public:
    FolderType() {
        Expose(1, L"Name").Get([] { return Variant(L"Panel"); });
        Expose(2, L"Image").Get([] { return Variant(L""); });
    }
};

std::shared_ptr<Collection<Variant>> CatalogueOf(std::shared_ptr<AutomationObject> entry) {
    auto catalogue = std::make_shared<Collection<Variant>>();
    catalogue->Add(Variant(std::move(entry)));
    return catalogue;
}

// A setter of ImageSelect, called while the host's listener to property
// changes fails; true when the value was kept all the same.
template <typename Set, typename Get>
bool KeptDespiteTheListener(Set set, Get get) {
    return OnAForm<ImageSelect>([&](ImageSelect& select) {
        select.OnPropertyChanged.Connect([](const std::wstring&) { OutOfMemory(); });
        set(select);
        return get(select);
    });
}

const BoundaryRow kRows[] = {
    {"IMessageBox_DMsgBox",
     [] {
         return WithoutMemory([box = IMessageBox()]() mutable { return box.DMsgBox(L"?"); }) == -2;
     }},
    {"IOptionBox_OptionBox",
     [] {
         const std::wstring choices = L"First choice,Second choice";
         return WithoutMemory([&] { return IOptionBox().OptionBox(choices); }) == -2;
     }},
    {"ZvMsgBox", [] { return WithoutMemory([] { return ZvMsgBox(0, L"?"); }) == 0; }},
    {"FormatRemainingTime",
     [] { return WithoutMemory([] { return FormatRemainingTime(200000000); }).empty(); }},
    {"PaintTransparentStdPic", PaintLeavesTheDestination},
    {"ctlImage_SetPicture",
     [] {
         const auto picture = WhitePixel();
         return OnAForm<ctlImage>([&](ctlImage& image) {
             WithoutMemory([&] { image.SetPicture(picture); });
             return image.Picture() == picture;
         });
     }},
    {"ctlImage_ReDraw",
     [] {
         const auto picture = WhitePixel();
         return OnAForm<ctlImage>([&](ctlImage& image) {
             image.SetPicture(picture);
             image.SetHeight(40, 40);
             WithoutMemory([&] { image.ReDraw(); });
             return true;
         });
     }},
    {"ImageSelect_SetCurrent_UnreadableName",
     [] {
         return OnAForm<ImageSelect>([](ImageSelect& select) {
             select.SetCollection(CatalogueOf(std::make_shared<UnreadableType>()));
             return !select.SetCurrent(L"Panel");
         });
     }},
    {"ImageSelect_SetCurrent_UnreadablePicture",
     [] {
         return OnAForm<ImageSelect>([](ImageSelect& select) {
             select.SetImagePath(Variant(std::filesystem::temp_directory_path().wstring()));
             select.SetCollection(CatalogueOf(std::make_shared<FolderType>()));
             return !select.SetCurrent(L"Panel");
         });
     }},
    {"ImageSelect_GetLastError",
     [] {
         return OnAForm<ImageSelect>([](ImageSelect& select) {
             return WithoutMemory([&] { return select.GetLastError(); }).empty();
         });
     }},
    {"ImageSelect_SetImagePath",
     [] {
         return KeptDespiteTheListener(
             [](ImageSelect& s) { s.SetImagePath(Variant(L"C:")); },
             [](ImageSelect& s) { return s.ImagePath().ToText() == L"C:"; });
     }},
    {"ImageSelect_SetSelectedDescription",
     [] {
         return KeptDespiteTheListener(
             [](ImageSelect& s) { s.SetSelectedDescription(L"Hall"); },
             [](ImageSelect& s) { return s.SelectedDescription() == L"Hall"; });
     }},
    {"ImageSelect_SetSelectedID",
     [] {
         return KeptDespiteTheListener([](ImageSelect& s) { s.SetSelectedID(7); },
                                       [](ImageSelect& s) { return s.SelectedID() == 7; });
     }},
    {"ImageSelect_SetSelectedType",
     [] {
         return KeptDespiteTheListener(
             [](ImageSelect& s) { s.SetSelectedType(L"Dimmer"); },
             [](ImageSelect& s) { return s.SelectedType() == L"Dimmer"; });
     }},
};

INSTANTIATE_TEST_SUITE_P(Drawing, Boundary, testing::ValuesIn(kRows), MemberOf);

}  // namespace
}  // namespace zv::test
