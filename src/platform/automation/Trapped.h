#pragma once

#include <concepts>
#include <type_traits>
#include <utility>

#include "platform/automation/AutomationError.h"

namespace zv {

// The library's public members let no failure out to the host: each runs its
// body through one of these, and whatever is thrown below it (a host's
// callback, a file, the memory running out) ends the call with the member's
// neutral result instead, of the type the body gives.

template <std::invocable Body, typename Result = std::invoke_result_t<Body>>
requires(!std::is_void_v<Result>) Result Trapped(std::type_identity_t<Result> neutral, Body&& body)
noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return neutral;
    }
}

template <std::invocable Body>
void Trapped(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

// For the members that report some failures to their caller (a rejected
// value, a window they do not hold): those automation errors go on, anything
// else is trapped as above.
template <std::invocable Body, typename Result = std::invoke_result_t<Body>>
requires(!std::is_void_v<Result>) Result
    TrappedButReported(std::type_identity_t<Result> neutral, Body&& body) {
    try {
        return std::forward<Body>(body)();
    } catch (const AutomationError&) {
        throw;
    } catch (...) {
        return neutral;
    }
}

template <std::invocable Body>
void TrappedButReported(Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const AutomationError&) {
        throw;
    } catch (...) {
    }
}

}  // namespace zv
