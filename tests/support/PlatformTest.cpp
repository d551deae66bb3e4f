#include "PlatformTest.h"

#include "platform/headless/Driver.h"

namespace zv::test {

void PlatformTest::SetUp() {
    headless::ResetWindowSystem();
    MessageLog::Current().Start();
}

void PlatformTest::TearDown() {
    // A dialog that nobody answered, or a script that did not fit what the
    // test showed, fails the test by name.
    for (const std::string& problem : headless::TakeScriptProblems()) {
        ADD_FAILURE() << problem;
    }
    MessageLog::Current().Clear();
}

}  // namespace zv::test
