// Invalidation and painting as message sequences: WM_PAINT when nothing else
// waits, WM_ERASEBKGND from BeginPaint, UpdateWindow, validation, children,
// showing and hiding, and windows whose updates are locked.

#include <array>

#include "PlatformTest.h"
#include "platform/GdiApi.h"
#include "platform/GdiConstants.h"
#include "platform/WinConstants.h"

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

TEST_F(DrawPaint, AnInvalidWindowPaintsWhenTheQueueIsOtherwiseEmpty) {
    PostMessageA(m_child, WM_USER, 0, 0);
    InvalidateRect(m_child, nullptr, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmInvalidateErasePaintSeq = {
        ExpectedMessage{"child", WM_USER, kPosted},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmInvalidateErasePaintSeq);
}

TEST_F(DrawPaint, WithoutErasingOnlyWmPaintArrives) {
    InvalidateRect(m_child, nullptr, FALSE);
    MessageLog::Current().PumpPending();
    const std::array WmInvalidatePaintSeq = {
        ExpectedMessage{"child", WM_PAINT, kPosted},
    };
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
    EXPECT_EQ(paint.rcPaint.left, 2);
    EXPECT_EQ(paint.rcPaint.top, 3);
    EXPECT_EQ(paint.rcPaint.right, 10);
    EXPECT_EQ(paint.rcPaint.bottom, 12);
    EXPECT_TRUE(paint.fErase);  // the recording class has no brush to erase with
    EndPaint(m_child, &paint);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(m_child, &update, FALSE));
    const std::array WmBeginPaintSeq = {
        ExpectedMessage{"child", WM_ERASEBKGND},
    };
    EXPECT_SEQUENCE(WmBeginPaintSeq);
}

TEST_F(DrawPaint, InvalidatingAParentRepaintsItsChildrenUnlessItClipsThem) {
    ZV_KNOWN_WIN32_DIFFERENCE("BeginPaint sends WM_NCPAINT before WM_ERASEBKGND");
    InvalidateRect(m_parent, nullptr, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmInvalidateParentSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmInvalidateParentSeq);

    SetWindowLongA(m_parent, GWL_STYLE, GetWindowLongA(m_parent, GWL_STYLE) | WS_CLIPCHILDREN);
    MessageLog::Current().Clear();
    InvalidateRect(m_parent, nullptr, TRUE);
    MessageLog::Current().PumpPending();
    const std::array WmInvalidateClippingParentSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmInvalidateClippingParentSeq);
}

TEST_F(DrawPaint, HidingAChildRepaintsWhatItCoveredAndShowingItRepaintsIt) {
    ZV_KNOWN_WIN32_DIFFERENCE("exposed areas are erased at once, not in BeginPaint");
    ShowWindow(m_child, SW_HIDE);
    MessageLog::Current().Clear();
    MessageLog::Current().PumpPending();
    const std::array WmExposedParentSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmExposedParentSeq);

    ShowWindow(m_child, SW_SHOW);
    MessageLog::Current().Clear();
    MessageLog::Current().PumpPending();
    const std::array WmShownChildSeq = {
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmShownChildSeq);
}

TEST_F(DrawPaint, ALockedWindowPaintsOnceWhenUnlocked) {
    ZV_KNOWN_WIN32_DIFFERENCE("a locked window keeps its own update region");
    ASSERT_TRUE(LockWindowUpdate(m_parent));
    InvalidateRect(m_child, nullptr, TRUE);
    InvalidateRect(m_child, nullptr, TRUE);
    EXPECT_EQ(MessageLog::Current().PumpPending(), 0);
    ASSERT_TRUE(LockWindowUpdate(0));
    MessageLog::Current().PumpPending();
    const std::array WmUnlockedSeq = {
        ExpectedMessage{"parent", WM_PAINT, kPosted},
        ExpectedMessage{"parent", WM_ERASEBKGND, kDefProc},
        ExpectedMessage{"child", WM_PAINT, kPosted},
        ExpectedMessage{"child", WM_ERASEBKGND, kDefProc},
    };
    EXPECT_SEQUENCE(WmUnlockedSeq);
}

// A procedure that never calls BeginPaint hears WM_PAINT once: the window is
// validated after the message.
LRESULT ZV_CALLBACK IgnoresPaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        MessageLog::Current().RecordArrival(hwnd, message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(DrawPaint, APaintMessageThatIsIgnoredIsNotRepeated) {
    ZV_KNOWN_WIN32_DIFFERENCE("WM_PAINT comes again until the update region is validated");
    WNDCLASSA windowClass;
    windowClass.lpfnWndProc = IgnoresPaint;
    windowClass.lpszClassName = "ZvIgnoresPaint";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    const HWND lazy = CreateWindowExA(0, "ZvIgnoresPaint", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                      0, 0, 0, nullptr);
    MessageLog::Current().Name(lazy, "lazy");
    MessageLog::Current().PumpPending();
    const std::array WmIgnoredPaintSeq = {
        ExpectedMessage{"lazy", WM_PAINT},
    };
    EXPECT_SEQUENCE(WmIgnoredPaintSeq);
    DestroyWindow(lazy);
    UnregisterClassA("ZvIgnoresPaint", 0);
}

TEST_F(DrawPaint, TheDefaultErasingFillsWithTheClassBrush) {
    WNDCLASSA windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "ZvFaced";
    windowClass.hbrBackground = COLOR_HIGHLIGHT + 1;
    ASSERT_NE(RegisterClassA(&windowClass), 0);
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
