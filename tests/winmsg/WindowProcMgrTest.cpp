// Window procedure managers: who sees a window's messages, in what order and
// with what answer; swallowing; releasing, also by WM_DESTROY and from
// inside a handler; and the registry's view of the thread's windows. The
// plain runs of swallowing, subscribing and releasing are checked against
// the reference model in ModelTest.

#include <memory>
#include <stdexcept>
#include <vector>

#include "WatchTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr UINT WM_PING = WM_USER + 1;

class WindowProcMgrTest : public WatchTest {};

TEST_F(WindowProcMgrTest, TwoManagersSeeMessagesInOrderOfSubscription) {
    const HWND hwnd = CreateWatched("window");
    const auto [mgr1, mgr2] = WatchTwice(hwnd);
    EXPECT_EQ(SlotOf(hwnd), Subclassed());

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 1, 2), 3);
    const auto BothSeeIt = Passes({"mgr1", "mgr2"}, "window", WM_PING, 1, 2);
    EXPECT_TRACE(BothSeeIt);

    Trace::Current().Clear();
    mgr1->UnSubclass(hwnd);
    EXPECT_EQ(SlotOf(hwnd), Subclassed());
    SendMessageA(hwnd, WM_PING, 4, 5);
    const auto SecondStillSeesIt = Passes({"mgr2"}, "window", WM_PING, 4, 5);
    EXPECT_TRACE(SecondStillSeesIt);

    Trace::Current().Clear();
    mgr2->UnSubclass(hwnd);
    EXPECT_EQ(SlotOf(hwnd), Own());
    SendMessageA(hwnd, WM_PING, 6, 7);
    const std::vector OnlyTheWindow = {Proc("window", WM_PING, 6, 7)};
    EXPECT_TRACE(OnlyTheWindow);
}

TEST_F(WindowProcMgrTest, SwallowingWithoutAnAnswerAnswersZero) {
    const HWND hwnd = CreateWatched("window");
    const auto mgr1 = WatchOn(hwnd, "mgr1");
    mgr1->OnMessage.Connect(
        [](HWND, UINT, WPARAM, LPARAM, bool& bHandled, LRESULT&) { bHandled = true; });

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 1, 2), 0);
    const std::vector Swallowed = {
        Msg("mgr1", "window", WM_PING, 1, 2),
        Done("mgr1", "window", WM_PING, 1, 2, 0),
    };
    EXPECT_TRACE(Swallowed);
}

TEST_F(WindowProcMgrTest, ChangedAnswerWithoutSwallowingIsNotTheWindowsAnswer) {
    // Only a swallowed message takes the manager's answer.
    const HWND hwnd = CreateWatched("window");
    const auto mgr1 = WatchOn(hwnd, "mgr1");
    mgr1->OnMessage.Connect([](HWND, UINT, WPARAM, LPARAM, bool&, LRESULT& nWndProcReturnValue) {
        nWndProcReturnValue = 77;
    });

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 1, 2), 3);
}

TEST_F(WindowProcMgrTest, WmDestroyIsSeenThenReleasesTheWindow) {
    const HWND hwnd = CreateWatched("window");
    const auto mgr1 = WatchOn(hwnd, "mgr1");
    // Until the message has been answered the window stays subclassed.
    std::vector<LONG> slotWhenProcessed;
    WhenAnswered(mgr1, WM_DESTROY, [&](HWND h) { slotWhenProcessed.push_back(SlotOf(h)); });

    DestroyWindow(hwnd);

    const auto DestroySeq =
        Join({Passes({"mgr1"}, "window", WM_DESTROY), {Proc("window", WM_NCDESTROY)}});
    EXPECT_TRACE(DestroySeq);
    EXPECT_EQ(slotWhenProcessed, std::vector<LONG>{Subclassed()});
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{});
}

