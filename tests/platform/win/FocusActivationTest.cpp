// Activation, focus and the foreground window: the notices in their order,
// and where activation and focus go when windows are hidden or destroyed.

#include <array>

#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class FocusActivation : public PlatformTest {};

TEST_F(FocusActivation, ShowingATopLevelWindowActivatesAndFocusesIt) {
    const HWND main = CreateRecorder("main", WS_POPUP);
    MessageLog::Current().Clear();

    ShowWindow(main, SW_SHOW);

    const std::array WmShowActivateSeq = {
        ExpectedMessage{"main", WM_SHOWWINDOW, kWParam, TRUE},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"main", WM_ACTIVATEAPP, kWParam, TRUE},
        ExpectedMessage{"main", WM_NCACTIVATE, kWParam, TRUE},
        ExpectedMessage{"main", WM_ACTIVATE, kBothParams, WA_ACTIVE, 0},
        ExpectedMessage{"main", WM_SETFOCUS, kWParam | kDefProc, 0},
        ExpectedMessage{"main", WM_NCPAINT, kWParam, 1},  // shown: painted and erased at once
        ExpectedMessage{"main", WM_ERASEBKGND},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGED},
    };
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_SEQUENCE(WmShowActivateSeq);
    EXPECT_EQ(GetFocus(), main);
}

TEST_F(FocusActivation, FocusMovesWithKillFocusFirst) {
    const HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE);
    const HWND edit = CreateRecorder("edit", WS_CHILD | WS_VISIBLE, main, 1);
    SetForegroundWindow(main);
    MessageLog::Current().Clear();

    EXPECT_EQ(SetFocus(edit), main);

    const std::array WmFocusChildSeq = {
        ExpectedMessage{"main", WM_KILLFOCUS, kWParam, static_cast<WPARAM>(edit)},
        ExpectedMessage{"edit", WM_SETFOCUS, kWParam, static_cast<WPARAM>(main)},
    };
    EXPECT_SEQUENCE(WmFocusChildSeq);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(FocusActivation, ActivatingAnotherWindowDeactivatesTheFirst) {
    const HWND first = CreateRecorder("first", WS_POPUP | WS_VISIBLE);
    const HWND second = CreateRecorder("second", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(first);
    MessageLog::Current().Clear();

    EXPECT_EQ(SetActiveWindow(second), first);

    const std::array WmSwitchActiveSeq = {
        ExpectedMessage{"first", WM_NCACTIVATE, kBothParams, FALSE, second},
        ExpectedMessage{"first", WM_ACTIVATE, kBothParams, WA_INACTIVE, second},
        ExpectedMessage{"second", WM_NCACTIVATE, kBothParams, TRUE, first},
        ExpectedMessage{"second", WM_ACTIVATE, kBothParams, WA_ACTIVE, first},
        ExpectedMessage{"first", WM_KILLFOCUS, kWParam, static_cast<WPARAM>(second)},
        ExpectedMessage{"second", WM_SETFOCUS, kWParam, static_cast<WPARAM>(first)},
    };
    EXPECT_SEQUENCE(WmSwitchActiveSeq);
    EXPECT_EQ(GetForegroundWindow(), second);
}

// Focusing a child of an inactive window activates it first; disabled
// windows cannot take the focus.
TEST_F(FocusActivation, FocusingAChildOfAnInactiveWindowActivatesItFirst) {
    const HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE);
    const HWND second = CreateRecorder("second", WS_POPUP | WS_VISIBLE);
    const HWND button = CreateRecorder("button", WS_CHILD | WS_VISIBLE, second, 1);
    const HWND panel = CreateRecorder("panel", WS_CHILD | WS_VISIBLE | WS_DISABLED, main, 1);
    const HWND edit = CreateRecorder("edit", WS_CHILD | WS_VISIBLE, panel, 2);
    SetForegroundWindow(main);

    EXPECT_EQ(SetFocus(panel), 0);
    EXPECT_EQ(SetFocus(edit), 0);  // its parent is disabled
    EXPECT_EQ(GetFocus(), main);
    SetFocus(button);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(GetFocus(), button);
}

