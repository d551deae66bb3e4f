// The subclass registry on its own, with plain subscribers: replacing and
// restoring the window procedure, the identity rule, the two passes while
// the list changes, the lifetime of subscribers that leave during a message,
// which subscribers a message is inside, and failures that must not unwind
// through the window system.

#include <array>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "WatchTest.h"
#include "platform/win/WinConstants.h"
#include "winmsg/IWindowProcMgr.h"
#include "winmsg/modWindowProcMgr.h"

namespace zv::test {
namespace {

using namespace zv::win;
using modWindowProcMgr::IsAnotherMessageInside;
using modWindowProcMgr::IsMessageInside;
using modWindowProcMgr::SubclassWindow;
using modWindowProcMgr::UnSubclassWindow;

constexpr UINT WM_PING = WM_USER + 1;
constexpr UINT WM_NESTED = WM_USER + 2;

// A subscriber that traces what the registry calls, answers with its
// handled value when it swallows, and may act inside either call.
class Subscriber : public IWindowProcMgr {
  public:
    explicit Subscriber(std::string name, bool* gone = nullptr)
        : m_name(std::move(name)), m_gone(gone) {}
    ~Subscriber() override {
        if (m_gone != nullptr) {
            *m_gone = true;
        }
    }

    LRESULT WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                       bool& bHandled) override {
        Trace::Current().Before(m_name, hwnd, uMsg, wParam, lParam);
        if (before) {
            before(hwnd);
        }
        if (swallowWith != 0) {
            bHandled = true;
            return swallowWith;
        }
        return 0;
    }

    void WindowProcDone(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                        LRESULT nWndProcReturnValue) override {
        Trace::Current().After(m_name, hwnd, uMsg, wParam, lParam, nWndProcReturnValue);
        if (after) {
            after(hwnd);
        }
    }

    std::function<void(HWND)> before;
    std::function<void(HWND)> after;
    LRESULT swallowWith = 0;

  private:
    std::string m_name;
    bool* m_gone;
};

// Subscribers of those names.
template <class... Names>
auto Subscribers(Names... names) {
    return std::array{std::make_shared<Subscriber>(names)...};
}

class Registry : public WatchTest {};

TEST_F(Registry, ReplacesTheProcedureOnceAndPutsItBackAfterTheLast) {
    const HWND hwnd = CreateWatched("window");
    const auto [a, b] = Subscribers("a", "b");

    EXPECT_TRUE(SubclassWindow(hwnd, a));
    EXPECT_EQ(SlotOf(hwnd), Subclassed());
    EXPECT_TRUE(SubclassWindow(hwnd, b));
    UnSubclassWindow(hwnd, a.get());
    EXPECT_EQ(SlotOf(hwnd), Subclassed());
    UnSubclassWindow(hwnd, b.get());
    EXPECT_EQ(SlotOf(hwnd), Own());
    EXPECT_FALSE(modWindowProcMgr::GetSubclassedWindows(nullptr));
}

TEST_F(Registry, TheSameObjectIsSubscribedOnce) {
    const HWND hwnd = CreateWatched("window");
    const auto a = std::make_shared<Subscriber>("a");
    EXPECT_TRUE(SubclassWindow(hwnd, a));
    EXPECT_TRUE(SubclassWindow(hwnd, a));

    SendMessageA(hwnd, WM_PING, 1, 2);
    const auto Once = Passes({"a"}, "window", WM_PING, 1, 2);
    EXPECT_TRACE(Once);

    UnSubclassWindow(hwnd, a.get());
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(Registry, ThePlainInterfaceWatchesAndChangesNothing) {
    const HWND hwnd = CreateWatched("window");
    const auto plain = std::make_shared<IWindowProcMgr>();
    EXPECT_TRUE(SubclassWindow(hwnd, plain));

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 1, 2), 3);
    const std::vector WindowAnswers = {Proc("window", WM_PING, 1, 2)};
    EXPECT_TRACE(WindowAnswers);

    UnSubclassWindow(hwnd, plain.get());
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(Registry, RefusalsRecordNothing) {
    const HWND gone = CreateWatched("gone");
    DestroyWindow(gone);
    const auto a = std::make_shared<Subscriber>("a");

    EXPECT_FALSE(SubclassWindow(gone, a));
    EXPECT_FALSE(SubclassWindow(0, a));
    const HWND hwnd = CreateWatched("window");
    EXPECT_FALSE(SubclassWindow(hwnd, nullptr));
    EXPECT_EQ(SlotOf(hwnd), Own());
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{});
    EXPECT_EQ(a.use_count(), 1);  // no reference kept
    UnSubclassWindow(hwnd, a.get());
    UnSubclassWindow(gone, a.get());
}

