#pragma once

#include <cstdint>
#include <utility>

#include "platform/automation/AutomationError.h"

namespace zv::test {

// The number of the automation error that a call raises, 0 when it raises
// none.
template <typename Call>
std::int32_t ErrorNumberOf(Call&& call) {
    try {
        std::forward<Call>(call)();
    } catch (const AutomationError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace zv::test
