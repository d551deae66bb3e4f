#pragma once

// Message-sequence testing: windows of the recording class log every message
// that reaches their procedure; a test names the windows by role and compares
// the log with a table of expected messages named after the operation.

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/WinApi.h"

namespace zv::test {

struct LoggedMessage {
    win::HWND hwnd;
    win::UINT message;
    win::WPARAM wParam;
    win::LPARAM lParam;
    bool viaDefProc = false;  // sent while the window's default procedure ran
};

// What of an expected entry is compared besides the window and the message.
enum MessageCheck : unsigned {
    kAnyParams = 0,
    kWParam = 1,
    kLParam = 2,
    kBothParams = kWParam | kLParam,
    kOptional = 4,  // may be missing (platform version noise)
    kDefProc = 8,   // arrives from inside the window's own default procedure
};

struct ExpectedMessage {
    const char* role;
    win::UINT message;
    unsigned checks = kAnyParams;
    win::WPARAM wParam = 0;
    win::LPARAM lParam = 0;
};

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

  private:
    std::vector<LoggedMessage> m_messages;
    std::map<win::HWND, std::string> m_roles;
    std::map<win::HWND, int> m_defProcDepth;
};

// The recording window procedure: logs, then hands the message to the
// platform's default procedure.
win::LRESULT ZV_CALLBACK RecorderProc(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam);

// A recording window named by role. Children get the identifier given.
win::HWND CreateRecorder(const char* role, win::DWORD style = 0, win::HWND parent = 0, int id = 0,
                         win::DWORD exStyle = 0);

}  // namespace zv::test

#define EXPECT_SEQUENCE(table) EXPECT_TRUE(::zv::test::MessageLog::Current().Matches(table, #table))
