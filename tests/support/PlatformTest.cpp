#include "PlatformTest.h"

#include <cstdlib>

#include "platform/driver/Driver.h"

namespace zv::test {

void PlatformTest::SetUp() {
    driver::ResetWindowSystem();
    MessageLog::Current().Start();
}

void PlatformTest::TearDown() {
    // A dialog that nobody answered, or a script that did not fit what the
    // test showed, fails the test by name.
    for (const std::string& problem : driver::TakeScriptProblems()) {
        ADD_FAILURE() << problem;
    }
    MessageLog::Current().Clear();
}

bool KnownDifferencesSkipped() {
    return std::getenv("ZV_RUN_KNOWN_DIFFERENCES") == nullptr;
}

}  // namespace zv::test
