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
    auto image = std::make_shared<ListImage>(key, std::move(picture));
    if (key.empty()) {
        m_images.Add(image);
    } else {
        m_images.Add(image, key);
    }
    image->SetIndex(m_images.Count());
    m_changed();
    return image;
}

void ListImages::Remove(std::int32_t index) {
    m_images.Remove(index);
    Renumber();
}

void ListImages::Remove(const std::wstring& key) {
    m_images.Remove(key);
    Renumber();
}

void ListImages::Clear() {
    m_images.Clear();
    m_changed();
}

void ListImages::Renumber() {
    std::int32_t index = 0;
    for (const auto& image : m_images) {
        image->SetIndex(++index);
    }
    m_changed();
}

}  // namespace zv::forms
