// The message-hook manager and its registry: a host sees and rewrites the
// queued messages of hooked windows before they reach them.

#include <array>
#include <memory>
#include <vector>

#include "PlatformTest.h"
#include "platform/automation/AutomationError.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinConstants.h"
#include "support/ErrorNumber.h"
#include "winmsg/WindowHookMgr.h"
#include "winmsg/modWindowHookMgr.h"

namespace zv::test {
namespace {

using namespace zv::win;

class WindowHookMgrTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        manager = WindowHookMgr::Create();
        window = CreateRecorder("window", WS_POPUP);
    }

    void TearDown() override {
        manager->UnhookAll();
        PlatformTest::TearDown();
    }

    // Posts a message to the window and lets the queue run, logging only
    // what follows.
    void PostAndPump(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        MessageLog::Current().Clear();
        PostMessageA(hwnd, message, wParam, lParam);
        MessageLog::Current().PumpPending();
    }

    std::shared_ptr<WindowHookMgr> manager;
    HWND window = 0;
};

// The handler sees the queued message with its values; what it writes in
// them reaches the window, a zero message number as a null message.
TEST_F(WindowHookMgrTest, AHandlerSeesTheQueuedMessageAndRewritesIt) {
    const std::array<ExpectedMessage, 1> kRewrites[] = {
        {{"window", WM_USER, kBothParams | kPosted, 1, 2}},
        {{"window", WM_NULL, kBothParams | kPosted, 1, 2}},
        {{"window", WM_USER + 7, kBothParams | kPosted, 30, -40}},
    };
    const ExpectedMessage* rewrite = nullptr;
    std::vector<std::array<std::intptr_t, 4>> seen;
    manager->OnMessage.Connect([&](HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM& lParam) {
        seen.push_back(
            {hwnd, static_cast<std::intptr_t>(uMsg), static_cast<std::intptr_t>(wParam), lParam});
        uMsg = rewrite->message;
        wParam = rewrite->wParam;
        lParam = rewrite->lParam;
    });
    manager->Hook(window);
    for (const auto& expected : kRewrites) {
        rewrite = &expected[0];
        seen.clear();
        PostAndPump(window, WM_USER, 1, 2);

        EXPECT_EQ(seen, (std::vector<std::array<std::intptr_t, 4>>{{window, WM_USER, 1, 2}}));
        EXPECT_SEQUENCE(expected);
    }
}

TEST_F(WindowHookMgrTest, AWindowOfAnotherThreadIsReleasedFromAHandlerOnThatThread) {
    ZV_REQUIRES_HEADLESS("simulated threads");
    const DWORD otherThread = driver::StartThread();
    HWND theirs = 0;
    {
        driver::ThreadScope other(otherThread);
        theirs = CreateRecorder("theirs", WS_POPUP);
    }
    int seen = 0;
    manager->OnMessage.Connect([&](HWND hwnd, UINT&, WPARAM&, LPARAM&) {
        ++seen;
        manager->Unhook(hwnd);
    });
    manager->Hook(theirs);
    {
        driver::ThreadScope other(otherThread);
        PostAndPump(theirs, WM_USER, 1, 2);
        PostAndPump(theirs, WM_USER, 3, 4);
    }
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(ErrorNumberOf([&] { manager->Unhook(theirs); }), 5);
}

TEST_F(WindowHookMgrTest, OtherWindowsOfTheThreadAreNotSeen) {
    const HWND other = CreateRecorder("other", WS_POPUP);
    int seen = 0;
    manager->OnMessage.Connect([&](HWND, UINT& uMsg, WPARAM&, LPARAM&) {
        ++seen;
        uMsg = WM_NULL;
    });
    manager->Hook(window);
    PostAndPump(other, WM_USER, 1, 2);

    EXPECT_EQ(seen, 0);
    const std::array OtherWindowSeq = {
        ExpectedMessage{"other", WM_USER, kBothParams | kPosted, 1, 2},
    };
    EXPECT_SEQUENCE(OtherWindowSeq);
}

TEST_F(WindowHookMgrTest, EachMessageReachesItsManagerOnceWhateverTheNumberOfHooks) {
    const HWND second = CreateRecorder("second", WS_POPUP);
    const HWND third = CreateRecorder("third", WS_POPUP);
    auto other = WindowHookMgr::Create();
    std::vector<HWND> seen;
    manager->OnMessage.Connect([&](HWND hwnd, UINT&, WPARAM&, LPARAM&) { seen.push_back(hwnd); });
    manager->Hook(window);
    other->Hook(second);
    manager->Hook(third);
    PostAndPump(window, WM_USER, 0, 0);
    PostAndPump(third, WM_USER, 0, 0);
    other->UnhookAll();

    EXPECT_EQ(seen, (std::vector<HWND>{window, third}));
}

