// The subclass chain: the newest subclass first, each passing the message on
// with DefSubclassProc down to the window's own procedure; subclasses known
// by procedure and identifier; removing and installing from inside a
// message; nested messages; the chain going with its window; refusals.

#include <functional>
#include <string>
#include <utility>

#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/SubclassApi.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr UINT WM_PING = WM_USER;
constexpr UINT WM_NESTED = WM_USER + 1;
constexpr const char* kChainedClass = "ZvChained";

// The procedures that messages reached, in order: "C B A window"; a nested
// message is marked "+", WM_NCDESTROY "~".
std::string g_reached;
// What a procedure does when a message reaches it, before passing it on.
std::function<void(const std::string& who, HWND, UINT)> g_onReach;

void Reach(const std::string& who, HWND hwnd, UINT message) {
    if (message != WM_PING && message != WM_NESTED && message != WM_NCDESTROY) {
        return;
    }
    const char* mark = message == WM_NESTED ? "+" : message == WM_NCDESTROY ? "~" : "";
    g_reached += (g_reached.empty() ? "" : " ") + who + mark;
    if (g_onReach) {
        const auto action = g_onReach;  // the action may end itself
        action(who, hwnd, message);
    }
}

// Two procedures, so that a subclass is known by procedure and identifier.
// The reference data is the subclass's name.
template <int>
LRESULT ZV_CALLBACK Traced(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR refData) {
    Reach(reinterpret_cast<const char*>(refData), hwnd, message);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT ZV_CALLBACK ChainedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Reach("window", hwnd, message);
    return message == WM_PING ? 7 : DefWindowProcA(hwnd, message, wParam, lParam);
}

DWORD_PTR Data(const char* name) {
    return reinterpret_cast<DWORD_PTR>(name);
}

// Subclass "A" has identifier 1, "B" 2, "C" 3.
UINT_PTR Id(const std::string& name) {
    return static_cast<UINT_PTR>(name[0] - 'A' + 1);
}

const char* NameOf(char letter) {
    static constexpr const char* kNames[] = {"A", "B", "C"};
    return kNames[letter - 'A'];
}

class SubclassChain : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        WNDCLASSA chained;
        chained.lpfnWndProc = ChainedWindowProc;
        chained.lpszClassName = kChainedClass;
        RegisterClassA(&chained);
        m_hwnd = CreateWindowExA(0, kChainedClass, "", WS_POPUP, 0, 0, 50, 50, 0, 0, 0, nullptr);
        g_reached.clear();
    }

    void TearDown() override {
        g_onReach = nullptr;
        PlatformTest::TearDown();
    }

    // Installs "A", "B", "C" in the order given.
    void Install(const std::string& names) {
        for (const char letter : names) {
            const char* name = NameOf(letter);
            ASSERT_TRUE(SetWindowSubclass(m_hwnd, Traced<0>, Id(name), Data(name)));
        }
    }

    std::string Reached(UINT message = WM_PING) {
        g_reached.clear();
        SendMessageA(m_hwnd, message, 0, 0);
        return std::exchange(g_reached, {});
    }

    bool OwnProcedure() const {
        return GetWindowLongA(m_hwnd, GWL_WNDPROC) == WndProcToLong(ChainedWindowProc);
    }

    HWND m_hwnd = 0;
};

TEST_F(SubclassChain, NewestFirstDownToTheWindow) {
    Install("AB");
    EXPECT_FALSE(OwnProcedure());
    EXPECT_EQ(SendMessageA(m_hwnd, WM_PING, 0, 0), 7);
    EXPECT_EQ(std::exchange(g_reached, {}), "B A window");

    // Installed again: new reference data, the same place in the chain.
    EXPECT_TRUE(SetWindowSubclass(m_hwnd, Traced<0>, Id("A"), Data("a")));
    // The same identifier with another procedure is another subclass.
    EXPECT_TRUE(SetWindowSubclass(m_hwnd, Traced<1>, Id("A"), Data("X")));
    EXPECT_EQ(Reached(), "X B a window");

    DWORD_PTR data = 1;
    EXPECT_TRUE(GetWindowSubclass(m_hwnd, Traced<0>, Id("A"), &data));
    EXPECT_EQ(data, Data("a"));
    EXPECT_FALSE(GetWindowSubclass(m_hwnd, Traced<1>, Id("B"), &data));
    EXPECT_EQ(data, 0u);

    EXPECT_TRUE(RemoveWindowSubclass(m_hwnd, Traced<1>, Id("A")));
    EXPECT_TRUE(RemoveWindowSubclass(m_hwnd, Traced<0>, Id("A")));
    EXPECT_TRUE(RemoveWindowSubclass(m_hwnd, Traced<0>, Id("B")));
    EXPECT_FALSE(RemoveWindowSubclass(m_hwnd, Traced<0>, Id("B")));
    EXPECT_FALSE(SetWindowSubclass(m_hwnd, nullptr, 1, 0));
    EXPECT_TRUE(OwnProcedure());
    EXPECT_EQ(Reached(), "window");
}

