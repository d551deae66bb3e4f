// Rectangles, client areas, moving, sizing, showing and enabling: the
// notices that each sends, and where windows end up.

#include <algorithm>
#include <array>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/driver/Driver.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class WindowPosition : public PlatformTest {};

TEST_F(WindowPosition, FramesAndCaptionsTakeTheirShareOfTheWindow) {
    const HWND framed = CreateRecorder("framed", WS_POPUP | WS_CAPTION | WS_THICKFRAME);
    const int frame = GetSystemMetrics(SM_CXSIZEFRAME);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    // Asked for 100 x 50, but no narrower than the system lets a window be.
    const int width = std::max(100, GetSystemMetrics(SM_CXMINTRACK));

    EXPECT_EQ(EdgesOf(WindowRectOf(framed)), (Edges{10, 20, 10 + width, 70}));
    EXPECT_EQ(EdgesOf(ClientRectOf(framed)),
              (Edges{0, 0, width - 2 * frame, 50 - 2 * frame - caption}));

    POINT point{0, 0};
    ClientToScreen(framed, &point);
    EXPECT_EQ(point.x, 10 + frame);
    EXPECT_EQ(point.y, 20 + frame + caption);
    ScreenToClient(framed, &point);
    EXPECT_EQ(point.x, 0);
    EXPECT_EQ(point.y, 0);
}

TEST_F(WindowPosition, FramesFollowTheSystemMetrics) {
    ZV_REQUIRES_HEADLESS("SetSystemMetric");
    driver::SetSystemMetric(SM_CYCAPTION, 30);
    driver::SetSystemMetric(SM_CXFIXEDFRAME, 5);
    driver::SetSystemMetric(SM_CYFIXEDFRAME, 6);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 30);

    const HWND dialog = CreateRecorder("dialog", WS_POPUP | WS_CAPTION);

    EXPECT_EQ(EdgesOf(ClientRectOf(dialog)), (Edges{0, 0, 100 - 10, 50 - 12 - 30}));
}

TEST_F(WindowPosition, ChildrenArePlacedInTheParentsClientAreaAndMoveWithIt) {
    const HWND parent = CreateRecorder("parent", WS_POPUP | WS_BORDER);
    const HWND child = CreateRecorder("child", WS_CHILD, parent, 1);
    EXPECT_EQ(EdgesOf(WindowRectOf(child)), (Edges{21, 41, 121, 91}));  // parent client at (11, 21)

    MoveWindow(parent, 100, 200, 300, 300, TRUE);

    EXPECT_EQ(EdgesOf(WindowRectOf(child)), (Edges{111, 221, 211, 271}));
}

TEST_F(WindowPosition, MovingAndSizingSendTheChangeNotices) {
    const HWND hwnd = CreateRecorder("popup", WS_POPUP);
    MessageLog::Current().Clear();

    EXPECT_TRUE(MoveWindow(hwnd, 30, 40, 200, 100, TRUE));

    const std::array WmMoveSizeSeq = {
        ExpectedMessage{"popup", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"popup", WM_NCCALCSIZE, kWParam, TRUE},
        ExpectedMessage{"popup", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"popup", WM_MOVE, kLParam | kDefProc, 0, MakeLParam(30, 40)},
        ExpectedMessage{"popup", WM_SIZE, kBothParams | kDefProc, SIZE_RESTORED,
                        MakeLParam(200, 100)},
    };
    EXPECT_SEQUENCE(WmMoveSizeSeq);
    EXPECT_EQ(EdgesOf(WindowRectOf(hwnd)), (Edges{30, 40, 230, 140}));
}

TEST_F(WindowPosition, MovingOnlyLeavesTheSizeAlone) {
    const HWND hwnd = CreateRecorder("popup", WS_POPUP);
    MessageLog::Current().Clear();

    MoveWindow(hwnd, 15, 25, 100, 50, TRUE);

    const std::array WmMoveOnlySeq = {
        ExpectedMessage{"popup", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"popup", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"popup", WM_MOVE, kLParam, 0, MakeLParam(15, 25)},
    };
    EXPECT_SEQUENCE(WmMoveOnlySeq);
}

