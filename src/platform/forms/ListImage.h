#pragma once

// One picture of an image list, with the key it was added under, its place
// in the list (from 1) and a tag of the host's.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/Picture.h"

namespace zv::forms {

class ListImage {
  public:
    ListImage(std::wstring key, std::shared_ptr<zv::Picture> picture)
        : m_key(std::move(key)), m_picture(std::move(picture)) {}

    const std::wstring& Key() const { return m_key; }
    std::int32_t Index() const { return m_index; }
    const std::shared_ptr<zv::Picture>& Picture() const { return m_picture; }
    const std::wstring& Tag() const { return m_tag; }
    void SetTag(std::wstring tag) { m_tag = std::move(tag); }

    // The list keeps the place up to date.
    void SetIndex(std::int32_t index) { m_index = index; }

  private:
    std::wstring m_key;
    std::shared_ptr<zv::Picture> m_picture;
    std::wstring m_tag;
    std::int32_t m_index = 0;
};

}  // namespace zv::forms
