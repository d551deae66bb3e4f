// Invalidation and painting as message sequences: WM_PAINT when nothing else
// waits, WM_NCPAINT and WM_ERASEBKGND from BeginPaint, or at once when
// windows are shown, hidden or sized; UpdateWindow, validation, children,
// and windows whose updates are locked.

#include <array>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

// A shown parent with a shown child, painted and with an empty log.
class DrawPaint : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        m_parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE);
        m_child = CreateRecorder("child", WS_CHILD | WS_VISIBLE, m_parent, 1);
        MoveWindow(m_child, 5, 5, 40, 30, TRUE);
        MessageLog::Current().PumpPending();
        MessageLog::Current().Clear();
    }

    HWND m_parent = 0;
    HWND m_child = 0;
};

TEST_F(DrawPaint, AnInvalidWindowPaintsWhenTheQueueIsOtherwiseEmptyErasingIfAsked) {
    PostMessageA(m_child, WM_USER, 0, 0);
    InvalidateRect(m_child, nullptr, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmInvalidateErasePaintSeq = {
        ExpectedMessage{"child", WM_USER, kPosted},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmInvalidateErasePaintSeq);

    // Without erasing, only WM_PAINT arrives.
    MessageLog::Current().Clear();
    InvalidateRect(m_child, nullptr, FALSE);
    MessageLog::Current().PumpPending();
    const std::array WmInvalidatePaintSeq = {ExpectedMessage{"child", WM_PAINT, kPosted}};
    EXPECT_SEQUENCE(WmInvalidatePaintSeq);
}

TEST_F(DrawPaint, UpdateWindowSendsWmPaintAtOnce) {
    InvalidateRect(m_child, nullptr, TRUE);
    UpdateWindow(m_child);
    const std::array WmUpdateWindowSeq = {
        ExpectedMessage{"child", WM_PAINT},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmUpdateWindowSeq);
    MessageLog::Current().Clear();
    UpdateWindow(m_child);  // nothing left to paint
    EXPECT_EQ(MessageLog::Current().PumpPending(), 0);
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
}

TEST_F(DrawPaint, ValidatedWindowsDoNotPaint) {
    InvalidateRect(m_child, nullptr, TRUE);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(m_child, &update, FALSE));
    EXPECT_EQ(update.right, 40);
    EXPECT_EQ(update.bottom, 30);
    ValidateRect(m_child, nullptr);
    EXPECT_FALSE(GetUpdateRect(m_child, &update, FALSE));
    EXPECT_EQ(MessageLog::Current().PumpPending(), 0);
}

TEST_F(DrawPaint, BeginPaintGivesTheInvalidRectangleAndValidatesIt) {
    const RECT part{2, 3, 10, 12};
    InvalidateRect(m_child, &part, TRUE);
    PAINTSTRUCT paint;
    const HDC hdc = BeginPaint(m_child, &paint);
    EXPECT_NE(hdc, 0);
    EXPECT_EQ(paint.hdc, hdc);
    EXPECT_EQ(EdgesOf(paint.rcPaint), (Edges{2, 3, 10, 12}));
    EXPECT_TRUE(paint.fErase);  // the recording class has no brush to erase with
    EndPaint(m_child, &paint);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(m_child, &update, FALSE));
    const std::array WmBeginPaintSeq = {ExpectedMessage{"child", WM_ERASEBKGND}};
    EXPECT_SEQUENCE(WmBeginPaintSeq);
}

TEST_F(DrawPaint, InvalidatingAParentRepaintsItsChildrenUnlessItClipsThem) {
    InvalidateRect(m_parent, nullptr, TRUE);
    MessageLog::Current().PumpPending();
    // Reached through its parent, the child is invalid frame and all.
    const std::array WmInvalidateParentSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_NCPAINT, kWParam | kDefProc, 1},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmInvalidateParentSeq);

    // Children are erased even when their parent is not.
    MessageLog::Current().Clear();
    const RECT corner{0, 0, 10, 10};
    InvalidateRect(m_parent, &corner, FALSE);
    MessageLog::Current().PumpPending();
    const std::array WmInvalidateParentNoEraseSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_NCPAINT, kDefProc},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmInvalidateParentNoEraseSeq);

    SetWindowLongA(m_parent, GWL_STYLE, GetWindowLongA(m_parent, GWL_STYLE) | WS_CLIPCHILDREN);
    MessageLog::Current().Clear();
    InvalidateRect(m_parent, nullptr, TRUE);
    MessageLog::Current().PumpPending();
    // A style change marks the frame for painting with the next update.
    const std::array WmInvalidateClippingParentSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_NCPAINT, kWParam | kDefProc, 1},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmInvalidateClippingParentSeq);
}

