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

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

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
            m_state->pending |= kOrphaned;  // freed when the use under way ends
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
        const Connection id = ++m_state->lastId;
        auto callable = std::make_unique<Callable<std::decay_t<F>>>(std::move(handler));
        CallableBase* live = callable.get();
        m_state->slots.push_back(Slot{id, std::move(callable), live});
        return id;
    }

    Connection Connect(std::nullptr_t) { return 0; }

    void Disconnect(Connection id) {
        if (m_state == nullptr || id == 0) {
            return;
        }
        const Busy busy(m_state);
        for (Slot& slot : m_state->slots) {
            if (slot.id == id) {
                slot.id = 0;
                slot.live = nullptr;
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
        for (Slot& slot : m_state->slots) {
            if (slot.id != 0) {
                slot.id = 0;
                slot.live = nullptr;
                m_state->pending |= kDisconnected;
            }
        }
    }

    bool HasHandlers() const {
        if (m_state == nullptr) {
            return false;
        }
        for (const Slot& slot : m_state->slots) {
            if (slot.id != 0) {
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
        const std::size_t count = state->slots.size();
        const Busy busy(state);
        for (std::size_t i = 0; i < count; ++i) {
            // The handler object stays where it is even when the slots move.
            if (CallableBase* handler = state->slots[i].live) {
                handler->Call(args...);
                if ((state->pending & kOrphaned) != 0) {
                    return;
                }
            }
        }
    }

  private:
    template <typename F>
    struct IsFunction : std::false_type {};
    template <typename R, typename... A>
    struct IsFunction<std::function<R(A...)>> : std::true_type {};

    // Handlers are called through one virtual call with the arguments as
    // they are, which costs less than std::function's forwarding.
    struct CallableBase {
        CallableBase() = default;
        CallableBase(const CallableBase&) = delete;
        CallableBase& operator=(const CallableBase&) = delete;
        virtual ~CallableBase() = default;
        virtual void Call(Args... args) = 0;
    };

    template <typename F>
    struct Callable final : CallableBase {
        explicit Callable(F handler) : function(std::move(handler)) {}
        void Call(Args... args) override { std::invoke(function, args...); }
        F function;
    };

    struct Slot {
        Connection id;  // 0 once disconnected
        std::unique_ptr<CallableBase> handler;
        CallableBase* live;  // the handler while connected, else null
    };

    // Work left for the last use of the state.
    enum Pending : std::uint8_t {
        kNothing = 0,
        kDisconnected = 1,  // some slots wait to be removed
        kOrphaned = 2,      // the event went away while busy
    };

    struct State {
        std::vector<Slot> slots;
        int busy = 0;  // raises and disconnections under way
        std::uint8_t pending = kNothing;
        Connection lastId = 0;
    };

    // Keeps the state while it is in use; the last use to end tidies up.
    class Busy {
      public:
        explicit Busy(State* state) : m_state(state) { ++m_state->busy; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

        ~Busy() {
            if (--m_state->busy == 0 && m_state->pending != kNothing) {
                Settle(m_state);
            }
        }

      private:
        State* m_state;
    };

    // Removes the handlers disconnected while the state was in use, one at a
    // time and with the state in use again, so that one whose captures own
    // the event only orphans the state; an orphaned state is freed last.
    static void Settle(State* state) {
        ++state->busy;
        while (state->pending == kDisconnected) {
            std::unique_ptr<CallableBase> doomed;
            state->pending = kNothing;
            auto& slots = state->slots;
            for (std::size_t i = 0; i < slots.size(); ++i) {
                if (slots[i].live == nullptr) {
                    doomed = std::move(slots[i].handler);
                    slots.erase(slots.begin() + static_cast<std::ptrdiff_t>(i));
                    break;
                }
            }
            for (const Slot& slot : slots) {
                if (slot.live == nullptr) {
                    state->pending = kDisconnected;
                }
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
