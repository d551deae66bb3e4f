#include "platform/forms/ColumnHeaders.h"

#include <algorithm>

#include "platform/forms/ListView.h"

namespace zv::forms {

std::shared_ptr<ColumnHeader> ColumnHeaders::Add(std::int32_t index, const std::wstring& key,
                                                 const std::wstring& text, std::int32_t width,
                                                 std::int16_t alignment) {
    // A new column shows sub-items no other column shows: those of the
    // columns that are there keep their places.
    auto column =
        std::make_shared<ColumnHeader>(nullptr, Count() == 0 ? 0 : LastSubItemIndex() + 1);
    column->m_text = text;
    if (width >= 0) {
        column->m_width = width;
    }
    m_entries.Insert(index, key, column);
    try {
        column->SetAlignment(alignment);
    } catch (...) {
        m_entries.Remove(column->Index());
        throw;
    }
    column->m_view = &m_view;
    m_view.ColumnInserted(*column);
    return column;
}

std::int32_t ColumnHeaders::LastSubItemIndex() const {
    std::int32_t last = 0;
    for (const auto& column : m_entries) {
        last = std::max(last, column->SubItemIndex());
    }
    return last;
}

void ColumnHeaders::Remove(std::int32_t index) {
    const std::int32_t width = m_entries.Item(index)->Width();
    const auto column = m_entries.Remove(index);
    column->m_width = width;
    m_view.ColumnRemoved(*column, index);
    column->Detach();
}

void ColumnHeaders::Clear() {
    for (const auto& column : m_entries) {
        column->m_width = column->Width();
    }
    m_view.ColumnsCleared();
    for (auto& column : m_entries.Clear()) {
        column->Detach();
    }
}

}  // namespace zv::forms