// A second user-interface thread of the process has a registry and messages
// under way of its own: it sees none of this thread's, and cannot take its
// windows.
TEST_F(Registry, AnotherRealThreadSharesNothingWithThisOne) {
    const HWND hwnd = CreateWatched("window");
    const auto [a, b] = Subscribers("a", "b");
    ASSERT_TRUE(SubclassWindow(hwnd, a));
    std::vector<bool> seen;
    a->before = [&](HWND) {
        std::thread([&] {
            seen = {modWindowProcMgr::GetSubclassedWindows(nullptr),
                    modWindowProcMgr::CurrentMessage() != 0, IsMessageInside(hwnd, a.get()),
                    SubclassWindow(hwnd, b)};
        }).join();
    };

    SendMessageA(hwnd, WM_PING, 1, 2);
    EXPECT_EQ(seen, std::vector<bool>(4, false));
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{hwnd});
    UnSubclassWindow(hwnd, a.get());
}

TEST_F(Registry, ASubscriberThatLeavesBeforeItsTurnIsSkipped) {
    const HWND hwnd = CreateWatched("window");
    const auto [a, b, c] = Subscribers("a", "b", "c");
    SubclassWindow(hwnd, a);
    SubclassWindow(hwnd, b);
    SubclassWindow(hwnd, c);
    a->before = [&](HWND h) { UnSubclassWindow(h, b.get()); };

    SendMessageA(hwnd, WM_PING, 1, 2);

    const auto BIsGone = Passes({"a", "c"}, "window", WM_PING, 1, 2);
    EXPECT_TRACE(BIsGone);
    UnSubclassWindow(hwnd, a.get());
    UnSubclassWindow(hwnd, c.get());
}

TEST_F(Registry, ASubscriberThatJoinsDuringTheFirstPassHearsOnlyTheAnswer) {
    const HWND hwnd = CreateWatched("window");
    const auto [a, b] = Subscribers("a", "b");
    SubclassWindow(hwnd, a);
    a->before = [&](HWND h) { SubclassWindow(h, b); };

    SendMessageA(hwnd, WM_PING, 1, 2);

    const auto BJoins =
        Join({Passes({"a"}, "window", WM_PING, 1, 2), {Done("b", "window", WM_PING, 1, 2, 3)}});
    EXPECT_TRACE(BJoins);
    UnSubclassWindow(hwnd, a.get());
    UnSubclassWindow(hwnd, b.get());
}

TEST_F(Registry, TheAnswerGoesToThoseListedWhenItIsHandedOut) {
    // a lets b go and takes c on while hearing the answer: b still hears it,
    // c waits for the next message.
    const HWND hwnd = CreateWatched("window");
    const auto [a, b, c] = Subscribers("a", "b", "c");
    SubclassWindow(hwnd, a);
    SubclassWindow(hwnd, b);
    bool acted = false;
    a->after = [&](HWND h) {
        if (!std::exchange(acted, true)) {
            UnSubclassWindow(h, b.get());
            SubclassWindow(h, c);
        }
    };

    SendMessageA(hwnd, WM_PING, 1, 2);
    SendMessageA(hwnd, WM_PING, 3, 4);

    // The next message: b gone, c there.
    const auto ListedAtTheStart = Join(
        {Passes({"a", "b"}, "window", WM_PING, 1, 2), Passes({"a", "c"}, "window", WM_PING, 3, 4)});
    EXPECT_TRACE(ListedAtTheStart);
    UnSubclassWindow(hwnd, a.get());
    UnSubclassWindow(hwnd, c.get());
}

TEST_F(Registry, ALastSubscriberThatLeavesInsideTheMessageLivesToItsEnd) {
    // The registry held the only reference: the subscriber is still there
    // for the rest of its call, and goes when the message has ended.
    const HWND hwnd = CreateWatched("window");
    bool gone = false;
    auto a = std::make_shared<Subscriber>("a", &gone);
    std::vector<bool> goneInside;
    a->before = [&gone, &goneInside, raw = a.get()](HWND h) {
        UnSubclassWindow(h, raw);
        goneInside.push_back(gone);
    };
    SubclassWindow(hwnd, a);
    a.reset();

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 1, 2), 3);

    const std::vector LeftBeforeTheAnswer = {
        Msg("a", "window", WM_PING, 1, 2),
        Proc("window", WM_PING, 1, 2),
    };
    EXPECT_TRACE(LeftBeforeTheAnswer);
    EXPECT_EQ(goneInside, std::vector<bool>{false});
    EXPECT_TRUE(gone);
    EXPECT_EQ(SlotOf(hwnd), Own());
}

