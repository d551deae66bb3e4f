// The scripted user: mouse and keyboard input as messages, activation by
// click, parent notices, capture, and moving and sizing with the mouse.

#include <algorithm>
#include <array>
#include <vector>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/driver/Driver.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class Input : public PlatformTest {};

// The logged messages of the given kinds, in order.
std::vector<LoggedMessage> Only(std::initializer_list<UINT> kinds) {
    std::vector<LoggedMessage> kept;
    for (const auto& message : MessageLog::Current().Messages()) {
        if (std::find(kinds.begin(), kinds.end(), message.message) != kinds.end()) {
            kept.push_back(message);
        }
    }
    return kept;
}

TEST_F(Input, AClickOnAChildOfAnInactiveWindow) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND parent = CreateRecorder("parent", WS_POPUP);                        // at 10,20
    const HWND child = CreateRecorder("child", WS_CHILD | WS_VISIBLE, parent, 4);  // at 20,40
    ShowWindow(parent, SW_SHOWNA);  // erased at once, painted later, not active
    MessageLog::Current().Clear();

    driver::Click(25, 45);

    const std::array WmClickChildSeq = {
        ExpectedMessage{"child", WM_NCHITTEST, kLParam, 0, MakeLParam(25, 45)},
        ExpectedMessage{"child", WM_SETCURSOR, kBothParams, static_cast<WPARAM>(child),
                        MakeLParam(HTCLIENT, WM_MOUSEMOVE)},
        ExpectedMessage{"parent", WM_SETCURSOR},
        ExpectedMessage{"child", WM_MOUSEMOVE, kBothParams, 0, MakeLParam(5, 5)},
        ExpectedMessage{"child", WM_NCHITTEST},
        ExpectedMessage{"parent", WM_PARENTNOTIFY, kBothParams, WM_LBUTTONDOWN, MakeLParam(15, 25)},
        ExpectedMessage{"child", WM_MOUSEACTIVATE, kBothParams, static_cast<WPARAM>(parent),
                        MakeLParam(HTCLIENT, WM_LBUTTONDOWN)},
        ExpectedMessage{"parent", WM_MOUSEACTIVATE},
        ExpectedMessage{"parent", WM_ACTIVATEAPP, kWParam, TRUE},
        ExpectedMessage{"parent", WM_NCACTIVATE, kWParam, TRUE},
        ExpectedMessage{"parent", WM_ACTIVATE, kWParam, WA_CLICKACTIVE},
        ExpectedMessage{"parent", WM_SETFOCUS},
        ExpectedMessage{"child", WM_SETCURSOR},
        ExpectedMessage{"parent", WM_SETCURSOR},
        ExpectedMessage{"child", WM_LBUTTONDOWN, kBothParams, MK_LBUTTON, MakeLParam(5, 5)},
        ExpectedMessage{"child", WM_NCHITTEST},
        ExpectedMessage{"child", WM_SETCURSOR},
        ExpectedMessage{"parent", WM_SETCURSOR},
        ExpectedMessage{"child", WM_LBUTTONUP, kBothParams, 0, MakeLParam(5, 5)},
        // The shown windows paint once nothing else waits: the parent was
        // erased as it was shown, the child waited for its parent.
        ExpectedMessage{"parent", WM_PAINT},
        ExpectedMessage{"child", WM_PAINT},
        ExpectedMessage{"child", WM_NCPAINT, kDefProc},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmClickChildSeq);
    EXPECT_EQ(GetActiveWindow(), parent);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 25);
}

TEST_F(Input, PressesClimbTheParentChainInEachParentsCoordinates) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE);                // 10,20
    const HWND middle = CreateRecorder("middle", WS_CHILD | WS_VISIBLE, top, 1);  // 20,40
    CreateRecorder("inner", WS_CHILD | WS_VISIBLE, middle, 2);                    // 30,60
    const HWND quiet = CreateRecorder("quiet", WS_CHILD | WS_VISIBLE, top, 3, WS_EX_NOPARENTNOTIFY);
    MoveWindow(quiet, 200, 200, 10, 10, TRUE);
    SetForegroundWindow(top);
    MessageLog::Current().Clear();

    driver::Click(35, 65, driver::MouseButton::Right);
    driver::Click(215, 225);

    const auto notices = Only({WM_PARENTNOTIFY});
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].hwnd, middle);
    EXPECT_EQ(notices[0].wParam, WM_RBUTTONDOWN);
    EXPECT_EQ(notices[0].lParam, MakeLParam(15, 25));
    EXPECT_EQ(notices[1].hwnd, top);
    EXPECT_EQ(notices[1].lParam, MakeLParam(25, 45));
}

