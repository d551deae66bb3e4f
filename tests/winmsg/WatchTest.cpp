#include "WatchTest.h"

#include <sstream>

#include "MessageLog.h"
#include "winmsg/modWindowProcMgr.h"

namespace zv::test {

namespace {

using namespace zv::win;

constexpr const char* kWatchedClass = "ZvWatched";

std::string Describe(const Step& step) {
    std::ostringstream text;
    switch (step.seen) {
        case Seen::Before:
            text << step.who << " before " << step.window;
            break;
        case Seen::Proc:
            text << step.window << " procedure";
            break;
        case Seen::After:
            text << step.who << " after " << step.window;
            break;
    }
    text << " " << MessageName(step.message) << " (" << step.wParam << ", " << step.lParam << ")";
    if (step.seen == Seen::After) {
        text << " answer " << step.answer;
    }
    return text.str();
}

std::string Dump(std::span<const Step> expected, std::span<const Step> actual) {
    std::ostringstream text;
    text << "\n  expected:";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        text << "\n    " << i << ": " << Describe(expected[i]);
    }
    text << "\n  actual:";
    for (std::size_t i = 0; i < actual.size(); ++i) {
        text << "\n    " << i << ": " << Describe(actual[i]);
    }
    return text.str();
}

}  // namespace

Step Msg(const std::string& who, const std::string& window, UINT message, WPARAM wParam,
         LPARAM lParam) {
    return Step{who, Seen::Before, window, message, wParam, lParam, 0};
}

Step Proc(const std::string& window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Step{window, Seen::Proc, window, message, wParam, lParam, 0};
}

Step Done(const std::string& who, const std::string& window, UINT message, WPARAM wParam,
          LPARAM lParam, LRESULT answer) {
    return Step{who, Seen::After, window, message, wParam, lParam, answer};
}

std::vector<Step> Passes(std::initializer_list<const char*> managers, const std::string& window,
                         UINT message, WPARAM wParam, LPARAM lParam) {
    std::vector<Step> steps;
    for (const char* manager : managers) {
        steps.push_back(Msg(manager, window, message, wParam, lParam));
    }
    steps.push_back(Proc(window, message, wParam, lParam));
    const LRESULT answer = message >= WM_USER ? static_cast<LRESULT>(wParam) + lParam : 0;
    for (const char* manager : managers) {
        steps.push_back(Done(manager, window, message, wParam, lParam, answer));
    }
    return steps;
}

std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> steps;
    for (const auto& part : parts) {
        steps.insert(steps.end(), part.begin(), part.end());
    }
    return steps;
}

Trace& Trace::Current() {
    static Trace trace;
    return trace;
}

std::string Trace::RoleOf(HWND hwnd) const {
    const auto found = m_roles.find(hwnd);
    return found != m_roles.end() ? found->second : "hwnd " + std::to_string(hwnd);
}

void Trace::Before(const std::string& who, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    m_steps.push_back(Msg(who, RoleOf(hwnd), message, wParam, lParam));
}

void Trace::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    m_steps.push_back(test::Proc(RoleOf(hwnd), message, wParam, lParam));
}

void Trace::After(const std::string& who, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                  LRESULT answer) {
    m_steps.push_back(Done(who, RoleOf(hwnd), message, wParam, lParam, answer));
}

testing::AssertionResult Trace::Matches(std::span<const Step> expected, const char* name) const {
    const std::size_t common = std::min(expected.size(), m_steps.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (!(expected[i] == m_steps[i])) {
            return testing::AssertionFailure()
                   << name << ": step " << i << " differs" << Dump(expected, m_steps);
        }
    }
    if (expected.size() != m_steps.size()) {
        return testing::AssertionFailure() << name << ": " << expected.size() << " steps expected, "
                                           << m_steps.size() << " seen" << Dump(expected, m_steps);
    }
    return testing::AssertionSuccess();
}

namespace {

std::function<void(HWND, UINT)> g_inProc;

}  // namespace

void WhileInProc(std::function<void(HWND, UINT)> action) {
    g_inProc = std::move(action);
}

