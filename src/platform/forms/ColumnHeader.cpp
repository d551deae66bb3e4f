#include "platform/forms/ColumnHeader.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/ListView.h"

namespace zv::forms {

void ColumnHeader::SetText(std::wstring text) {
    m_text = std::move(text);
    if (m_view != nullptr) {
        m_view->ColumnChanged(*this);
    }
}

std::int32_t ColumnHeader::Width() const {
    return m_view != nullptr ? m_view->ColumnWidth(*this) : m_width;
}

void ColumnHeader::SetWidth(std::int32_t twips) {
    if (twips < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_width = twips;
    if (m_view != nullptr) {
        m_view->ColumnWidthChanged(*this);
    }
}

void ColumnHeader::SetAlignment(std::int16_t alignment) {
    if (alignment < column_align::kLeft || alignment > column_align::kCenter ||
        (Index() == 1 && alignment != column_align::kLeft)) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_alignment = alignment;
    if (m_view != nullptr) {
        m_view->ColumnChanged(*this);
    }
}

std::int32_t ColumnHeader::Position() const {
    return m_view != nullptr ? m_view->ColumnPosition(*this) : 0;
}

void ColumnHeader::SetPosition(std::int32_t position) {
    if (m_view == nullptr || position < 1 || position > m_view->ColumnHeaders().Count()) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_view->MoveColumn(*this, position);
}

}  // namespace zv::forms
