#include "MessageLog.h"

#include <sstream>

#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

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
        {win::WM_NCPAINT, "WM_NCPAINT"},
        {win::WM_ERASEBKGND, "WM_ERASEBKGND"},
        {win::WM_PAINT, "WM_PAINT"},
        {win::WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {win::WM_ACTIVATE, "WM_ACTIVATE"},
        {win::WM_SETFOCUS, "WM_SETFOCUS"},
        {win::WM_KILLFOCUS, "WM_KILLFOCUS"},
        {win::WM_ENABLE, "WM_ENABLE"},
        {win::WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {win::WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
        {win::WM_CANCELMODE, "WM_CANCELMODE"},
        {win::WM_SETCURSOR, "WM_SETCURSOR"},
        {win::WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {win::WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
        {win::WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {win::WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {win::WM_NCHITTEST, "WM_NCHITTEST"},
        {win::WM_NCACTIVATE, "WM_NCACTIVATE"},
        {win::WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
        {win::WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {win::WM_KEYDOWN, "WM_KEYDOWN"},
        {win::WM_KEYUP, "WM_KEYUP"},
        {win::WM_CHAR, "WM_CHAR"},
        {win::WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {win::WM_TIMER, "WM_TIMER"},
        {win::WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {win::WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {win::WM_LBUTTONUP, "WM_LBUTTONUP"},
        {win::WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {win::WM_RBUTTONUP, "WM_RBUTTONUP"},
        {win::WM_SIZING, "WM_SIZING"},
        {win::WM_MOVING, "WM_MOVING"},
        {win::WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {win::WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
        {win::WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
    };
    const auto found = kNames.find(message);
    if (found != kNames.end()) {
        return found->second;
    }
    std::ostringstream text;
    text << "0x" << std::hex << message;
    return text.str();
}

bool SameArrival(const ExpectedMessage& expected, const LoggedMessage& actual) {
    return ((expected.checks & kHook) != 0) == (actual.arrival == Arrival::Hook) &&
           ((expected.checks & kPosted) == 0 || actual.arrival == Arrival::Posted) &&
           ((expected.checks & kDefProc) == 0 || actual.viaDefProc);
}

bool SameMessage(const MessageLog& log, const ExpectedMessage& expected,
                 const LoggedMessage& actual) {
    return log.RoleOf(actual.hwnd) == expected.role && actual.message == expected.message &&
           ((expected.checks & kWParam) == 0 || actual.wParam == expected.wParam) &&
           ((expected.checks & kLParam) == 0 || actual.lParam == expected.lParam) &&
           SameArrival(expected, actual);
}

const char* ArrivalText(const LoggedMessage& actual) {
    switch (actual.arrival) {
        case Arrival::Posted:
            return " (posted)";
        case Arrival::Hook:
            return " (seen by a hook)";
        case Arrival::Sent:
            break;
    }
    return "";
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
    if ((expected.checks & kDefProc) != 0) {
        text << " (from the default procedure)";
    }
    if ((expected.checks & kPosted) != 0) {
        text << " (posted)";
    }
    if ((expected.checks & kHook) != 0) {
        text << " (seen by a hook)";
    }
    if ((expected.checks & kOptional) != 0) {
        text << " (optional)";
    }
    return text.str();
}

std::string Describe(const MessageLog& log, const LoggedMessage& actual) {
    std::ostringstream text;
    text << log.RoleOf(actual.hwnd) << " " << MessageName(actual.message)
         << " wParam=" << actual.wParam << " lParam=" << actual.lParam
         << (actual.viaDefProc ? " (from the default procedure)" : "") << ArrivalText(actual);
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
    m_defProcDepth.clear();
    m_procDepth = 0;
    m_dispatching = nullptr;
}

namespace {

// What the platform sends on the side of activation and showing (icons,
// palettes, input methods), which no sequence here is about; left out of the
// log, as the platform's own conformance suites do.
bool IsSideMessage(win::UINT message) {
    constexpr win::UINT kGetIcon = 0x007F;
    constexpr win::UINT kQueryNewPalette = 0x030F;
    constexpr win::UINT kImeSetContext = 0x0281;
    constexpr win::UINT kImeNotify = 0x0282;
    return message == kGetIcon || message == kQueryNewPalette || message == kImeSetContext ||
           message == kImeNotify;
}

}  // namespace

void MessageLog::RecordArrival(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                               win::LPARAM lParam) {
    if (IsSideMessage(message)) {
        return;
    }
    const bool dispatched = m_dispatching != nullptr && m_procDepth == m_dispatchDepth + 1 &&
                            m_dispatching->hwnd == hwnd && m_dispatching->message == message &&
                            m_dispatching->wParam == wParam && m_dispatching->lParam == lParam;
    Record({hwnd, message, wParam, lParam, InDefProc(hwnd),
            dispatched ? Arrival::Posted : Arrival::Sent});
}

win::LRESULT MessageLog::Dispatch(const win::MSG& msg) {
    const win::MSG* outer = m_dispatching;
    const int outerDepth = m_dispatchDepth;
    m_dispatching = &msg;
    m_dispatchDepth = m_procDepth;
    const win::LRESULT result = win::DispatchMessageA(&msg);
    m_dispatching = outer;
    m_dispatchDepth = outerDepth;
    return result;
}

int MessageLog::PumpPending() {
    int dispatched = 0;
    win::MSG msg;
    while (win::PeekMessageA(&msg, 0, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) {
            win::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Dispatch(msg);
        ++dispatched;
    }
    return dispatched;
}

void MessageLog::RecordHook(const win::MSG& msg) {
    Record({msg.hwnd, msg.message, msg.wParam, msg.lParam, false, Arrival::Hook});
}

bool MessageLog::InDefProc(win::HWND hwnd) const {
    const auto found = m_defProcDepth.find(hwnd);
    return found != m_defProcDepth.end() && found->second > 0;
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
    MessageLog& log = MessageLog::Current();
    log.EnterProc();
    log.RecordArrival(hwnd, message, wParam, lParam);
    log.EnterDefProc(hwnd);
    const win::LRESULT result = win::DefWindowProcA(hwnd, message, wParam, lParam);
    log.LeaveDefProc(hwnd);
    log.LeaveProc();
    return result;
}

win::LRESULT ZV_CALLBACK HookRecorderProc(int code, win::WPARAM wParam, win::LPARAM lParam) {
    if (code == win::HC_ACTION) {
        MessageLog::Current().RecordHook(*reinterpret_cast<const win::MSG*>(lParam));
    }
    return win::CallNextHookEx(0, code, wParam, lParam);
}

win::HWND CreateRecorder(const char* role, win::DWORD style, win::HWND parent, int id,
                         win::DWORD exStyle) {
    const win::HWND hwnd = win::CreateWindowExA(exStyle, kRecorderClass, role, style, 10, 20, 100,
                                                50, parent, id, 0, nullptr);
    MessageLog::Current().Name(hwnd, role);
    return hwnd;
}

}  // namespace zv::test
