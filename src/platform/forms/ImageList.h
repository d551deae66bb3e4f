#pragma once

// An image list: pictures of one size that other controls show by index or
// key. It is seen only while a form is designed, never at run time.
// hImageList gives the platform's image list made from the pictures, each
// scaled to ImageWidth by ImageHeight pixels: icons through their masks,
// bitmaps through MaskColor while UseMaskColor holds.

#include <cstdint>

#include "platform/forms/Control.h"
#include "platform/forms/ListImages.h"
#include "platform/win/ImageListApi.h"

namespace zv::err {
// The size of a list that holds images cannot change.
inline constexpr std::int32_t kImageListNotEmpty = 35611;
}  // namespace zv::err

namespace zv::forms {

class ImageList : public Control {
  public:
    ImageList(Form& form, std::wstring name, std::int16_t index);
    ~ImageList() override;

    std::wstring TypeName() const override { return L"ImageList"; }

    ListImages& Images() { return m_images; }
    const ListImages& Images() const { return m_images; }

    // In pixels; 0 until set or taken from the first picture added. Negative
    // sizes raise 380, a change while the list holds images 35611.
    std::int16_t ImageWidth() const { return m_width; }
    void SetImageWidth(std::int16_t width);
    std::int16_t ImageHeight() const { return m_height; }
    void SetImageHeight(std::int16_t height);

    std::uint32_t MaskColor() const { return m_maskColor; }
    void SetMaskColor(std::uint32_t colour);
    bool UseMaskColor() const { return m_useMaskColor; }
    void SetUseMaskColor(bool use);

    // Made when first asked for after a change; 0 while the size is unknown.
    win::HIMAGELIST hImageList();

    bool HitTest(win::POINT) const override { return false; }
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override { return std::nullopt; }

  private:
    void CheckSizeMayChange(std::int16_t size) const;
    void TakeSizeOf(const zv::Picture& picture);
    void AddToPlatformList(const zv::Picture& picture) const;
    void DropPlatformList();

    ListImages m_images;
    std::int16_t m_width = 0;
    std::int16_t m_height = 0;
    std::uint32_t m_maskColor = 0x00C0C0C0;
    bool m_useMaskColor = true;
    win::HIMAGELIST m_list = 0;
};

}  // namespace zv::forms
