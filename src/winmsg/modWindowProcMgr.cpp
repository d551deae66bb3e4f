#include "winmsg/modWindowProcMgr.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/automation/Trapped.h"
#include "platform/win/WinConstants.h"
#include "winmsg/IWindowProcMgr.h"

namespace zv::modWindowProcMgr {

namespace {

using namespace zv::win;

struct Subscriber {
    static constexpr std::uint64_t kNever = UINT64_MAX;

    std::shared_ptr<IWindowProcMgr> callback;
    std::uint64_t left = kNever;  // the record's clock when it left

    bool Subscribed() const noexcept { return left == kNever; }
    bool LeftBy(std::uint64_t clock) const noexcept { return left <= clock; }
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

// The registries of the threads that run on one real thread: one on the
// platform, every simulated thread on the headless backend. Nothing in them
// is shared with another real thread, so user-interface threads never race.
struct Registries {
    std::vector<std::unique_ptr<ThreadRegistry>> threads;
    ThreadRegistry* last = nullptr;  // the one found last: messages come in runs

    bool HoldNoWindow() const noexcept {
        return std::all_of(threads.begin(), threads.end(),
                           [](const auto& registry) { return registry->order.empty(); });
    }
};

thread_local Registries* t_registries = nullptr;

// Frees the real thread's registries when it ends holding no window. Managers
// that still hold windows then stay with them, as they do at exit.
struct RegistriesKeeper {
    RegistriesKeeper() = default;
    RegistriesKeeper(const RegistriesKeeper&) = delete;
    RegistriesKeeper& operator=(const RegistriesKeeper&) = delete;
    ~RegistriesKeeper() {
        if (t_registries != nullptr && t_registries->HoldNoWindow()) {
            delete std::exchange(t_registries, nullptr);
        }
    }
};

ThreadRegistry* RegistryOf(DWORD thread) noexcept {
    Registries* all = t_registries;
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
    if (t_registries == nullptr) {
        thread_local RegistriesKeeper keeper;
        t_registries = new Registries;
    }
    auto registry = std::make_unique<ThreadRegistry>();
    registry->thread = thread;
    t_registries->threads.push_back(std::move(registry));
    return *t_registries->threads.back();
}

// The record of a window, in the registry of the thread it belongs to: only
// that thread subclasses it, and its messages run there.
WindowRecord* FindRecord(HWND hwnd) noexcept {
    const Registries* all = t_registries;
    if (all == nullptr) {
        return nullptr;
    }
    // With one registry there is nowhere else to look.
    if (all->threads.size() == 1) {
        return all->threads.front()->records.Find(hwnd);
    }
    const ThreadRegistry* registry = RegistryOf(GetCurrentThreadId());
    return registry != nullptr ? registry->records.Find(hwnd) : nullptr;
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
                                       [](const Subscriber& s) { return !s.Subscribed(); });
        doomed = std::move(gone->callback);
        subscribers.erase(gone);
        record->anyLeft = std::any_of(subscribers.begin(), subscribers.end(),
                                      [](const Subscriber& s) { return !s.Subscribed(); });
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

// The position in the record's list of the subscriber's entry while it is
// subscribed; kNoEntry when it is not.
constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);

std::size_t EntryOf(const WindowRecord& record, const IWindowProcMgr* subscriber) noexcept {
    const auto& subscribers = record.subscribers;
    for (std::size_t i = 0; i < subscribers.size(); ++i) {
        if (subscribers[i].Subscribed() && subscribers[i].callback.get() == subscriber) {
            return i;
        }
    }
    return kNoEntry;
}

// One message on its way through SubclassedWindowProc; they nest on the
// stack as the messages do. Each knows how far its passes have got, so that
// it can tell which subscribers hold it.
class Delivery {
  public:
    Delivery(HWND hwnd, WindowRecord* record) noexcept
        : m_pin(record),
          m_hwnd(hwnd),
          m_record(record),
          m_number(++s_lastNumber),
          m_outer(s_innermost) {
        s_innermost = this;
    }
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

    ~Delivery() { s_innermost = m_outer; }

    static const Delivery* Innermost() noexcept { return s_innermost; }
    const Delivery* Outer() const noexcept { return m_outer; }
    std::uint64_t Number() const noexcept { return m_number; }

    // The first pass hands the message to the record's entry.
    void Asking(std::size_t entry) noexcept { m_asked = entry + 1; }

    // The second pass begins with the entries listed now, pinned with the
    // message when they are another record's.
    void HandingOutTheAnswer(WindowRecord* listed) noexcept {
        if (listed != m_record) {
            m_listedPin.emplace(listed);
        }
        m_listed = listed;
    }

    // The second pass hands the answer to the listed entry.
    void Answering(std::size_t entry) noexcept { m_answering = entry; }

