// Forwarding the parent notifications of a window's new parent to its former
// parent: which notices raise which event, what goes on to the former parent
// and when, and how the forwarder subclasses and lets go of the parent.

#include <array>
#include <memory>
#include <vector>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/win/WinConstants.h"
#include "winmsg/ParentMsgForwarder.h"
#include "winmsg/WindowProcMgr.h"

namespace zv::test {
namespace {

using namespace zv::win;

WPARAM Notice(UINT notice, int high = 0) {
    return static_cast<WPARAM>((notice & 0xFFFF) | (static_cast<unsigned>(high & 0xFFFF) << 16));
}

// A point in the client area, as a press notice carries it.
constexpr auto& Point = MakeLParam;

std::vector<HWND> SubclassedWindows() {
    Collection<std::int32_t> windows;
    WindowProcMgr::AnySubclassedWindowsRemaining(&windows);
    return {windows.begin(), windows.end()};
}

class ParentMsgForwarderTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        oldParent = CreateRecorder("old", WS_POPUP);
        newParent = CreateRecorder("new", WS_POPUP);
        forwarder = std::make_unique<ParentMsgForwarder>();
    }

    void TearDown() override {
        forwarder.reset();
        PlatformTest::TearDown();
    }

    void Start() {
        HWND current = newParent;
        HWND old = oldParent;
        forwarder->StartForwarding(current, old);
        MessageLog::Current().Clear();
    }

    HWND oldParent = 0;
    HWND newParent = 0;
    std::unique_ptr<ParentMsgForwarder> forwarder;
};

TEST_F(ParentMsgForwarderTest, AChildCreatedUnderTheNewParentIsToldToTheOldOne) {
    std::vector<std::pair<std::int32_t, HWND>> created;
    forwarder->OnCreate.Connect([&](std::int32_t childID, HWND hwndChild, bool&, UINT, WPARAM,
                                    LPARAM) { created.emplace_back(childID, hwndChild); });
    Start();
    const HWND child = CreateRecorder("child", WS_CHILD, newParent, 1001);

    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0], std::make_pair(std::int32_t{1001}, child));
    const std::array ForwardedCreateSeq = {
        ExpectedMessage{"child", WM_NCCREATE},
        ExpectedMessage{"child", WM_NCCALCSIZE},
        ExpectedMessage{"child", WM_CREATE},
        ExpectedMessage{"child", WM_SIZE, kOptional},
        ExpectedMessage{"child", WM_MOVE, kOptional},
        ExpectedMessage{"old", WM_PARENTNOTIFY, kBothParams, Notice(WM_CREATE, 1001), child},
        ExpectedMessage{"new", WM_PARENTNOTIFY, kBothParams, Notice(WM_CREATE, 1001), child},
    };
    EXPECT_SEQUENCE(ForwardedCreateSeq);
}

TEST_F(ParentMsgForwarderTest, AChildDestroyedIsToldUnlessCancelled) {
    const HWND child = CreateRecorder("child", WS_CHILD, newParent, 7);
    std::vector<std::int32_t> destroyed;
    forwarder->OnDestroy.Connect(
        [&](std::int32_t childID, HWND, bool& bCancelForward, UINT, WPARAM, LPARAM) {
            destroyed.push_back(childID);
            bCancelForward = true;
        });
    Start();
    DestroyWindow(child);

    EXPECT_EQ(destroyed, std::vector<std::int32_t>{7});
    const std::array CancelledDestroySeq = {
        ExpectedMessage{"new", WM_PARENTNOTIFY, kBothParams, Notice(WM_DESTROY, 7), child},
        ExpectedMessage{"child", WM_DESTROY},
        ExpectedMessage{"child", WM_NCDESTROY},
    };
    EXPECT_SEQUENCE(CancelledDestroySeq);
}