TEST_F(DrawPaint, HidingAChildErasesWhatItCoveredAtOnce) {
    ShowWindow(m_child, SW_HIDE);
    MessageLog::Current().PumpPending();
    const std::array WmHideChildSeq = {
        ExpectedMessage{"child", WM_SHOWWINDOW, kWParam, FALSE},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"parent", WM_ERASEBKGND},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"parent", WM_PAINT, kPosted},
    };
    EXPECT_SEQUENCE(WmHideChildSeq);

    MessageLog::Current().Clear();
    ShowWindow(m_child, SW_SHOW);
    MessageLog::Current().PumpPending();
    const std::array WmShowChildSeq = {
        ExpectedMessage{"child", WM_SHOWWINDOW, kWParam, TRUE},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"child", WM_NCPAINT, kWParam, 1},
        ExpectedMessage{"child", WM_ERASEBKGND},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"child", WM_PAINT, kPosted},
    };
    EXPECT_SEQUENCE(WmShowChildSeq);
}

TEST_F(DrawPaint, AShownChildWaitsForItsParentToPaintFirst) {
    const HWND late = CreateRecorder("late", WS_CHILD, m_parent, 2);
    MoveWindow(late, 60, 10, 20, 20, TRUE);
    InvalidateRect(m_parent, nullptr, FALSE);
    MessageLog::Current().Clear();
    ShowWindow(late, SW_SHOW);
    MessageLog::Current().PumpPending();
    const std::array WmShowUnderPaintingParentSeq = {
        ExpectedMessage{"late", WM_SHOWWINDOW, kWParam, TRUE},
        ExpectedMessage{"late", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"late", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_PAINT, kPosted},  // siblings in z-order, the new one last
        ExpectedMessage{"child", WM_NCPAINT, kDefProc},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
        ExpectedMessage{"late", WM_PAINT, kPosted},
        ExpectedMessage{"late", WM_NCPAINT, kDefProc},
        ExpectedMessage{"late", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmShowUnderPaintingParentSeq);
}

TEST_F(DrawPaint, MovingAChildLeavesTheUncoveredAreaToBeErasedWhenPainted) {
    MoveWindow(m_child, 50, 10, 40, 30, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmMoveChildSeq = {
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"child", WM_MOVE, kDefProc},
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmMoveChildSeq);

    MessageLog::Current().Clear();
    MoveWindow(m_child, 50, 10, 45, 35, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmGrowChildSeq = {
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"child", WM_NCCALCSIZE, kWParam, TRUE},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"child", WM_SIZE, kDefProc},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_NCPAINT, kDefProc},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmGrowChildSeq);
}

