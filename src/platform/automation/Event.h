#pragma once

// Events that classes raise to their hosts: a member to which any number of
// handlers connect, called in the order of connecting. Arguments that a
// handler may change are references.
//
// Handlers may connect and disconnect handlers, and even destroy the object
// that owns the event, while it is being raised: a handler connected during
// a raise waits for the next one, a handler disconnected during a raise is
// not called again, and once the event is gone the raise ends. Raising does
// not allocate.

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <list>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

namespace zv {

// Names one handler's connection to one event; 0 names none.
using EventConnection = std::uint64_t;

template <typename... Args>
class Event {
  public:
    using Handler = std::function<void(Args...)>;
    using Connection = EventConnection;

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    ~Event() {
        if (m_state == nullptr) {
            return;
        }
        if (m_state->busy > 0) {
            // The raises under way find no handler left; the last use frees
            // the state.
            DisconnectEvery(*m_state);
            m_state->pending |= kOrphaned;
        } else {
            delete m_state;
        }
    }

    // Adds a handler (a lambda, a function, a std::function) after those
    // already connected; an empty one is not connected and gives 0.
    template <std::invocable<Args...> F>
    Connection Connect(F handler) {
        if constexpr (std::is_pointer_v<F> || IsFunction<F>::value) {
            if (handler == nullptr) {
                return 0;
            }
        }
        if (m_state == nullptr) {
            m_state = new State;
        }
        using Type = Callable<std::decay_t<F>>;
        const Connection id = ++m_state->lastId;
        m_state->slots.push_back(
            Slot{&Type::Invoke, std::make_unique<Type>(id, std::move(handler))});
        return id;
    }

    Connection Connect(std::nullptr_t) { return 0; }

    void Disconnect(Connection id) {
        if (m_state == nullptr || id == 0) {
            return;
        }
        const Busy busy(m_state);
        for (Slot& slot : m_state->slots) {
            if (slot.invoke != nullptr && slot.handler->id == id) {
                slot.invoke = nullptr;
                m_state->pending |= kDisconnected;
                return;
            }
        }
    }

    void DisconnectAll() {
        if (m_state == nullptr) {
            return;
        }
        const Busy busy(m_state);
        DisconnectEvery(*m_state);
    }

    bool HasHandlers() const {
        if (m_state == nullptr) {
            return false;
        }
        for (const Slot& slot : m_state->slots) {
            if (slot.invoke != nullptr) {
                return true;
            }
        }
        return false;
    }

    // Calls every handler that is connected when the raise begins and is still
    // connected when its turn comes. An exception from a handler ends the raise
    // and reaches the caller.
    void Raise(Args... args) const {
        State* state = m_state;
        if (state == nullptr) {
            return;
        }
        auto& slots = state->slots;
        if (slots.empty()) {
            return;
        }
        const Busy busy(state);
        const Arguments arguments{args...};
        // Slots stay where they are while the state is busy: handlers
        // connected meanwhile come after the last one now, and those
        // disconnected meanwhile (every one, once the event is gone) are not
        // called.
        const auto last = std::prev(slots.end());
        for (auto slot = slots.begin();; ++slot) {
            if (slot->invoke != nullptr) {
                slot->invoke(*slot->handler, arguments);
            }
            if (slot == last) {
                return;
            }
        }
    }

  private:
    template <typename F>
    struct IsFunction : std::false_type {};
    template <typename R, typename... A>
    struct IsFunction<std::function<R(A...)>> : std::true_type {};

    // The arguments of one raise, handed to each handler by one reference so
    // that the raise keeps a single value across its calls. References stay
    // references; each handler gets its own copy of the values.
    using Arguments = std::tuple<Args...>;

    // A handler's type is known only where it is connected, which leaves in
    // its slot a plain function that calls it: a raise calls that, without
    // looking the handler's type up first.
    struct CallableBase {
        explicit CallableBase(Connection connection) : id(connection) {}
        CallableBase(const CallableBase&) = delete;
        CallableBase& operator=(const CallableBase&) = delete;
        virtual ~CallableBase() = default;
        const Connection id;
    };

    template <typename F>
    struct Callable final : CallableBase {
        Callable(Connection connection, F handler)
            : CallableBase(connection), function(std::move(handler)) {}

        static void Invoke(CallableBase& callable, const Arguments& arguments) {
            F& handler = static_cast<Callable&>(callable).function;
            std::apply([&handler](Args... args) { std::invoke(handler, args...); }, arguments);
        }

        F function;
    };

    using Invoker = void (*)(CallableBase&, const Arguments&);

    // The handler is kept until no raise uses the slots any more.
    struct Slot {
        Invoker invoke;  // calls the handler while connected, else null
        std::unique_ptr<CallableBase> handler;
    };

    // Work left for the last use of the state.
    enum Pending : std::uint8_t {
        kNothing = 0,
        kDisconnected = 1,  // some slots wait to be removed
        kOrphaned = 2,      // the event went away while busy
    };

    struct State {
        std::list<Slot> slots;  // a list: connecting during a raise moves no slot
        int busy = 0;           // raises and disconnections under way
        std::uint8_t pending = kNothing;
        Connection lastId = 0;
    };

    // Keeps the state while it is in use; the last use to end tidies up.
    class Busy {
      public:
        explicit Busy(State* state) : m_state(state) { ++m_state->busy; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

        // Nothing pending is by far the common case: then a raise runs
        // straight through.
        ~Busy() {
            --m_state->busy;
            if (m_state->pending != kNothing) [[unlikely]] {
                Settle(m_state);
            }
        }

      private:
        State* m_state;
    };

    static void DisconnectEvery(State& state) noexcept {
        for (Slot& slot : state.slots) {
            if (slot.invoke != nullptr) {
                slot.invoke = nullptr;
                state.pending |= kDisconnected;
            }
        }
    }

    // Once the state is no longer in use, removes the handlers disconnected
    // meanwhile, one at a time and with the state in use again, so that one
    // whose captures own the event only orphans the state; an orphaned state
    // is freed last. Rare, so kept out of the raises.
    [[gnu::noinline]] static void Settle(State* state) {
        if (state->busy > 0) {
            return;
        }
        ++state->busy;
        auto& slots = state->slots;
        const auto disconnected = [](const Slot& slot) { return slot.invoke == nullptr; };
        while (state->pending == kDisconnected) {
            state->pending = kNothing;
            const auto gone = std::find_if(slots.begin(), slots.end(), disconnected);
            if (gone == slots.end()) {
                break;
            }
            std::unique_ptr<CallableBase> doomed = std::move(gone->handler);
            slots.erase(gone);
            if (std::any_of(slots.begin(), slots.end(), disconnected)) {
                state->pending = kDisconnected;
            }
            doomed.reset();
        }
        if (--state->busy == 0 && (state->pending & kOrphaned) != 0) {
            delete state;
        }
    }

    State* m_state = nullptr;
};

}  // namespace zv
