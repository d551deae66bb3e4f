#include "errors/ErrorItems.h"

#include <algorithm>

namespace zv {

ErrorItems::ErrorItems() {
    Reset(false);
}

void ErrorItems::Add(const ErrorItem& errItem) {
    auto stored = errItem.Clone();
    if (m_containsDefaultErrorOnly) {
        m_items.Remove(1);
        m_containsDefaultErrorOnly = false;
    }
    m_anyItemsHaveDetails = m_anyItemsHaveDetails || !stored->Details().empty();
    m_anyItemsHaveInstructions = m_anyItemsHaveInstructions || !stored->Instructions().empty();
    if (!m_applicationContext.empty() && stored->ApplicationContext().empty()) {
        stored->SetApplicationContext(m_applicationContext);
    }
    m_items.Add(std::move(stored));
}

void ErrorItems::Reset(bool bAddDefaultError) {
    auto defaultItem = std::make_shared<ErrorItem>();
    defaultItem->Init({}, bAddDefaultError ? errCritical : errSuccess);
    if (bAddDefaultError && !m_defaultMessage.empty()) {
        defaultItem->SetDefaultMessage(m_defaultMessage);
    }
    defaultItem->SetApplicationContext(m_applicationContext);
    m_items.Clear();
    m_items.Add(std::move(defaultItem));
    m_containsDefaultErrorOnly = true;
    m_anyItemsHaveDetails = false;
    m_anyItemsHaveInstructions = false;
    m_overallMessage.clear();
    m_overallInstructions.clear();
}

void ErrorItems::Restart(const ErrorItem& errItem) {
    // Cloned first: errItem may be one of this collection's own records.
    const auto kept = errItem.Clone();
    Reset(false);
    Add(*kept);
}

void ErrorItems::AddItems(const ErrorItems& errItems) {
    if (!errItems.HasMsgs(false, true)) {
        return;
    }
    const bool wasDefaultOnly = m_containsDefaultErrorOnly;
    const bool otherWasDefaultOnly = errItems.m_containsDefaultErrorOnly;
    // A copy of the list, so that merging a collection into itself visits
    // each of its records once.
    const Records records = errItems.m_items;
    for (const auto& record : records) {
        Add(*record);
    }
    m_containsDefaultErrorOnly = wasDefaultOnly && otherWasDefaultOnly;
}

void ErrorItems::SetItems(const ErrorItems& errItems) {
    if (&errItems == this) {
        return;  // already holds these records; a reset would lose them
    }
    Reset(false);
    AddItems(errItems);
    m_containsDefaultErrorOnly = errItems.m_containsDefaultErrorOnly;
}

std::shared_ptr<ErrorItems> ErrorItems::Clone() const {
    auto copy = std::make_shared<ErrorItems>();
    copy->m_defaultMessage = m_defaultMessage;
    copy->m_applicationContext = m_applicationContext;
    copy->SetItems(*this);
    copy->m_overallMessage = m_overallMessage;
    copy->m_overallInstructions = m_overallInstructions;
    return copy;
}

void ErrorItems::UpdateApplicationContexts() {
    for (const auto& record : m_items) {
        record->SetApplicationContext(m_applicationContext);
    }
}

bool ErrorItems::HasWarningsOrWorse() const noexcept {
    return std::any_of(m_items.begin(), m_items.end(),
                       [](const auto& record) { return record->HasWarningsOrWorse(); });
}

bool ErrorItems::HasMsgs(bool bIgnoreCancelMsgs, bool bIgnoreSuccess) const noexcept {
    return std::any_of(m_items.begin(), m_items.end(), [&](const auto& record) {
        return record->HasMsg(bIgnoreCancelMsgs, bIgnoreSuccess);
    });
}

}  // namespace zv
