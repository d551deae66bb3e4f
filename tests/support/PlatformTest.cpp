#include "PlatformTest.h"

#include "platform/headless/Driver.h"

namespace zv::test {

void PlatformTest::SetUp() {
    headless::ResetWindowSystem();
    MessageLog::Current().Start();
}

void PlatformTest::TearDown() {
    MessageLog::Current().Clear();
}

}  // namespace zv::test
