#include "platform/forms/ImageList.h"

#include <string>

#include "platform/automation/AutomationError.h"
#include "platform/forms/PaintTools.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/ImageListConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

std::wstring ImageGroup(std::int32_t index) {
    return L"ListImage" + std::to_wstring(index);
}

// A copy of a bitmap at another size, made with the DC given.
HBITMAP Scaled(HDC screen, HBITMAP source, SIZE from, SIZE to, bool monochrome) {
    const HBITMAP copy = monochrome ? CreateBitmap(to.cx, to.cy, 1, 1, nullptr)
                                    : CreateCompatibleBitmap(screen, to.cx, to.cy);
    const HDC reader = CreateCompatibleDC(screen);
    const HDC writer = CreateCompatibleDC(screen);
    {
        const SelectedObject read(reader, source, false);
        const SelectedObject write(writer, copy, false);
        StretchBlt(writer, 0, 0, to.cx, to.cy, reader, 0, 0, from.cx, from.cy, SRCCOPY);
    }
    DeleteDC(reader);
    DeleteDC(writer);
    return copy;
}

}  // namespace

ImageList::ImageList(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, 480, 480),
      m_images([this](const zv::Picture& picture) { TakeSizeOf(picture); },
               [this] { DropPlatformList(); }) {
    SetVisible(false);
}

ImageList::~ImageList() {
    DropPlatformList();
}

void ImageList::CheckSizeMayChange(std::int16_t size) const {
    if (size < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    if (m_images.Count() > 0) {
        throw AutomationError(err::kImageListNotEmpty);
    }
}

void ImageList::SetImageWidth(std::int16_t width) {
    CheckSizeMayChange(width);
    m_width = width;
}

void ImageList::SetImageHeight(std::int16_t height) {
    CheckSizeMayChange(height);
    m_height = height;
}

void ImageList::SetMaskColor(std::uint32_t colour) {
    m_maskColor = colour;
    DropPlatformList();
}

void ImageList::SetUseMaskColor(bool use) {
    m_useMaskColor = use;
    DropPlatformList();
}

// The first picture gives a list the sides it was not given.
void ImageList::TakeSizeOf(const zv::Picture& picture) {
    if (m_images.Count() > 0) {
        return;
    }
    const SIZE size = PictureSize(picture);
    if (size.cx > 0x7FFF || size.cy > 0x7FFF) {
        throw AutomationError(err::kInvalidPicture);
    }
    if (m_width == 0) {
        m_width = static_cast<std::int16_t>(size.cx);
    }
    if (m_height == 0) {
        m_height = static_cast<std::int16_t>(size.cy);
    }
}

void ImageList::DropPlatformList() {
    if (m_list != 0) {
        ImageList_Destroy(m_list);
        m_list = 0;
    }
}

HIMAGELIST ImageList::hImageList() {
    if (m_list == 0 && m_width > 0 && m_height > 0) {
        m_list = ImageList_Create(m_width, m_height, ILC_COLOR32 | ILC_MASK, m_images.Count(), 4);
        for (const auto& image : m_images) {
            AddToPlatformList(*image->Picture());
        }
    }
    return m_list;
}

// A scaled copy of the picture goes in, so that the key colour blackens the
// copy rather than the picture.
void ImageList::AddToPlatformList(const zv::Picture& picture) const {
    const SIZE from = PictureSize(picture);
    const SIZE to{m_width, m_height};
    const HDC screen = GetDC(0);
    const HBITMAP colour = Scaled(screen, picture.Handle(), from, to, false);
    if (picture.Type() == PictureType::Icon) {
        const HBITMAP mask = Scaled(screen, picture.MaskHandle(), from, to, true);
        ImageList_Add(m_list, colour, mask);
        DeleteObject(mask);
    } else if (m_useMaskColor) {
        ImageList_AddMasked(m_list, colour, ToColorRef(m_maskColor));
    } else {
        ImageList_Add(m_list, colour, 0);
    }
    DeleteObject(colour);
    ReleaseDC(0, screen);
}

void ImageList::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"ImageWidth", m_width, std::int16_t{0});
    bag.WriteProperty(L"ImageHeight", m_height, std::int16_t{0});
    bag.WriteProperty(L"MaskColor", static_cast<std::int32_t>(m_maskColor), 0x00C0C0C0);
    bag.WriteProperty(L"UseMaskColor", m_useMaskColor, true);
    bag.WriteProperty(L"NumListImages", m_images.Count(), 0);
    for (const auto& image : m_images) {
        PropertyBag& group = bag.WriteGroup(ImageGroup(image->Index()));
        group.WriteProperty(L"Key", image->Key(), std::wstring());
        group.WriteProperty(L"Tag", image->Tag(), std::wstring());
        group.WritePicture(L"Picture", image->Picture().get());
    }
}

void ImageList::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    SetVisible(false);
    m_images.Clear();
    SetImageWidth(bag.ReadProperty(L"ImageWidth", std::int16_t{0}).ToInt16());
    SetImageHeight(bag.ReadProperty(L"ImageHeight", std::int16_t{0}).ToInt16());
    SetMaskColor(static_cast<std::uint32_t>(bag.ReadLong(L"MaskColor", 0x00C0C0C0)));
    SetUseMaskColor(bag.ReadProperty(L"UseMaskColor", true).ToInt16() != 0);
    const std::int32_t count = bag.ReadLong(L"NumListImages", 0);
    for (std::int32_t index = 1; index <= count; ++index) {
        const PropertyBag* group = bag.ReadGroup(ImageGroup(index));
        if (group == nullptr) {
            throw AutomationError(err::kInvalidPropertyValue);
        }
        const auto image = m_images.Add(group->ReadProperty(L"Key", std::wstring()).ToText(),
                                        group->ReadPicture(L"Picture"));
        image->SetTag(group->ReadProperty(L"Tag", std::wstring()).ToText());
    }
}

}  // namespace zv::forms
