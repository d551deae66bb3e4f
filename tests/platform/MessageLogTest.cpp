// The message-sequence harness itself: what it accepts, and what it reports
// when a sequence differs.

#include <array>

#include "PlatformTest.h"
#include "platform/WinConstants.h"

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
    EXPECT_NE(report.find("expected:\n    0: window 0x400 wParam=9"), std::string::npos) << report;
    EXPECT_NE(report.find("actual:\n    0: window 0x400 wParam=1 lParam=2"), std::string::npos)
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

}  // namespace
}  // namespace zv::test
