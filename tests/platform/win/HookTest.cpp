// Thread hooks: message hooks that see and rewrite what a thread takes from
// its queue, chains called newest first, hooks that remove themselves while
// they run, and the activation notice of CBT hooks.

#include <array>
#include <string>
#include <vector>

#include "PlatformTest.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

// What the hooks of a test did, in order: a letter per hook and call.
std::string g_calls;
HHOOK g_selfRemoving = 0;

class Hooks : public PlatformTest {
  protected:
    void TearDown() override {
        for (HHOOK hook : installed) {
            UnhookWindowsHookEx(hook);
        }
        PlatformTest::TearDown();
    }

    HHOOK Install(int type, HOOKPROC proc) {
        const HHOOK hook = SetWindowsHookExA(type, proc, 0, GetCurrentThreadId());
        installed.push_back(hook);
        return hook;
    }

    // What the hooks did while messages posted to a window, as many as
    // asked, were taken from the queue.
    static std::string CallsForPosted(int count = 1) {
        const HWND hwnd = CreateRecorder("window", WS_POPUP);
        g_calls.clear();
        for (int posted = 0; posted < count; ++posted) {
            PostMessageA(hwnd, WM_USER, 0, 0);
        }
        MessageLog::Current().PumpPending();
        return g_calls;
    }

    std::vector<HHOOK> installed;
};

LRESULT ZV_CALLBACK NullingHook(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && msg->message == WM_USER) {
        msg->message = WM_NULL;
        msg->wParam = 7;
    }
    return CallNextHookEx(0, code, wParam, lParam);
}

LRESULT ZV_CALLBACK HookA(int code, WPARAM wParam, LPARAM lParam) {
    g_calls += 'A';
    return CallNextHookEx(0, code, wParam, lParam);
}

LRESULT ZV_CALLBACK HookB(int code, WPARAM wParam, LPARAM lParam) {
    g_calls += 'B';
    return CallNextHookEx(0, code, wParam, lParam);
}

