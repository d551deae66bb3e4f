#include "platform/automation/KeyIndex.h"

#include <algorithm>

#include "platform/text/WideString.h"

namespace zv {

namespace {

// FoldCase with the common case, Basic Latin, inline.
wchar_t Fold(wchar_t ch) noexcept {
    if (ch < 0x80) {
        return ch >= L'a' && ch <= L'z' ? static_cast<wchar_t>(ch - 0x20) : ch;
    }
    return FoldCase(ch);
}

// FNV-1a over the characters, then mixed so that the low bits, which choose
// the slot, depend on every character. Folding is idempotent, so a key
// folded as it is hashed hashes as its folded text does.
template <typename Map>
std::uint32_t HashOf(std::wstring_view key, Map map) noexcept {
    std::uint32_t hash = 2166136261u;
    for (const wchar_t ch : key) {
        hash = (hash ^ static_cast<std::uint32_t>(map(ch))) * 16777619u;
    }
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    return hash;
}

std::uint32_t HashOfFolded(std::wstring_view folded) noexcept {
    return HashOf(folded, [](wchar_t ch) { return ch; });
}

std::uint32_t HashOfKey(std::wstring_view key) noexcept {
    return HashOf(key, Fold);
}

bool MatchesFolded(std::wstring_view folded, std::wstring_view key) noexcept {
    if (folded.size() != key.size()) {
        return false;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (folded[i] != Fold(key[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::wstring_view KeyIndex::KeyAt(std::uint32_t position) const noexcept {
    const Entry& entry = m_entries[position];
    return std::wstring_view(m_chars).substr(entry.start, entry.length);
}

std::size_t KeyIndex::SlotOf(std::wstring_view key, std::uint32_t hash) const noexcept {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.position == kFree ||
            (slot.hash == hash && MatchesFolded(KeyAt(slot.position), key))) {
            return i;
        }
    }
}

bool KeyIndex::Append(std::wstring_view key) {
    if ((m_used + 1) * 4 > m_slots.size() * 3) {
        Grow();
    }
    // Folded once, in place at the end of the keys; taken back if taken.
    const std::size_t start = m_chars.size();
    for (const wchar_t ch : key) {
        m_chars.push_back(Fold(ch));
    }
    const auto folded = std::wstring_view(m_chars).substr(start);
    const std::uint32_t hash = HashOfFolded(folded);
    Slot& slot = m_slots[SlotOf(folded, hash)];
    if (slot.position != kFree) {
        m_chars.resize(start);
        return false;
    }
    const auto position = static_cast<std::uint32_t>(m_entries.size());
    m_entries.push_back(
        Entry{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(key.size())});
    slot = Slot{hash, position};
    ++m_used;
    return true;
}

void KeyIndex::AppendUnkeyed() {
    m_entries.emplace_back();
}

std::optional<std::size_t> KeyIndex::Find(std::wstring_view key) const noexcept {
    if (m_used == 0) {
        return std::nullopt;
    }
    const Slot& slot = m_slots[SlotOf(key, HashOfKey(key))];
    if (slot.position == kFree) {
        return std::nullopt;
    }
    return slot.position;
}

void KeyIndex::Erase(std::size_t position) {
    const Entry erased = m_entries[position];
    if (erased.length != kFree) {
        // Backward-shift deletion: the entries after the freed slot that
        // would no longer be reached move into it, so no marker is left.
        const std::size_t mask = m_slots.size() - 1;
        const std::wstring_view key = KeyAt(static_cast<std::uint32_t>(position));
        std::size_t hole = SlotOf(key, HashOfFolded(key));
        for (std::size_t next = (hole + 1) & mask; m_slots[next].position != kFree;
             next = (next + 1) & mask) {
            const std::size_t home = m_slots[next].hash & mask;
            const bool reachable =
                hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
            if (!reachable) {
                m_slots[hole] = m_slots[next];
                hole = next;
            }
        }
        m_slots[hole] = Slot{};
        --m_used;
        m_chars.erase(erased.start, erased.length);
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(position));
    for (std::size_t i = position; i < m_entries.size(); ++i) {
        if (m_entries[i].length != kFree) {
            m_entries[i].start -= erased.length == kFree ? 0 : erased.length;
        }
    }
    for (Slot& slot : m_slots) {
        if (slot.position != kFree && slot.position > position) {
            --slot.position;
        }
    }
}

void KeyIndex::Clear() noexcept {
    m_entries.clear();
    m_chars.clear();
    m_slots.clear();
    m_used = 0;
}

void KeyIndex::Grow() {
    std::vector<Slot> old(std::max<std::size_t>(16, m_slots.size() * 2));
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.position != kFree) {
            std::size_t i = slot.hash & mask;
            while (m_slots[i].position != kFree) {
                i = (i + 1) & mask;
            }
            m_slots[i] = slot;
        }
    }
}

}  // namespace zv