TEST_F(FocusActivation, HidingTheFocusedChildGivesTheFocusToItsParent) {
    const HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE);
    const HWND edit = CreateRecorder("edit", WS_CHILD | WS_VISIBLE, main, 1);
    SetForegroundWindow(main);
    SetFocus(edit);
    MessageLog::Current().Clear();

    ShowWindow(edit, SW_HIDE);

    EXPECT_EQ(GetFocus(), main);
    const auto& messages = MessageLog::Current().Messages();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2].message, WM_KILLFOCUS);
    EXPECT_EQ(messages.back().message, WM_SETFOCUS);
    EXPECT_EQ(messages.back().hwnd, main);
}

TEST_F(FocusActivation, DestroyingTheActiveWindowActivatesItsOwner) {
    const HWND owner = CreateRecorder("owner", WS_POPUP | WS_VISIBLE);
    const HWND other = CreateRecorder("other", WS_POPUP | WS_VISIBLE);
    const HWND dialog = CreateRecorder("dialog", WS_POPUP | WS_VISIBLE, owner);
    SetForegroundWindow(dialog);

    DestroyWindow(dialog);

    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetForegroundWindow(), owner);
    EXPECT_EQ(GetFocus(), owner);
    EXPECT_TRUE(IsWindow(other));
}

TEST_F(FocusActivation, DestroyingTheLastWindowLeavesNothingActive) {
    const HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(main);
    DestroyWindow(main);
    EXPECT_EQ(GetActiveWindow(), 0);
    EXPECT_EQ(GetForegroundWindow(), 0);
    EXPECT_EQ(GetFocus(), 0);
}

TEST_F(FocusActivation, TheForegroundMovesBetweenApplications) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    const HWND mine = CreateRecorder("mine", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(mine);
    const DWORD otherThread = driver::StartProcess();
    HWND theirs = 0;
    {
        driver::ThreadScope other(otherThread);
        theirs = CreateRecorder("theirs", WS_POPUP);
        ShowWindow(theirs, SW_SHOWNA);  // shown behind, not yet in front
    }
    MessageLog::Current().Clear();

    EXPECT_TRUE(SetForegroundWindow(theirs));

    const std::array WmForegroundSwitchSeq = {
        ExpectedMessage{"mine", WM_NCACTIVATE, kWParam, FALSE},
        ExpectedMessage{"mine", WM_ACTIVATE, kWParam, WA_INACTIVE},
        ExpectedMessage{"mine", WM_ACTIVATEAPP, kBothParams, FALSE,
                        static_cast<LPARAM>(otherThread)},
        ExpectedMessage{"theirs", WM_ACTIVATEAPP, kWParam, TRUE},
        ExpectedMessage{"theirs", WM_NCACTIVATE, kWParam, TRUE},
        ExpectedMessage{"theirs", WM_ACTIVATE, kWParam, WA_ACTIVE},
        ExpectedMessage{"theirs", WM_SETFOCUS},
    };
    EXPECT_SEQUENCE(WmForegroundSwitchSeq);
    EXPECT_EQ(GetForegroundWindow(), theirs);
    EXPECT_EQ(GetActiveWindow(), 0);  // this thread has nothing active now
    driver::ThreadScope other(otherThread);
    EXPECT_EQ(GetActiveWindow(), theirs);
}

TEST_F(FocusActivation, AttachedThreadsShareFocusAndActivation) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    const HWND mine = CreateRecorder("mine", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(mine);
    const DWORD otherThread = driver::StartProcess();
    HWND theirs = 0;
    HWND theirChild = 0;
    {
        driver::ThreadScope other(otherThread);
        theirs = CreateRecorder("theirs", WS_CHILD | WS_VISIBLE, mine, 5);
        theirChild = CreateRecorder("theirChild", WS_CHILD | WS_VISIBLE, theirs, 6);
    }
    EXPECT_EQ(SetFocus(theirChild), 0);  // another thread's input: refused

    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), otherThread, TRUE));
    EXPECT_EQ(SetFocus(theirChild), mine);
    {
        driver::ThreadScope other(otherThread);
        EXPECT_EQ(GetFocus(), theirChild);
        EXPECT_EQ(GetActiveWindow(), mine);
    }
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), otherThread, FALSE));
    EXPECT_EQ(GetFocus(), 0);
}

}  // namespace
}  // namespace zv::test
