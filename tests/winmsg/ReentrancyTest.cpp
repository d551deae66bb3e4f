// Handlers that re-enter the plumbing while a message is under way: deep
// nesting, several steps in one handler, a manager whose owner lets go of it.
// Afterwards every manager must release at once (no message is still counted
// as in progress), and a released manager hears nothing more. Single steps
// (one release, subscription, nested message or destruction from inside a
// handler) are checked against the reference model in ModelTest.

#include <memory>
#include <vector>

#include "WatchTest.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr UINT WM_PING = WM_USER + 1;
constexpr UINT WM_NESTED = WM_USER + 2;

class Reentrancy : public WatchTest {
  protected:
    // Releasing takes effect at once, so no message of the window is still
    // counted inside the manager; and from then on it hears nothing.
    void ExpectReleasesAtOnce(const std::shared_ptr<WindowProcMgr>& manager, HWND hwnd) {
        int heard = 0;
        const auto before = manager->OnMessage.Connect(
            [&](HWND, UINT, WPARAM, LPARAM, bool&, LRESULT&) { ++heard; });
        const auto after = manager->OnMessageProcessed.Connect(
            [&](HWND, UINT, WPARAM, LPARAM, LRESULT) { ++heard; });
        manager->UnSubclass(hwnd);
        SendMessageA(hwnd, WM_USER, 0, 0);
        EXPECT_EQ(heard, 0) << "the release was put off or did not happen";
        manager->OnMessage.Disconnect(before);
        manager->OnMessageProcessed.Disconnect(after);
    }
};

