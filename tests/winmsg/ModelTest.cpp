// A long run of random operations on a few windows and managers
// (subscribing, releasing, sending, posting and letting posted messages run,
// creating and destroying windows), with handlers that swallow messages and
// act from inside them (releasing, subscribing, sending a nested message,
// destroying the window). After every operation the run is compared with a
// small reference model: who saw which message in what order and with what
// answer, what each window answered, which windows the registry lists, and
// what each window's procedure slot holds.

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "PlatformTest.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"
#include "winmsg/WindowProcMgr.h"
#include "winmsg/modWindowProcMgr.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr std::size_t kManagers = 6;
constexpr std::size_t kWindows = 8;
constexpr std::size_t kNobody = kManagers;  // no manager has this number
constexpr int kOperations = 100000;
constexpr std::uint32_t kRandomStart = 20261205;  // fixed, so that a failure can be replayed
constexpr UINT WM_PING = WM_USER + 1;
constexpr UINT WM_NESTED = WM_USER + 2;
constexpr const char* kModelClass = "ZvModelWindow";

enum class Action {
    None,
    ReleaseSelf,
    ReleaseTarget,
    SubscribeTarget,
    ReleaseAll,
    SendNested,
    Destroy,
};

// What the handlers do with one message of an operation; nested messages
// have none.
struct Script {
    std::size_t swallower = kNobody;  // in OnMessage
    std::size_t actor = kNobody;
    Action action = Action::None;
    bool afterwards = false;  // the actor acts in OnMessageProcessed
    std::size_t target = 0;   // the manager acted on
};

// One step: 'B' a manager before the window, 'P' the window's procedure,
// 'A' a manager with the answer.
struct Seen {
    char kind = 'P';
    std::size_t who = kNobody;
    std::size_t window = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT answer = 0;

    bool operator==(const Seen&) const = default;
};

bool Tracked(UINT message) {
    return message == WM_PING || message == WM_NESTED || message == WM_DESTROY ||
           message == WM_NCDESTROY;
}

LRESULT WindowAnswer(UINT message, WPARAM wParam, LPARAM lParam) {
    return message >= WM_USER ? static_cast<LRESULT>(wParam) + lParam : 0;
}

LRESULT SwallowAnswer(std::size_t manager) {
    return 100 + static_cast<LRESULT>(manager);
}

// A nested message carries the wParam of the message inside which it was
// sent; some are swallowed, by a manager that the number picks.
std::size_t NestedSwallower(WPARAM wParam) {
    const std::uint32_t mixed = static_cast<std::uint32_t>(wParam) * 2654435761u;
    return (mixed >> 29) < 3 ? (mixed >> 8) % kManagers : kNobody;
}

std::string Describe(const std::vector<Seen>& steps) {
    std::ostringstream text;
    for (const Seen& step : steps) {
        text << "\n    " << step.kind;
        if (step.kind != 'P') {
            text << " mgr" << step.who;
        }
        text << " w" << step.window << " msg 0x" << std::hex << step.message << std::dec << " ("
             << step.wParam << ", " << step.lParam << ")";
        if (step.kind == 'A') {
            text << " = " << step.answer;
        }
    }
    return text.str();
}

// Carries out the script's action for manager m on a window: in the model,
// where a window is a slot number, or on the real managers and windows.
template <class Target, class WindowRef>
void Perform(Target& target, std::size_t m, WindowRef window, WPARAM wParam, const Script& script) {
    switch (script.action) {
        case Action::None:
            break;
        case Action::ReleaseSelf:
            target.Release(m, window);
            break;
        case Action::ReleaseTarget:
            target.Release(script.target, window);
            break;
        case Action::SubscribeTarget:
            target.Subscribe(script.target, window);
            break;
        case Action::ReleaseAll:
            target.ReleaseAll(m);
            break;
        case Action::SendNested:
            target.Send(window, WM_NESTED, wParam, 1, nullptr);
            break;
        case Action::Destroy:
            target.Destroy(window, nullptr);
            break;
    }
}

// The reference model: subscriber lists as plain vectors, delivery as a
// direct reading of the rules, nesting depths as counters.
class Model {
  public:
    struct Window {
        bool exists = false;
        bool alive = false;
        bool destroying = false;
        std::vector<std::pair<std::size_t, int>> list;  // manager, entry number
    };

