// Every public member that must not raise gives its neutral result when what
// lies below it fails; the tables are in the files of each layer.

#include "BoundaryTest.h"

#include <ios>
#include <new>

namespace zv::test {

std::string MemberOf(const testing::TestParamInfo<BoundaryRow>& row) {
    return row.param.member;
}

void OutOfMemory() {
    throw std::bad_alloc();
}

void Unreadable() {
    throw std::ios_base::failure("unreadable");
}

TEST_P(Boundary, LetsNothingOutAndGivesItsNeutralResult) {
    bool neutral = false;
    EXPECT_NO_THROW(neutral = GetParam().neutral());
    EXPECT_TRUE(neutral);
}

}  // namespace zv::test
