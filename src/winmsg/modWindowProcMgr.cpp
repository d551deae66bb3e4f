#include "winmsg/modWindowProcMgr.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "platform/WinConstants.h"
#include "winmsg/IWindowProcMgr.h"

namespace zv::modWindowProcMgr {

namespace detail {
std::uint64_t g_currentMessage = 0;
}  // namespace detail

namespace {

using namespace zv::win;

struct Subscriber {
    std::shared_ptr<IWindowProcMgr> callback;
    std::uint64_t left = 0;  // the record's clock when it left; 0 while subscribed
};

// One subclassed window: the procedure that was replaced and the window's
// subscribers. While messages of the window are being delivered the record
// is pinned: a subscriber that leaves keeps its entry, marked, so that the
// passes under way can index the list and the callback stays alive; and a
// record whose last subscriber left is taken out of the table but kept. The
// last pin to go removes what was kept.
struct WindowRecord {
    LONG previousValue = 0;
    WNDPROC previous = nullptr;
    std::vector<Subscriber> subscribers;
    std::uint64_t clock = 0;     // advances whenever a subscriber leaves
    std::size_t subscribed = 0;  // entries that have not left
    int pins = 0;
    bool anyLeft = false;   // marked entries wait to be removed
    bool detached = false;  // out of the table; freed by the last pin
};

// Window handle to record: open addressing with linear probing in a
// power-of-two table, handles spread by a multiplicative hash, and removal
// by shifting later entries back so that no tombstones build up. Handle 0 is
// never a window and marks a free slot.
class WindowTable {
  public:
    WindowTable() = default;
    WindowTable(const WindowTable&) = delete;
    WindowTable& operator=(const WindowTable&) = delete;

    ~WindowTable() {
        for (const Slot& slot : m_slots) {
            delete slot.record;
        }
    }

    WindowRecord* Find(HWND hwnd) const noexcept {
        if (m_count == 0) {
            return nullptr;
        }
        for (std::size_t i = Home(hwnd);; i = (i + 1) & m_mask) {
            const Slot& slot = m_slots[i];
            if (slot.hwnd == hwnd) {
                return slot.record;
            }
            if (slot.hwnd == 0) {
                return nullptr;
            }
        }
    }

    // Makes room for one more entry, so that Insert cannot fail.
    void Reserve() {
        if ((m_count + 1) * 2 <= m_slots.size()) {
            return;
        }
        std::vector<Slot> old(std::max<std::size_t>(8, m_slots.size() * 2));
        old.swap(m_slots);
        m_mask = m_slots.size() - 1;
        m_shift = 64;
        for (std::size_t size = m_slots.size(); size > 1; size >>= 1) {
            --m_shift;
        }
        for (const Slot& slot : old) {
            if (slot.hwnd != 0) {
                Place(slot);
            }
        }
    }

    void Insert(HWND hwnd, WindowRecord* record) noexcept {
        Place(Slot{hwnd, record});
        ++m_count;
    }

    void Remove(HWND hwnd) noexcept {
        if (m_count == 0) {
            return;
        }
        std::size_t hole = Home(hwnd);
        while (m_slots[hole].hwnd != hwnd) {
            if (m_slots[hole].hwnd == 0) {
                return;
            }
            hole = (hole + 1) & m_mask;
        }
        for (std::size_t i = (hole + 1) & m_mask; m_slots[i].hwnd != 0; i = (i + 1) & m_mask) {
            // An entry may fill the hole when its home is not between them.
            const std::size_t home = Home(m_slots[i].hwnd);
            if (((i - home) & m_mask) >= ((i - hole) & m_mask)) {
                m_slots[hole] = m_slots[i];
                hole = i;
            }
        }
        m_slots[hole] = Slot{};
        --m_count;
    }

    template <typename Visit>
    void ForEach(Visit visit) const {
        for (const Slot& slot : m_slots) {
            if (slot.hwnd != 0) {
                visit(slot.hwnd, slot.record);
            }
        }
    }

  private:
    struct Slot {
        HWND hwnd = 0;
        WindowRecord* record = nullptr;
    };

    std::size_t Home(HWND hwnd) const noexcept {
        const auto key = static_cast<std::uint64_t>(static_cast<std::uint32_t>(hwnd));
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> m_shift);
    }