    std::array<Window, kWindows> windows;
    std::vector<std::size_t> order;  // windows in the order first subclassed
    std::vector<Seen> seen;

    bool Listed(std::size_t m, std::size_t w) const {
        const auto& list = windows[w].list;
        return std::any_of(list.begin(), list.end(),
                           [&](const auto& entry) { return entry.first == m; });
    }

    void Create(std::size_t w) { windows[w] = Window{true, true, false, {}}; }

    void Subscribe(std::size_t m, std::size_t w) {
        Window& window = windows[w];
        if (window.list.empty()) {
            if (!window.alive) {
                return;  // gone: its procedure cannot be replaced
            }
            order.push_back(w);
        }
        if (!Listed(m, w)) {
            window.list.emplace_back(m, ++m_lastEntry);
        }
        m_pending[m][w] = false;
    }

    void Release(std::size_t m, std::size_t w) {
        if (m_depth[m][w] > 0) {
            m_pending[m][w] = true;
            return;
        }
        auto& list = windows[w].list;
        const auto found = std::find_if(list.begin(), list.end(),
                                        [&](const auto& entry) { return entry.first == m; });
        if (found == list.end()) {
            return;
        }
        list.erase(found);
        if (list.empty()) {
            std::erase(order, w);
        }
    }

    void ReleaseAll(std::size_t m) {
        for (std::size_t w = 0; w < kWindows; ++w) {
            if (Listed(m, w)) {
                Release(m, w);
            }
        }
    }

    LRESULT Send(std::size_t w, UINT message, WPARAM wParam, LPARAM lParam, const Script* script) {
        return windows[w].alive ? Deliver(w, message, wParam, lParam, script) : 0;
    }

    void Post(std::size_t w, WPARAM wParam, LPARAM lParam, const Script& script) {
        m_queue.push_back(Posted{w, wParam, lParam, script});
    }

    void LetPostedRun() {
        while (!m_queue.empty()) {
            const Posted posted = m_queue.front();
            m_queue.pop_front();
            Send(posted.window, WM_PING, posted.wParam, posted.lParam, &posted.script);
        }
    }

    void Destroy(std::size_t w, const Script* script) {
        Window& window = windows[w];
        if (!window.alive || window.destroying) {
            return;
        }
        window.destroying = true;
        Deliver(w, WM_DESTROY, 0, 0, script);
        Deliver(w, WM_NCDESTROY, 0, 0, nullptr);
        window.alive = false;
        window.destroying = false;
        std::erase_if(m_queue, [&](const Posted& posted) { return posted.window == w; });
    }

    // Between operations no message is in progress anywhere.
    bool AtRest() const {
        for (std::size_t m = 0; m < kManagers; ++m) {
            for (std::size_t w = 0; w < kWindows; ++w) {
                if (m_depth[m][w] != 0 || m_pending[m][w]) {
                    return false;
                }
            }
        }
        return true;
    }

  private:
    struct Posted {
        std::size_t window;
        WPARAM wParam;
        LPARAM lParam;
        Script script;
    };

    bool HasEntry(std::size_t w, int entry) const {
        const auto& list = windows[w].list;
        return std::any_of(list.begin(), list.end(),
                           [&](const auto& listed) { return listed.second == entry; });
    }

    LRESULT Deliver(std::size_t w, UINT message, WPARAM wParam, LPARAM lParam,
                    const Script* script) {
        if (windows[w].list.empty()) {
            seen.push_back(Seen{'P', kNobody, w, message, wParam, lParam, 0});
            return WindowAnswer(message, wParam, lParam);
        }
        // Those listed at the start see the message in turn, unless they left.
        const auto seeing = windows[w].list;
        std::vector<std::size_t> saw;
        bool handled = false;
        LRESULT result = 0;
        for (const auto& [m, entry] : seeing) {
            if (!HasEntry(w, entry)) {
                continue;
            }
            saw.push_back(m);
            ++m_depth[m][w];
            if (message == WM_DESTROY) {
                Release(m, w);
            }
            seen.push_back(Seen{'B', m, w, message, wParam, lParam, 0});
            if (script != nullptr && script->actor == m && !script->afterwards) {
                Perform(*this, m, w, wParam, *script);
            }
            const std::size_t swallower = script != nullptr      ? script->swallower
                                          : message == WM_NESTED ? NestedSwallower(wParam)
                                                                 : kNobody;
            if (swallower == m) {
                handled = true;
                result = SwallowAnswer(m);
                break;
            }
        }
        if (!handled) {
            seen.push_back(Seen{'P', kNobody, w, message, wParam, lParam, 0});
            result = WindowAnswer(message, wParam, lParam);
        }
        // Those listed now hear the answer, even if they leave meanwhile.
        const auto hearing = windows[w].list;
        for (const auto& [m, entry] : hearing) {
            seen.push_back(Seen{'A', m, w, message, wParam, lParam, result});
            if (script != nullptr && script->actor == m && script->afterwards) {
                Perform(*this, m, w, wParam, *script);
            }
            const auto sawIt = std::find(saw.begin(), saw.end(), m);
            if (sawIt == saw.end()) {
                continue;  // an answer without the message leaves the depth alone
            }
            saw.erase(sawIt);
            if (--m_depth[m][w] == 0 && m_pending[m][w]) {
                m_pending[m][w] = false;
                Release(m, w);
            }
        }
        return result;
    }

