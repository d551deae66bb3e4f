// The progress bar: what its messages answer, how it keeps its position in
// its range and wraps its steps, what its parent hears, and how it paints.

#include <array>
#include <string>
#include <vector>

#include "Pixels.h"
#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/CommonControlsApi.h"
#include "platform/win/CommonControlsConstants.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/ProgressConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr int kBarId = 5;

LPARAM Words(int low, int high) {
    return static_cast<LPARAM>(static_cast<DWORD>(low & 0xFFFF) | static_cast<DWORD>(high & 0xFFFF)
                                                                      << 16);
}

class ProgressBar : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE);
        MoveWindow(parent, 0, 0, 300, 200, TRUE);
    }

    HWND Bar(DWORD style = 0, int width = 100, int height = 20) {
        const HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE | style, 10,
                                         10, width, height, parent, kBarId, 0, nullptr);
        MessageLog::Current().Name(bar, "bar");
        return bar;
    }

    HWND parent = 0;
};

// One message after another on one bar, with the answer and the state it
// leaves, as Wine shows them.
TEST_F(ProgressBar, MessagesAnswerThePreviousValueAndKeepThePositionInRange) {
    struct Step {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT answer;
        int position;
        int low;
        int high;
    };
    const auto Minus = [](int value) { return static_cast<WPARAM>(value); };
    const std::array kSteps = {
        Step{PBM_GETPOS, 0, 0, 0, 0, 0, 100},
        Step{PBM_SETPOS, 30, 0, 0, 30, 0, 100},
        Step{PBM_SETPOS, 130, 0, 30, 100, 0, 100},
        Step{PBM_SETPOS, Minus(-5), 0, 100, 0, 0, 100},
        Step{PBM_DELTAPOS, 25, 0, 0, 25, 0, 100},
        Step{PBM_DELTAPOS, 200, 0, 25, 100, 0, 100},
        Step{PBM_DELTAPOS, Minus(-30), 0, 100, 70, 0, 100},
        Step{PBM_GETSTEP, 0, 0, 10, 70, 0, 100},
        Step{PBM_SETSTEP, 40, 0, 10, 70, 0, 100},
        Step{PBM_STEPIT, 0, 0, 70, 10, 0, 100},
        Step{PBM_STEPIT, 0, 0, 10, 50, 0, 100},
        Step{PBM_SETSTEP, Minus(-15), 0, 40, 50, 0, 100},
        Step{PBM_SETSTEP, 30, 0, -15, 50, 0, 100},
        Step{PBM_SETRANGE, 0, Words(10, 40), Words(0, 100), 40, 10, 40},
        Step{PBM_SETPOS, 5, 0, 40, 10, 10, 40},
        Step{PBM_SETRANGE, 0, Words(0, 0xFFFF), Words(10, 40), 10, 0, 0xFFFF},
        Step{PBM_SETRANGE32, Minus(-100), 100000, Words(0, 0xFFFF), 10, -100, 100000},
        Step{PBM_SETPOS, 70000, 0, 10, 70000, -100, 100000},
        Step{PBM_SETRANGE32, 20, 10, Words(-100, 100000), 10, 20, 10},
        Step{PBM_SETPOS, 15, 0, 10, 10, 20, 10},
        Step{PBM_SETRANGE32, 5, 5, Words(20, 10), 5, 5, 5},
        Step{PBM_STEPIT, 0, 0, 5, 5, 5, 5},
    };
    const HWND bar = Bar();
    for (const Step& step : kSteps) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << step.message << std::dec
                                        << " " << step.wParam << " " << step.lParam);
        EXPECT_EQ(SendMessageA(bar, step.message, step.wParam, step.lParam), step.answer);
        EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), step.position);
        PBRANGE range;
        EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)),
                  step.low);
        EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), step.high);
        EXPECT_EQ(range.iLow, step.low);
        EXPECT_EQ(range.iHigh, step.high);
    }
}

// Colours and the marquee are left out: asking for them fails the running
// case, naming the message.
TEST_F(ProgressBar, MessagesItDoesNotModelAreReported) {
    ZV_REQUIRES_HEADLESS("the scripted user's problems");
    SendMessageA(Bar(), WM_USER + 9, 0, RGB(255, 0, 0));  // PBM_SETBARCOLOR
    EXPECT_EQ(driver::TakeScriptProblems(),
              std::vector<std::string>{"msctls_progress32 does not model message 0x0409"});
}

