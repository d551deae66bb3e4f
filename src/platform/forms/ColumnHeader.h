#pragma once

// A column of a list view's report: its caption, width (twips), alignment and
// which of an item's sub-items it shows (SubItemIndex: 0 shows the item's own
// text). Changes show at once in a list view's window.

#include <cstdint>
#include <string>

#include "platform/forms/ListCollection.h"

namespace zv::forms {

class ListView;

// Column alignments.
namespace column_align {
inline constexpr std::int16_t kLeft = 0;
inline constexpr std::int16_t kRight = 1;
inline constexpr std::int16_t kCenter = 2;
}  // namespace column_align

class ColumnHeader : public ListEntry {
  public:
    ColumnHeader(ListView* view, std::int32_t subItemIndex)
        : m_view(view), m_subItemIndex(subItemIndex) {}

    const std::wstring& Text() const { return m_text; }
    void SetText(std::wstring text);

    // A negative width raises 380.
    std::int32_t Width() const;
    void SetWidth(std::int32_t twips);

    // The first column is always left-aligned (380 for another); anything
    // but the three alignments raises 380.
    std::int16_t Alignment() const { return m_alignment; }
    void SetAlignment(std::int16_t alignment);

    // Where the column shows, from 1 at the left; moving it moves the others
    // along (380 outside 1..Count).
    std::int32_t Position() const;
    void SetPosition(std::int32_t position);

    std::int32_t SubItemIndex() const { return m_subItemIndex; }

    const std::wstring& Tag() const { return m_tag; }
    void SetTag(std::wstring tag) { m_tag = std::move(tag); }

    // Cut off from its list view when taken out of it.
    void Detach() { m_view = nullptr; }

  private:
    friend class ListView;
    friend class ColumnHeaders;

    ListView* m_view;
    std::int32_t m_subItemIndex;
    std::wstring m_text;
    std::int32_t m_width = 1440;
    std::int16_t m_alignment = column_align::kLeft;
    std::wstring m_tag;
};

}  // namespace zv::forms