TEST_F(Input, DisabledChildrenLetTheClickThroughToTheirParent) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE);
    CreateRecorder("off", WS_CHILD | WS_VISIBLE | WS_DISABLED, parent, 1);
    SetForegroundWindow(parent);
    MessageLog::Current().Clear();
    driver::Click(25, 45);
    const auto presses = Only({WM_LBUTTONDOWN});
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].hwnd, parent);
    EXPECT_EQ(presses[0].lParam, MakeLParam(15, 25));
}

TEST_F(Input, CapturedMouseMessagesGoToTheCaptureInItsCoordinates) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND first = CreateRecorder("first", WS_POPUP | WS_VISIBLE);
    const HWND second = CreateRecorder("second", WS_POPUP | WS_VISIBLE);
    MoveWindow(second, 300, 300, 50, 50, TRUE);
    SetForegroundWindow(first);
    SetCapture(first);
    MessageLog::Current().Clear();

    driver::MoveMouse(5, 310);

    const std::array WmCapturedMoveSeq = {
        ExpectedMessage{"first", WM_MOUSEMOVE, kLParam, 0, MakeLParam(-5, 290)},
        // Then the shown windows paint, the topmost first; they were erased
        // as they were shown.
        ExpectedMessage{"second", WM_PAINT},
        ExpectedMessage{"first", WM_PAINT},
    };
    EXPECT_SEQUENCE(WmCapturedMoveSeq);
    EXPECT_EQ(GetCapture(), first);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), 0);
}

TEST_F(Input, SwappedButtonsMakeThePhysicalLeftTheSecondary) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND hwnd = CreateRecorder("window", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(hwnd);
    driver::SwapMouseButtons(true);
    MessageLog::Current().Clear();

    driver::MoveMouse(20, 30);
    driver::PressButton(driver::MouseButton::Left);
    EXPECT_NE(GetAsyncKeyState(VK_LBUTTON) & 0x8000, 0);  // the physical button
    EXPECT_EQ(GetAsyncKeyState(VK_RBUTTON), 0);
    EXPECT_LT(GetKeyState(VK_RBUTTON), 0);  // the thread's state: the logical button
    EXPECT_EQ(GetKeyState(VK_LBUTTON), 0);
    driver::ReleaseButton(driver::MouseButton::Left);

    const auto buttons = Only({WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONUP});
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].message, WM_RBUTTONDOWN);
    EXPECT_EQ(buttons[0].wParam, MK_RBUTTON);
    EXPECT_EQ(buttons[1].message, WM_RBUTTONUP);
}

TEST_F(Input, TypingReachesTheFocusWindowAsKeysAndCharacters) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE);
    const HWND edit = CreateRecorder("edit", WS_CHILD | WS_VISIBLE, main, 1);
    SetForegroundWindow(main);
    SetFocus(edit);
    MessageLog::Current().Clear();

    driver::TypeText("Hi");

    const auto keys = Only({WM_KEYDOWN, WM_CHAR, WM_KEYUP});
    std::vector<WPARAM> characters;
    for (const auto& key : keys) {
        EXPECT_EQ(key.hwnd, edit);
        if (key.message == WM_CHAR) {
            characters.push_back(key.wParam);
        }
    }
    EXPECT_EQ(characters, (std::vector<WPARAM>{'H', 'i'}));
    MessageLog::Current().Clear();
    driver::PressKey(VK_CONTROL);
    driver::TypeText("a");
    driver::ReleaseKey(VK_CONTROL);
    const auto control = Only({WM_CHAR});
    ASSERT_EQ(control.size(), 1u);
    EXPECT_EQ(control[0].wParam, 1u);  // Ctrl+A
    EXPECT_EQ(keys.front().message, WM_KEYDOWN);
    EXPECT_EQ(keys.front().wParam, static_cast<WPARAM>(VK_SHIFT));
}

TEST_F(Input, DraggingTheCaptionMovesTheWindow) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE | WS_CAPTION);  // 10,20 100x50
    MessageLog::Current().Clear();

    driver::Drag(50, 30, 100, 60);

    EXPECT_EQ(WindowRectOf(main).left, 60);
    EXPECT_EQ(WindowRectOf(main).top, 50);
    EXPECT_EQ(GetActiveWindow(), main);
    const auto loop =
        Only({WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE});
    ASSERT_EQ(loop.size(), 8u);
    EXPECT_EQ(loop[0].message, WM_NCLBUTTONDOWN);
    EXPECT_EQ(loop[0].wParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(loop[1].message, WM_SYSCOMMAND);
    EXPECT_EQ(loop[1].wParam, SC_MOVE + HTCAPTION);
    EXPECT_EQ(loop[2].message, WM_ENTERSIZEMOVE);
    EXPECT_EQ(loop[3].message, WM_MOVING);
    EXPECT_EQ(loop[7].message, WM_EXITSIZEMOVE);
    EXPECT_EQ(GetCapture(), 0);
}

RECT g_lastSizing;
WPARAM g_lastSizingEdge = 0;