// The request is asked about, but announced as done only when something
// changed.
TEST_F(WindowPosition, ARequestThatChangesNothingIsOnlyAskedAbout) {
    const HWND hwnd = CreateRecorder("popup", WS_POPUP);
    MessageLog::Current().Clear();
    SetWindowPos(hwnd, 0, 10, 20, 100, 50, SWP_NOZORDER | SWP_NOACTIVATE);
    const std::array WmNoChangeSeq = {ExpectedMessage{"popup", WM_WINDOWPOSCHANGING}};
    EXPECT_SEQUENCE(WmNoChangeSeq);

    MessageLog::Current().Clear();
    SetWindowPos(hwnd, 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
    EXPECT_TRUE(MessageLog::Current().Messages().empty());

    SetWindowPos(hwnd, 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const std::array WmFrameChangedSeq = {
        ExpectedMessage{"popup", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"popup", WM_NCCALCSIZE, kWParam, TRUE},
        ExpectedMessage{"popup", WM_WINDOWPOSCHANGED},
    };
    EXPECT_SEQUENCE(WmFrameChangedSeq);
}

// Keeps its size between 50 x 40 and 200 x 150.
LRESULT ZV_CALLBACK LimitedSize(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog::Current().Record({hwnd, message, wParam, lParam});
    if (message == WM_GETMINMAXINFO) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {50, 40};
        limits->ptMaxTrackSize = {200, 150};
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowPosition, SizeableWindowsAreMadeWithinTheirLimits) {
    RegisterClassOf("ZvLimitedSize", LimitedSize);
    const HWND small = CreateWindowExA(0, "ZvLimitedSize", "", WS_POPUP | WS_THICKFRAME, 0, 0, 20,
                                       10, 0, 0, 0, nullptr);
    const HWND large = CreateWindowExA(0, "ZvLimitedSize", "", WS_POPUP | WS_THICKFRAME, 0, 0, 500,
                                       500, 0, 0, 0, nullptr);
    EXPECT_EQ(EdgesOf(WindowRectOf(small)), (Edges{0, 0, 50, 40}));
    EXPECT_EQ(EdgesOf(WindowRectOf(large)), (Edges{0, 0, 200, 150}));
    DestroyWindow(small);
    DestroyWindow(large);
    UnregisterClassA("ZvLimitedSize", 0);
}

TEST_F(WindowPosition, SizeableWindowsAreHeldWithinTheirLimits) {
    const HWND hwnd = CreateRecorder("sizeable", WS_POPUP | WS_THICKFRAME);
    SetWindowLongA(hwnd, GWL_WNDPROC, WndProcToLong(LimitedSize));
    MessageLog::Current().Clear();

    MoveWindow(hwnd, 0, 0, 500, 10, TRUE);

    EXPECT_EQ(EdgesOf(WindowRectOf(hwnd)), (Edges{0, 0, 200, 40}));
    const auto& messages = MessageLog::Current().Messages();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, WM_WINDOWPOSCHANGING);
    EXPECT_EQ(messages[1].message, WM_GETMINMAXINFO);  // asked from inside the changing notice
}

TEST_F(WindowPosition, ShowingAndHidingAChild) {
    const HWND parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE);
    const HWND child = CreateRecorder("child", WS_CHILD, parent, 1);
    MessageLog::Current().Clear();

    EXPECT_FALSE(ShowWindow(child, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(child, SW_SHOW));  // already shown: nothing happens
    EXPECT_TRUE(ShowWindow(child, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(child));

    const std::array WmShowHideChildSeq = {
        ExpectedMessage{"child", WM_SHOWWINDOW, kBothParams, TRUE, 0},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"child", WM_SHOWWINDOW, kBothParams, FALSE, 0},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"parent", WM_ERASEBKGND},  // what the child uncovered, at once
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
    };
    // Shown, the child is not erased yet: its parent has still to paint.
    EXPECT_SEQUENCE(WmShowHideChildSeq);
}

TEST_F(WindowPosition, AnOverlappedWindowHearsItsSizeWhenFirstShown) {
    const HWND main = CreateRecorder("main", WS_OVERLAPPED | WS_CAPTION);
    MessageLog::Current().Clear();
    ShowWindow(main, SW_SHOWNA);
    ShowWindow(main, SW_HIDE);
    ShowWindow(main, SW_SHOWNA);
    const RECT client = ClientRectOf(main);

    const std::array WmShowOverlappedSeq = {
        ExpectedMessage{"main", WM_SHOWWINDOW, kWParam, TRUE},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"main", WM_NCPAINT, kWParam, 1},
        ExpectedMessage{"main", WM_GETTEXT, kDefProc},  // the caption's title
        ExpectedMessage{"main", WM_ERASEBKGND},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"main", WM_SIZE, kBothParams, SIZE_RESTORED,
                        MakeLParam(client.right, client.bottom)},
        ExpectedMessage{"main", WM_MOVE},
        ExpectedMessage{"main", WM_SHOWWINDOW, kWParam, FALSE},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"main", WM_SHOWWINDOW, kWParam, TRUE},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"main", WM_NCPAINT, kWParam, 1},
        ExpectedMessage{"main", WM_GETTEXT, kDefProc},
        ExpectedMessage{"main", WM_ERASEBKGND},
        ExpectedMessage{"main", WM_WINDOWPOSCHANGED},
    };
    EXPECT_SEQUENCE(WmShowOverlappedSeq);
}

TEST_F(WindowPosition, AChildIsOnlyVisibleWithItsAncestors) {
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    const HWND child = CreateRecorder("child", WS_CHILD | WS_VISIBLE, parent, 1);
    EXPECT_FALSE(IsWindowVisible(child));
    ShowWindow(parent, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(WindowPosition, EnablingAndDisabling) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();

    EXPECT_FALSE(EnableWindow(hwnd, FALSE));  // it was enabled
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(EnableWindow(hwnd, FALSE));  // cancels again, but no notice
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    EXPECT_TRUE(IsWindowEnabled(hwnd));

    const std::array WmDisableEnableSeq = {
        ExpectedMessage{"window", WM_CANCELMODE},
        ExpectedMessage{"window", WM_ENABLE, kWParam, FALSE},
        ExpectedMessage{"window", WM_CANCELMODE},
        ExpectedMessage{"window", WM_ENABLE, kWParam, TRUE},
    };
    EXPECT_SEQUENCE(WmDisableEnableSeq);
}

TEST_F(WindowPosition, ZOrderFollowsTheInsertAfterWindow) {
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    const HWND a = CreateRecorder("a", WS_CHILD, parent, 1);
    const HWND b = CreateRecorder("b", WS_CHILD, parent, 2);
    const HWND c = CreateRecorder("c", WS_CHILD, parent, 3);  // order now a, b, c

    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // b, c, a
    EXPECT_EQ(GetWindow(parent, GW_CHILD), b);
    SetWindowPos(b, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // c, a, b
    EXPECT_EQ(GetWindow(parent, GW_CHILD), c);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // c, b, a
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);     // a, c, b
    EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), c);
}

}  // namespace
}  // namespace zv::test
