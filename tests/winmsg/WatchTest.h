#pragma once

// Watching windows through window procedure managers. A trace records which
// manager or window saw which message, in what order and with what values;
// a test compares it with a table of expected steps.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "PlatformTest.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"
#include "winmsg/WindowProcMgr.h"

namespace zv::test {

// Where a message was seen: by a manager before the window (OnMessage, or a
// subscriber's WindowProc), by the window's own procedure, or by a manager
// afterwards with the answer (OnMessageProcessed, or WindowProcDone).
enum class Seen { Before, Proc, After };

struct Step {
    std::string who;  // the manager, or for Proc the window
    Seen seen = Seen::Proc;
    std::string window;
    win::UINT message = 0;
    win::WPARAM wParam = 0;
    win::LPARAM lParam = 0;
    win::LRESULT answer = 0;  // After only

    bool operator==(const Step&) const = default;
};

Step Msg(const std::string& who, const std::string& window, win::UINT message,
         win::WPARAM wParam = 0, win::LPARAM lParam = 0);
Step Proc(const std::string& window, win::UINT message, win::WPARAM wParam = 0,
          win::LPARAM lParam = 0);
Step Done(const std::string& who, const std::string& window, win::UINT message, win::WPARAM wParam,
          win::LPARAM lParam, win::LRESULT answer);

// A message nobody swallows: the managers see it in turn, the window's
// procedure answers it (as WatchedProc does) and the managers hear the answer.
std::vector<Step> Passes(std::initializer_list<const char*> managers, const std::string& window,
                         win::UINT message, win::WPARAM wParam = 0, win::LPARAM lParam = 0);

// The tables one after the other.
std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts);

class Trace {
  public:
    static Trace& Current();

    void Clear() { m_steps.clear(); }
    void Name(win::HWND hwnd, std::string role) { m_roles[hwnd] = std::move(role); }
    std::string RoleOf(win::HWND hwnd) const;

    void Before(const std::string& who, win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                win::LPARAM lParam);
    void Proc(win::HWND hwnd, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    void After(const std::string& who, win::HWND hwnd, win::UINT message, win::WPARAM wParam,
               win::LPARAM lParam, win::LRESULT answer);

    const std::vector<Step>& Steps() const { return m_steps; }

    // Whether the trace is exactly the table; a mismatch names the first
    // differing step and lists both.
    testing::AssertionResult Matches(std::span<const Step> expected, const char* name) const;

  private:
    std::vector<Step> m_steps;
    std::map<win::HWND, std::string> m_roles;
};

// The procedure of watched windows: traces the message, answers a user
// message with wParam + lParam and hands the rest to the default procedure.
win::LRESULT ZV_CALLBACK WatchedProc(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam);

// Runs the action in the watched windows' procedure, after it has traced
// each message; nullptr ends it.
void WhileInProc(std::function<void(win::HWND, win::UINT)> action);

// Traces the manager's events under its name.
void TraceEvents(const std::shared_ptr<WindowProcMgr>& manager, const std::string& name);

// Runs the action when the manager sees a message of that number, or when it
// hears its answer.
void WhenSeen(const std::shared_ptr<WindowProcMgr>& manager, win::UINT message,
              std::function<void(win::HWND)> action);
void WhenAnswered(const std::shared_ptr<WindowProcMgr>& manager, win::UINT message,
                  std::function<void(win::HWND)> action);

// Makes the manager swallow every message of that number with the answer.
void Swallow(const std::shared_ptr<WindowProcMgr>& manager, win::UINT message, win::LRESULT answer);

class WatchTest : public PlatformTest {
  protected:
    void SetUp() override;
    // Releases the windows of every manager made by Watch and checks that
    // the registry is empty then.
    void TearDown() override;

    // A window of the watched class, named by role; the trace starts empty
    // after it.
    win::HWND CreateWatched(const char* role, win::DWORD style = win::WS_POPUP,
                            win::HWND parent = 0, int id = 0);

    // A manager traced under its name, released at the end of the test.
    std::shared_ptr<WindowProcMgr> Watch(const std::string& name);

    // A manager as Watch makes it, subclassing the window.
    std::shared_ptr<WindowProcMgr> WatchOn(win::HWND hwnd, const std::string& name);

    // "mgr1" and "mgr2", subclassing the window in that order.
    std::pair<std::shared_ptr<WindowProcMgr>, std::shared_ptr<WindowProcMgr>> WatchTwice(
        win::HWND hwnd);

    // Procedure slot values: the registry's, and the watched class's own.
    static win::LONG Subclassed();
    static win::LONG Own();
    static win::LONG SlotOf(win::HWND hwnd);

    static std::vector<win::HWND> RegistryWindows();

  private:
    std::vector<std::shared_ptr<WindowProcMgr>> m_managers;
};

}  // namespace zv::test

#define EXPECT_TRACE(table) EXPECT_TRUE(::zv::test::Trace::Current().Matches(table, #table))
