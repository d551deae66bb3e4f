#include "errors/ErrorItems.h"

#include <algorithm>

#include "platform/automation/Trapped.h"

namespace zv {

ErrorItems::ErrorItems() {
    Clear(false);
}

// Each public operation runs through Trapped on top of the steps below, which
// let their failures out to it: an operation that fails stops at once.

void ErrorItems::Add(const ErrorItem& errItem) {
    Trapped([&] { Store(errItem); });
}

void ErrorItems::Reset(bool bAddDefaultError) {
    Trapped([&] { Clear(bAddDefaultError); });
}

void ErrorItems::Restart(const ErrorItem& errItem) {
    Trapped([&] {
        // Copied first: errItem may be one of this collection's own records.
        const ErrorItem kept = errItem;
        Clear(false);
        Store(kept);
    });
}

void ErrorItems::AddItems(const ErrorItems& errItems) {
    Trapped([&] { Merge(errItems); });
}

void ErrorItems::SetItems(const ErrorItems& errItems) {
    Trapped([&] { Replace(errItems); });
}

void ErrorItems::Store(const ErrorItem& errItem) {
    // Everything that can fail comes before the first change.
    auto stored = std::make_shared<ErrorItem>(errItem);
    if (!m_applicationContext.empty() && stored->ApplicationContext().empty()) {
        stored->SetApplicationContext(m_applicationContext);
    }
    const bool details = !stored->Details().empty();
    const bool instructions = !stored->Instructions().empty();
    m_items.Add(std::move(stored));
    if (m_containsDefaultErrorOnly) {
        m_items.Remove(1);
        m_containsDefaultErrorOnly = false;
    }
    m_anyItemsHaveDetails = m_anyItemsHaveDetails || details;
    m_anyItemsHaveInstructions = m_anyItemsHaveInstructions || instructions;
}

void ErrorItems::Clear(bool bAddDefaultError) {
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

void ErrorItems::Merge(const ErrorItems& errItems) {
    if (!errItems.HasMsgs(false, true)) {
        return;
    }
    const bool wasDefaultOnly = m_containsDefaultErrorOnly;
    const bool otherWasDefaultOnly = errItems.m_containsDefaultErrorOnly;
    // Room for all of them at once; the default item, if any, goes on the
    // first store. Counted before storing, so that merging a collection into
    // itself visits each of its records once.
    const std::int32_t count = errItems.Count();
    m_items.Reserve(Count() + count);
    for (std::int32_t i = 1; i <= count; ++i) {
        Store(*errItems.m_items.Item(i));
    }
    m_containsDefaultErrorOnly = wasDefaultOnly && otherWasDefaultOnly;
}

void ErrorItems::Replace(const ErrorItems& errItems) {
    if (&errItems == this) {
        return;  // already holds these records; a reset would lose them
    }
    Clear(false);
    Merge(errItems);
    m_containsDefaultErrorOnly = errItems.m_containsDefaultErrorOnly;
}

ErrorItems::Records ErrorItems::AsCollection() const {
    return Trapped(Records(), [&] { return m_items; });
}

std::shared_ptr<ErrorItems> ErrorItems::Clone() const {
    return Trapped(std::shared_ptr<ErrorItems>(), [&] {
        auto copy = std::make_shared<ErrorItems>();
        copy->m_defaultMessage = m_defaultMessage;
        copy->m_applicationContext = m_applicationContext;
        copy->Replace(*this);
        copy->m_overallMessage = m_overallMessage;
        copy->m_overallInstructions = m_overallInstructions;
        return copy;
    });
}

void ErrorItems::UpdateApplicationContexts() {
    Trapped([&] {
        for (const auto& record : m_items) {
            record->SetApplicationContext(m_applicationContext);
        }
    });
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
