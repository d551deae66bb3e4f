// The system's controls: buttons tell their parent of clicks, check boxes
// and option buttons keep their check (edit boxes have EditTest).

#include <array>
#include <string>
#include <vector>

#include "Pixels.h"
#include "PlatformTest.h"
#include "platform/driver/Driver.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class Controls : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE);
        MoveWindow(parent, 0, 0, 300, 200, TRUE);
    }

    HWND Control(const char* className, const char* text, DWORD style, int id, int top) {
        const HWND hwnd = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10,
                                          top, 100, 20, parent, id, 0, nullptr);
        MessageLog::Current().Name(hwnd, text);
        return hwnd;
    }

    HWND parent = 0;
};

// A message of a control's own range that it does not model fails the
// running test, naming it: a silent 0 could pass for a right answer.
TEST_F(Controls, MessagesAControlDoesNotModelAreReported) {
    ZV_REQUIRES_HEADLESS("the scripted user's problems");
    struct Case {
        const char* className;
        DWORD style;
        UINT message;
        const char* problem;
    };
    const std::array kUnmodelled = {
        Case{"Button", BS_PUSHBUTTON, 0x00F2, "Button does not model message 0x00F2"},
        Case{"Static", SS_LEFT, STM_GETIMAGE, "Static does not model message 0x0173"},
        Case{"Edit", 0, 0x00D4, "Edit does not model message 0x00D4"},
        Case{"ListBox", 0, 0x0190, "ListBox does not model message 0x0190"},
        Case{"ComboBox", CBS_DROPDOWN, 0x0156, "ComboBox does not model message 0x0156"},
    };
    for (const Case& unmodelled : kUnmodelled) {
        const HWND hwnd = Control(unmodelled.className, "", unmodelled.style, 1, 10);
        SendMessageA(hwnd, unmodelled.message, 0, 0);
        EXPECT_EQ(driver::TakeScriptProblems(), std::vector<std::string>{unmodelled.problem});
        DestroyWindow(hwnd);
    }
}

WPARAM Clicked(int id) {
    return static_cast<WPARAM>(id) | (static_cast<WPARAM>(BN_CLICKED) << 16);
}

// The button takes the focus and paints at once as it gains it, is pressed
// and is released, asking its parent for colours each time.
TEST_F(Controls, AClickedButtonTellsItsParent) {
    const HWND button = Control("Button", "Apply", BS_PUSHBUTTON, 7, 10);
    SetForegroundWindow(parent);
    MessageLog::Current().Clear();
    SendMessageA(button, BM_CLICK, 0, 0);

    const std::array ButtonClickSeq = {
        ExpectedMessage{"parent", WM_KILLFOCUS, kWParam, static_cast<WPARAM>(button)},
        ExpectedMessage{"parent", WM_CTLCOLORBTN, kLParam, 0, button},
        ExpectedMessage{"parent", WM_CTLCOLORBTN, kLParam, 0, button},
        ExpectedMessage{"parent", WM_CTLCOLORBTN, kLParam, 0, button},
        ExpectedMessage{"parent", WM_COMMAND, kBothParams, Clicked(7), button},
    };
    EXPECT_SEQUENCE(ButtonClickSeq);
}

