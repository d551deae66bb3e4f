#include "platform/forms/ListImages.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/PaintTools.h"

namespace zv::forms {

std::shared_ptr<ListImage> ListImages::Add(const std::wstring& key,
                                           std::shared_ptr<zv::Picture> picture) {
    if (!HasPicture(picture.get())) {
        throw AutomationError(err::kInvalidPicture);
    }
    m_allowed(*picture);
    auto image = std::make_shared<ListImage>(std::move(picture));
    m_images.Insert(0, key, image);
    m_changed();
    return image;
}

void ListImages::Remove(std::int32_t index) {
    m_images.Remove(index);
    m_changed();
}

void ListImages::Clear() {
    m_images.Clear();
    m_changed();
}

}  // namespace zv::forms
