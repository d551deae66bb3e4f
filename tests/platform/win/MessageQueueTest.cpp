// Posted messages: queues per thread, filters, dispatching, the quit message,
// letting pending messages run, and messages sent across threads.

#include <array>
#include <vector>

#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class MessageQueue : public PlatformTest {};

TEST_F(MessageQueue, PostedMessagesWaitInOrderUntilDispatched) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    EXPECT_TRUE(PostMessageA(hwnd, WM_USER, 1, 2));
    EXPECT_TRUE(PostMessageA(hwnd, WM_USER + 1, 3, 4));
    EXPECT_TRUE(MessageLog::Current().Messages().empty());

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER);
    ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER);  // the one looked at is the one taken
    EXPECT_EQ(msg.hwnd, hwnd);
    DispatchMessageA(&msg);
    ASSERT_EQ(GetMessageA(&msg, 0, 0, 0), TRUE);
    DispatchMessageA(&msg);
    EXPECT_FALSE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));

    const std::array WmPostedPairSeq = {
        ExpectedMessage{"window", WM_USER, kBothParams, 1, 2},
        ExpectedMessage{"window", WM_USER + 1, kBothParams, 3, 4},
    };
    EXPECT_SEQUENCE(WmPostedPairSeq);
}

TEST_F(MessageQueue, PostingNeedsAWindowOrPostsToTheThreadAndWindowsTakeTheirsAlong) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    PostMessageA(hwnd, WM_USER, 0, 0);
    DestroyWindow(hwnd);  // its queued messages go with it
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));

    EXPECT_TRUE(PostMessageA(0, WM_USER + 5, 6, 7));
    ASSERT_TRUE(PeekMessageA(&msg, -1, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, 0);
    EXPECT_EQ(msg.message, WM_USER + 5);
    EXPECT_EQ(DispatchMessageA(&msg), 0);
}

TEST_F(MessageQueue, WindowFilterTakesTheWindowAndItsDescendants) {
    const HWND top = CreateRecorder("top", WS_POPUP);
    const HWND child = CreateRecorder("child", WS_CHILD, top, 1);
    const HWND other = CreateRecorder("other", WS_POPUP);
    PostMessageA(other, WM_USER, 0, 0);
    PostMessageA(child, WM_USER + 1, 0, 0);
    PostMessageA(0, WM_USER + 2, 0, 0);

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, top, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, child);
    EXPECT_FALSE(PeekMessageA(&msg, top, 0, 0, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, -1, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 2);
    EXPECT_FALSE(PeekMessageA(&msg, 0, WM_USER + 1, WM_USER + 9, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, 0, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other);
}

TEST_F(MessageQueue, EachThreadHasItsOwnQueue) {
    ZV_REQUIRES_HEADLESS("simulated threads");
    const DWORD otherThread = driver::StartProcess();
    HWND foreign = 0;
    {
        driver::ThreadScope other(otherThread);
        foreign = CreateRecorder("foreign", WS_POPUP);
    }
    MessageLog::Current().Clear();
    EXPECT_TRUE(PostMessageA(foreign, WM_USER, 0, 0));

    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
    LetPendingMessagesRun();
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
    {
        driver::ThreadScope other(otherThread);
        LetPendingMessagesRun();
    }
    const std::array WmForeignPostSeq = {ExpectedMessage{"foreign", WM_USER}};
    EXPECT_SEQUENCE(WmForeignPostSeq);
}

TEST_F(MessageQueue, QuitComesAfterThePostedMessages) {
    ZV_REQUIRES_HEADLESS("GetMessageA giving up when nothing can arrive");
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    PostQuitMessage(3);
    PostMessageA(hwnd, WM_USER, 0, 0);

    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), TRUE);
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), FALSE);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), -1);  // nothing can ever arrive now
}

// Posts a follow-up message the first time it sees WM_USER.
LRESULT ZV_CALLBACK PostsAFollowUp(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog::Current().Record({hwnd, message, wParam, lParam});
    if (message == WM_USER) {
        PostMessageA(hwnd, WM_USER + 1, 0, 0);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(MessageQueue, LettingMessagesRunDispatchesWhatHandlersPostOnTheWay) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    SetWindowLongA(hwnd, GWL_WNDPROC, WndProcToLong(PostsAFollowUp));
    MessageLog::Current().Clear();
    PostMessageA(hwnd, WM_USER, 0, 0);
    PostQuitMessage(0);
    PostMessageA(hwnd, WM_USER + 2, 0, 0);

    LetPendingMessagesRun();

    const std::array WmRunPendingSeq = {
        ExpectedMessage{"window", WM_USER},
        ExpectedMessage{"window", WM_USER + 2},
        ExpectedMessage{"window", WM_USER + 1},
    };
    EXPECT_SEQUENCE(WmRunPendingSeq);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));  // the quit waits for the loop
    EXPECT_EQ(msg.message, WM_QUIT);
}

DWORD g_threadInHandler = 0;
BOOL g_inSendInHandler = FALSE;

LRESULT ZV_CALLBACK NotesItsThread(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        g_threadInHandler = GetCurrentThreadId();
        g_inSendInHandler = InSendMessage();
        return 77;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(MessageQueue, MessagesSentAcrossThreadsRunOnTheReceivingThread) {
    ZV_REQUIRES_HEADLESS("simulated threads");
    const DWORD otherThread = driver::StartProcess();
    HWND foreign = 0;
    {
        driver::ThreadScope other(otherThread);
        foreign = CreateRecorder("foreign", WS_POPUP);
        SetWindowLongA(foreign, GWL_WNDPROC, WndProcToLong(NotesItsThread));
    }
    const DWORD sender = GetCurrentThreadId();

    EXPECT_EQ(SendMessageA(foreign, WM_USER, 0, 0), 77);

    EXPECT_EQ(g_threadInHandler, otherThread);
    EXPECT_TRUE(g_inSendInHandler);
    EXPECT_EQ(GetCurrentThreadId(), sender);
    EXPECT_FALSE(InSendMessage());
}

}  // namespace
}  // namespace zv::test
