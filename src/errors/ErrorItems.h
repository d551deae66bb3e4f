#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "errors/ErrorItem.h"
#include "platform/automation/Collection.h"

namespace zv {

// The outcome of an operation that can produce several records: an ordered
// list of ErrorItem framed by an overall message and instructions. Never
// empty: until a real record is added it holds one default item that states
// the overall outcome (success, or an unspecified error). The collection
// stores clones of what it is given and hands out the stored records
// themselves.
class ErrorItems {
  public:
    using Records = Collection<std::shared_ptr<ErrorItem>>;
    using const_iterator = Records::const_iterator;

    ErrorItems();

    // Properties

    const std::wstring& OverallMessage() const noexcept { return m_overallMessage; }
    void SetOverallMessage(std::wstring value) { m_overallMessage = std::move(value); }

    const std::wstring& OverallInstructions() const noexcept { return m_overallInstructions; }
    void SetOverallInstructions(std::wstring value) { m_overallInstructions = std::move(value); }

    // Given to the default item of Reset(true) as its DefaultMessage.
    const std::wstring& DefaultMessage() const noexcept { return m_defaultMessage; }
    void SetDefaultMessage(std::wstring value) { m_defaultMessage = std::move(value); }

    // Context given to records that have none.
    const std::wstring& ApplicationContext() const noexcept { return m_applicationContext; }
    void SetApplicationContext(std::wstring value) { m_applicationContext = std::move(value); }

    std::int32_t Count() const noexcept { return m_items.Count(); }
    bool AnyItemsHaveDetails() const noexcept { return m_anyItemsHaveDetails; }
    bool AnyItemsHaveInstructions() const noexcept { return m_anyItemsHaveInstructions; }
    bool ContainsDefaultErrorOnly() const noexcept { return m_containsDefaultErrorOnly; }

    // The stored record at a 1-based position; a position outside 1..Count
    // raises AutomationError 9.
    std::shared_ptr<ErrorItem> Item(std::int32_t nIndex) const { return m_items.Item(nIndex); }
    std::shared_ptr<ErrorItem> Last() const { return m_items.Item(Count()); }
    // A new plain collection of the stored records themselves, in order.
    Records AsCollection() const;

    // Enumeration of the stored records in order.
    const_iterator begin() const noexcept { return m_items.begin(); }
    const_iterator end() const noexcept { return m_items.end(); }

    // Operations

    // Stores a clone of the record, replacing the default item if it is the
    // only one.
    void Add(const ErrorItem& errItem);
    void Reset(bool bAddDefaultError = false);
    // Leaves only a clone of the record.
    void Restart(const ErrorItem& errItem);
    // Merges clones of another collection's records, unless it has no message
    // worth keeping.
    void AddItems(const ErrorItems& errItems);
    // Replaces the records with clones of another collection's.
    void SetItems(const ErrorItems& errItems);
    std::shared_ptr<ErrorItems> Clone() const;
    // Gives every stored record the collection's ApplicationContext.
    void UpdateApplicationContexts();

    // Queries

    bool HasWarningsOrWorse() const noexcept;
    bool HasMsgs(bool bIgnoreCancelMsgs = true, bool bIgnoreSuccess = true) const noexcept;

  private:
    void Store(const ErrorItem& errItem);
    void Clear(bool bAddDefaultError);
    void Merge(const ErrorItems& errItems);
    void Replace(const ErrorItems& errItems);

    Records m_items;
    bool m_containsDefaultErrorOnly = true;
    std::wstring m_defaultMessage;
    std::wstring m_applicationContext;
    bool m_anyItemsHaveDetails = false;
    bool m_anyItemsHaveInstructions = false;
    std::wstring m_overallMessage;
    std::wstring m_overallInstructions;
};

}  // namespace zv