TEST_F(WindowProcMgrTest, DestroyingAParentReleasesItsSubclassedChildren) {
    const HWND parent = CreateWatched("parent");
    const HWND child = CreateWatched("child", WS_CHILD, parent, 7);
    const auto mgr1 = WatchOn(child, "mgr1");
    mgr1->Subclass(parent);

    DestroyWindow(parent);

    const auto DestroyFamilySeq =
        Join({Passes({"mgr1"}, "parent", WM_DESTROY),
              Passes({"mgr1"}, "child", WM_DESTROY),
              {Proc("child", WM_NCDESTROY), Proc("parent", WM_NCDESTROY)}});
    EXPECT_TRACE(DestroyFamilySeq);
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{});
}

TEST_F(WindowProcMgrTest, UnSubclassInsideOnMessageTakesEffectAfterTheMessage) {
    const HWND hwnd = CreateWatched("window");
    const auto mgr1 = WatchOn(hwnd, "mgr1");
    std::vector<LONG> slotWhenProcessed;
    mgr1->OnMessage.Connect([&](HWND h, UINT, WPARAM, LPARAM, bool&, LRESULT&) {
        mgr1->UnSubclass(h);
        mgr1->UnSubclass(h);  // asking twice changes nothing
    });
    mgr1->OnMessageProcessed.Connect(
        [&](HWND h, UINT, WPARAM, LPARAM, LRESULT) { slotWhenProcessed.push_back(SlotOf(h)); });

    SendMessageA(hwnd, WM_PING, 1, 2);
    SendMessageA(hwnd, WM_PING, 3, 4);

    const auto ReleasedAfterwards =
        Join({Passes({"mgr1"}, "window", WM_PING, 1, 2), {Proc("window", WM_PING, 3, 4)}});
    EXPECT_TRACE(ReleasedAfterwards);
    EXPECT_EQ(slotWhenProcessed, std::vector<LONG>{Subclassed()});
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(WindowProcMgrTest, SubclassAgainCancelsAPutOffRelease) {
    const HWND hwnd = CreateWatched("window");
    const auto mgr1 = WatchOn(hwnd, "mgr1");
    WhenSeen(mgr1, WM_PING, [&](HWND h) {
        mgr1->UnSubclass(h);
        mgr1->Subclass(h);
    });

    SendMessageA(hwnd, WM_PING, 1, 2);
    Trace::Current().Clear();
    SendMessageA(hwnd, WM_USER, 1, 1);

    const auto StillWatched = Passes({"mgr1"}, "window", WM_USER, 1, 1);
    EXPECT_TRACE(StillWatched);
}

TEST_F(WindowProcMgrTest, UnSubclassAllInsideOnMessageReleasesTheOtherWindowsAtOnce) {
    const HWND first = CreateWatched("first");
    const HWND busy = CreateWatched("busy");
    const HWND last = CreateWatched("last");
    const auto mgr1 = WatchOn(first, "mgr1");
    mgr1->Subclass(busy);
    mgr1->Subclass(last);
    WatchOn(last, "mgr2");
    std::vector<LONG> slotsInside;
    mgr1->OnMessage.Connect([&](HWND h, UINT, WPARAM, LPARAM, bool&, LRESULT&) {
        if (h == busy) {
            mgr1->UnSubclassAll();
            slotsInside = {SlotOf(first), SlotOf(busy), SlotOf(last)};
        }
    });
    Trace::Current().Clear();

    SendMessageA(busy, WM_PING, 1, 2);

    EXPECT_EQ(slotsInside, (std::vector<LONG>{Own(), Subclassed(), Subclassed()}));
    EXPECT_EQ(SlotOf(busy), Own());
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{last});
    SendMessageA(first, WM_PING, 0, 0);
    SendMessageA(last, WM_PING, 0, 0);
    // Then the other windows: the first no longer watched, the last by mgr2 only.
    const auto OthersAtOnceBusyAfter = Join({Passes({"mgr1"}, "busy", WM_PING, 1, 2),
                                             {Proc("first", WM_PING)},
                                             Passes({"mgr2"}, "last", WM_PING)});
    EXPECT_TRACE(OthersAtOnceBusyAfter);
}

