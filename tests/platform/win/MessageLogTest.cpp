// The message-sequence harness itself: what it accepts, and what it reports
// when a sequence differs.

#include <gtest/gtest-spi.h>

#include <array>

#include "PlatformTest.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class MessageLogHarness : public PlatformTest {};

TEST_F(MessageLogHarness, OptionalEntriesMayBeMissing) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    SendMessageA(hwnd, WM_USER, 1, 2);
    const std::array WithOptionalSeq = {
        ExpectedMessage{"window", WM_NULL, kOptional},
        ExpectedMessage{"window", WM_USER, kBothParams, 1, 2},
        ExpectedMessage{"window", WM_USER + 1, kOptional},
    };
    EXPECT_TRUE(MessageLog::Current().Matches(WithOptionalSeq, "WithOptionalSeq"));
}

TEST_F(MessageLogHarness, AMismatchNamesTheIndexAndDumpsBothSides) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    SendMessageA(hwnd, WM_USER, 1, 2);
    const std::array WrongParamSeq = {ExpectedMessage{"window", WM_USER, kWParam, 9}};

    const auto result = MessageLog::Current().Matches(WrongParamSeq, "WrongParamSeq");

    ASSERT_FALSE(result);
    const std::string report = result.message();
    EXPECT_NE(report.find("WrongParamSeq: expected entry 0"), std::string::npos) << report;
    EXPECT_NE(report.find("expected:\n    0: window WM_USER+0 wParam=9"), std::string::npos)
        << report;
    EXPECT_NE(report.find("actual:\n    0: window WM_USER+0 wParam=1 lParam=2"), std::string::npos)
        << report;
}

TEST_F(MessageLogHarness, ExtraMessagesAreReported) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    SendMessageA(hwnd, WM_USER, 0, 0);
    SendMessageA(hwnd, WM_USER, 0, 0);
    const std::array OneSeq = {ExpectedMessage{"window", WM_USER}};
    const auto result = MessageLog::Current().Matches(OneSeq, "OneSeq");
    ASSERT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("unexpected messages from index 1"),
              std::string::npos);
}

TEST_F(MessageLogHarness, MessagesFromTheDefaultProcedureAreMarked) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    MoveWindow(hwnd, 0, 0, 100, 50, TRUE);  // WM_MOVE comes from WM_WINDOWPOSCHANGED
    const std::array NotFromDefProcSeq = {
        ExpectedMessage{"window", WM_WINDOWPOSCHANGING, kDefProc},
        ExpectedMessage{"window", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"window", WM_MOVE},
    };
    EXPECT_FALSE(MessageLog::Current().Matches(NotFromDefProcSeq, "NotFromDefProcSeq"));
    const std::array FromDefProcSeq = {
        ExpectedMessage{"window", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"window", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"window", WM_MOVE, kDefProc},
    };
    EXPECT_SEQUENCE(FromDefProcSeq);
}

TEST_F(MessageLogHarness, PostedMessagesAreMarkedButWhatTheySendIsNot) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    PostMessageA(hwnd, WM_USER, 1, 2);
    SendMessageA(hwnd, WM_USER, 1, 2);
    EXPECT_EQ(MessageLog::Current().PumpPending(), 1);
    // Posted, then sent from inside the posted one: only the first is marked.
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    MessageLog::Current().PumpPending();

    const std::array SentThenPostedSeq = {
        ExpectedMessage{"window", WM_USER, kBothParams, 1, 2},
        ExpectedMessage{"window", WM_USER, kBothParams | kPosted, 1, 2},
        ExpectedMessage{"window", WM_CLOSE, kPosted},
        ExpectedMessage{"window", WM_WINDOWPOSCHANGING, kOptional},
        ExpectedMessage{"window", WM_DESTROY},
        ExpectedMessage{"window", WM_NCDESTROY},
    };
    EXPECT_SEQUENCE(SentThenPostedSeq);
    const std::array SentMarkedPostedSeq = {ExpectedMessage{"window", WM_USER, kPosted}};
    EXPECT_FALSE(MessageLog::Current().Matches(SentMarkedPostedSeq, "SentMarkedPostedSeq"));
}

TEST_F(MessageLogHarness, HookEntriesOnlyMatchHookExpectations) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, HookRecorderProc, 0, GetCurrentThreadId());
    ASSERT_NE(hook, 0);
    MessageLog::Current().Clear();
    PostMessageA(hwnd, WM_USER, 3, 4);
    MessageLog::Current().PumpPending();
    UnhookWindowsHookEx(hook);

    const std::array HookedPostSeq = {
        ExpectedMessage{"window", WM_USER, kBothParams | kHook, 3, 4},
        ExpectedMessage{"window", WM_USER, kBothParams | kPosted, 3, 4},
    };
    EXPECT_SEQUENCE(HookedPostSeq);
    const std::array HookUnmarkedSeq = {
        ExpectedMessage{"window", WM_USER},
        ExpectedMessage{"window", WM_USER},
    };
    const auto result = MessageLog::Current().Matches(HookUnmarkedSeq, "HookUnmarkedSeq");
    ASSERT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("(seen by a hook)"), std::string::npos);
}

#if !defined(_WIN32)
// A known gap that has closed must not stay marked.
TEST_F(MessageLogHarness, AKnownGapThatMatchesFails) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();
    SendMessageA(hwnd, WM_USER, 0, 0);
    const std::array ClosedGapSeq = {ExpectedMessage{"window", WM_USER}};
    EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE_KNOWN_GAP(ClosedGapSeq, "was open once"),
                            "now matches");
}
#endif

}  // namespace
}  // namespace zv::test
