#pragma once

#include <gtest/gtest.h>

#include "MessageLog.h"

namespace zv::test {

// Base of tests that drive the window system: each starts on a fresh desktop
// (the calling thread's windows and classes gone on the Win32 backend) with
// an empty message log.
class PlatformTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Whether the cases marked ZV_KNOWN_WIN32_DIFFERENCE are skipped.
bool KnownDifferencesSkipped();

}  // namespace zv::test

// Skips the running test on the Win32 backend when it needs what only the
// headless driver gives (the scripted user, the virtual clock, simulated
// processes and threads, a configured screen); `what` names it.
#if defined(ZV_BACKEND_WIN32)
#define ZV_REQUIRES_HEADLESS(what) GTEST_SKIP() << "needs the headless backend: " << (what)
#else
#define ZV_REQUIRES_HEADLESS(what) static_cast<void>(0)
#endif

// Skips the running test on the Win32 backend where the platform, run under
// Wine, is known to differ from what the test expects; `what` says how.
// docs/architecture.md lists each difference and how it is settled. With
// ZV_RUN_KNOWN_DIFFERENCES set in the environment they run, to see which
// still differ.
#if defined(ZV_BACKEND_WIN32)
#define ZV_KNOWN_WIN32_DIFFERENCE(what)        \
    if (::zv::test::KnownDifferencesSkipped()) \
    GTEST_SKIP() << "known Win32 difference: " << (what)
#else
#define ZV_KNOWN_WIN32_DIFFERENCE(what) static_cast<void>(0)
#endif