TEST_F(ParentMsgForwarderTest, ButtonPressesCarrySignedClientCoordinates) {
    std::vector<std::array<std::int16_t, 3>> presses;
    forwarder->OnMouseDown.Connect(
        [&](std::int16_t button, std::int16_t x, std::int16_t y, bool&, UINT, WPARAM, LPARAM) {
            presses.push_back({button, x, y});
        });
    Start();
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(10, 20));
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_LBUTTONDOWN), Point(-5, -7));
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_MBUTTONDOWN), Point(300, 0));

    EXPECT_EQ(presses, (std::vector<std::array<std::int16_t, 3>>{
                           {516, 10, 20}, {513, -5, -7}, {519, 300, 0}}));
    const std::array ForwardedPressesSeq = {
        ExpectedMessage{"old", WM_PARENTNOTIFY, kBothParams, Notice(WM_RBUTTONDOWN), Point(10, 20)},
        ExpectedMessage{"new", WM_PARENTNOTIFY},
        ExpectedMessage{"old", WM_PARENTNOTIFY, kBothParams, Notice(WM_LBUTTONDOWN), Point(-5, -7)},
        ExpectedMessage{"new", WM_PARENTNOTIFY},
        ExpectedMessage{"old", WM_PARENTNOTIFY, kBothParams, Notice(WM_MBUTTONDOWN), Point(300, 0)},
        ExpectedMessage{"new", WM_PARENTNOTIFY},
    };
    EXPECT_SEQUENCE(ForwardedPressesSeq);
}

TEST_F(ParentMsgForwarderTest, ACancelledPressStaysWithTheNewParent) {
    forwarder->OnMouseDown.Connect([](std::int16_t, std::int16_t, std::int16_t,
                                      bool& bCancelForward, UINT, WPARAM,
                                      LPARAM) { bCancelForward = true; });
    Start();
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(10, 20));
    const std::array CancelledPressSeq = {ExpectedMessage{"new", WM_PARENTNOTIFY}};
    EXPECT_SEQUENCE(CancelledPressSeq);
}

TEST_F(ParentMsgForwarderTest, OtherNoticesRaiseNothingButGoOn) {
    int events = 0;
    forwarder->OnCreate.Connect([&](std::int32_t, HWND, bool&, UINT, WPARAM, LPARAM) { ++events; });
    forwarder->OnMouseDown.Connect(
        [&](std::int16_t, std::int16_t, std::int16_t, bool&, UINT, WPARAM, LPARAM) { ++events; });
    Start();
    constexpr UINT kXButtonDown = 0x020B;
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(kXButtonDown, 1), Point(1, 2));

    EXPECT_EQ(events, 0);
    const std::array OtherNoticeSeq = {
        ExpectedMessage{"old", WM_PARENTNOTIFY, kBothParams, Notice(kXButtonDown, 1), Point(1, 2)},
        ExpectedMessage{"new", WM_PARENTNOTIFY},
    };
    EXPECT_SEQUENCE(OtherNoticeSeq);
}

TEST_F(ParentMsgForwarderTest, OtherMessagesGoOnOnlyWhenAHandlerClearsTheFlag) {
    Start();
    SendMessageA(newParent, WM_SIZE, 0, Point(50, 60));  // no handler: not forwarded
    std::vector<HWND> seen;
    forwarder->OnUnknownMessage.Connect(
        [&](HWND hwnd, UINT& uMsg, WPARAM& wParam, LPARAM&, bool& bForward) {
            seen.push_back(hwnd);
            if (uMsg == WM_USER) {
                uMsg = WM_USER + 1;
                wParam = 99;
                bForward = false;
            }
        });
    SendMessageA(newParent, WM_SIZE, 0, Point(50, 60));  // the handler leaves the flag
    SendMessageA(newParent, WM_USER, 1, 2);

    EXPECT_EQ(seen, (std::vector<HWND>{newParent, newParent}));
    const std::array UnknownMessagesSeq = {
        ExpectedMessage{"new", WM_SIZE},
        ExpectedMessage{"new", WM_SIZE},
        ExpectedMessage{"old", WM_USER + 1, kBothParams, 99, 2},
        ExpectedMessage{"new", WM_USER, kBothParams, 1, 2},
    };
    EXPECT_SEQUENCE(UnknownMessagesSeq);
}

TEST_F(ParentMsgForwarderTest, StartingAgainReleasesTheFirstParentFirst) {
    const HWND otherParent = CreateRecorder("other", WS_POPUP);
    Start();
    HWND current = otherParent;
    HWND old = oldParent;
    forwarder->StartForwarding(current, old);
    EXPECT_EQ(SubclassedWindows(), std::vector<HWND>{otherParent});

    // The same parent again stays subclassed: released, then subclassed anew.
    forwarder->StartForwarding(current, old);
    EXPECT_EQ(SubclassedWindows(), std::vector<HWND>{otherParent});
    MessageLog::Current().Clear();
    SendMessageA(otherParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(1, 1));
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(2, 2));
    const std::array OnlyTheSecondSeq = {
        ExpectedMessage{"old", WM_PARENTNOTIFY, kLParam, 0, Point(1, 1)},
        ExpectedMessage{"other", WM_PARENTNOTIFY},
        ExpectedMessage{"new", WM_PARENTNOTIFY},
    };
    EXPECT_SEQUENCE(OnlyTheSecondSeq);
}