    void Place(const Slot& slot) noexcept {
        std::size_t i = Home(slot.hwnd);
        while (m_slots[i].hwnd != 0) {
            i = (i + 1) & m_mask;
        }
        m_slots[i] = slot;
    }

    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
    std::size_t m_mask = 0;
    unsigned m_shift = 64;
};

// One thread's registry: its window records, and its subclassed windows in
// the order in which they were first subclassed.
struct ThreadRegistry {
    DWORD thread = 0;
    WindowTable records;
    std::vector<HWND> order;
};

// Every thread's registry. It is never freed: registries live as long as
// the library, and managers that still hold windows at exit stay with them.
struct Registries {
    std::vector<std::unique_ptr<ThreadRegistry>> threads;
    ThreadRegistry* last = nullptr;  // the one found last: messages come in runs
};

Registries* g_registries = nullptr;

ThreadRegistry* RegistryOf(DWORD thread) noexcept {
    Registries* all = g_registries;
    if (all == nullptr) {
        return nullptr;
    }
    if (all->last != nullptr && all->last->thread == thread) {
        return all->last;
    }
    for (const auto& registry : all->threads) {
        if (registry->thread == thread) {
            all->last = registry.get();
            return registry.get();
        }
    }
    return nullptr;
}

ThreadRegistry& CreateRegistry(DWORD thread) {
    if (g_registries == nullptr) {
        g_registries = new Registries;
    }
    auto registry = std::make_unique<ThreadRegistry>();
    registry->thread = thread;
    g_registries->threads.push_back(std::move(registry));
    return *g_registries->threads.back();
}

// The record of a window, in the calling thread's registry unless another
// thread of the process subclassed the window (its messages run on the
// window's own thread): then the other registries are asked.
WindowRecord* FindRecord(HWND hwnd) noexcept {
    if (g_registries == nullptr) {
        return nullptr;
    }
    // With one registry there is nowhere else to look, whichever thread asks.
    if (g_registries->threads.size() == 1) {
        return g_registries->threads.front()->records.Find(hwnd);
    }
    if (ThreadRegistry* registry = RegistryOf(GetCurrentThreadId())) {
        if (WindowRecord* record = registry->records.Find(hwnd)) {
            return record;
        }
    }
    for (const auto& registry : g_registries->threads) {
        if (WindowRecord* record = registry->records.Find(hwnd)) {
            return record;
        }
    }
    return nullptr;
}

// What the last pin to go does: remove the entries kept for the passes, one
// at a time and still pinned, because a callback let go of may be the last
// hold on an object whose teardown comes back to this window; or free a
// record that is out of the table.
void Settle(WindowRecord* record) noexcept {
    for (;;) {
        if (record->pins > 1) {
            --record->pins;
            return;
        }
        if (record->detached) {
            delete record;  // no one can reach it any more
            return;
        }
        if (!record->anyLeft) {
            record->pins = 0;
            return;
        }
        std::shared_ptr<IWindowProcMgr> doomed;
        auto& subscribers = record->subscribers;
        const auto gone = std::find_if(subscribers.begin(), subscribers.end(),
                                       [](const Subscriber& s) { return s.left != 0; });
        doomed = std::move(gone->callback);
        subscribers.erase(gone);
        record->anyLeft = std::any_of(subscribers.begin(), subscribers.end(),
                                      [](const Subscriber& s) { return s.left != 0; });
        doomed.reset();
    }
}

inline void Unpin(WindowRecord* record) noexcept {
    if (record->pins > 1 || (!record->anyLeft && !record->detached)) {
        --record->pins;
    } else {
        Settle(record);
    }
}

class PinScope {
  public:
    explicit PinScope(WindowRecord* record) noexcept : m_record(record) { ++m_record->pins; }
    PinScope(const PinScope&) = delete;
    PinScope& operator=(const PinScope&) = delete;
    ~PinScope() { Unpin(m_record); }

  private:
    WindowRecord* m_record;
};

// One message on its way through SubclassedWindowProc; they nest on the
// stack as the messages do.
class Delivery {
  public:
    explicit Delivery(WindowRecord* record) noexcept
        : m_pin(record), m_number(++s_lastNumber), m_outer(s_innermost) {
        s_innermost = this;
        detail::g_currentMessage = m_number;
    }
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

    ~Delivery() {
        s_innermost = m_outer;
        detail::g_currentMessage = m_outer != nullptr ? m_outer->m_number : 0;
    }

    static bool InProgress(std::uint64_t number) noexcept {
        for (const Delivery* delivery = s_innermost; delivery != nullptr;
             delivery = delivery->m_outer) {
            if (delivery->m_number == number) {
                return true;
            }
            if (delivery->m_number < number) {
                return false;  // outer ones are older still
            }
        }
        return false;
    }

  private:
    PinScope m_pin;
    std::uint64_t m_number;
    const Delivery* m_outer;

    static inline const Delivery* s_innermost = nullptr;
    static inline std::uint64_t s_lastNumber = 0;
};

}  // namespace

