#pragma once

// What a list view's collections share (its columns, its items, an item's
// sub-items): entries addressed by a 1-based index or by a unique text key
// compared without regard to case, inserted anywhere. Each entry knows its
// own index and key, so asking for them is cheap; inserting or removing in
// the middle renumbers the entries after it.
//
// Errors (AutomationError), as hosts of these lists know them: an index
// outside the list 35600, a key that is not there 35601, a key already used
// 35602, a key that reads as a number (it could be taken for an index) 35603.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text/WideString.h"

namespace zv::forms {

namespace list_error {
inline constexpr std::int32_t kIndexOutOfBounds = 35600;
inline constexpr std::int32_t kElementNotFound = 35601;
inline constexpr std::int32_t kKeyNotUnique = 35602;
inline constexpr std::int32_t kInvalidKey = 35603;
[[noreturn]] void Raise(std::int32_t number);
}  // namespace list_error

// The base of an entry: its place in its collection (0 once removed).
class ListEntry {
  public:
    std::int32_t Index() const { return m_index; }
    const std::wstring& Key() const { return m_key; }

  private:
    template <typename>
    friend class ListCollection;
    std::int32_t m_index = 0;
    std::wstring m_key;
};

template <typename T>
class ListCollection {
  public:
    using Entries = std::vector<std::shared_ptr<T>>;

    std::int32_t Count() const { return static_cast<std::int32_t>(m_entries.size()); }

    // Before the entry at index (1..Count + 1); 0 puts it at the end. An
    // empty key gives no key.
    void Insert(std::int32_t index, const std::wstring& key, const std::shared_ptr<T>& entry) {
        if (index == 0) {
            index = Count() + 1;
        }
        if (index < 1 || index > Count() + 1) {
            list_error::Raise(list_error::kIndexOutOfBounds);
        }
        std::wstring folded = CheckedKey(key);
        if (!folded.empty()) {
            m_byKey.emplace(std::move(folded), entry);
        }
        ListEntry& base = *entry;
        base.m_key = key;
        m_entries.insert(m_entries.begin() + (index - 1), entry);
        Renumber(index);
    }

    const std::shared_ptr<T>& Item(std::int32_t index) const {
        if (index < 1 || index > Count()) {
            list_error::Raise(list_error::kIndexOutOfBounds);
        }
        return m_entries[static_cast<std::size_t>(index - 1)];
    }
    const std::shared_ptr<T>& Item(const std::wstring& key) const {
        const auto found = m_byKey.find(FoldCase(key));
        if (found == m_byKey.end()) {
            list_error::Raise(list_error::kElementNotFound);
        }
        return found->second;
    }
    bool Contains(const std::wstring& key) const { return m_byKey.contains(FoldCase(key)); }

    // The entry taken out, with index 0.
    std::shared_ptr<T> Remove(std::int32_t index) {
        std::shared_ptr<T> entry = Item(index);
        ListEntry& base = *entry;
        if (!base.m_key.empty()) {
            m_byKey.erase(FoldCase(base.m_key));
        }
        m_entries.erase(m_entries.begin() + (index - 1));
        base.m_index = 0;
        Renumber(index);
        return entry;
    }
    std::shared_ptr<T> Remove(const std::wstring& key) { return Remove(Item(key)->Index()); }

    // The entries taken out, each with index 0.
    Entries Clear() {
        Entries gone;
        gone.swap(m_entries);
        m_byKey.clear();
        for (auto& entry : gone) {
            static_cast<ListEntry&>(*entry).m_index = 0;
        }
        return gone;
    }

    // Puts the entries in a new order (stable for equal ones).
    template <typename Before>
    void Sort(Before before) {
        std::stable_sort(m_entries.begin(), m_entries.end(), before);
        Renumber(1);
    }

    const Entries& All() const { return m_entries; }
    typename Entries::const_iterator begin() const { return m_entries.begin(); }
    typename Entries::const_iterator end() const { return m_entries.end(); }

  private:
    std::wstring CheckedKey(const std::wstring& key) const {
        if (key.empty()) {
            return {};
        }
        if (std::all_of(key.begin(), key.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
            list_error::Raise(list_error::kInvalidKey);
        }
        std::wstring folded = FoldCase(key);
        if (m_byKey.contains(folded)) {
            list_error::Raise(list_error::kKeyNotUnique);
        }
        return folded;
    }

    void Renumber(std::int32_t from) {
        for (auto i = static_cast<std::size_t>(from - 1); i < m_entries.size(); ++i) {
            static_cast<ListEntry&>(*m_entries[i]).m_index = static_cast<std::int32_t>(i + 1);
        }
    }

    Entries m_entries;
    std::unordered_map<std::wstring, std::shared_ptr<T>> m_byKey;
};

}  // namespace zv::forms