TEST_F(Controls, CheckBoxesToggleAndOptionsOfAGroupExcludeEachOther) {
    const HWND box = Control("Button", "Remember", BS_AUTOCHECKBOX, 1, 10);
    const HWND first = Control("Button", "Serial", BS_AUTORADIOBUTTON | WS_GROUP, 2, 40);
    const HWND second = Control("Button", "Network", BS_AUTORADIOBUTTON, 3, 70);
    const HWND nextGroup = Control("Button", "Other", BS_AUTORADIOBUTTON | WS_GROUP, 4, 100);
    SendMessageA(nextGroup, BM_SETCHECK, BST_CHECKED, 0);

    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));

    SendMessageA(first, BM_CLICK, 0, 0);
    SendMessageA(second, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessageA(nextGroup, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
}

TEST_F(Controls, ThreeStateBoxesShowTheGreyedCheckAndOthersTheirHighest) {
    const HWND cycling = Control("Button", "Cycling", BS_AUTO3STATE, 1, 10);
    const HWND held = Control("Button", "Held", BS_3STATE, 2, 40);
    const HWND twoState = Control("Button", "Two", BS_AUTOCHECKBOX, 3, 70);
    const HWND push = Control("Button", "Push", BS_PUSHBUTTON, 4, 100);
    const auto check = [](HWND hwnd) { return SendMessageA(hwnd, BM_GETCHECK, 0, 0); };

    std::array<LRESULT, 3> cycle{};
    for (LRESULT& seen : cycle) {
        SendMessageA(cycling, BM_CLICK, 0, 0);
        seen = check(cycling);
    }
    EXPECT_EQ(cycle, (std::array<LRESULT, 3>{1, 2, 0}));

    SendMessageA(held, BM_SETCHECK, BST_INDETERMINATE, 0);
    MessageLog::Current().Clear();
    SendMessageA(held, BM_CLICK, 0, 0);  // not automatic: told, but unchanged
    EXPECT_EQ(check(held), static_cast<LRESULT>(BST_INDETERMINATE));
    ASSERT_FALSE(MessageLog::Current().Messages().empty());
    EXPECT_EQ(MessageLog::Current().Messages().back().wParam, Clicked(2));

    SendMessageA(twoState, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(check(twoState), static_cast<LRESULT>(BST_CHECKED));
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(check(push), static_cast<LRESULT>(BST_UNCHECKED));
}

TEST_F(Controls, AButtonClicksWhenTheMouseIsReleasedOverIt) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND button = Control("Button", "Apply", BS_PUSHBUTTON, 7, 10);
    SetForegroundWindow(parent);
    MessageLog::Current().Clear();
    driver::Drag(20, 20, 200, 150);  // pressed, but released elsewhere
    EXPECT_TRUE(MessageLog::Current().Messages().empty() ||
                MessageLog::Current().Messages().back().message != WM_COMMAND);
    EXPECT_EQ(GetFocus(), button);

    MessageLog::Current().Clear();
    driver::Click(20, 20);
    ASSERT_FALSE(MessageLog::Current().Messages().empty());
    const LoggedMessage& last = MessageLog::Current().Messages().back();
    EXPECT_EQ(last.message, WM_COMMAND);
    EXPECT_EQ(last.wParam, Clicked(7));
}

TEST_F(Controls, ControlsPaintTheirCaptionsAndState) {
    ZV_REQUIRES_HEADLESS("a window DC that reads back its own pixels");
    const HWND button = Control("Button", "Apply", BS_PUSHBUTTON, 7, 10);
    const HWND box = Control("Button", "Remember", BS_AUTOCHECKBOX, 8, 40);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    EXPECT_GT(PixelsOf(button, text), 20);  // the caption

    EXPECT_GT(PixelsOf(box, text), 20);

    // Check boxes and option buttons show the system's glyphs, in the middle
    // of their left edge: a check mark, a greyed box, a round button.
    const struct {
        DWORD style;
        WPARAM check;
        UINT glyph;
    } kGlyphs[] = {
        {BS_AUTOCHECKBOX, BST_CHECKED, DFCS_BUTTONCHECK | DFCS_CHECKED},
        {BS_3STATE, BST_INDETERMINATE, DFCS_BUTTON3STATE | DFCS_CHECKED},
        {BS_AUTORADIOBUTTON, BST_CHECKED, DFCS_BUTTONRADIO | DFCS_CHECKED},
    };
    const HDC screen = GetDC(0);
    const HDC expected = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 13, 16);
    ReleaseDC(0, screen);
    const HGDIOBJ previous = SelectObject(expected, bitmap);
    for (const auto& glyph : kGlyphs) {
        SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
        SetWindowLongA(box, GWL_STYLE, static_cast<LONG>(WS_CHILD | WS_VISIBLE | glyph.style));
        SendMessageA(box, BM_SETCHECK, glyph.check, 0);
        RECT square{0, 3, 13, 16};  // where the box is, so that patterns line up
        FillRect(expected, &square, GetSysColorBrush(COLOR_3DFACE));
        DrawFrameControl(expected, &square, DFC_BUTTON, glyph.glyph);
        for (int y = 3; y < 16; ++y) {
            for (int x = 0; x < 13; ++x) {
                EXPECT_EQ(PixelOf(box, x, y), GetPixel(expected, x, y))
                    << glyph.glyph << " at " << x << "," << y;
            }
        }
    }
    SelectObject(expected, previous);
    DeleteObject(bitmap);
    DeleteDC(expected);
}

}  // namespace
}  // namespace zv::test
