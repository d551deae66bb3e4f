#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/KeyIndex.h"
#include "platform/text/WideString.h"

namespace zv {

namespace detail {
// The platform collection's errors, raised as automation errors.
[[noreturn]] void RaiseBadPosition();
[[noreturn]] void RaiseMissingKey();
[[noreturn]] void RaiseDuplicateKey();
}  // namespace detail

// The platform's ordered collection: items addressed by 1-based position and,
// optionally, by a unique text key compared without regard to case.
// Enumeration visits the items in the order of adding.
//
// Errors reported to the caller (AutomationError): a position outside
// 1..Count raises 9 (subscript out of range), a missing key 5 (invalid
// procedure call or argument), a key already present 457.
template <typename T>
class Collection {
  public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(m_items.size()); }

    void Add(T item) {
        m_items.push_back(std::move(item));
        m_keys.AppendUnkeyed();
    }

    void Add(T item, std::wstring_view key) {
        if (!m_keys.Append(key)) {
            detail::RaiseDuplicateKey();
        }
        m_items.push_back(std::move(item));
    }

    // Room for this many items in all, so that a batch of adds moves nothing.
    void Reserve(std::int32_t count) { m_items.reserve(static_cast<std::size_t>(count)); }

    T& Item(std::int32_t position) { return m_items[IndexOf(position)]; }
    const T& Item(std::int32_t position) const { return m_items[IndexOf(position)]; }
    T& Item(std::wstring_view key) { return m_items[IndexOf(key)]; }
    const T& Item(std::wstring_view key) const { return m_items[IndexOf(key)]; }

    // Whether an item has this key; never fails.
    bool Contains(std::wstring_view key) const noexcept { return m_keys.Find(key).has_value(); }

    void Remove(std::int32_t position) { RemoveAt(IndexOf(position)); }
    void Remove(std::wstring_view key) { RemoveAt(IndexOf(key)); }

    void Clear() noexcept {
        m_items.clear();
        m_keys.Clear();
    }

    // The items as they are now, for walks that call out to code which may
    // change the collection.
    std::vector<T> Items() const { return m_items; }

    iterator begin() noexcept { return m_items.begin(); }
    iterator end() noexcept { return m_items.end(); }
    const_iterator begin() const noexcept { return m_items.begin(); }
    const_iterator end() const noexcept { return m_items.end(); }

  private:
    std::size_t IndexOf(std::int32_t position) const {
        if (position < 1 || position > Count()) {
            detail::RaiseBadPosition();
        }
        return static_cast<std::size_t>(position - 1);
    }

    std::size_t IndexOf(std::wstring_view key) const {
        const auto found = m_keys.Find(key);
        if (!found) {
            detail::RaiseMissingKey();
        }
        return *found;
    }

    void RemoveAt(std::size_t index) {
        m_keys.Erase(index);
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
    }

    std::vector<T> m_items;
    KeyIndex m_keys;  // parallel to m_items
};

}  // namespace zv