TEST_F(WindowProcMgrTest, UnSubclassOfAWindowNeverSubclassedDoesNothing) {
    const HWND watched = CreateWatched("watched");
    const HWND other = CreateWatched("other");
    const auto mgr1 = WatchOn(watched, "mgr1");
    const auto mgr2 = WatchOn(other, "mgr2");

    mgr1->UnSubclass(other);
    mgr1->UnSubclass(0);
    mgr2->UnSubclass(watched);

    EXPECT_EQ(RegistryWindows(), (std::vector<HWND>{watched, other}));
    EXPECT_EQ(SlotOf(watched), Subclassed());
    EXPECT_EQ(SlotOf(other), Subclassed());
}

TEST_F(WindowProcMgrTest, WindowsThatCannotBeSubclassedAreLeftAlone) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    const auto mgr1 = Watch("mgr1");
    HWND foreign = 0;
    {
        driver::ThreadScope other(driver::StartProcess());
        foreign = CreateWatched("foreign");
    }
    const LONG foreignSlot = SlotOf(foreign);
    const HWND gone = CreateWatched("gone");
    DestroyWindow(gone);
    Trace::Current().Clear();

    mgr1->Subclass(foreign);
    mgr1->Subclass(gone);
    mgr1->Subclass(0);

    EXPECT_EQ(SlotOf(foreign), foreignSlot);
    EXPECT_FALSE(WindowProcMgr::AnySubclassedWindowsRemaining());
    SendMessageA(foreign, WM_PING, 1, 2);
    const std::vector NotWatched = {Proc("foreign", WM_PING, 1, 2)};
    EXPECT_TRACE(NotWatched);
    mgr1->UnSubclassAll();  // nothing to release
    EXPECT_EQ(SlotOf(foreign), foreignSlot);
}

TEST_F(WindowProcMgrTest, AThreadThatNeverSubclassedHasNoWindows) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    const HWND mine = CreateWatched("mine");
    WatchOn(mine, "mgr1");  // this thread has a registry; the new one has not

    driver::ThreadScope other(driver::StartProcess());
    Collection<std::int32_t> windows;
    EXPECT_FALSE(WindowProcMgr::AnySubclassedWindowsRemaining(&windows));
    EXPECT_FALSE(WindowProcMgr::AnySubclassedWindowsRemaining());
    EXPECT_EQ(windows.Count(), 0);
}

TEST_F(WindowProcMgrTest, SubclassedWindowsAreListedInRegistryOrder) {
    const HWND a = CreateWatched("a");
    const HWND b = CreateWatched("b");
    const HWND c = CreateWatched("c");
    const auto mgr2 = WatchOn(c, "mgr2");
    const auto mgr1 = WatchOn(a, "mgr1");
    mgr1->Subclass(c);
    mgr2->Subclass(b);

    Collection<std::int32_t> windows;
    windows.Add(-1);  // what the caller had stays in front
    EXPECT_TRUE(WindowProcMgr::AnySubclassedWindowsRemaining(&windows));
    EXPECT_EQ(std::vector<HWND>(windows.begin(), windows.end()), (std::vector<HWND>{-1, c, a, b}));

    // A window counts from when it was first subclassed, until its last
    // manager has gone.
    mgr2->UnSubclass(c);
    EXPECT_EQ(RegistryWindows(), (std::vector<HWND>{c, a, b}));
    mgr1->UnSubclass(c);
    mgr1->UnSubclass(a);
    mgr1->Subclass(a);
    mgr1->Subclass(c);
    EXPECT_EQ(RegistryWindows(), (std::vector<HWND>{b, a, c}));
    EXPECT_TRUE(WindowProcMgr::AnySubclassedWindowsRemaining());
}

