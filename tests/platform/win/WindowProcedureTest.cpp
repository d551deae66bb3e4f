// Window procedures: replacing them through the procedure slot, chaining to
// the one replaced, and the refusals for windows that cannot be touched.

#include <array>
#include <vector>

#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class WindowProcedure : public PlatformTest {};

std::vector<UINT> g_seenBySubclass;
LONG g_previous = 0;

// Answers WM_USER itself and hands everything else to the procedure it replaced.
LRESULT ZV_CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_seenBySubclass.push_back(message);
    if (message == WM_USER) {
        return 42;
    }
    return CallWindowProcA(LongToWndProc(g_previous), hwnd, message, wParam, lParam);
}

TEST_F(WindowProcedure, ReplacingReturnsThePreviousProcedureWhichRestoresTheWindow) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    const LONG original = GetWindowLongA(hwnd, GWL_WNDPROC);
    EXPECT_EQ(LongToWndProc(original), &RecorderProc);

    g_previous = SetWindowLongA(hwnd, GWL_WNDPROC, WndProcToLong(Subclass));

    EXPECT_EQ(g_previous, original);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), WndProcToLong(Subclass));

    // Putting the previous procedure back restores the window.
    EXPECT_EQ(SetWindowLongA(hwnd, GWL_WNDPROC, g_previous), WndProcToLong(Subclass));
    g_seenBySubclass.clear();

    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
    EXPECT_TRUE(g_seenBySubclass.empty());
}

TEST_F(WindowProcedure, SubclassSeesMessagesFirstAndChainsToTheOriginal) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    g_previous = SetWindowLongA(hwnd, GWL_WNDPROC, WndProcToLong(Subclass));
    g_seenBySubclass.clear();
    MessageLog::Current().Clear();

    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 42);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 1, 5, 6), 0);

    EXPECT_EQ(g_seenBySubclass, (std::vector<UINT>{WM_USER, WM_USER + 1}));
    const std::array WmChainedSeq = {ExpectedMessage{"window", WM_USER + 1, kBothParams, 5, 6}};
    EXPECT_SEQUENCE(WmChainedSeq);
}

TEST_F(WindowProcedure, ProcedureValuesAreStableAndDistinctAndNeedAWindow) {
    EXPECT_EQ(WndProcToLong(Subclass), WndProcToLong(Subclass));
    EXPECT_NE(WndProcToLong(Subclass), WndProcToLong(RecorderProc));
    EXPECT_EQ(LongToWndProc(WndProcToLong(Subclass)), &Subclass);
    EXPECT_EQ(WndProcToLong(nullptr), 0);

    // No window, no procedure.
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    DestroyWindow(hwnd);
    EXPECT_EQ(SetWindowLongA(hwnd, GWL_WNDPROC, WndProcToLong(Subclass)), 0);
    EXPECT_EQ(SetWindowLongA(0, GWL_WNDPROC, WndProcToLong(Subclass)), 0);
}

TEST_F(WindowProcedure, WindowsOfAnotherProcessCannotBeSubclassed) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    HWND foreign = 0;
    {
        driver::ThreadScope other(driver::StartProcess());
        foreign = CreateRecorder("foreign", WS_POPUP);
    }
    const LONG original = GetWindowLongA(foreign, GWL_WNDPROC);

    EXPECT_EQ(SetWindowLongA(foreign, GWL_WNDPROC, WndProcToLong(Subclass)), 0);
    EXPECT_EQ(GetWindowLongA(foreign, GWL_WNDPROC), original);
    EXPECT_FALSE(DestroyWindow(foreign));  // only its own thread may
    EXPECT_TRUE(IsWindow(foreign));
}

TEST_F(WindowProcedure, ThreadsAndProcessesOfWindows) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    const HWND own = CreateRecorder("own", WS_POPUP);
    DWORD ownProcess = 0;
    EXPECT_EQ(GetWindowThreadProcessId(own, &ownProcess), GetCurrentThreadId());

    const DWORD otherThread = driver::StartProcess();
    HWND foreign = 0;
    {
        driver::ThreadScope other(otherThread);
        EXPECT_EQ(GetCurrentThreadId(), otherThread);
        foreign = CreateRecorder("foreign", WS_POPUP);
    }
    DWORD foreignProcess = 0;
    EXPECT_EQ(GetWindowThreadProcessId(foreign, &foreignProcess), otherThread);
    EXPECT_NE(foreignProcess, ownProcess);
    EXPECT_EQ(GetWindowThreadProcessId(0, &foreignProcess), 0u);
}

}  // namespace
}  // namespace zv::test