TEST_F(WindowHookMgrTest, UnhookAllRemovesEveryHookAndEmptiesTheList) {
    const std::array windows = {window, CreateRecorder("second", WS_POPUP),
                                CreateRecorder("third", WS_POPUP)};
    int seen = 0;
    manager->OnMessage.Connect([&](HWND, UINT&, WPARAM&, LPARAM&) { ++seen; });
    for (HWND hwnd : windows) {
        manager->Hook(hwnd);
    }
    manager->UnhookAll();
    for (HWND hwnd : windows) {
        EXPECT_FALSE(modWindowHookMgr::IsWindowHooked(hwnd));
        PostAndPump(hwnd, WM_USER, 0, 0);
        EXPECT_EQ(ErrorNumberOf([&] { manager->Unhook(hwnd); }), err::kInvalidProcedureCall);
    }
    EXPECT_EQ(seen, 0);
}

// A window is hooked once, by one manager; one never hooked, or gone, cannot
// be unhooked, and touches no hook.
TEST_F(WindowHookMgrTest, AWindowIsHookedOnlyOnceAndUnhookedOnlyIfHooked) {
    auto other = WindowHookMgr::Create();
    const HWND stranger = CreateRecorder("stranger", WS_POPUP);
    const HWND gone = CreateRecorder("gone", WS_POPUP);
    DestroyWindow(gone);
    int seen = 0;
    manager->OnMessage.Connect([&](HWND, UINT&, WPARAM&, LPARAM&) { ++seen; });
    manager->Hook(window);

    EXPECT_EQ(ErrorNumberOf([&] { manager->Hook(window); }), err::kDuplicateKey);
    EXPECT_EQ(ErrorNumberOf([&] { other->Hook(window); }), err::kDuplicateKey);
    EXPECT_EQ(ErrorNumberOf([&] { other->Unhook(window); }), err::kInvalidProcedureCall);
    EXPECT_EQ(ErrorNumberOf([&] { manager->Unhook(stranger); }), err::kInvalidProcedureCall);
    manager->Hook(gone);
    EXPECT_FALSE(modWindowHookMgr::IsWindowHooked(gone));
    EXPECT_EQ(ErrorNumberOf([&] { manager->Unhook(gone); }), err::kInvalidProcedureCall);
    PostAndPump(window, WM_USER, 0, 0);
    EXPECT_EQ(seen, 1);
}

TEST_F(WindowHookMgrTest, TheRegistryKeepsTheManagerUntilItsWindowIsUnhooked) {
    int seen = 0;
    manager->OnMessage.Connect([&](HWND, UINT&, WPARAM&, LPARAM&) { ++seen; });
    manager->Hook(window);
    const std::weak_ptr<WindowHookMgr> watched = manager;
    manager = WindowHookMgr::Create();

    PostAndPump(window, WM_USER, 0, 0);
    EXPECT_EQ(seen, 1);
    EXPECT_FALSE(watched.expired());
    modWindowHookMgr::UnhookWindow(window);
    EXPECT_TRUE(watched.expired());
    modWindowHookMgr::UnhookWindow(window);  // a second time is no error
}

TEST_F(WindowHookMgrTest, AHandlerMayUnhookItsWindowWhileTheMessageRuns) {
    const HWND hwnd = window;
    const std::weak_ptr<WindowHookMgr> watched = manager;
    manager->OnMessage.Connect([&](HWND, UINT& uMsg, WPARAM&, LPARAM&) {
        watched.lock()->Unhook(hwnd);
        uMsg = WM_USER + 1;
    });
    manager->Hook(window);
    manager = WindowHookMgr::Create();  // the registry holds the only reference
    PostAndPump(window, WM_USER, 0, 0);
    PostAndPump(window, WM_USER, 0, 0);

    EXPECT_TRUE(watched.expired());
    const std::array AfterUnhookSeq = {
        ExpectedMessage{"window", WM_USER, kPosted},
    };
    EXPECT_SEQUENCE(AfterUnhookSeq);
}

TEST_F(WindowHookMgrTest, TheCallbackCanBeCalledDirectly) {
    manager->OnMessage.Connect([](HWND, UINT& uMsg, WPARAM& wParam, LPARAM&) {
        uMsg += 1;
        wParam *= 2;
    });
    UINT uMsg = WM_USER;
    WPARAM wParam = 21;
    LPARAM lParam = 5;
    IWindowHookMgr& callback = *manager;
    callback.GetMsgProc(window, uMsg, wParam, lParam);
    EXPECT_EQ(uMsg, WM_USER + 1);
    EXPECT_EQ(wParam, 42u);
    EXPECT_EQ(lParam, 5);

    IWindowHookMgr plain;  // on its own it changes nothing
    plain.GetMsgProc(window, uMsg, wParam, lParam);
    EXPECT_EQ(uMsg, WM_USER + 1);
}

}  // namespace
}  // namespace zv::test
