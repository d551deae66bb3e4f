#pragma once

// Message-sequence testing: windows of the recording class log every message
// that reaches their procedure; a test names the windows by role and compares
// the log with a table of expected messages named after the operation.

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/win/WinApi.h"

namespace zv::test {

// How a logged message arrived.
enum class Arrival {
    Sent,    // called directly: sent, or passed on by a procedure
    Posted,  // taken from the queue and dispatched by MessageLog::Dispatch
    Hook,    // seen by a message hook as its thread took it from the queue
};

struct LoggedMessage {
    win::HWND hwnd;
    win::UINT message;
    win::WPARAM wParam;
    win::LPARAM lParam;
    bool viaDefProc = false;  // sent while the window's default procedure ran
    Arrival arrival = Arrival::Sent;
};

// What of an expected entry is compared besides the window and the message.
enum MessageCheck : unsigned {
    kAnyParams = 0,
    kWParam = 1,
    kLParam = 2,
    kBothParams = kWParam | kLParam,
    kOptional = 4,  // may be missing (platform version noise)
    kDefProc = 8,   // arrives from inside the window's own default procedure
    kPosted = 16,   // arrives from the queue, dispatched
    kHook = 32,     // what a message hook saw; only such entries match hook entries
};

struct ExpectedMessage {
    const char* role;
    win::UINT message;
    unsigned checks = kAnyParams;
    win::WPARAM wParam = 0;
    win::LPARAM lParam = 0;
};

// A message's name as failure reports show it: WM_... for those the suites
// meet, WM_USER+n, or the number.
std::string MessageName(win::UINT message);

// The class name of recording windows.
inline constexpr const char* kRecorderClass = "ZvRecorder";

class MessageLog {
  public:
    // The log of the running test; recording windows write to it.
    static MessageLog& Current();

    // Registers the recording class (once per desktop) and empties the log.
    void Start();
    void Clear() { m_messages.clear(); }
    void Record(const LoggedMessage& message) { m_messages.push_back(message); }

    // Logs a message that reaches a recording procedure. The message that
    // Dispatch is dispatching, when it arrives at the level of the dispatch,
    // is marked as posted.
    void RecordArrival(win::HWND hwnd, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    // DispatchMessageA, with the dispatched message marked in the log.
    win::LRESULT Dispatch(const win::MSG& msg);

    // Dispatches what the calling thread's queue holds, up to WM_QUIT (which
    // stays posted). Returns how many messages were dispatched.
    int PumpPending();

    // Logs what a message hook sees.
    void RecordHook(const win::MSG& msg);

    // Names a window in the comparison and in failure reports.
    void Name(win::HWND hwnd, std::string role) { m_roles[hwnd] = std::move(role); }
    std::string RoleOf(win::HWND hwnd) const;

    const std::vector<LoggedMessage>& Messages() const { return m_messages; }

    // Whether the log matches the table; on a mismatch the result names the
    // first differing index and lists expected against actual.
    testing::AssertionResult Matches(std::span<const ExpectedMessage> expected,
                                     const char* sequenceName) const;

    // Around the recording procedure's call of the default procedure, so that
    // what the default procedure sends to the same window is marked.
    void EnterDefProc(win::HWND hwnd) { ++m_defProcDepth[hwnd]; }
    void LeaveDefProc(win::HWND hwnd) { --m_defProcDepth[hwnd]; }
    bool InDefProc(win::HWND hwnd) const;

    // Around every recording procedure call, so that nesting is known.
    void EnterProc() { ++m_procDepth; }
    void LeaveProc() { --m_procDepth; }

  private:
    std::vector<LoggedMessage> m_messages;
    std::map<win::HWND, std::string> m_roles;
    std::map<win::HWND, int> m_defProcDepth;
    int m_procDepth = 0;
    const win::MSG* m_dispatching = nullptr;
    int m_dispatchDepth = 0;
};

// The recording window procedure: logs, then hands the message to the
// platform's default procedure.
win::LRESULT ZV_CALLBACK RecorderProc(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam);

// A WH_GETMESSAGE hook procedure that logs what it sees and passes it on.
win::LRESULT ZV_CALLBACK HookRecorderProc(int code, win::WPARAM wParam, win::LPARAM lParam);

// A recording window named by role. Children get the identifier given.
win::HWND CreateRecorder(const char* role, win::DWORD style = 0, win::HWND parent = 0, int id = 0,
                         win::DWORD exStyle = 0);

}  // namespace zv::test

#define EXPECT_SEQUENCE(table) EXPECT_TRUE(::zv::test::MessageLog::Current().Matches(table, #table))

// A sequence that the headless backend is known to get wrong: the test is
// skipped with the reason while the gap stays, and fails as soon as the
// sequence matches, so that the marker cannot outlive the gap. On the Win32
// backend it is an ordinary check.
#if defined(_WIN32)
#define EXPECT_SEQUENCE_KNOWN_GAP(table, reason) EXPECT_SEQUENCE(table)
#else
#define EXPECT_SEQUENCE_KNOWN_GAP(table, reason)                                   \
    do {                                                                           \
        if (::zv::test::MessageLog::Current().Matches(table, #table)) {            \
            ADD_FAILURE() << #table << " now matches: the known gap (" << (reason) \
                          << ") is closed, so check it with EXPECT_SEQUENCE";      \
        } else {                                                                   \
            GTEST_SKIP() << "known gap of the headless backend: " << (reason);     \
        }                                                                          \
    } while (false)
#endif
