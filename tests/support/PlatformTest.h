#pragma once

#include <gtest/gtest.h>

#include "MessageLog.h"

namespace zv::test {

// Base of tests that drive the window system: each starts on a fresh desktop
// (on the headless backend) with an empty message log.
class PlatformTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace zv::test
