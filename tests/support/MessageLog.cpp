#include "MessageLog.h"

#include <sstream>

#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {

#define ZV_NAMED(message) \
    { win::message, #message }

std::string MessageName(win::UINT message) {
    static const auto kNames = [] {
        std::map<win::UINT, const char*> names;
        names.insert({ZV_NAMED(WM_NULL), ZV_NAMED(WM_CREATE), ZV_NAMED(WM_DESTROY),
                      ZV_NAMED(WM_MOVE), ZV_NAMED(WM_SIZE), ZV_NAMED(WM_SETTEXT),
                      ZV_NAMED(WM_GETTEXT), ZV_NAMED(WM_GETTEXTLENGTH), ZV_NAMED(WM_CLOSE),
                      ZV_NAMED(WM_GETMINMAXINFO), ZV_NAMED(WM_STYLECHANGING),
                      ZV_NAMED(WM_STYLECHANGED), ZV_NAMED(WM_NCCREATE), ZV_NAMED(WM_NCDESTROY),
                      ZV_NAMED(WM_NCCALCSIZE), ZV_NAMED(WM_NCPAINT), ZV_NAMED(WM_ERASEBKGND)});
        names.insert({ZV_NAMED(WM_PAINT), ZV_NAMED(WM_PARENTNOTIFY), ZV_NAMED(WM_ACTIVATE),
                      ZV_NAMED(WM_SETFOCUS), ZV_NAMED(WM_KILLFOCUS), ZV_NAMED(WM_ENABLE),
                      ZV_NAMED(WM_SHOWWINDOW), ZV_NAMED(WM_ACTIVATEAPP), ZV_NAMED(WM_CANCELMODE),
                      ZV_NAMED(WM_SETCURSOR), ZV_NAMED(WM_MOUSEACTIVATE),
                      ZV_NAMED(WM_CHILDACTIVATE), ZV_NAMED(WM_WINDOWPOSCHANGING),
                      ZV_NAMED(WM_WINDOWPOSCHANGED), ZV_NAMED(WM_NCHITTEST),
                      ZV_NAMED(WM_NCACTIVATE), ZV_NAMED(WM_NCMOUSEMOVE)});
        names.insert({ZV_NAMED(WM_NCLBUTTONDOWN), ZV_NAMED(WM_KEYDOWN), ZV_NAMED(WM_KEYUP),
                      ZV_NAMED(WM_CHAR), ZV_NAMED(WM_SYSCOMMAND), ZV_NAMED(WM_TIMER),
                      ZV_NAMED(WM_MOUSEMOVE), ZV_NAMED(WM_LBUTTONDOWN), ZV_NAMED(WM_LBUTTONUP),
                      ZV_NAMED(WM_RBUTTONDOWN), ZV_NAMED(WM_RBUTTONUP), ZV_NAMED(WM_SIZING),
                      ZV_NAMED(WM_MOVING), ZV_NAMED(WM_CAPTURECHANGED), ZV_NAMED(WM_ENTERSIZEMOVE),
                      ZV_NAMED(WM_EXITSIZEMOVE)});
        return names;
    }();
    const auto found = kNames.find(message);
    if (found != kNames.end()) {
        return found->second;
    }
    if (message >= win::WM_USER) {
        return "WM_USER+" + std::to_string(message - win::WM_USER);
    }
    std::ostringstream text;
    text << "0x" << std::hex << message;
    return text.str();
}

#undef ZV_NAMED

namespace {

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
