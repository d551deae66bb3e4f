#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// The keys of a collection's items, by position, and the way from a key to
// its position: an open-addressing table of (hash, position) pairs in one
// array, probed linearly. Keys are kept once, folded (FoldCase), one after
// another in one text, so adding a key allocates nothing of its own; a probe
// reads the key only when the hashes agree, so finding and adding touch one
// or two cache lines whatever the number of keys, and growing rehashes from
// the stored hashes without reading a key.
class KeyIndex {
  public:
    std::size_t Size() const noexcept { return m_entries.size(); }

    // Appends a position for an item with this key; false, changing nothing,
    // when an item has the key already.
    bool Append(std::wstring_view key);
    void AppendUnkeyed();

    // The position of the item with this key; folds as it compares, so
    // looking up allocates nothing.
    std::optional<std::size_t> Find(std::wstring_view key) const noexcept;

    // Takes out a position; the positions behind it move down by one.
    void Erase(std::size_t position);
    void Clear() noexcept;

  private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kFree;
    };
    static constexpr std::uint32_t kFree = UINT32_MAX;

    // Where a position's folded key lies in m_chars; kFree as its length
    // when the item has no key.
    struct Entry {
        std::uint32_t start = 0;
        std::uint32_t length = kFree;
    };

    std::wstring_view KeyAt(std::uint32_t position) const noexcept;
    std::size_t SlotOf(std::wstring_view key, std::uint32_t hash) const noexcept;
    void Grow();

    std::vector<Entry> m_entries;  // by position
    std::wstring m_chars;          // the folded keys, end to end
    std::vector<Slot> m_slots;     // a power of two of them, or none
    std::size_t m_used = 0;
};

}  // namespace zv