LRESULT ZV_CALLBACK WatchedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Trace::Current().Proc(hwnd, message, wParam, lParam);
    if (g_inProc) {
        const auto action = g_inProc;  // the action may end itself
        action(hwnd, message);
    }
    if (message >= WM_USER) {
        return static_cast<LRESULT>(wParam) + lParam;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void TraceEvents(const std::shared_ptr<WindowProcMgr>& manager, const std::string& name) {
    manager->OnMessage.Connect(
        [name](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool&, LRESULT&) {
            Trace::Current().Before(name, hwnd, message, wParam, lParam);
        });
    manager->OnMessageProcessed.Connect(
        [name](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT answer) {
            Trace::Current().After(name, hwnd, message, wParam, lParam, answer);
        });
}

void WhenSeen(const std::shared_ptr<WindowProcMgr>& manager, UINT message,
              std::function<void(HWND)> action) {
    manager->OnMessage.Connect(
        [message, action](HWND hwnd, UINT uMsg, WPARAM, LPARAM, bool&, LRESULT&) {
            if (uMsg == message) {
                action(hwnd);
            }
        });
}

void WhenAnswered(const std::shared_ptr<WindowProcMgr>& manager, UINT message,
                  std::function<void(HWND)> action) {
    manager->OnMessageProcessed.Connect(
        [message, action](HWND hwnd, UINT uMsg, WPARAM, LPARAM, LRESULT) {
            if (uMsg == message) {
                action(hwnd);
            }
        });
}

void Swallow(const std::shared_ptr<WindowProcMgr>& manager, UINT message, LRESULT answer) {
    manager->OnMessage.Connect([message, answer](HWND, UINT uMsg, WPARAM, LPARAM, bool& bHandled,
                                                 LRESULT& nWndProcReturnValue) {
        if (uMsg == message) {
            bHandled = true;
            nWndProcReturnValue = answer;
        }
    });
}

void WatchTest::SetUp() {
    PlatformTest::SetUp();
    WNDCLASSA watched;
    watched.lpfnWndProc = WatchedProc;
    watched.lpszClassName = kWatchedClass;
    RegisterClassA(&watched);
    Trace::Current() = Trace();
}

void WatchTest::TearDown() {
    for (const auto& manager : m_managers) {
        manager->UnSubclassAll();
        // Handlers may hold their manager.
        manager->OnMessage.DisconnectAll();
        manager->OnMessageProcessed.DisconnectAll();
    }
    m_managers.clear();
    WhileInProc(nullptr);
    EXPECT_EQ(RegistryWindows(), std::vector<HWND>{}) << "windows left subclassed";
    Trace::Current() = Trace();
    PlatformTest::TearDown();
}

HWND WatchTest::CreateWatched(const char* role, DWORD style, HWND parent, int id) {
    const HWND hwnd =
        CreateWindowExA(0, kWatchedClass, role, style, 0, 0, 100, 50, parent, id, 0, nullptr);
    Trace::Current().Name(hwnd, role);
    Trace::Current().Clear();  // creation is not what these tests look at
    return hwnd;
}

std::shared_ptr<WindowProcMgr> WatchTest::Watch(const std::string& name) {
    auto manager = WindowProcMgr::Create();
    TraceEvents(manager, name);
    m_managers.push_back(manager);
    return manager;
}

std::shared_ptr<WindowProcMgr> WatchTest::WatchOn(HWND hwnd, const std::string& name) {
    auto manager = Watch(name);
    manager->Subclass(hwnd);
    return manager;
}

std::pair<std::shared_ptr<WindowProcMgr>, std::shared_ptr<WindowProcMgr>> WatchTest::WatchTwice(
    HWND hwnd) {
    auto first = WatchOn(hwnd, "mgr1");
    return {first, WatchOn(hwnd, "mgr2")};
}

LONG WatchTest::Subclassed() {
    return WndProcToLong(&modWindowProcMgr::SubclassedWindowProc);
}

LONG WatchTest::Own() {
    return WndProcToLong(&WatchedProc);
}

LONG WatchTest::SlotOf(HWND hwnd) {
    return GetWindowLongA(hwnd, GWL_WNDPROC);
}

std::vector<HWND> WatchTest::RegistryWindows() {
    Collection<std::int32_t> windows;
    WindowProcMgr::AnySubclassedWindowsRemaining(&windows);
    return std::vector<HWND>(windows.begin(), windows.end());
}

}  // namespace zv::test
