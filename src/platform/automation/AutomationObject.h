#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/automation/Variant.h"

namespace zv {

// The number by which late-bound callers name a member.
using DispId = std::int32_t;

// What a late-bound call asks of a member; the values are the platform's
// dispatch flags.
enum class CallKind : std::uint16_t {
    Method = 1,
    PropertyGet = 2,
    PropertyLet = 4,
    PropertySet = 8
};

// One argument of a late-bound call. Passed by value, the member works on a
// copy of its own; passed by reference, it works on the caller's variable, so
// the caller sees what it writes.
class Argument {
  public:
    template <typename T>
    Argument(T&& value) requires std::constructible_from<Variant, T>
        : m_value(std::forward<T>(value)) {}

    static Argument ByRef(Variant& variable) noexcept;

    Variant& Value() noexcept { return m_variable != nullptr ? *m_variable : m_value; }
    const Variant& Value() const noexcept { return m_variable != nullptr ? *m_variable : m_value; }

  private:
    Argument() = default;

    Variant m_value;
    Variant* m_variable = nullptr;  // the caller's, when passed by reference
};

using Arguments = std::vector<Argument>;

namespace detail {

// What a member's handler (a lambda or other function object) takes and gives.
template <typename F>
struct HandlerTraits : HandlerTraits<decltype(std::function{std::declval<F>()})> {};

template <typename R, typename... Params>
struct HandlerTraits<std::function<R(Params...)>> {
    static constexpr std::size_t kArity = sizeof...(Params);
    static constexpr bool kTakesVariants =
        (std::is_same_v<std::remove_cvref_t<Params>, Variant> && ...);
    using Result = R;
};

template <typename F, std::size_t... I>
Variant CallHandler(F& handler, [[maybe_unused]] std::span<Argument> arguments,
                    std::index_sequence<I...>) {
    if constexpr (std::is_void_v<typename HandlerTraits<F>::Result>) {
        handler(arguments[I].Value()...);
        return Variant();
    } else {
        return Variant(handler(arguments[I].Value()...));
    }
}

}  // namespace detail

// The base of the objects that late-bound callers use. A class exposes each
// member under a name (compared without regard to case, as the platform does)
// and a dispatch ID, with a handler for each kind of call it supports:
//
//     Expose(kCaptionId, L"Caption")
//         .Get([this] { return Variant(m_caption); })
//         .Let([this](const Variant& value) { m_caption = value.ToText(); });
//     Expose(kHandleId, L"Handle").Method([this](Variant& list) { Handle(list); });
//
// A handler takes one variant parameter per argument; a reference parameter
// writes through to an argument passed by reference. A property let or set
// gets the new value as its last parameter. What the handler returns is the
// call's result (Empty when it returns nothing).
class AutomationObject {
  public:
    AutomationObject(const AutomationObject&) = delete;
    AutomationObject& operator=(const AutomationObject&) = delete;
    virtual ~AutomationObject() = default;

    // The dispatch ID of the member with this name, if there is one.
    std::optional<DispId> IdOfName(std::wstring_view name) const;

    // Calls a member with the arguments in order. Raises 438 when the object
    // has no such member or the member does not support this kind of call, 450
    // for a wrong number of arguments, 424 when the new value of a set is not
    // an object, and 5 for a kind that is none of the four. What the member
    // raises reaches the caller as it is.
    Variant Invoke(DispId id, CallKind kind, Arguments arguments = {});

  protected:
    AutomationObject() = default;

    class MemberDefinition;

    // Adds a member. A name or dispatch ID already taken is a mistake of the
    // class: std::invalid_argument.
    MemberDefinition Expose(DispId id, std::wstring_view name);

  private:
    using Handler = std::function<Variant(std::span<Argument>)>;

    struct Entry {
        std::size_t argumentCount = 0;
        Handler handler;  // empty: the member does not support this kind of call
    };
    using Member = std::array<Entry, 4>;  // one entry per kind of call

    static std::size_t SlotOf(CallKind kind);
    void Define(DispId id, CallKind kind, std::size_t argumentCount, Handler handler);
    const Entry& EntryOf(DispId id, CallKind kind) const;

    std::unordered_map<DispId, Member> m_members;
    std::unordered_map<std::wstring, DispId> m_ids;  // by folded name
};

// What Expose gives: adds the member's kinds of call, one handler each.
class AutomationObject::MemberDefinition {
  public:
    template <typename F>
    MemberDefinition& Method(F handler) {
        return Add(CallKind::Method, std::move(handler));
    }

    template <typename F>
    MemberDefinition& Get(F handler) {
        return Add(CallKind::PropertyGet, std::move(handler));
    }

    template <typename F>
    MemberDefinition& Let(F handler) {
        static_assert(detail::HandlerTraits<F>::kArity >= 1, "a let takes the new value last");
        return Add(CallKind::PropertyLet, std::move(handler));
    }

    template <typename F>
    MemberDefinition& Set(F handler) {
        static_assert(detail::HandlerTraits<F>::kArity >= 1, "a set takes the new value last");
        return Add(CallKind::PropertySet, std::move(handler));
    }

  private:
    friend class AutomationObject;

    MemberDefinition(AutomationObject& owner, DispId id) : m_owner(owner), m_id(id) {}

    template <typename F>
    MemberDefinition& Add(CallKind kind, F handler) {
        using Traits = detail::HandlerTraits<F>;
        static_assert(Traits::kTakesVariants, "a member's handler takes its arguments as variants");
        m_owner.Define(m_id, kind, Traits::kArity,
                       [handler = std::move(handler)](std::span<Argument> arguments) mutable {
                           return detail::CallHandler(handler, arguments,
                                                      std::make_index_sequence<Traits::kArity>{});
                       });
        return *this;
    }

    AutomationObject& m_owner;
    DispId m_id;
};

}  // namespace zv
