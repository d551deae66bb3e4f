// The subclass chain and a window procedure manager on one window: stacked
// in either order and let go in either order, from outside any message or
// by the window's own procedure while a message is under way; which
// procedures each message reaches at every step. A manager puts back the
// procedure it replaced when its last subscriber leaves, so a subclass
// stacked above it afterwards is cut off from then on.

#include <array>
#include <string>

#include "WatchTest.h"
#include "platform/win/SubclassApi.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr UINT WM_PING = WM_USER + 1;

LRESULT ZV_CALLBACK TracedSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) {
    Trace::Current().Before("sub", hwnd, message, wParam, lParam);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

enum class Plumbing { Manager, Subclass };

struct StackingCase {
    const char* name;
    Plumbing stackedFirst;  // the lower of the two
    Plumbing leavingFirst;
    bool fromInside;  // let go by the window's procedure while a message passes
    // Who a message reaches when both are stacked, as (or, from inside, while)
    // the first leaves, as the second leaves, and when both are gone.
    std::array<const char*, 4> reached;
    const char* wineDifference;  // how Wine differs, or nullptr
};

constexpr const char* kWineRestoresBelow =
    "Wine's RemoveWindowSubclass puts back the procedure below its chain even when another "
    "was installed above, cutting that one off";

const StackingCase kStackingCases[] = {
    {"SubclassAboveLeavesFirst",
     Plumbing::Manager,
     Plumbing::Subclass,
     false,
     {"sub mgr window", "mgr window", "window", "window"},
     nullptr},
    {"SubclassAboveLeavesFirstFromInside",
     Plumbing::Manager,
     Plumbing::Subclass,
     true,
     {"sub mgr window", "sub mgr window", "mgr window", "window"},
     nullptr},
    // The manager puts back the window's own procedure: the subclass above it
    // is no longer reached, and taking it out later changes nothing.
    {"ManagerBelowLeavesFirst",
     Plumbing::Manager,
     Plumbing::Manager,
     false,
     {"sub mgr window", "window", "window", "window"},
     kWineRestoresBelow},
    {"ManagerBelowLeavesFirstFromInside",
     Plumbing::Manager,
     Plumbing::Manager,
     true,
     {"sub mgr window", "sub mgr window", "window", "window"},
     kWineRestoresBelow},
    // The chain below the manager stays in place, passing messages through,
    // until the manager has put it back on top.
    {"SubclassBelowLeavesFirst",
     Plumbing::Subclass,
     Plumbing::Subclass,
     false,
     {"mgr sub window", "mgr window", "window", "window"},
     kWineRestoresBelow},
    {"SubclassBelowLeavesFirstFromInside",
     Plumbing::Subclass,
     Plumbing::Subclass,
     true,
     {"mgr sub window", "mgr sub window", "mgr window", "window"},
     kWineRestoresBelow},
    {"ManagerAboveLeavesFirst",
     Plumbing::Subclass,
     Plumbing::Manager,
     false,
     {"mgr sub window", "sub window", "window", "window"},
     nullptr},
    {"ManagerAboveLeavesFirstFromInside",
     Plumbing::Subclass,
     Plumbing::Manager,
     true,
     {"mgr sub window", "mgr sub window", "sub window", "window"},
     nullptr},
};

class SubclassStacking : public WatchTest, public testing::WithParamInterface<StackingCase> {
  protected:
    // The procedures that a message reaches on its way to the window.
    std::string Reached(HWND hwnd) {
        Trace::Current().Clear();
        SendMessageA(hwnd, WM_PING, 1, 2);
        std::string reached;
        for (const Step& step : Trace::Current().Steps()) {
            if (step.seen != Seen::After) {
                reached +=
                    (reached.empty() ? "" : " ") + (step.seen == Seen::Proc ? "window" : step.who);
            }
        }
        return reached;
    }
};

TEST_P(SubclassStacking, EachMessageReachesWhatIsStacked) {
    const StackingCase& stacking = GetParam();
    if (stacking.wineDifference != nullptr) {
        ZV_KNOWN_WIN32_DIFFERENCE(stacking.wineDifference);
    }
    const HWND hwnd = CreateWatched("window");
    const auto manager = Watch("mgr");
    const auto stack = [&](Plumbing which) {
        if (which == Plumbing::Manager) {
            manager->Subclass(hwnd);
        } else {
            SetWindowSubclass(hwnd, TracedSubclass, 1, 0);
        }
    };
    const auto leave = [&](Plumbing which) {
        if (which == Plumbing::Manager) {
            manager->UnSubclass(hwnd);
        } else {
            RemoveWindowSubclass(hwnd, TracedSubclass, 1);
        }
    };
    const Plumbing other =
        stacking.stackedFirst == Plumbing::Manager ? Plumbing::Subclass : Plumbing::Manager;
    stack(stacking.stackedFirst);
    stack(other);
    const Plumbing leavingSecond =
        stacking.leavingFirst == Plumbing::Manager ? Plumbing::Subclass : Plumbing::Manager;

    EXPECT_EQ(Reached(hwnd), stacking.reached[0]);
    for (std::size_t step = 1; step <= 2; ++step) {
        const Plumbing leaving = step == 1 ? stacking.leavingFirst : leavingSecond;
        if (stacking.fromInside) {
            WhileInProc([&, leaving](HWND, UINT message) {
                if (message == WM_PING) {
                    WhileInProc(nullptr);
                    leave(leaving);
                }
            });
        } else {
            leave(leaving);
        }
        EXPECT_EQ(Reached(hwnd), stacking.reached[step]) << "step " << step;
    }
    EXPECT_EQ(Reached(hwnd), stacking.reached[3]);
    EXPECT_EQ(SlotOf(hwnd), Own());
    EXPECT_FALSE(GetWindowSubclass(hwnd, TracedSubclass, 1, nullptr));
}

INSTANTIATE_TEST_SUITE_P(BothOrders, SubclassStacking, testing::ValuesIn(kStackingCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zv::test