// A step beyond either end comes round from the other by as much as it went
// beyond; a range given backwards counts its span as negative.
TEST_F(ProgressBar, AStepBeyondTheRangeWrapsRound) {
    struct Case {
        int low;
        int high;
        int position;
        int step;
        int after;
    };
    const std::array kSteps = {
        Case{0, 100, 70, 30, 100}, Case{0, 100, 90, 30, 20},      Case{0, 100, 10, -15, 95},
        Case{0, 100, 10, 250, 60}, Case{0, 100, 90, -250, 40},    Case{10, 20, 18, 7, 15},
        Case{10, 20, 12, -7, 15},  Case{10, 20, 18, 25, 13},      Case{10, 20, 12, -25, 17},
        Case{20, 10, 10, 3, 3},    Case{-50, -10, -20, -35, -15},
    };
    const HWND bar = Bar();
    for (const Case& step : kSteps) {
        SendMessageA(bar, PBM_SETRANGE32, static_cast<WPARAM>(step.low), step.high);
        SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(step.position), 0);
        SendMessageA(bar, PBM_SETSTEP, static_cast<WPARAM>(step.step), 0);
        EXPECT_EQ(SendMessageA(bar, PBM_STEPIT, 0, 0), step.position);
        EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), step.after)
            << step.low << ".." << step.high << " from " << step.position << " by " << step.step;
    }
}

// The bar keeps its business to itself: its parent hears of its creation
// and nothing of its changes or its painting.
TEST_F(ProgressBar, ItsParentHearsOnlyOfItsCreation) {
    MessageLog::Current().Clear();
    const HWND bar = Bar();
    const std::array CreateProgressSeq = {
        ExpectedMessage{"parent", WM_PARENTNOTIFY, kWParam,
                        WM_CREATE | static_cast<WPARAM>(kBarId) << 16},
    };
    EXPECT_TRUE(MessageLog::Current().Matches(CreateProgressSeq, "CreateProgressSeq"));
    MessageLog::Current().Clear();
    SendMessageA(bar, PBM_SETPOS, 50, 0);
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    UpdateWindow(bar);
    EXPECT_TRUE(MessageLog::Current().Matches({}, "NothingSeq"));
}

// A frame, the window colour, and the bar in the highlight colour over as
// much of the inside as the position has come, to the nearest pixel: from
// the left, or from the bottom when vertical. Wine draws it smooth whether
// or not PBS_SMOOTH asks.
TEST_F(ProgressBar, TheBarFillsItsShareOfTheInside) {
    struct Case {
        DWORD style;
        int position;
        int filled;  // pixels of the 98 inside the frame
    };
    const std::array kBars = {
        Case{0, 0, 0},
        Case{0, 1, 1},
        Case{0, 9, 9},
        Case{0, 50, 49},
        Case{0, 99, 97},
        Case{0, 100, 98},
        Case{PBS_SMOOTH, 5, 5},
        Case{PBS_VERTICAL, 1, 1},
        Case{PBS_VERTICAL, 50, 49},
    };
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    for (const Case& drawn : kBars) {
        SCOPED_TRACE(testing::Message() << drawn.style << " at " << drawn.position);
        const bool vertical = drawn.style == PBS_VERTICAL;
        const HWND bar = vertical ? Bar(drawn.style, 20, 100) : Bar(drawn.style);
        SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(drawn.position), 0);
        // Along the bar from its start, and across it.
        const auto At = [&](int along, int across) {
            return vertical ? PixelOf(bar, across, 99 - along) : PixelOf(bar, along, across);
        };
        const COLORREF frame = At(0, 10);
        EXPECT_NE(frame, highlight);
        EXPECT_NE(frame, window);
        EXPECT_EQ(At(10, 0), frame);
        if (drawn.filled > 0) {
            EXPECT_EQ(At(1, 10), highlight);
            EXPECT_EQ(At(drawn.filled, 1), highlight);
            EXPECT_EQ(At(drawn.filled, 18), highlight);
        }
        EXPECT_EQ(At(drawn.filled + 1, 10), drawn.filled == 98 ? frame : window);
        DestroyWindow(bar);
    }
}

}  // namespace
}  // namespace zv::test