LRESULT ZV_CALLBACK SwallowingHook(int /*code*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    g_calls += 'S';
    return 0;
}

LRESULT ZV_CALLBACK SelfRemovingHook(int code, WPARAM wParam, LPARAM lParam) {
    g_calls += 'R';
    UnhookWindowsHookEx(g_selfRemoving);
    return CallNextHookEx(g_selfRemoving, code, wParam, lParam);
}

WPARAM g_seenRemoval = 99;

LRESULT ZV_CALLBACK RemovalNotingHook(int code, WPARAM wParam, LPARAM lParam) {
    g_seenRemoval = wParam;
    return CallNextHookEx(0, code, wParam, lParam);
}

TEST_F(Hooks, AMessageHookSeesAQueuedMessageBeforeItsWindow) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    ASSERT_NE(Install(WH_GETMESSAGE, HookRecorderProc), 0);
    MessageLog::Current().Clear();
    PostMessageA(hwnd, WM_USER, 1, 2);
    SendMessageA(hwnd, WM_USER + 1, 3, 4);  // sent: no hook sees it
    MessageLog::Current().PumpPending();

    const std::array HookedQueueSeq = {
        ExpectedMessage{"window", WM_USER + 1, kBothParams, 3, 4},
        ExpectedMessage{"window", WM_USER, kBothParams | kHook, 1, 2},
        ExpectedMessage{"window", WM_USER, kBothParams | kPosted, 1, 2},
    };
    EXPECT_SEQUENCE(HookedQueueSeq);
}

TEST_F(Hooks, AHookCanTurnAQueuedMessageIntoANullMessage) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    Install(WH_GETMESSAGE, NullingHook);
    MessageLog::Current().Clear();
    PostMessageA(hwnd, WM_USER, 1, 2);
    MessageLog::Current().PumpPending();

    const std::array NulledSeq = {ExpectedMessage{"window", WM_NULL, kBothParams | kPosted, 7, 2}};
    EXPECT_SEQUENCE(NulledSeq);
}

TEST_F(Hooks, APeekThatLeavesTheMessageShowsItToTheHookAsNotRemoved) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    Install(WH_GETMESSAGE, RemovalNotingHook);
    PostMessageA(hwnd, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(g_seenRemoval, PM_NOREMOVE);
    ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(g_seenRemoval, PM_REMOVE);
    EXPECT_EQ(msg.message, WM_USER);
}

TEST_F(Hooks, TheLastHookInstalledIsCalledFirstAndMayEndTheChain) {
    Install(WH_GETMESSAGE, HookA);
    Install(WH_GETMESSAGE, HookB);
    EXPECT_EQ(CallsForPosted(), "BA");

    // A hook that does not pass on ends the chain.
    Install(WH_GETMESSAGE, SwallowingHook);
    EXPECT_EQ(CallsForPosted(), "S");
}

TEST_F(Hooks, AHookThatRemovesItselfStillPassesOnAndIsNotCalledAgain) {
    Install(WH_GETMESSAGE, HookA);
    g_selfRemoving = Install(WH_GETMESSAGE, SelfRemovingHook);
    Install(WH_GETMESSAGE, HookB);
    EXPECT_EQ(CallsForPosted(2), "BRABA");
    EXPECT_FALSE(UnhookWindowsHookEx(g_selfRemoving));  // already gone
}

TEST_F(Hooks, UnhookedHooksAreNotCalledAndHooksWithoutAProcedureAreRefused) {
    const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, HookA, 0, GetCurrentThreadId());
    ASSERT_NE(hook, 0);
    EXPECT_TRUE(UnhookWindowsHookEx(hook));
    EXPECT_FALSE(UnhookWindowsHookEx(hook));
    EXPECT_EQ(CallsForPosted(), "");

    // A hook without a procedure is refused.
    EXPECT_EQ(SetWindowsHookExA(WH_GETMESSAGE, nullptr, 0, GetCurrentThreadId()), 0);
}

TEST_F(Hooks, TimerMessagesPassTheHookToo) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    ASSERT_EQ(SetTimer(hwnd, 5, 10, nullptr), 5u);
    Install(WH_GETMESSAGE, HookRecorderProc);
    MessageLog::Current().Clear();
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, 0, 0, 0), TRUE);
    MessageLog::Current().Dispatch(msg);
    KillTimer(hwnd, 5);

    const std::array HookedTimerSeq = {
        ExpectedMessage{"window", WM_TIMER, kWParam | kHook, 5},
        ExpectedMessage{"window", WM_TIMER, kWParam | kPosted, 5},
    };
    EXPECT_SEQUENCE(HookedTimerSeq);
}

struct ActivationNotice {
    WPARAM activated = 0;
    HWND previouslyActive = -1;
};
ActivationNotice g_notice;
LRESULT g_cbtAnswer = 0;

LRESULT ZV_CALLBACK ActivationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        g_notice.activated = wParam;
        g_notice.previouslyActive = reinterpret_cast<const CBTACTIVATESTRUCT*>(lParam)->hWndActive;
        if (g_cbtAnswer != 0) {
            return g_cbtAnswer;
        }
    }
    return CallNextHookEx(0, code, wParam, lParam);
}

TEST_F(Hooks, ACbtHookHearsOfActivationFirst) {
    const HWND first = CreateRecorder("first", WS_POPUP | WS_VISIBLE);
    const HWND second = CreateRecorder("second", WS_POPUP);
    SetForegroundWindow(first);
    ASSERT_EQ(GetActiveWindow(), first);
    g_notice = {};
    g_cbtAnswer = 0;
    Install(WH_CBT, ActivationHook);
    MessageLog::Current().Clear();
    ShowWindow(second, SW_SHOW);

    EXPECT_EQ(g_notice.activated, static_cast<WPARAM>(second));
    EXPECT_EQ(g_notice.previouslyActive, first);
    EXPECT_EQ(GetActiveWindow(), second);
}

TEST_F(Hooks, ACbtHookCanRefuseActivation) {
    const HWND first = CreateRecorder("first", WS_POPUP | WS_VISIBLE);
    const HWND second = CreateRecorder("second", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(second);
    ASSERT_EQ(GetActiveWindow(), second);
    g_cbtAnswer = 1;
    Install(WH_CBT, ActivationHook);
    MessageLog::Current().Clear();
    SetActiveWindow(first);
    g_cbtAnswer = 0;

    EXPECT_EQ(GetActiveWindow(), second);
    const std::array NoActivationSeq = {
        ExpectedMessage{"first", WM_WINDOWPOSCHANGING, kOptional},
        ExpectedMessage{"first", WM_WINDOWPOSCHANGED, kOptional},
    };
    EXPECT_SEQUENCE(NoActivationSeq);
}

}  // namespace
}  // namespace zv::test