// Records the rectangles proposed while sizing and keeps within 60..150 wide.
LRESULT ZV_CALLBACK SizingRecorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog::Current().Record({hwnd, message, wParam, lParam});
    if (message == WM_SIZING) {
        g_lastSizing = *reinterpret_cast<RECT*>(lParam);
        g_lastSizingEdge = wParam;
    }
    if (message == WM_GETMINMAXINFO) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {60, 40};
        limits->ptMaxTrackSize = {150, 400};
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Input, DraggingAnEdgeSizesTheWindowWithinItsLimits) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND tool = CreateRecorder("tool", WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
    SetWindowLongA(tool, GWL_WNDPROC, WndProcToLong(SizingRecorder));
    MessageLog::Current().Clear();

    driver::Drag(WindowRectOf(tool).right - 2, 45, 300,
                 45);  // the right edge, far beyond the limit

    const RECT rect = WindowRectOf(tool);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.right, 160);
    EXPECT_EQ(g_lastSizingEdge, WMSZ_RIGHT);
    EXPECT_EQ(g_lastSizing.right, 160);
    const auto limits = Only({WM_GETMINMAXINFO, WM_ENTERSIZEMOVE});
    ASSERT_GE(limits.size(), 2u);
    EXPECT_EQ(limits[0].message, WM_GETMINMAXINFO);  // asked before the loop starts
    EXPECT_EQ(limits[1].message, WM_ENTERSIZEMOVE);
}

DWORD g_threadOfPress = 0;

LRESULT ZV_CALLBACK NotesPressThread(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        g_threadOfPress = GetCurrentThreadId();
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Input, InputReachesOtherThreadsWindowsOnTheirThread) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const DWORD otherThread = driver::StartProcess();
    {
        driver::ThreadScope other(otherThread);
        const HWND theirs = CreateRecorder("theirs", WS_POPUP | WS_VISIBLE);
        SetWindowLongA(theirs, GWL_WNDPROC, WndProcToLong(NotesPressThread));
    }
    driver::Click(20, 30);
    EXPECT_EQ(g_threadOfPress, otherThread);
}

// A class with CS_DBLCLKS hears the second of two quick presses as a double
// click; one without hears two presses.
TEST_F(Input, QuickSecondPressesAreDoubleClicksForClassesThatAskForThem) {
    ZV_REQUIRES_HEADLESS("the scripted user and the virtual clock");
    ASSERT_NE(RegisterClassOf("ZvDoubleClicks", RecorderProc, -1, CS_DBLCLKS), 0);
    const HWND hwnd = CreateWindowExA(0, "ZvDoubleClicks", "twice", WS_POPUP | WS_VISIBLE, 10, 20,
                                      100, 50, 0, 0, 0, nullptr);
    const HWND plain = CreateRecorder("plain", WS_POPUP | WS_VISIBLE);  // under it, at 10,20
    SetWindowPos(plain, 0, 200, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    MessageLog::Current().Name(hwnd, "twice");
    MessageLog::Current().Clear();

    driver::Click(20, 30);
    driver::AdvanceClock(100);
    driver::Click(21, 31);  // a double click
    driver::Click(21, 31);  // starts again
    driver::AdvanceClock(GetDoubleClickTime() + 1);
    driver::Click(21, 31);  // too late
    driver::Click(210, 30);
    driver::Click(210, 30);

    std::vector<UINT> presses;
    for (const auto& entry : Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})) {
        presses.push_back(entry.hwnd == hwnd ? entry.message : entry.message | 0x10000u);
    }
    EXPECT_EQ(presses,
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDOWN,
                                 WM_LBUTTONDOWN | 0x10000u, WM_LBUTTONDOWN | 0x10000u}));
}

// With Alt held, keys are system keys and typed characters system
// characters: what access keys are made of.
TEST_F(Input, KeysWithAltHeldAreSystemKeys) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND main = CreateRecorder("main", WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(main);
    MessageLog::Current().Clear();

    driver::PressKey(VK_MENU);
    driver::PressKey('S');
    driver::ReleaseKey('S');
    driver::ReleaseKey(VK_MENU);

    const auto keys = Only({WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYDOWN, WM_KEYUP});
    std::vector<std::pair<UINT, WPARAM>> seen;
    for (const auto& key : keys) {
        seen.emplace_back(key.message, key.wParam);
        EXPECT_NE(static_cast<std::uint32_t>(key.lParam) & 0x20000000u, 0u);
    }
    EXPECT_EQ(seen, (std::vector<std::pair<UINT, WPARAM>>{{WM_SYSKEYDOWN, VK_MENU},
                                                          {WM_SYSKEYDOWN, 'S'},
                                                          {WM_SYSCHAR, 's'},
                                                          {WM_SYSKEYUP, 'S'},
                                                          {WM_SYSKEYUP, VK_MENU}}));
}

}  // namespace
}  // namespace zv::test