    // Whether the message has reached the subscriber's WindowProc and the
    // subscriber has not heard the answer to the end, leaving out, when asked
    // to, the answer it is hearing now.
    bool IsInside(HWND hwnd, const IWindowProcMgr* subscriber,
                  bool leavingOutTheAnswerUnderWay) const noexcept {
        if (hwnd != m_hwnd || EntryOf(*m_record, subscriber) >= m_asked) {
            return false;
        }
        if (m_listed == nullptr) {
            return true;  // no answer yet
        }
        const std::size_t hearing = EntryOf(*m_listed, subscriber);
        if (hearing == kNoEntry) {
            return false;  // it hears no answer
        }
        return hearing > m_answering || (hearing == m_answering && !leavingOutTheAnswerUnderWay);
    }

  private:
    // Unpinning may let go of subscribers, whose teardown may ask where the
    // messages are: the pins go after the message has left the chain.
    PinScope m_pin;
    std::optional<PinScope> m_listedPin;
    HWND m_hwnd;
    const WindowRecord* m_record;
    const WindowRecord* m_listed = nullptr;
    std::size_t m_asked = 0;      // entries whose turn to see the message has come
    std::size_t m_answering = 0;  // entries before this one have heard the answer
    std::uint64_t m_number;
    const Delivery* m_outer;

    // Each real thread delivers its own messages.
    static inline thread_local const Delivery* s_innermost = nullptr;
    static inline thread_local std::uint64_t s_lastNumber = 0;
};

// The answer under way, if any, is the innermost message's: the one whose
// WindowProcDone the subscriber is in.
bool AnyDeliveryIsInside(HWND hwnd, const IWindowProcMgr* subscriber,
                         bool leavingOutTheAnswerUnderWay) noexcept {
    bool leavingOut = leavingOutTheAnswerUnderWay;
    for (const Delivery* delivery = Delivery::Innermost(); delivery != nullptr;
         delivery = delivery->Outer()) {
        if (delivery->IsInside(hwnd, subscriber, leavingOut)) {
            return true;
        }
        leavingOut = false;
    }
    return false;
}

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
        const bool present = std::any_of(
            subscribers.begin(), subscribers.end(),
            [&](const Subscriber& s) { return s.Subscribed() && s.callback == callback; });
        if (!present) {
            record->subscribers.push_back(Subscriber{std::move(callback)});
            ++record->subscribed;
        }
        return true;
    }

    if (GetWindowThreadProcessId(hwnd, nullptr) != thread) {
        return false;  // its messages would run where this registry is not
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
        // Another real thread's registry has the window (simulated threads
        // share one id): chaining to ourselves would never end.
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
        return s.Subscribed() && s.callback.get() == callback;
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
            collection->Add(NarrowHandle(hwnd));
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
    Delivery delivery(hwnd, record);

    // Entries stay in place while the record is pinned, so both passes can
    // index the list while subscribers join (appended) and leave (marked).
    bool handled = false;
    LRESULT result = 0;
    const std::size_t seeing = record->subscribers.size();
    for (std::size_t i = 0; i < seeing; ++i) {
        const Subscriber& subscriber = record->subscribers[i];
        if (!subscriber.Subscribed()) {
            continue;
        }
        IWindowProcMgr* callback = subscriber.callback.get();
        delivery.Asking(i);
        // Nothing unwinds through the window system.
        const LRESULT answer = Trapped(
            LRESULT{0}, [&] { return callback->WindowProc(hwnd, uMsg, wParam, lParam, handled); });
        if (handled) {
            result = answer;
            break;
        }
    }
    if (!handled) {
        result = Trapped(LRESULT{0}, [&] {
            return CallWindowProcA(record->previous, hwnd, uMsg, wParam, lParam);
        });
    }

    // Everyone listed now hears the answer once, even if it leaves meanwhile.
    // A window whose last subscriber left during the first pass may have
    // been subscribed to afresh: then its new list is the one listed now.
    WindowRecord* listed = record;
    if (record->detached) {
        if (WindowRecord* current = FindRecord(hwnd)) {
            listed = current;
        }
    }
    delivery.HandingOutTheAnswer(listed);
    const std::uint64_t now = listed->clock;
    const std::size_t hearing = listed->subscribers.size();
    for (std::size_t i = 0; i < hearing; ++i) {
        const Subscriber& subscriber = listed->subscribers[i];
        if (subscriber.LeftBy(now)) {
            continue;
        }
        IWindowProcMgr* callback = subscriber.callback.get();
        delivery.Answering(i);
        Trapped([&] { callback->WindowProcDone(hwnd, uMsg, wParam, lParam, result); });
    }
    return result;
}

std::uint64_t CurrentMessage() noexcept {
    const Delivery* innermost = Delivery::Innermost();
    return innermost != nullptr ? innermost->Number() : 0;
}

bool IsMessageInside(HWND hwnd, const IWindowProcMgr* subscriber) noexcept {
    return AnyDeliveryIsInside(hwnd, subscriber, false);
}

bool IsAnotherMessageInside(HWND hwnd, const IWindowProcMgr* subscriber) noexcept {
    return AnyDeliveryIsInside(hwnd, subscriber, true);
}

}  // namespace zv::modWindowProcMgr
