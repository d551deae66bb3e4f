// The window-less timer: stopped when made, ticking on the user-interface
// thread's loop once started, restarted by a second start, silent once
// stopped.

#include <memory>

#include "PlatformTest.h"
#include "platform/automation/AutomationError.h"
#include "platform/driver/Driver.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"
#include "support/ErrorNumber.h"
#include "winmsg/TimerNoUI.h"

namespace zv::test {
namespace {

using namespace zv::win;

class TimerNoUITest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        timer = std::make_unique<TimerNoUI>();
        timer->OnTimer.Connect([this] { ticks.push_back(GetTickCount()); });
    }

    void TearDown() override {
        timer.reset();
        PlatformTest::TearDown();
    }

    std::unique_ptr<TimerNoUI> timer;
    std::vector<DWORD> ticks;
};

TEST_F(TimerNoUITest, TicksArriveThroughTheMessageLoopAndANegativeIntervalIsRefused) {
    timer->StartTimer(100);
    MSG msg;
    while (ticks.size() < 3 && GetMessageA(&msg, 0, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    ASSERT_EQ(ticks.size(), 3u);
    // The tick count moves in steps of up to 16 ms on the platform.
    EXPECT_GE(ticks[2] - ticks[0], 200u - 2 * 16u);

    // A negative interval is refused.
    EXPECT_EQ(ErrorNumberOf([&] { timer->StartTimer(-1); }), err::kInvalidPropertyValue);
}

TEST_F(TimerNoUITest, ItIsStoppedWhenMadeAndTicksOnTheVirtualClockOnceStarted) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    driver::SetTickCount(1000);
    driver::AdvanceClock(500);
    EXPECT_TRUE(ticks.empty());

    timer->StartTimer(100);
    driver::AdvanceClock(350);
    EXPECT_EQ(ticks, (std::vector<DWORD>{1600, 1700, 1800}));

    // Its hidden window is never shown.
    EXPECT_EQ(GetActiveWindow(), 0);
    EXPECT_EQ(GetForegroundWindow(), 0);
}

TEST_F(TimerNoUITest, StartingAgainRestartsTheInterval) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    driver::SetTickCount(0);
    timer->StartTimer(100);
    driver::AdvanceClock(90);
    timer->StartTimer(100);
    driver::AdvanceClock(90);
    EXPECT_TRUE(ticks.empty());
    driver::AdvanceClock(10);
    EXPECT_EQ(ticks, std::vector<DWORD>{190});
}

TEST_F(TimerNoUITest, StoppedTimersAreSilent) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    timer->StartTimer(50);
    driver::AdvanceClock(120);
    EXPECT_EQ(ticks.size(), 2u);
    timer->StopTimer();
    driver::AdvanceClock(500);
    EXPECT_EQ(ticks.size(), 2u);
}

TEST_F(TimerNoUITest, AHandlerMayDestroyTheTimer) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    timer->OnTimer.Connect([this] { timer.reset(); });
    timer->StartTimer(10);
    driver::AdvanceClock(100);
    EXPECT_EQ(timer, nullptr);
    EXPECT_EQ(ticks.size(), 1u);
}

}  // namespace
}  // namespace zv::test
