// Timers over the virtual millisecond clock.

#include <array>
#include <vector>

#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

struct Tick {
    HWND hwnd;
    UINT_PTR id;
    DWORD time;
    friend bool operator==(const Tick&, const Tick&) = default;
};
std::vector<Tick> g_ticks;

class Timers : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        g_ticks.clear();
    }
};

void ZV_CALLBACK RecordTick(HWND hwnd, UINT, UINT_PTR id, DWORD time) {
    g_ticks.push_back({hwnd, id, time});
}

TEST_F(Timers, WindowTimerPostsWmTimerEachInterval) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    EXPECT_EQ(SetTimer(hwnd, 1025, 100, nullptr), 1025u);

    driver::AdvanceClock(99);
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
    driver::AdvanceClock(1);
    driver::AdvanceClock(250);

    const std::array WmTimerEveryIntervalSeq = {
        ExpectedMessage{"window", WM_TIMER, kBothParams, 1025, 0},
        ExpectedMessage{"window", WM_TIMER, kBothParams, 1025, 0},
        ExpectedMessage{"window", WM_TIMER, kBothParams, 1025, 0},
    };
    EXPECT_SEQUENCE(WmTimerEveryIntervalSeq);
    EXPECT_EQ(GetTickCount(), 350u);
}

TEST_F(Timers, KillTimerStopsItAndSettingAgainRestartsTheInterval) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    SetTimer(hwnd, 1, 100, nullptr);
    driver::AdvanceClock(60);
    SetTimer(hwnd, 1, 100, nullptr);  // replaces: due at 160 now
    MessageLog::Current().Clear();
    driver::AdvanceClock(90);
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
    driver::AdvanceClock(10);
    EXPECT_EQ(MessageLog::Current().Messages().size(), 1u);

    EXPECT_TRUE(KillTimer(hwnd, 1));
    EXPECT_FALSE(KillTimer(hwnd, 1));
    driver::AdvanceClock(1000);
    EXPECT_EQ(MessageLog::Current().Messages().size(), 1u);
}

TEST_F(Timers, TimerProcedureIsCalledInsteadOfTheWindow) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    SetTimer(hwnd, 7, 50, RecordTick);
    driver::AdvanceClock(100);
    EXPECT_EQ(g_ticks, (std::vector<Tick>{{hwnd, 7, 50}, {hwnd, 7, 100}}));
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
}

TEST_F(Timers, WindowlessTimersGetIdentifiersOfTheirOwn) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    const UINT_PTR first = SetTimer(0, 0, 30, RecordTick);
    const UINT_PTR second = SetTimer(0, 0, 30, RecordTick);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(SetTimer(0, first, 40, RecordTick), first);  // given again: replaced
    driver::AdvanceClock(40);
    EXPECT_EQ(g_ticks, (std::vector<Tick>{{0, second, 30}, {0, first, 40}}));
    EXPECT_TRUE(KillTimer(0, first));
}

TEST_F(Timers, ShortIntervalsAreRaisedToTheMinimum) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    SetTimer(0, 0, 1, RecordTick);
    driver::AdvanceClock(30);
    EXPECT_EQ(g_ticks.size(), 3u);
}

TEST_F(Timers, TheTickCountWrapsAround) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    driver::SetTickCount(0xFFFFFFF0u);
    const UINT_PTR id = SetTimer(0, 0, 100, RecordTick);
    driver::AdvanceClock(150);
    EXPECT_EQ(g_ticks, (std::vector<Tick>{{0, id, 0x54}}));  // 0xFFFFFFF0 + 100, past the wrap
    EXPECT_EQ(GetTickCount(), 0x86u);
    EXPECT_EQ(GetTickCount() - 0xFFFFFFF0u, 150u);  // unsigned differences still work
}

TEST_F(Timers, GetMessageLetsTheClockRunToTheNextTimer) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    SetTimer(hwnd, 2, 500, nullptr);
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, 0, 0, 0), TRUE);
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_EQ(msg.time, 500u);
    EXPECT_EQ(GetTickCount(), 500u);
}

TEST_F(Timers, DestroyingTheWindowEndsItsTimers) {
    ZV_REQUIRES_HEADLESS("GetMessageA giving up when nothing can arrive");
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    SetTimer(hwnd, 3, 20, nullptr);
    DestroyWindow(hwnd);
    EXPECT_FALSE(KillTimer(hwnd, 3));
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), -1);
}

TEST_F(Timers, AnotherThreadsTimersRunOnThatThread) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    const DWORD otherThread = driver::StartProcess();
    {
        driver::ThreadScope other(otherThread);
        SetTimer(0, 0, 10, RecordTick);
    }
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), -1);  // none of ours
    driver::AdvanceClock(10);
    EXPECT_EQ(g_ticks.size(), 1u);
}

}  // namespace
}  // namespace zv::test
