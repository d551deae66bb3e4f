#pragma once

// One picture of an image list, with the key it was added under, its place
// in the list (from 1) and a tag of the host's.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/ListCollection.h"
#include "platform/forms/Picture.h"

namespace zv::forms {

class ListImage : public ListEntry {
  public:
    explicit ListImage(std::shared_ptr<zv::Picture> picture) : m_picture(std::move(picture)) {}

    const std::shared_ptr<zv::Picture>& Picture() const { return m_picture; }
    const std::wstring& Tag() const { return m_tag; }
    void SetTag(std::wstring tag) { m_tag = std::move(tag); }

  private:
    std::shared_ptr<zv::Picture> m_picture;
    std::wstring m_tag;
};

}  // namespace zv::forms
