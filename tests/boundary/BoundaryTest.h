#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "PlatformTest.h"

namespace zv::test {

// One public member driven with a dependency that fails underneath it.
struct BoundaryRow {
    const char* member;  // Class_Member, the row's name
    // Calls the member with its dependency failing; true when the member
    // gave its neutral result.
    std::function<bool()> neutral;
};

class Boundary : public PlatformTest, public testing::WithParamInterface<BoundaryRow> {};

std::string MemberOf(const testing::TestParamInfo<BoundaryRow>& row);

// Host code that fails: out of memory, or a stream that cannot be read.
[[noreturn]] void OutOfMemory();
[[noreturn]] void Unreadable();

}  // namespace zv::test