TEST_F(Registry, AWindowSubscribedAfreshDuringItsMessageListsTheNewcomer) {
    // a empties the list, so the window's procedure is put back, and then b
    // subscribes again: the message still goes to the procedure that was
    // replaced, and b, listed when the answer is handed out, hears it.
    const HWND hwnd = CreateWatched("window");
    const auto [a, b] = Subscribers("a", "b");
    SubclassWindow(hwnd, a);
    bool acted = false;
    a->before = [&](HWND h) {
        if (!std::exchange(acted, true)) {
            UnSubclassWindow(h, a.get());
            EXPECT_EQ(SlotOf(h), Own());
            SubclassWindow(h, b);
        }
    };

    EXPECT_EQ(SendMessageA(hwnd, WM_PING, 1, 2), 3);

    const std::vector NewcomerHearsIt = {
        Msg("a", "window", WM_PING, 1, 2),
        Proc("window", WM_PING, 1, 2),
        Done("b", "window", WM_PING, 1, 2, 3),
    };
    EXPECT_TRACE(NewcomerHearsIt);
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{hwnd});
    UnSubclassWindow(hwnd, b.get());
}

TEST_F(Registry, AMessageIsInsideASubscriberFromItsTurnToTheEndOfItsAnswer) {
    // Inside WindowProcDone the answer being heard there can be left out,
    // but not an outer message's.
    const HWND hwnd = CreateWatched("window");
    const auto [a, b] = Subscribers("a", "b");
    SubclassWindow(hwnd, a);
    SubclassWindow(hwnd, b);
    std::vector<std::string> holders;
    const auto look = [&](const std::string& when) {
        std::string counting;
        std::string leavingOut;
        for (const auto& [name, subscriber] : {std::pair{"a", a.get()}, std::pair{"b", b.get()}}) {
            if (IsMessageInside(hwnd, subscriber)) {
                counting += name;
            }
            if (IsAnotherMessageInside(hwnd, subscriber)) {
                leavingOut += name;
            }
        }
        holders.push_back(when + ": " + counting + " | " + leavingOut);
    };
    bool nest = false;
    a->before = [&](HWND) { look("a sees"); };
    b->before = [&](HWND h) {
        look("b sees");
        if (std::exchange(nest, false)) {
            SendMessageA(h, WM_NESTED, 0, 0);
        }
    };
    a->after = [&](HWND) { look("a hears"); };
    b->after = [&](HWND) { look("b hears"); };

    SendMessageA(hwnd, WM_PING, 1, 2);
    look("afterwards");
    a->swallowWith = 5;
    SendMessageA(hwnd, WM_PING, 3, 4);
    a->swallowWith = 0;
    nest = true;
    SendMessageA(hwnd, WM_PING, 5, 6);

    const std::vector<std::string> InTurn = {
        "a sees: a | a",
        "b sees: ab | ab",
        "a hears: ab | b",
        "b hears: b | ",
        "afterwards:  | ",
        // Swallowed by a: b never sees it.
        "a sees: a | a",
        "a hears: a | ",
        "b hears:  | ",
        // b sends a nested message from its turn: the outer one stays inside both.
        "a sees: a | a",
        "b sees: ab | ab",
        "a sees: ab | ab",
        "b sees: ab | ab",
        "a hears: ab | ab",
        "b hears: ab | ab",
        "a hears: ab | b",
        "b hears: b | ",
    };
    EXPECT_EQ(holders, InTurn);
    UnSubclassWindow(hwnd, a.get());
    UnSubclassWindow(hwnd, b.get());
}

TEST_F(Registry, SubscribersThatFailDoNotUnwindThroughTheWindowSystem) {
    const HWND hwnd = CreateWatched("window");
    const auto [a, b] = Subscribers("a", "b");
    a->before = [](HWND) { throw std::runtime_error("before"); };
    a->after = [](HWND) { throw std::runtime_error("after"); };
    SubclassWindow(hwnd, a);
    SubclassWindow(hwnd, b);

    LRESULT answer = 0;
    EXPECT_NO_THROW(answer = SendMessageA(hwnd, WM_PING, 1, 2));

    EXPECT_EQ(answer, 3);
    const auto OthersCarryOn = Passes({"a", "b"}, "window", WM_PING, 1, 2);
    EXPECT_TRACE(OthersCarryOn);
    UnSubclassWindow(hwnd, a.get());
    UnSubclassWindow(hwnd, b.get());
}

TEST_F(Registry, AStaleCallOfTheRegistrysProcedureGoesToTheDefault) {
    // Someone kept the registry's procedure value after the window was let go.
    const HWND hwnd = CreateWatched("window");
    const auto a = std::make_shared<Subscriber>("a");
    SubclassWindow(hwnd, a);
    UnSubclassWindow(hwnd, a.get());

    const WNDPROC stale = LongToWndProc(Subclassed());
    EXPECT_EQ(CallWindowProcA(stale, hwnd, WM_GETTEXTLENGTH, 0, 0), 6);  // "window"
    EXPECT_TRUE(Trace::Current().Steps().empty());
}

}  // namespace
}  // namespace zv::test