    std::array<std::array<int, kWindows>, kManagers> m_depth{};
    std::array<std::array<bool, kWindows>, kManagers> m_pending{};
    std::deque<Posted> m_queue;
    int m_lastEntry = 0;
};

// The real thing: managers whose handlers trace and follow the scripts.
class Harness {
  public:
    static Harness* s_current;

    std::vector<Seen> seen;
    std::array<std::shared_ptr<WindowProcMgr>, kManagers> managers;
    std::array<HWND, kWindows> hwnds{};
    std::map<HWND, std::size_t> slots;  // every window made, to its slot

    Harness() {
        s_current = this;
        for (std::size_t m = 0; m < kManagers; ++m) {
            managers[m] = WindowProcMgr::Create();
            managers[m]->OnMessage.Connect([this, m](HWND hwnd, UINT message, WPARAM wParam,
                                                     LPARAM lParam, bool& handled,
                                                     LRESULT& answer) {
                if (!Tracked(message)) {
                    return;
                }
                seen.push_back(Seen{'B', m, slots.at(hwnd), message, wParam, lParam, 0});
                if (message == WM_NESTED && NestedSwallower(wParam) == m) {
                    handled = true;
                    answer = SwallowAnswer(m);
                }
                Act(m, hwnd, message, wParam, false, &handled, &answer);
            });
            managers[m]->OnMessageProcessed.Connect([this, m](HWND hwnd, UINT message,
                                                              WPARAM wParam, LPARAM lParam,
                                                              LRESULT answer) {
                if (Tracked(message)) {
                    seen.push_back(Seen{'A', m, slots.at(hwnd), message, wParam, lParam, answer});
                    Act(m, hwnd, message, wParam, true, nullptr, nullptr);
                }
            });
        }
    }

    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    ~Harness() {
        for (const auto& manager : managers) {
            manager->UnSubclassAll();
        }
        s_current = nullptr;
    }

    void Expect(HWND hwnd, UINT message, WPARAM wParam, const Script& script) {
        m_scripts.push_back(Scripted{hwnd, message, wParam, script, 0});
    }
    void Forget(HWND hwnd, UINT message, WPARAM wParam) {
        std::erase_if(m_scripts, [&](const Scripted& s) {
            return s.hwnd == hwnd && s.message == message && s.wParam == wParam;
        });
    }
    void ForgetAll() { m_scripts.clear(); }

    // The verbs of the model, on the real managers and windows.
    void Subscribe(std::size_t m, HWND hwnd) { managers[m]->Subclass(hwnd); }
    void Release(std::size_t m, HWND hwnd) { managers[m]->UnSubclass(hwnd); }
    void ReleaseAll(std::size_t m) { managers[m]->UnSubclassAll(); }
    void Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const Script*) {
        SendMessageA(hwnd, message, wParam, lParam);
    }
    void Destroy(HWND hwnd, const Script*) { DestroyWindow(hwnd); }

  private:
    struct Scripted {
        HWND hwnd;
        UINT message;
        WPARAM wParam;
        Script script;
        std::uint64_t delivery;  // the message it belongs to, once seen
    };

    void Act(std::size_t m, HWND hwnd, UINT message, WPARAM wParam, bool afterwards, bool* handled,
             LRESULT* answer) {
        const auto found = std::find_if(m_scripts.begin(), m_scripts.end(), [&](const auto& s) {
            return s.hwnd == hwnd && s.message == message && s.wParam == wParam;
        });
        if (found == m_scripts.end()) {
            return;
        }
        const std::uint64_t delivery = modWindowProcMgr::CurrentMessage();
        if (found->delivery == 0) {
            found->delivery = delivery;
        }
        if (found->delivery != delivery) {
            return;
        }
        const Script script = found->script;
        if (script.actor == m && script.afterwards == afterwards) {
            Perform(*this, m, hwnd, wParam, script);
        }
        if (!afterwards && script.swallower == m) {
            *handled = true;
            *answer = SwallowAnswer(m);
        }
    }

    std::vector<Scripted> m_scripts;
};