TEST_F(Reentrancy, SendsNestSixtyFourDeep) {
    constexpr WPARAM kDeepest = 64;
    const HWND hwnd = CreateWatched("window");
    const auto [mgr1, mgr2] = WatchTwice(hwnd);
    mgr1->OnMessage.Connect([](HWND h, UINT uMsg, WPARAM wParam, LPARAM, bool&, LRESULT&) {
        if (uMsg == WM_PING && wParam < kDeepest) {
            SendMessageA(h, WM_PING, wParam + 1, 0);
        }
    });

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 0, 0), 0);

    std::vector<Step> nested;
    for (WPARAM level = 0; level <= kDeepest; ++level) {
        nested.push_back(Msg("mgr1", "window", WM_PING, level));
    }
    for (WPARAM level = kDeepest + 1; level-- > 0;) {
        const auto answer = static_cast<LRESULT>(level);
        nested.push_back(Msg("mgr2", "window", WM_PING, level));
        nested.push_back(Proc("window", WM_PING, level));
        nested.push_back(Done("mgr1", "window", WM_PING, level, 0, answer));
        nested.push_back(Done("mgr2", "window", WM_PING, level, 0, answer));
    }
    EXPECT_TRACE(nested);
    ExpectReleasesAtOnce(mgr1, hwnd);
    EXPECT_EQ(SlotOf(hwnd), Subclassed());
    ExpectReleasesAtOnce(mgr2, hwnd);
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(Reentrancy, ReleaseAskedDeepInsideWaitsForTheOutermostMessage) {
    constexpr WPARAM kDeepest = 3;
    const HWND hwnd = CreateWatched("window");
    const auto mgr1 = WatchOn(hwnd, "mgr1");
    std::vector<LONG> slots;
    mgr1->OnMessage.Connect([&](HWND h, UINT uMsg, WPARAM wParam, LPARAM, bool&, LRESULT&) {
        if (uMsg != WM_PING) {
            return;
        }
        if (wParam < kDeepest) {
            SendMessageA(h, WM_PING, wParam + 1, 0);
        } else {
            mgr1->UnSubclass(h);
        }
    });
    mgr1->OnMessageProcessed.Connect(
        [&](HWND h, UINT, WPARAM, LPARAM, LRESULT) { slots.push_back(SlotOf(h)); });

    SendMessageA(hwnd, WM_PING, 0, 0);

    std::vector<Step> nested;
    for (WPARAM level = 0; level <= kDeepest; ++level) {
        nested.push_back(Msg("mgr1", "window", WM_PING, level));
    }
    for (WPARAM level = kDeepest + 1; level-- > 0;) {
        nested.push_back(Proc("window", WM_PING, level));
        nested.push_back(Done("mgr1", "window", WM_PING, level, 0, static_cast<LRESULT>(level)));
    }
    EXPECT_TRACE(nested);
    EXPECT_EQ(slots, std::vector<LONG>(kDeepest + 1, Subclassed()));
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(Reentrancy, ReleaseAndSubscribeAgainInsideOnMessageMovesToTheEnd) {
    // The next manager leaves and comes back during the first pass: it has
    // not seen the message, so it leaves at once, and comes back last.
    const HWND hwnd = CreateWatched("window");
    const auto [mgr1, mgr2] = WatchTwice(hwnd);
    WatchOn(hwnd, "mgr3");
    WhenSeen(mgr1, WM_PING, [&](HWND h) {
        mgr2->UnSubclass(h);
        mgr2->Subclass(h);
    });

    SendMessageA(hwnd, WM_PING, 1, 2);
    SendMessageA(hwnd, WM_USER, 0, 0);

    const auto NewOrder = Join({Passes({"mgr1", "mgr3"}, "window", WM_PING, 1, 2),
                                {Done("mgr2", "window", WM_PING, 1, 2, 3)},
                                Passes({"mgr1", "mgr3", "mgr2"}, "window", WM_USER)});
    EXPECT_TRACE(NewOrder);
}

TEST_F(Reentrancy, AnAnswerWithoutTheMessageInsideANestedOneDoesNotReleaseEarly) {
    // mgr2 asks for its release inside the outer message, then sends a
    // nested one that mgr1 swallows: mgr2 hears the nested answer without
    // having seen the nested message, which must not count as the end of
    // the outer one.
    const HWND hwnd = CreateWatched("window");
    const auto [mgr1, mgr2] = WatchTwice(hwnd);
    Swallow(mgr1, WM_NESTED, 5);
    WhenSeen(mgr2, WM_PING, [&](HWND h) {
        mgr2->UnSubclass(h);
        SendMessageA(h, WM_NESTED, 0, 0);
    });

    SendMessageA(hwnd, WM_PING, 1, 2);
    SendMessageA(hwnd, WM_USER, 0, 0);

    const std::vector ReleasedAfterTheOuterMessage = Join({
        {Msg("mgr1", "window", WM_PING, 1, 2), Msg("mgr2", "window", WM_PING, 1, 2),
         Msg("mgr1", "window", WM_NESTED), Done("mgr1", "window", WM_NESTED, 0, 0, 5),
         Done("mgr2", "window", WM_NESTED, 0, 0, 5), Proc("window", WM_PING, 1, 2),
         Done("mgr1", "window", WM_PING, 1, 2, 3), Done("mgr2", "window", WM_PING, 1, 2, 3)},
        Passes({"mgr1"}, "window", WM_USER),
    });
    EXPECT_TRACE(ReleasedAfterTheOuterMessage);
    ExpectReleasesAtOnce(mgr1, hwnd);
}

TEST_F(Reentrancy, ReleasingTheManagerInsideItsOwnHandlerKeepsItUntilTheMessageEnds) {
    // The owner lets go of the manager inside a handler: the registry's hold
    // carries it through the rest of the message, and it goes once released.
    const HWND hwnd = CreateWatched("window");
    auto owner = std::make_shared<std::shared_ptr<WindowProcMgr>>(WindowProcMgr::Create());
    const std::weak_ptr<WindowProcMgr> watch = *owner;
    TraceEvents(*owner, "mgr");
    (*owner)->Subclass(hwnd);
    (*owner)->OnMessage.Connect([owner](HWND, UINT, WPARAM, LPARAM, bool&, LRESULT&) {
        (*owner)->UnSubclassAll();
        owner->reset();
    });

    SendMessageA(hwnd, WM_PING, 1, 2);

    const auto KeptToTheEnd = Passes({"mgr"}, "window", WM_PING, 1, 2);
    EXPECT_TRACE(KeptToTheEnd);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(Reentrancy, ReleasedDuringTheAnswersStillHearsItOnce) {
    // The answer goes to everyone listed when it is handed out, even to a
    // manager released before its turn; one subscribed meanwhile waits for
    // the next message.
    const HWND hwnd = CreateWatched("window");
    const auto [mgr1, mgr2] = WatchTwice(hwnd);
    const auto mgr3 = Watch("mgr3");
    Swallow(mgr1, WM_PING, 5);
    WhenAnswered(mgr1, WM_PING, [&](HWND h) {
        mgr2->UnSubclass(h);  // it did not see the message: at once
        mgr3->Subclass(h);
    });

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 1, 2), 5);
    SendMessageA(hwnd, WM_USER, 0, 0);

    // The next message: mgr2 gone, mgr3 there.
    const auto EachOnce =
        Join({{Msg("mgr1", "window", WM_PING, 1, 2), Done("mgr1", "window", WM_PING, 1, 2, 5),
               Done("mgr2", "window", WM_PING, 1, 2, 5)},
              Passes({"mgr1", "mgr3"}, "window", WM_USER)});
    EXPECT_TRACE(EachOnce);
}

TEST_F(Reentrancy, ManagersReleasingThemselvesDuringTheAnswersLeaveAfterwards) {
    const HWND hwnd = CreateWatched("window");
    const auto [mgr1, mgr2] = WatchTwice(hwnd);
    WhenAnswered(mgr1, WM_PING, [&](HWND h) {
        mgr2->UnSubclass(h);  // both have the message in progress
        mgr1->UnSubclass(h);
    });

    SendMessageA(hwnd, WM_PING, 1, 2);
    SendMessageA(hwnd, WM_USER, 0, 0);

    const auto BothHearThenLeave =
        Join({Passes({"mgr1", "mgr2"}, "window", WM_PING, 1, 2), {Proc("window", WM_USER)}});
    EXPECT_TRACE(BothHearThenLeave);
    EXPECT_EQ(SlotOf(hwnd), Own());
}

}  // namespace
}  // namespace zv::test