TEST_F(WindowProcMgrTest, TheRegistryKeepsAManagerAliveWhileItHasWindows) {
    const HWND hwnd = CreateWatched("window");
    auto mgr = WindowProcMgr::Create();
    TraceEvents(mgr, "mgr");
    mgr->Subclass(hwnd);
    const std::weak_ptr<WindowProcMgr> watch = mgr;
    mgr.reset();
    ASSERT_FALSE(watch.expired());
    Trace::Current().Clear();

    SendMessageA(hwnd, WM_PING, 1, 2);
    DestroyWindow(hwnd);

    const auto StillWatchingUntilDestroyed = Join({Passes({"mgr"}, "window", WM_PING, 1, 2),
                                                   Passes({"mgr"}, "window", WM_DESTROY),
                                                   {Proc("window", WM_NCDESTROY)}});
    EXPECT_TRACE(StillWatchingUntilDestroyed);
    EXPECT_TRUE(watch.expired());
}

TEST_F(WindowProcMgrTest, AManagerWithoutWindowsGoesWithItsLastOwner) {
    const HWND hwnd = CreateWatched("window");
    auto mgr = WindowProcMgr::Create();
    mgr->Subclass(hwnd);
    mgr->UnSubclassAll();
    const std::weak_ptr<WindowProcMgr> watch = mgr;
    mgr.reset();

    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(WindowProcMgrTest, AFailingHandlerDoesNotStopTheMessage) {
    const HWND hwnd = CreateWatched("window");
    const auto [mgr1, mgr2] = WatchTwice(hwnd);
    WhenSeen(mgr1, WM_PING, [](HWND) { throw std::runtime_error("handler failed"); });
    WhenAnswered(mgr2, WM_PING, [](HWND) { throw std::runtime_error("handler failed"); });

    LRESULT answer = 0;
    EXPECT_NO_THROW(answer = SendMessageA(hwnd, WM_PING, 1, 2));
    EXPECT_EQ(answer, 3);
    const auto EveryoneStillHearsIt = Passes({"mgr1", "mgr2"}, "window", WM_PING, 1, 2);
    EXPECT_TRACE(EveryoneStillHearsIt);

    // The failures left no message in progress behind.
    mgr1->UnSubclass(hwnd);
    mgr2->UnSubclass(hwnd);
    EXPECT_EQ(SlotOf(hwnd), Own());
}

// Only the calling thread's windows are subclassed: one of another thread is
// refused, so nothing of it stays counted when it goes on its own thread.
TEST_F(WindowProcMgrTest, AWindowOfAnotherThreadIsRefusedAndNeverCounted) {
    ZV_REQUIRES_HEADLESS("simulated threads");
    const DWORD otherThread = driver::StartThread();
    HWND theirs = 0;
    {
        driver::ThreadScope other(otherThread);
        theirs = CreateWatched("theirs");
    }
    const auto mgr1 = Watch("mgr1");
    mgr1->Subclass(theirs);
    EXPECT_FALSE(WindowProcMgr::AnySubclassedWindowsRemaining());
    {
        driver::ThreadScope other(otherThread);
        DestroyWindow(theirs);
    }
    EXPECT_FALSE(WindowProcMgr::AnySubclassedWindowsRemaining());
}

TEST_F(WindowProcMgrTest, ManagersOnSeveralThreadsKeepApart) {
    ZV_REQUIRES_HEADLESS("simulated processes");
    const HWND mine = CreateWatched("mine");
    WatchOn(mine, "mgr1");
    HWND theirs = 0;
    const DWORD otherThread = driver::StartProcess();
    const auto mgr2 = Watch("mgr2");
    {
        driver::ThreadScope other(otherThread);
        theirs = CreateWatched("theirs");
        mgr2->Subclass(theirs);
        EXPECT_EQ(RegistryWindows(), std::vector<HWND>{theirs});
    }
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{mine});
    Trace::Current().Clear();

    // A message sent to the other thread's window runs on that thread.
    SendMessageA(theirs, WM_PING, 1, 2);
    SendMessageA(mine, WM_PING, 3, 4);

    const auto EachOwnManager =
        Join({Passes({"mgr2"}, "theirs", WM_PING, 1, 2), Passes({"mgr1"}, "mine", WM_PING, 3, 4)});
    EXPECT_TRACE(EachOwnManager);
    driver::ThreadScope other(otherThread);
    mgr2->UnSubclassAll();
}

}  // namespace
}  // namespace zv::test