struct RemovalCase {
    const char* name;
    const char* installed;  // oldest first
    const char* remover;    // a subclass or "window"
    const char* removed;
    const char* during;  // who the message that removes reaches
    const char* after;
};

const RemovalCase kRemovalCases[] = {
    {"TheNewestItself", "ABC", "C", "C", "C B A window", "B A window"},
    {"OneInTheMiddleItself", "ABC", "B", "B", "C B A window", "C A window"},
    {"OneNotYetReached", "ABC", "C", "A", "C B window", "C B window"},
    {"OneAlreadyPassed", "ABC", "A", "C", "C B A window", "B A window"},
    {"OneByTheWindow", "ABC", "window", "B", "C B A window", "C A window"},
    {"TheOnlyOneItself", "A", "A", "A", "A window", "window"},
};

class SubclassRemoval : public SubclassChain, public testing::WithParamInterface<RemovalCase> {};

TEST_P(SubclassRemoval, InsideAMessageTakesEffectAtOnce) {
    const RemovalCase& removal = GetParam();
    Install(removal.installed);
    g_onReach = [&](const std::string& who, HWND hwnd, UINT) {
        if (who == removal.remover) {
            g_onReach = nullptr;
            EXPECT_TRUE(RemoveWindowSubclass(hwnd, Traced<0>, Id(removal.removed)));
        }
    };
    EXPECT_EQ(Reached(), removal.during);
    EXPECT_EQ(Reached(), removal.after);
    EXPECT_EQ(OwnProcedure(), std::string(removal.after) == "window");
}

INSTANTIATE_TEST_SUITE_P(Cases, SubclassRemoval, testing::ValuesIn(kRemovalCases),
                         [](const auto& row) { return std::string(row.param.name); });

// A nested message walks the whole chain, a subclass installed meanwhile
// first; the outer one goes on where it was, without it.
TEST_F(SubclassChain, InstallingAndSendingFromInsideAMessage) {
    Install("A");
    g_onReach = [](const std::string& who, HWND hwnd, UINT message) {
        if (who == "A" && message == WM_PING) {
            g_onReach = nullptr;
            SetWindowSubclass(hwnd, Traced<0>, Id("B"), Data("B"));
            SendMessageA(hwnd, WM_NESTED, 0, 0);
        }
    };
    EXPECT_EQ(Reached(), "A B+ A+ window+ window");
    EXPECT_EQ(Reached(), "B A window");
}

TEST_F(SubclassChain, DestroyingTheWindowPassesWmNcDestroyDownTheChain) {
    Install("AB");
    // As a subclass that lives as long as its window does: it leaves on the
    // last message. The other one is let go with the window.
    g_onReach = [](const std::string& who, HWND hwnd, UINT message) {
        if (who == "B" && message == WM_NCDESTROY) {
            RemoveWindowSubclass(hwnd, Traced<0>, Id("B"));
        }
    };
    DestroyWindow(m_hwnd);
    EXPECT_EQ(g_reached, "B~ A~ window~");
    EXPECT_FALSE(GetWindowSubclass(m_hwnd, Traced<0>, Id("A"), nullptr));
}

TEST_F(SubclassChain, RefusedForAnotherThreadsWindow) {
    ZV_REQUIRES_HEADLESS("simulated threads and processes");
    for (const DWORD thread : {driver::StartThread(), driver::StartProcess()}) {
        HWND foreign = 0;
        {
            driver::ThreadScope other(thread);
            foreign =
                CreateWindowExA(0, kChainedClass, "", WS_POPUP, 0, 0, 50, 50, 0, 0, 0, nullptr);
        }
        EXPECT_FALSE(SetWindowSubclass(foreign, Traced<0>, 1, 0)) << thread;
    }
}

}  // namespace
}  // namespace zv::test
