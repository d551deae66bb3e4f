// Re-parenting, enumerating and finding windows, window properties and the
// alive test of processes.

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

class WindowTree : public PlatformTest {};

TEST_F(WindowTree, SetParentHidesMovesAndShowsAgain) {
    const HWND oldParent = CreateRecorder("old", WS_POPUP | WS_VISIBLE);
    const HWND newParent = CreateRecorder("new", WS_POPUP | WS_VISIBLE);
    MoveWindow(newParent, 300, 300, 200, 200, TRUE);
    const HWND child = CreateRecorder("child", WS_CHILD | WS_VISIBLE, oldParent, 1);
    MessageLog::Current().Clear();

    EXPECT_EQ(SetParent(child, newParent), oldParent);

    EXPECT_EQ(GetParent(child), newParent);
    EXPECT_EQ(GetWindow(newParent, GW_CHILD), child);
    EXPECT_EQ(GetWindow(oldParent, GW_CHILD), 0);
    EXPECT_TRUE(IsWindowVisible(child));
    const RECT rect = WindowRectOf(child);
    EXPECT_EQ(rect.left, 310);  // same place in the new parent's client area
    EXPECT_EQ(rect.top, 320);
    const std::array WmSetParentSeq = {
        ExpectedMessage{"child", WM_SHOWWINDOW, kWParam, FALSE},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"old", WM_ERASEBKGND},  // what the child uncovered, at once
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"child", WM_CHILDACTIVATE},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"child", WM_MOVE},
        // Shown again; erased later, once the new parent has painted.
        ExpectedMessage{"child", WM_SHOWWINDOW, kWParam, TRUE},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
    };
    EXPECT_SEQUENCE(WmSetParentSeq);
}

TEST_F(WindowTree, SetParentToTheDesktopAndBack) {
    const HWND frame = CreateRecorder("frame", WS_POPUP);
    const HWND pane = CreateRecorder("pane", WS_CHILD, frame, 1);
    EXPECT_EQ(SetParent(pane, 0), frame);
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), pane);
    EXPECT_EQ(SetParent(pane, frame), GetDesktopWindow());
    EXPECT_EQ(SetParent(pane, pane), 0);
    EXPECT_EQ(SetParent(0, frame), 0);
}

std::vector<HWND> g_enumerated;
HWND g_stopAt = 0;

BOOL ZV_CALLBACK Collect(HWND hwnd, LPARAM) {
    g_enumerated.push_back(hwnd);
    return hwnd != g_stopAt;
}

TEST_F(WindowTree, EnumChildWindowsVisitsDescendantsDepthFirst) {
    const HWND top = CreateRecorder("top", WS_POPUP);
    const HWND a = CreateRecorder("a", WS_CHILD, top, 1);
    const HWND a1 = CreateRecorder("a1", WS_CHILD, a, 2);
    const HWND b = CreateRecorder("b", WS_CHILD, top, 3);
    g_enumerated.clear();
    g_stopAt = 0;

    EXPECT_TRUE(EnumChildWindows(top, Collect, 0));
    EXPECT_EQ(g_enumerated, (std::vector<HWND>{a, a1, b}));

    g_enumerated.clear();
    g_stopAt = a1;
    EnumChildWindows(top, Collect, 0);
    EXPECT_EQ(g_enumerated, (std::vector<HWND>{a, a1}));
}

BOOL ZV_CALLBACK DestroyTheNext(HWND hwnd, LPARAM lParam) {
    g_enumerated.push_back(hwnd);
    DestroyWindow(static_cast<HWND>(lParam));
    return TRUE;
}

TEST_F(WindowTree, EnumChildWindowsStepsOverWindowsDestroyedOnTheWay) {
    const HWND top = CreateRecorder("top", WS_POPUP);
    const HWND first = CreateRecorder("first", WS_CHILD, top, 1);
    const HWND last = CreateRecorder("last", WS_CHILD, top, 2);
    g_enumerated.clear();
    EnumChildWindows(top, DestroyTheNext, last);
    EXPECT_EQ(g_enumerated, (std::vector<HWND>{first}));
}

TEST_F(WindowTree, FindWindowExMatchesClassAndTitleWithoutRegardToCase) {
    RegisterClassOf("MDIClientLike", RecorderProc);
    const HWND frame = CreateRecorder("frame", WS_POPUP);
    const HWND client =
        CreateWindowExA(0, "MDIClientLike", "", WS_CHILD, 0, 0, 5, 5, frame, 1, 0, nullptr);
    const HWND doc1 = CreateRecorder("Document", WS_CHILD, frame, 2);
    const HWND doc2 = CreateRecorder("Document", WS_CHILD, frame, 3);

    EXPECT_EQ(FindWindowExA(frame, 0, "mdiclientlike", nullptr), client);
    EXPECT_EQ(FindWindowExA(frame, 0, nullptr, "DOCUMENT"), doc1);
    EXPECT_EQ(FindWindowExA(frame, doc1, nullptr, "Document"), doc2);
    EXPECT_EQ(FindWindowExA(frame, doc2, nullptr, "Document"), 0);
    EXPECT_EQ(FindWindowExA(0, 0, kRecorderClass, "frame"), frame);
}

TEST_F(WindowTree, PropertiesAreKeptByNameUntilRemoved) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    EXPECT_TRUE(SetPropA(hwnd, "ZvOwner", 1234));
    EXPECT_EQ(GetPropA(hwnd, "zvowner"), 1234);
    EXPECT_TRUE(SetPropA(hwnd, "ZVOWNER", 99));
    EXPECT_EQ(GetPropA(hwnd, "ZvOwner"), 99);
    EXPECT_EQ(RemovePropA(hwnd, "ZvOwner"), 99);
    EXPECT_EQ(GetPropA(hwnd, "ZvOwner"), 0);
    EXPECT_EQ(RemovePropA(hwnd, "ZvOwner"), 0);
    DestroyWindow(hwnd);
    EXPECT_FALSE(SetPropA(hwnd, "ZvOwner", 1));
}

TEST_F(WindowTree, AnEndedProcessIsNotAliveAndItsWindowsAreGone) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    const DWORD thread = driver::StartProcess();
    const DWORD process = driver::ProcessOf(thread);
    HWND theirs = 0;
    {
        driver::ThreadScope other(thread);
        theirs = CreateRecorder("theirs", WS_POPUP | WS_VISIBLE);
    }
    const HWND host = CreateRecorder("host", WS_POPUP);
    SetParent(theirs, host);  // adopted, as hosts adopt another program's frame
    const HANDLE alive = OpenProcess(SYNCHRONIZE, FALSE, process);
    EXPECT_NE(alive, 0);
    EXPECT_TRUE(CloseHandle(alive));

    driver::EndProcess(process);

    EXPECT_EQ(OpenProcess(SYNCHRONIZE, FALSE, process), 0);
    EXPECT_FALSE(IsWindow(theirs));
    EXPECT_EQ(GetWindow(host, GW_CHILD), 0);
    EXPECT_NE(OpenProcess(SYNCHRONIZE, FALSE, GetCurrentProcessId()), 0);
}

}  // namespace
}  // namespace zv::test