TEST_F(DrawPaint, NoRedrawAndDeferEraseLeaveTheErasingToLater) {
    MoveWindow(m_child, 50, 10, 40, 30, FALSE);  // nothing redrawn at all
    EXPECT_EQ(MessageLog::Current().PumpPending(), 0);

    MessageLog::Current().Clear();
    SetWindowPos(
        m_child, 0, 0, 0, 0, 0,
        SWP_HIDEWINDOW | SWP_DEFERERASE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    MessageLog::Current().PumpPending();
    const std::array WmHideDeferringEraseSeq = {
        ExpectedMessage{"child", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"child", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmHideDeferringEraseSeq);
}

TEST_F(DrawPaint, WhatItsParentHidesOfAChildIsNotPainted) {
    MoveWindow(m_child, 50, 50, 40, 30, TRUE);  // below the parent's 100x50 client area
    MessageLog::Current().PumpPending();
    MessageLog::Current().Clear();
    InvalidateRect(m_child, nullptr, TRUE);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(m_child, &update, FALSE));
    EXPECT_EQ(MessageLog::Current().PumpPending(), 0);

    MoveWindow(m_child, 80, 40, 40, 30, TRUE);  // a 20x10 corner shows
    MessageLog::Current().PumpPending();
    InvalidateRect(m_child, nullptr, FALSE);
    EXPECT_TRUE(GetUpdateRect(m_child, &update, FALSE));
    EXPECT_EQ(EdgesOf(update), (Edges{0, 0, 20, 10}));
}

TEST_F(DrawPaint, AGrownTopLevelWindowIsErasedAtOnce) {
    MoveWindow(m_parent, 10, 20, 150, 80, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmGrowTopLevelSeq = {
        ExpectedMessage{"parent", WM_WINDOWPOSCHANGING},
        ExpectedMessage{"parent", WM_NCCALCSIZE, kWParam, TRUE},
        ExpectedMessage{"parent", WM_NCPAINT},
        ExpectedMessage{"parent", WM_ERASEBKGND},
        ExpectedMessage{"parent", WM_WINDOWPOSCHANGED},
        ExpectedMessage{"parent", WM_SIZE, kDefProc},
        ExpectedMessage{"parent", WM_PAINT, kPosted},
    };
    EXPECT_SEQUENCE(WmGrowTopLevelSeq);
}

TEST_F(DrawPaint, ALockedWindowStillPaints) {
    ASSERT_TRUE(LockWindowUpdate(m_parent));
    InvalidateRect(m_child, nullptr, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmLockedPaintSeq = {
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmLockedPaintSeq);
    ASSERT_TRUE(LockWindowUpdate(0));
}

TEST_F(DrawPaint, WhatALockedWindowDrawsIsRepaintedWhenUnlocked) {
    ZV_KNOWN_WIN32_DIFFERENCE("Wine's LockWindowUpdate holds no drawing back and repaints nothing");
    ASSERT_TRUE(LockWindowUpdate(m_parent));
    const HDC hdc = GetDC(m_child);
    const RECT spot{0, 0, 10, 10};
    const COLORREF before = GetPixel(hdc, 5, 5);
    FillRect(hdc, &spot, COLOR_HIGHLIGHT + 1);
    EXPECT_EQ(GetPixel(hdc, 5, 5), before);  // held back
    ReleaseDC(m_child, hdc);
    ASSERT_TRUE(LockWindowUpdate(0));
    MessageLog::Current().PumpPending();
    const std::array WmUnlockedSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_NCPAINT, kDefProc},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_NCPAINT, kDefProc},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmUnlockedSeq);
}

// A procedure that never validates what it is asked to paint.
LRESULT ZV_CALLBACK IgnoresPaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        MessageLog::Current().RecordArrival(hwnd, message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(DrawPaint, WmPaintComesAgainUntilTheWindowIsValidated) {
    ASSERT_NE(RegisterClassOf("ZvIgnoresPaint", IgnoresPaint), 0);
    const HWND lazy = CreateWindowExA(0, "ZvIgnoresPaint", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                      0, 0, 0, nullptr);
    MessageLog::Current().Name(lazy, "lazy");
    MessageLog::Current().Clear();
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(PeekMessageA(&msg, lazy, 0, 0, PM_REMOVE));
        MessageLog::Current().Dispatch(msg);
    }
    const std::array WmUnvalidatedPaintSeq = {
        ExpectedMessage{"lazy", WM_PAINT},
        ExpectedMessage{"lazy", WM_PAINT},
        ExpectedMessage{"lazy", WM_PAINT},
    };
    EXPECT_SEQUENCE(WmUnvalidatedPaintSeq);
    ValidateRect(lazy, nullptr);
    EXPECT_FALSE(PeekMessageA(&msg, lazy, 0, 0, PM_NOREMOVE));
    DestroyWindow(lazy);
    UnregisterClassA("ZvIgnoresPaint", 0);
}

TEST_F(DrawPaint, TheDefaultErasingFillsWithTheClassBrush) {
    ASSERT_NE(RegisterClassOf("ZvFaced", DefWindowProcA, COLOR_HIGHLIGHT), 0);
    const HWND faced =
        CreateWindowExA(0, "ZvFaced", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, 0, 0, 0, nullptr);
    UpdateWindow(faced);
    const HDC hdc = GetDC(faced);
    EXPECT_EQ(GetPixel(hdc, 10, 10), GetSysColor(COLOR_HIGHLIGHT));
    ReleaseDC(faced, hdc);
    DestroyWindow(faced);
    UnregisterClassA("ZvFaced", 0);
}

}  // namespace
}  // namespace zv::test
