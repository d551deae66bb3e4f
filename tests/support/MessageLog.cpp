#include "MessageLog.h"

#include <sstream>

#include "platform/WinConstants.h"

namespace zv::test {

namespace {

std::string MessageName(win::UINT message) {
    static const std::map<win::UINT, const char*> kNames = {
        {win::WM_NULL, "WM_NULL"},
        {win::WM_CREATE, "WM_CREATE"},
        {win::WM_DESTROY, "WM_DESTROY"},
        {win::WM_MOVE, "WM_MOVE"},
        {win::WM_SIZE, "WM_SIZE"},
        {win::WM_SETTEXT, "WM_SETTEXT"},
        {win::WM_GETTEXT, "WM_GETTEXT"},
        {win::WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
        {win::WM_CLOSE, "WM_CLOSE"},
        {win::WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {win::WM_STYLECHANGING, "WM_STYLECHANGING"},
        {win::WM_STYLECHANGED, "WM_STYLECHANGED"},
        {win::WM_NCCREATE, "WM_NCCREATE"},
        {win::WM_NCDESTROY, "WM_NCDESTROY"},
        {win::WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {win::WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
    };
    const auto found = kNames.find(message);
    if (found != kNames.end()) {
        return found->second;
    }
    std::ostringstream text;
    text << "0x" << std::hex << message;
    return text.str();
}

bool SameMessage(const MessageLog& log, const ExpectedMessage& expected,
                 const LoggedMessage& actual) {
    return log.RoleOf(actual.hwnd) == expected.role && actual.message == expected.message &&
           ((expected.checks & kWParam) == 0 || actual.wParam == expected.wParam) &&
           ((expected.checks & kLParam) == 0 || actual.lParam == expected.lParam);
}

std::string Describe(const ExpectedMessage& expected) {
    std::ostringstream text;
    text << expected.role << " " << MessageName(expected.message);
    if ((expected.checks & kWParam) != 0) {
        text << " wParam=" << expected.wParam;
    }
    if ((expected.checks & kLParam) != 0) {
        text << " lParam=" << expected.lParam;
    }
    if ((expected.checks & kOptional) != 0) {
        text << " (optional)";
    }
    return text.str();
}

std::string Describe(const MessageLog& log, const LoggedMessage& actual) {
    std::ostringstream text;
    text << log.RoleOf(actual.hwnd) << " " << MessageName(actual.message)
         << " wParam=" << actual.wParam << " lParam=" << actual.lParam;
    return text.str();
}

std::string Dump(const MessageLog& log, std::span<const ExpectedMessage> expected) {
    std::ostringstream text;
    text << "\n  expected:";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        text << "\n    " << i << ": " << Describe(expected[i]);
    }
    text << "\n  actual:";
    for (std::size_t i = 0; i < log.Messages().size(); ++i) {
        text << "\n    " << i << ": " << Describe(log, log.Messages()[i]);
    }
    return text.str();
}

}  // namespace

MessageLog& MessageLog::Current() {
    static MessageLog log;
    return log;
}

void MessageLog::Start() {
    win::WNDCLASSA recorder;
    recorder.lpfnWndProc = RecorderProc;
    recorder.lpszClassName = kRecorderClass;
    win::RegisterClassA(&recorder);  // fails harmlessly when it exists
    m_messages.clear();
    m_roles.clear();
}

std::string MessageLog::RoleOf(win::HWND hwnd) const {
    const auto found = m_roles.find(hwnd);
    return found != m_roles.end() ? found->second : "hwnd " + std::to_string(hwnd);
}

testing::AssertionResult MessageLog::Matches(std::span<const ExpectedMessage> expected,
                                             const char* sequenceName) const {
    std::size_t at = 0;
    for (std::size_t e = 0; e < expected.size(); ++e) {
        if (at < m_messages.size() && SameMessage(*this, expected[e], m_messages[at])) {
            ++at;
        } else if ((expected[e].checks & kOptional) == 0) {
            return testing::AssertionFailure()
                   << sequenceName << ": expected entry " << e << " (" << Describe(expected[e])
                   << ") differs at message " << at << Dump(*this, expected);
        }
    }
    if (at != m_messages.size()) {
        return testing::AssertionFailure() << sequenceName << ": unexpected messages from index "
                                           << at << Dump(*this, expected);
    }
    return testing::AssertionSuccess();
}

win::LRESULT ZV_CALLBACK RecorderProc(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam) {
    MessageLog::Current().Record({hwnd, message, wParam, lParam});
    return win::DefWindowProcA(hwnd, message, wParam, lParam);
}

win::HWND CreateRecorder(const char* role, win::DWORD style, win::HWND parent, int id,
                         win::DWORD exStyle) {
    const win::HWND hwnd = win::CreateWindowExA(exStyle, kRecorderClass, role, style, 10, 20, 100,
                                                50, parent, id, 0, nullptr);
    MessageLog::Current().Name(hwnd, role);
    return hwnd;
}

}  // namespace zv::test