TEST_F(ParentMsgForwarderTest, StoppingAndTearingDownLetGoOfTheParent) {
    Start();
    forwarder->StopForwarding();
    EXPECT_TRUE(SubclassedWindows().empty());
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(1, 1));
    const std::array StoppedSeq = {ExpectedMessage{"new", WM_PARENTNOTIFY}};
    EXPECT_SEQUENCE(StoppedSeq);

    Start();
    forwarder.reset();
    EXPECT_TRUE(SubclassedWindows().empty());
}

TEST_F(ParentMsgForwarderTest, AnOldParentThatIsGoneGetsNothing) {
    Start();
    DestroyWindow(oldParent);
    MessageLog::Current().Clear();
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(1, 1));
    const std::array NowhereToGoSeq = {ExpectedMessage{"new", WM_PARENTNOTIFY}};
    EXPECT_SEQUENCE(NowhereToGoSeq);
}

TEST_F(ParentMsgForwarderTest, AParentThatIsAlsoTheOldOneGetsOneCopyAndNoMore) {
    HWND current = newParent;
    HWND old = newParent;
    forwarder->StartForwarding(current, old);
    MessageLog::Current().Clear();
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(1, 1));
    const std::array OneCopySeq = {ExpectedMessage{"new", WM_PARENTNOTIFY},
                                   ExpectedMessage{"new", WM_PARENTNOTIFY}};
    EXPECT_SEQUENCE(OneCopySeq);
}

TEST_F(ParentMsgForwarderTest, ACallersManagerIsUsedButNeverSubclassedOrReleased) {
    auto shared = WindowProcMgr::Create();
    shared->Subclass(newParent);
    shared->Subclass(oldParent);
    forwarder->SetWindowProcMgrToUse(shared);
    Start();
    forwarder->StopForwarding();
    EXPECT_EQ(SubclassedWindows(), (std::vector<HWND>{newParent, oldParent}));

    Start();
    // Messages of the manager's other windows are none of the forwarder's.
    SendMessageA(oldParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(1, 1));
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(2, 2));
    const std::array ThroughTheCallersManagerSeq = {
        ExpectedMessage{"old", WM_PARENTNOTIFY, kLParam, 0, Point(1, 1)},
        ExpectedMessage{"old", WM_PARENTNOTIFY, kLParam, 0, Point(2, 2)},
        ExpectedMessage{"new", WM_PARENTNOTIFY},
    };
    EXPECT_SEQUENCE(ThroughTheCallersManagerSeq);

    forwarder.reset();
    EXPECT_EQ(SubclassedWindows(), (std::vector<HWND>{newParent, oldParent}));
    shared->UnSubclassAll();
}

TEST_F(ParentMsgForwarderTest, GoingBackToAnOwnManagerSubclassesTheCurrentParent) {
    auto shared = WindowProcMgr::Create();
    shared->Subclass(newParent);
    forwarder->SetWindowProcMgrToUse(shared);
    Start();
    shared->UnSubclassAll();
    forwarder->SetWindowProcMgrToUse(nullptr);

    EXPECT_EQ(SubclassedWindows(), std::vector<HWND>{newParent});
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(3, 4));
    const std::array ThroughAnOwnManagerSeq = {
        ExpectedMessage{"old", WM_PARENTNOTIFY, kLParam, 0, Point(3, 4)},
        ExpectedMessage{"new", WM_PARENTNOTIFY},
    };
    EXPECT_SEQUENCE(ThroughAnOwnManagerSeq);
}

TEST_F(ParentMsgForwarderTest, AHandlerMayDestroyTheForwarder) {
    forwarder->OnMouseDown.Connect([&](std::int16_t, std::int16_t, std::int16_t, bool&, UINT,
                                       WPARAM, LPARAM) { forwarder.reset(); });
    Start();
    SendMessageA(newParent, WM_PARENTNOTIFY, Notice(WM_RBUTTONDOWN), Point(1, 1));
    EXPECT_EQ(forwarder, nullptr);
    EXPECT_TRUE(SubclassedWindows().empty());
}

}  // namespace
}  // namespace zv::test