Harness* Harness::s_current = nullptr;

LRESULT ZV_CALLBACK ModelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Tracked(message)) {
        Harness& harness = *Harness::s_current;
        harness.seen.push_back(
            Seen{'P', kNobody, harness.slots.at(hwnd), message, wParam, lParam, 0});
    }
    return message >= WM_USER ? WindowAnswer(message, wParam, lParam)
                              : DefWindowProcA(hwnd, message, wParam, lParam);
}

class ModelRun : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        WNDCLASSA model;
        model.lpfnWndProc = ModelWindowProc;
        model.lpszClassName = kModelClass;
        RegisterClassA(&model);
    }
};

class Random {
  public:
    explicit Random(std::uint32_t start) : m_engine(start) {}
    std::size_t Below(std::size_t count) { return m_engine() % count; }
    bool Chance(std::size_t percent) { return Below(100) < percent; }

  private:
    std::mt19937 m_engine;
};

Script RandomScript(Random& random) {
    Script script;
    if (random.Chance(30)) {
        script.swallower = random.Below(kManagers);
    }
    if (random.Chance(60)) {
        script.actor = random.Below(kManagers);
        // Destroying ends a window's story: keep it rare.
        constexpr std::array kActions = {
            Action::ReleaseSelf,     Action::ReleaseSelf,     Action::ReleaseSelf,
            Action::ReleaseTarget,   Action::ReleaseTarget,   Action::ReleaseTarget,
            Action::SubscribeTarget, Action::SubscribeTarget, Action::SubscribeTarget,
            Action::SubscribeTarget, Action::ReleaseAll,      Action::SendNested,
            Action::SendNested,      Action::SendNested,      Action::Destroy,
        };
        script.action = kActions[random.Below(kActions.size())];
        script.afterwards = random.Chance(40);
        script.target = random.Below(kManagers);
    }
    return script;
}

enum class Pick { AnySlot, LiveWindow, WindowOfManager };

// Most operations go to live windows, and most releases to a window of the
// manager, so that windows keep several managers and dead ones do not pile up.
std::size_t PickWindow(Random& random, const Model& model, Pick pick, std::size_t manager) {
    std::vector<std::size_t> candidates;
    for (std::size_t w = 0; w < kWindows; ++w) {
        if (pick == Pick::WindowOfManager ? model.Listed(manager, w) : model.windows[w].alive) {
            candidates.push_back(w);
        }
    }
    if (pick == Pick::AnySlot || candidates.empty() || random.Chance(15)) {
        return random.Below(kWindows);
    }
    return candidates[random.Below(candidates.size())];
}