bool SubclassWindow(HWND hwnd, std::shared_ptr<IWindowProcMgr> callback) {
    if (callback == nullptr) {
        return false;
    }
    const DWORD thread = GetCurrentThreadId();
    ThreadRegistry* registry = RegistryOf(thread);
    if (registry == nullptr) {
        registry = &CreateRegistry(thread);
    }
    if (WindowRecord* record = registry->records.Find(hwnd)) {
        const auto& subscribers = record->subscribers;
        const bool present =
            std::any_of(subscribers.begin(), subscribers.end(),
                        [&](const Subscriber& s) { return s.left == 0 && s.callback == callback; });
        if (!present) {
            record->subscribers.push_back(Subscriber{std::move(callback)});
            ++record->subscribed;
        }
        return true;
    }

    // Everything that can fail is done before the window is touched.
    auto record = std::make_unique<WindowRecord>();
    record->subscribers.reserve(4);
    record->subscribers.push_back(Subscriber{std::move(callback)});
    record->subscribed = 1;
    registry->records.Reserve();
    registry->order.reserve(registry->order.size() + 1);
    const LONG ours = WndProcToLong(&SubclassedWindowProc);

    const LONG previous = SetWindowLongA(hwnd, GWL_WNDPROC, ours);
    if (previous == 0) {
        return false;
    }
    if (previous == ours) {
        // Another thread's registry has the window: chaining to ourselves
        // would never end.
        return false;
    }
    record->previousValue = previous;
    record->previous = LongToWndProc(previous);
    registry->records.Insert(hwnd, record.release());
    registry->order.push_back(hwnd);
    return true;
}

void UnSubclassWindow(HWND hwnd, const IWindowProcMgr* callback) {
    ThreadRegistry* registry = RegistryOf(GetCurrentThreadId());
    WindowRecord* record = registry != nullptr ? registry->records.Find(hwnd) : nullptr;
    if (record == nullptr) {
        return;
    }
    auto& subscribers = record->subscribers;
    const auto found = std::find_if(subscribers.begin(), subscribers.end(), [&](const auto& s) {
        return s.left == 0 && s.callback.get() == callback;
    });
    if (found == subscribers.end()) {
        return;
    }
    const PinScope pin(record);
    found->left = ++record->clock;
    record->anyLeft = true;
    if (--record->subscribed == 0) {
        registry->records.Remove(hwnd);
        std::erase(registry->order, hwnd);
        record->detached = true;
        SetWindowLongA(hwnd, GWL_WNDPROC, record->previousValue);
    }
}

bool GetSubclassedWindows(Collection<std::int32_t>* collection) {
    const ThreadRegistry* registry = RegistryOf(GetCurrentThreadId());
    if (registry == nullptr || registry->order.empty()) {
        return false;
    }
    if (collection != nullptr) {
        for (HWND hwnd : registry->order) {
            collection->Add(hwnd);
        }
    }
    return true;
}

LRESULT ZV_CALLBACK SubclassedWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = FindRecord(hwnd);
    if (record == nullptr) {
        // Reached through a procedure value kept after the window was let go.
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
    const Delivery delivery(record);

    // Entries stay in place while the record is pinned, so both passes can
    // index the list while subscribers join (appended) and leave (marked).
    bool handled = false;
    LRESULT result = 0;
    const std::size_t seeing = record->subscribers.size();
    for (std::size_t i = 0; i < seeing; ++i) {
        const Subscriber& subscriber = record->subscribers[i];
        if (subscriber.left != 0) {
            continue;
        }
        IWindowProcMgr* callback = subscriber.callback.get();
        LRESULT answer = 0;
        try {
            answer = callback->WindowProc(hwnd, uMsg, wParam, lParam, handled);
        } catch (...) {
            // Nothing unwinds through the window system.
        }
        if (handled) {
            result = answer;
            break;
        }
    }
    if (!handled) {
        try {
            result = CallWindowProcA(record->previous, hwnd, uMsg, wParam, lParam);
        } catch (...) {
            result = 0;
        }
    }

    // Everyone listed now hears the answer once, even if it leaves meanwhile.
    // A window whose last subscriber left during the first pass may have
    // been subscribed to afresh: then its new list is the one listed now.
    WindowRecord* listed = record;
    std::optional<PinScope> listedPin;
    if (record->detached) {
        if (WindowRecord* current = FindRecord(hwnd)) {
            listedPin.emplace(current);
            listed = current;
        }
    }
    const std::uint64_t now = listed->clock;
    const std::size_t hearing = listed->subscribers.size();
    for (std::size_t i = 0; i < hearing; ++i) {
        const Subscriber& subscriber = listed->subscribers[i];
        if (subscriber.left != 0 && subscriber.left <= now) {
            continue;
        }
        IWindowProcMgr* callback = subscriber.callback.get();
        try {
            callback->WindowProcDone(hwnd, uMsg, wParam, lParam, result);
        } catch (...) {
        }
    }
    return result;
}

bool IsMessageInProgress(std::uint64_t message) noexcept {
    return message != 0 && Delivery::InProgress(message);
}

}  // namespace zv::modWindowProcMgr
