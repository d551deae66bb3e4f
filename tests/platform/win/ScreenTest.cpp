// Displays and their work areas, system settings, the cursor and key state,
// update locks and scroll bars.

#include <array>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class Screen : public PlatformTest {
  protected:
    // A primary display with its task bar on the left, and a second display
    // to its right with the task bar on top.
    void UseTwoDisplays() {
        driver::ConfigureScreen({
            {RECT{0, 0, 1280, 1024}, RECT{60, 0, 1280, 1024}},
            {RECT{1280, 0, 2560, 1024}, RECT{1280, 40, 2560, 1024}},
        });
    }
};

MONITORINFO InfoOf(HMONITOR monitor) {
    MONITORINFO info;
    GetMonitorInfoA(monitor, &info);
    return info;
}

TEST_F(Screen, TheDefaultScreenHasOneDisplayWithATaskBarAtTheBottom) {
    ZV_REQUIRES_HEADLESS("the default screen's size and task bar");
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(EdgesOf(work), (Edges{0, 0, 1024, 738}));
}

TEST_F(Screen, WindowsBelongToTheDisplayTheyOverlapMost) {
    ZV_REQUIRES_HEADLESS("a configured screen");
    UseTwoDisplays();
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MoveWindow(hwnd, 1200, 100, 200, 100, TRUE);  // 80 px on the first, 120 on the second

    const MONITORINFO info = InfoOf(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST));

    EXPECT_EQ(EdgesOf(info.rcMonitor), (Edges{1280, 0, 2560, 1024}));
    EXPECT_EQ(EdgesOf(info.rcWork), (Edges{1280, 40, 2560, 1024}));
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_EQ(InfoOf(MonitorFromWindow(GetDesktopWindow(), 0)).dwFlags, MONITORINFOF_PRIMARY);
}

TEST_F(Screen, RectanglesOffEveryDisplayFollowTheFallback) {
    ZV_REQUIRES_HEADLESS("a configured screen");
    UseTwoDisplays();
    const RECT below{2000, 2000, 2100, 2100};
    EXPECT_EQ(MonitorFromRect(&below, MONITOR_DEFAULTTONULL), 0);
    EXPECT_EQ(EdgesOf(InfoOf(MonitorFromRect(&below, MONITOR_DEFAULTTOPRIMARY)).rcMonitor),
              (Edges{0, 0, 1280, 1024}));
    EXPECT_EQ(EdgesOf(InfoOf(MonitorFromRect(&below, MONITOR_DEFAULTTONEAREST)).rcMonitor),
              (Edges{1280, 0, 2560, 1024}));
    EXPECT_FALSE(GetMonitorInfoA(0, nullptr));
}

TEST_F(Screen, NonClientMetricsNameTheSystemFonts) {
    ZV_KNOWN_WIN32_DIFFERENCE("Wine's message font is MS Shell Dlg");
    NONCLIENTMETRICSA metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_STREQ(metrics.lfMessageFont.lfFaceName, "Tahoma");
    EXPECT_EQ(metrics.lfCaptionFont.lfWeight, 700);
    EXPECT_EQ(metrics.iCaptionHeight, GetSystemMetrics(SM_CYSIZE));
}

TEST_F(Screen, TheCursorAndItsShape) {
    EXPECT_TRUE(SetCursorPos(40, 50));
    POINT point;
    ASSERT_TRUE(GetCursorPos(&point));
    EXPECT_EQ((std::array{point.x, point.y}), (std::array<LONG, 2>{40, 50}));
    const HCURSOR move = LoadCursorA(0, reinterpret_cast<LPCSTR>(IDC_SIZEALL));
    EXPECT_NE(move, 0);
    SetCursor(move);
    EXPECT_EQ(SetCursor(0), move);
    EXPECT_EQ(LoadCursorA(0, reinterpret_cast<LPCSTR>(12345)), 0);
}

TEST_F(Screen, OnlyOneWindowAtATimeCanHoldBackItsUpdates) {
    const HWND first = CreateRecorder("first", WS_POPUP);
    const HWND second = CreateRecorder("second", WS_POPUP);
    EXPECT_TRUE(LockWindowUpdate(first));
    EXPECT_FALSE(LockWindowUpdate(second));
    EXPECT_FALSE(LockWindowUpdate(first));
    EXPECT_TRUE(LockWindowUpdate(0));
    EXPECT_TRUE(LockWindowUpdate(second));
}

TEST_F(Screen, ScrollPositionsStayWithinRangeAndPage) {
    const HWND hwnd = CreateRecorder("list", WS_POPUP);
    SCROLLINFO set;
    set.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    set.nMin = 0;
    set.nMax = 99;
    set.nPage = 10;
    set.nPos = 95;
    EXPECT_EQ(SetScrollInfo(hwnd, SB_VERT, &set, TRUE), 90);  // a full page stays in view

    SCROLLINFO read;
    read.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(hwnd, SB_VERT, &read));
    EXPECT_EQ(read.nMax, 99);
    EXPECT_EQ(read.nPage, 10u);
    EXPECT_EQ(read.nPos, 90);

    set.fMask = SIF_PAGE;
    set.nPage = 500;  // larger than the range
    SetScrollInfo(hwnd, SB_VERT, &set, TRUE);
    GetScrollInfo(hwnd, SB_VERT, &read);
    EXPECT_EQ(read.nPage, 100u);
    EXPECT_EQ(read.nPos, 0);
}

TEST_F(Screen, ShowingAScrollBarTakesRoomFromTheClientArea) {
    const HWND hwnd = CreateRecorder("list", WS_POPUP);
    ShowScrollBar(hwnd, SB_VERT, TRUE);
    EXPECT_EQ(ClientRectOf(hwnd).right, 100 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_NE(GetWindowLongA(hwnd, GWL_STYLE) & static_cast<LONG>(WS_VSCROLL), 0);
    ShowScrollBar(hwnd, SB_BOTH, FALSE);
    EXPECT_EQ(ClientRectOf(hwnd).right, 100);
}

TEST_F(Screen, ScrollingAWindowMovesItsChildren) {
    const HWND hwnd = CreateRecorder("pane", WS_POPUP);
    const HWND child = CreateRecorder("child", WS_CHILD, hwnd, 1);
    // Hidden, there is nothing on the screen to scroll.
    EXPECT_EQ(ScrollWindowEx(hwnd, 0, -15, nullptr, nullptr, 0, nullptr, SW_SCROLLCHILDREN), 0);
    EXPECT_EQ(WindowRectOf(child).top, 20 + 20);

    ShowWindow(hwnd, SW_SHOWNA);
    EXPECT_EQ(ScrollWindowEx(hwnd, 0, -15, nullptr, nullptr, 0, nullptr, SW_SCROLLCHILDREN),
              SIMPLEREGION);
    EXPECT_EQ(WindowRectOf(child).top, 20 + 20 - 15);
}

}  // namespace
}  // namespace zv::test
