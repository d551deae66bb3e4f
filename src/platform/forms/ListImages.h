#pragma once

// The pictures of an image list, in order, found by place (from 1) or by
// key (without regard to case), with the errors of the list view's
// collections (ListCollection).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/forms/ListCollection.h"
#include "platform/forms/ListImage.h"

namespace zv::forms {

class ListImages {
  public:
    // Heard after every change, so that the list's platform images follow;
    // before one, `allowed` may refuse the picture by raising.
    ListImages(std::function<void(const zv::Picture&)> allowed, std::function<void()> changed)
        : m_allowed(std::move(allowed)), m_changed(std::move(changed)) {}

    std::int32_t Count() const { return m_images.Count(); }

    // Appends a picture (481 for none or an empty one), with a key unless it
    // is empty.
    std::shared_ptr<ListImage> Add(const std::wstring& key, std::shared_ptr<zv::Picture> picture);
    const std::shared_ptr<ListImage>& Item(std::int32_t index) const {
        return m_images.Item(index);
    }
    const std::shared_ptr<ListImage>& Item(const std::wstring& key) const {
        return m_images.Item(key);
    }
    void Remove(std::int32_t index);
    void Remove(const std::wstring& key) { Remove(m_images.Item(key)->Index()); }
    void Clear();

    auto begin() const { return m_images.begin(); }
    auto end() const { return m_images.end(); }

  private:
    ListCollection<ListImage> m_images;
    std::function<void(const zv::Picture&)> m_allowed;
    std::function<void()> m_changed;
};

}  // namespace zv::forms