TEST_F(ModelRun, RandomOperationsMatchTheModel) {
    Harness real;
    Model model;
    Random random(kRandomStart);
    const LONG subclassed = WndProcToLong(&modWindowProcMgr::SubclassedWindowProc);
    const LONG own = WndProcToLong(&ModelWindowProc);
    std::vector<LRESULT> answers;
    std::vector<LRESULT> expectedAnswers;
    std::vector<HWND> listed;
    Collection<std::int32_t> registry;
    std::vector<LONG> slotValues;
    std::vector<LONG> expectedSlotValues;

    for (int op = 0; op < kOperations; ++op) {
        const char* what = "";  // named for a failure report
        const std::size_t kind = random.Below(100);
        const std::size_t m = random.Below(kManagers);
        const Pick pick = kind < 6                    ? Pick::AnySlot
                          : (kind >= 33 && kind < 37) ? Pick::WindowOfManager
                                                      : Pick::LiveWindow;
        const std::size_t w = PickWindow(random, model, pick, m);
        const HWND hwnd = real.hwnds[w];
        const bool alive = model.windows[w].alive;
        answers.clear();
        expectedAnswers.clear();

        if (kind < 6) {
            Model::Window& slot = model.windows[w];
            if (slot.alive || !slot.list.empty()) {
                continue;  // the slot is taken
            }
            what = "create";
            real.hwnds[w] =
                CreateWindowExA(0, kModelClass, "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
            real.slots[real.hwnds[w]] = w;
            model.Create(w);
        } else if (kind < 8) {
            if (!alive) {
                continue;
            }
            Script script = RandomScript(random);
            if (script.action == Action::Destroy) {
                // Destroying a window again from inside its own WM_DESTROY is
                // left out: Wine sends WM_DESTROY again, nested, where the
                // headless backend ignores the call; which is right is open.
                script.action = Action::SendNested;
            }
            what = "destroy";
            real.Expect(hwnd, WM_DESTROY, 0, script);
            DestroyWindow(hwnd);
            real.Forget(hwnd, WM_DESTROY, 0);
            model.Destroy(w, &script);
        } else if (kind < 33) {
            what = "subclass";
            real.Subscribe(m, hwnd);
            if (model.windows[w].exists) {
                model.Subscribe(m, w);
            }
        } else if (kind < 37) {
            what = "release";
            real.Release(m, hwnd);
            if (model.windows[w].exists) {
                model.Release(m, w);
            }
        } else if (kind < 38) {
            what = "release all";
            real.ReleaseAll(m);
            model.ReleaseAll(m);
        } else if (kind < 88) {
            // Sent to any window that was made, posted only to a live one.
            const bool send = kind < 75;
            if (send ? !model.windows[w].exists : !alive) {
                continue;
            }
            const Script script = RandomScript(random);
            const auto wParam = static_cast<WPARAM>(op);
            const auto lParam = static_cast<LPARAM>(random.Below(5));
            what = send ? "send" : "post";
            real.Expect(hwnd, WM_PING, wParam, script);
            if (send) {
                answers.push_back(SendMessageA(hwnd, WM_PING, wParam, lParam));
                real.Forget(hwnd, WM_PING, wParam);
                expectedAnswers.push_back(model.Send(w, WM_PING, wParam, lParam, &script));
            } else {
                PostMessageA(hwnd, WM_PING, wParam, lParam);
                model.Post(w, wParam, lParam, script);
            }
        } else {
            what = "let posted messages run";
            LetPendingMessagesRun();
            real.ForgetAll();
            model.LetPostedRun();
        }

        listed.clear();
        for (std::size_t slot : model.order) {
            listed.push_back(real.hwnds[slot]);
        }
        registry.Clear();
        WindowProcMgr::AnySubclassedWindowsRemaining(&registry);
        slotValues.clear();
        expectedSlotValues.clear();
        for (std::size_t slot = 0; slot < kWindows; ++slot) {
            if (model.windows[slot].alive) {
                slotValues.push_back(GetWindowLongA(real.hwnds[slot], GWL_WNDPROC));
                expectedSlotValues.push_back(model.windows[slot].list.empty() ? own : subclassed);
            }
        }
        const bool same =
            real.seen == model.seen && answers == expectedAnswers &&
            std::equal(registry.begin(), registry.end(), listed.begin(), listed.end()) &&
            slotValues == expectedSlotValues && model.AtRest();
        ASSERT_TRUE(same) << "random start value " << kRandomStart << ", operation " << op << ": "
                          << what << " (mgr" << m << ", w" << w
                          << ")\n  expected:" << Describe(model.seen)
                          << "\n  actual:" << Describe(real.seen) << "\n  registry "
                          << registry.Count() << " windows, " << listed.size() << " expected"
                          << (slotValues == expectedSlotValues ? "" : "; procedure slots differ")
                          << (answers == expectedAnswers ? "" : "; answers differ")
                          << (model.AtRest() ? "" : "; the model is not at rest");
        real.seen.clear();
        model.seen.clear();
    }

    // Every manager letting go leaves no window subclassed, dead ones included.
    for (const auto& manager : real.managers) {
        manager->UnSubclassAll();
    }
    EXPECT_FALSE(WindowProcMgr::AnySubclassedWindowsRemaining());
}

}  // namespace
}  // namespace zv::test
