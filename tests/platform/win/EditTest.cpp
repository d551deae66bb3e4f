// The system's "Edit" class: what it tells its parent (as message
// sequences), its answers to the EM_ messages, the caret and the selection
// moved by keys and the mouse, multi-line boxes that wrap and scroll, and the
// read-only, limited, password, number and case styles. Places come from the
// box itself (EM_POSFROMCHAR, EM_GETRECT) and widths from the font it was
// given, measured by each backend alike, so the same cases hold on all of
// them.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "Pixels.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/driver/Driver.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr int kId = 5;

using Range = std::pair<DWORD, DWORD>;

WPARAM Notice(UINT code) {
    return static_cast<WPARAM>(kId) | (static_cast<WPARAM>(code) << 16);
}

LPARAM PointParam(POINT point) {
    return MakeLParam(point.x, point.y);
}

POINT Offset(POINT point, int dx, int dy) {
    return POINT{point.x + dx, point.y + dy};
}

// A notification from the box, as the parent hears it.
ExpectedMessage Told(HWND box, UINT code, unsigned checks = kBothParams) {
    return ExpectedMessage{"parent", WM_COMMAND, checks, Notice(code), static_cast<LPARAM>(box)};
}

Range SelectionOf(HWND box) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Where a character stands in the box's client area.
POINT PosOf(HWND box, std::size_t index) {
    const LRESULT packed = SendMessageA(box, EM_POSFROMCHAR, index, 0);
    return POINT{static_cast<std::int16_t>(packed & 0xFFFF),
                 static_cast<std::int16_t>((packed >> 16) & 0xFFFF)};
}

RECT FormatRectOf(HWND box) {
    RECT rect;
    SendMessageA(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

LRESULT Send(HWND box, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(box, message, wParam, lParam);
}

LRESULT SendText(HWND box, UINT message, const char* text, WPARAM wParam = 0) {
    return SendMessageA(box, message, wParam, reinterpret_cast<LPARAM>(text));
}

// The actions on a box answer what they change: the selection after a key
// or a click, the text after typing.
Range Key(HWND box, int vk) {
    Send(box, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
    return SelectionOf(box);
}

std::string Type(HWND box, const std::string& text) {
    for (const char c : text) {
        Send(box, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    return TextOf(box);
}

// A press and a release of the left button at a point of the client area.
Range Click(HWND box, POINT at, WPARAM keys = 0) {
    Send(box, WM_LBUTTONDOWN, MK_LBUTTON | keys, PointParam(at));
    Send(box, WM_LBUTTONUP, keys, PointParam(at));
    return SelectionOf(box);
}

// The selection once the box is asked to select, and the text once it
// replaces the selection.
Range Select(HWND box, WPARAM start, LPARAM end) {
    Send(box, EM_SETSEL, start, end);
    return SelectionOf(box);
}

std::string Replace(HWND box, const char* text) {
    SendText(box, EM_REPLACESEL, text);
    return TextOf(box);
}

// The first line in view once the box has handled a message.
LRESULT FirstLineAfter(HWND box, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    Send(box, message, wParam, lParam);
    return Send(box, EM_GETFIRSTVISIBLELINE);
}

// A point on the boundary before a character.
POINT At(HWND box, std::size_t index) {
    return Offset(PosOf(box, index), 0, 1);
}

Range DoubleClick(HWND box, POINT at) {
    Click(box, at);
    Send(box, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(at));
    Send(box, WM_LBUTTONUP, 0, PointParam(at));
    return SelectionOf(box);
}

// The box's font, as the box measures with it.
class FontOf {
  public:
    explicit FontOf(HWND box) : m_box(box), m_dc(GetDC(box)) {
        m_old = SelectObject(m_dc, static_cast<HFONT>(Send(box, WM_GETFONT)));
    }
    FontOf(const FontOf&) = delete;
    FontOf& operator=(const FontOf&) = delete;
    ~FontOf() {
        SelectObject(m_dc, m_old);
        ReleaseDC(m_box, m_dc);
    }

    int Width(const std::string& text) const {
        SIZE size;
        GetTextExtentPoint32A(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    TEXTMETRICA Metrics() const {
        TEXTMETRICA metrics;
        GetTextMetricsA(m_dc, &metrics);
        return metrics;
    }

  private:
    HWND m_box;
    HDC m_dc;
    HGDIOBJ m_old = 0;
};

int LineHeight(HWND box) {
    return FontOf(box).Metrics().tmHeight;
}

SCROLLINFO ScrollInfoOf(HWND box, int bar) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(box, bar, &info);
    return info;
}

DWORD StyleOf(HWND box) {
    return static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
}

// Twenty lines, "line 0" to "line 19", of eight characters with the break.
std::string TwentyLines() {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += (i > 0 ? "\r\n" : "") + std::string("line ") + std::to_string(i);
    }
    return text;
}

std::size_t StartOfLine(int line) {
    return static_cast<std::size_t>(line < 10 ? line * 8 : 80 + (line - 10) * 9);
}

class EditTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        parent = CreateRecorder("parent", WS_POPUP | WS_VISIBLE);
        MoveWindow(parent, 0, 0, 400, 300, TRUE);
        SetForegroundWindow(parent);
    }

    // A box in the dialog font, which each backend measures the same way
    // the box does.
    HWND Box(const char* text, DWORD style, int width = 120, int height = 24, DWORD exStyle = 0) {
        const HWND box = CreateWindowExA(exStyle, "Edit", text, WS_CHILD | WS_VISIBLE | style, 10,
                                         10, width, height, parent, kId, 0, nullptr);
        Send(box, WM_SETFONT, static_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        MessageLog::Current().Name(box, "edit");
        return box;
    }

    // A multi-line box that shows whole lines, as many as asked.
    HWND MultiLineBox(const std::string& text, DWORD style, int lines, int width = 150) {
        const HWND box = Box(text.c_str(), ES_MULTILINE | style, width, 100);
        const RECT window = WindowRectOf(box);
        const int frame = (window.bottom - window.top) - ClientRectOf(box).bottom;
        MoveWindow(box, 10, 10, width, lines * LineHeight(box) + frame + 2, TRUE);
        return box;
    }

    HWND parent = 0;
};

class EditNotifications : public EditTest {};
class EditSelection : public EditTest {};
class EditKeys : public EditTest {};
class EditMouse : public EditTest {};
class EditLines : public EditTest {};
class EditScrolling : public EditTest {};
class EditStyles : public EditTest {};
class EditPainting : public EditTest {};

// Notifications

TEST_F(EditNotifications, EveryChangeIsToldBeforeAndAfterItShows) {
    const HWND box = Box("abc", ES_AUTOHSCROLL);
    SetFocus(box);
    MessageLog::Current().Clear();
    Type(box, "z");
    Send(box, EM_SETSEL, 0, 1);  // the selection alone is no change
    SendText(box, EM_REPLACESEL, "X", TRUE);
    SendText(box, WM_SETTEXT, "abc");
    SendText(box, WM_SETTEXT, "abc");  // the same text again
    Key(box, VK_LEFT);
    Key(box, VK_DELETE);

    const std::array EditChangeSeq = {
        Told(box, EN_UPDATE), Told(box, EN_CHANGE), Told(box, EN_UPDATE), Told(box, EN_CHANGE),
        Told(box, EN_UPDATE), Told(box, EN_CHANGE), Told(box, EN_UPDATE), Told(box, EN_CHANGE),
        Told(box, EN_UPDATE), Told(box, EN_CHANGE),
    };
    EXPECT_SEQUENCE(EditChangeSeq);
    EXPECT_EQ(TextOf(box), "bc");
}

// Only a single-line box tells of a text set whole; a multi-line one may say
// it scrolled.
TEST_F(EditNotifications, AMultiLineBoxKeepsQuietWhenItsTextIsSet) {
    const HWND box = Box("a\r\nb", ES_MULTILINE | ES_AUTOVSCROLL, 120, 80);
    MessageLog::Current().Clear();
    SendText(box, WM_SETTEXT, "x\r\ny");

    const std::array MultiLineSetTextSeq = {
        Told(box, EN_VSCROLL, kBothParams | kOptional),
        Told(box, EN_VSCROLL, kBothParams | kOptional),
    };
    EXPECT_SEQUENCE(MultiLineSetTextSeq);
    EXPECT_EQ(TextOf(box), "x\r\ny");
}

// The parent's procedure before DestroyingParentProc took its place.
WNDPROC g_parentProc = nullptr;

// Destroys the box that tells of a change or of gaining the focus.
LRESULT ZV_CALLBACK DestroyingParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    if (message == WM_COMMAND && (code == EN_UPDATE || code == EN_SETFOCUS)) {
        DestroyWindow(static_cast<HWND>(lParam));
    }
    return CallWindowProcA(g_parentProc, hwnd, message, wParam, lParam);
}

bool Heard(HWND box, UINT code) {
    const auto& messages = MessageLog::Current().Messages();
    return std::any_of(messages.begin(), messages.end(), [&](const LoggedMessage& m) {
        return m.message == WM_COMMAND && m.wParam == Notice(code) &&
               m.lParam == static_cast<LPARAM>(box);
    });
}

TEST_F(EditNotifications, AParentMayDestroyTheBoxWhileItHears) {
    const HWND typed = Box("abc", ES_AUTOHSCROLL);
    const HWND clicked = Box("abc", ES_MULTILINE);
    g_parentProc =
        LongToWndProc(SetWindowLongA(parent, GWL_WNDPROC, WndProcToLong(DestroyingParentProc)));
    Type(typed, "x");
    EXPECT_FALSE(IsWindow(typed));
    EXPECT_FALSE(Heard(typed, EN_CHANGE));

    Click(clicked, POINT{5, 5});
    EXPECT_FALSE(IsWindow(clicked));
    EXPECT_NE(GetCapture(), clicked);
}

// A single-line box tells of the focus once it has painted; a multi-line
// one paints in its turn.
TEST_F(EditNotifications, FocusIsToldAfterPaintingOrInTurn) {
    const HWND box = Box("abc", ES_AUTOHSCROLL);
    const HWND multi = Box("abc", ES_MULTILINE, 120, 80);
    MessageLog::Current().Clear();
    SetFocus(box);
    SetFocus(parent);

    const std::array SingleLineFocusSeq = {
        ExpectedMessage{"parent", WM_KILLFOCUS, kWParam, static_cast<WPARAM>(box)},
        ExpectedMessage{"parent", WM_CTLCOLOREDIT, kLParam, 0, static_cast<LPARAM>(box)},
        Told(box, EN_SETFOCUS),
        Told(box, EN_KILLFOCUS),
        ExpectedMessage{"parent", WM_SETFOCUS, kWParam, static_cast<WPARAM>(box)},
    };
    EXPECT_SEQUENCE(SingleLineFocusSeq);

    MessageLog::Current().Clear();
    SetFocus(multi);
    const std::array MultiLineFocusSeq = {
        ExpectedMessage{"parent", WM_KILLFOCUS, kWParam, static_cast<WPARAM>(multi)},
        Told(multi, EN_SETFOCUS),
    };
    EXPECT_SEQUENCE(MultiLineFocusSeq);
}

// What does not fit the limit stays out; the parent hears first that the
// box is full, then of the change, even when nothing went in.
TEST_F(EditNotifications, TheLimitKeepsTextOutAndSaysSo) {
    const HWND box = Box("", ES_AUTOHSCROLL);
    EXPECT_EQ(Send(box, EM_GETLIMITTEXT), 30000);
    Send(box, EM_LIMITTEXT, 3);
    EXPECT_EQ(Send(box, EM_GETLIMITTEXT), 3);
    Type(box, "abc");
    MessageLog::Current().Clear();
    Type(box, "d");

    const std::array TypingPastTheLimitSeq = {Told(box, EN_MAXTEXT), Told(box, EN_UPDATE),
                                              Told(box, EN_CHANGE)};
    EXPECT_SEQUENCE(TypingPastTheLimitSeq);
    EXPECT_EQ(TextOf(box), "abc");

    SendText(box, WM_SETTEXT, "ab");
    Send(box, EM_SETSEL, 2, 2);
    EXPECT_EQ(Replace(box, "XYZ"), "abX");
    EXPECT_EQ(SelectionOf(box), Range(3, 3));

    SendText(box, WM_SETTEXT, "longer than the limit");  // setting the text whole is not typing
    EXPECT_EQ(TextOf(box), "longer than the limit");
    Send(box, EM_SETSEL, 0, 2);
    // The selection goes; the limit still keeps the typing out.
    EXPECT_EQ(Type(box, "q"), "nger than the limit");

    // No limit means the largest the platform has.
    const HWND multi = Box("", ES_MULTILINE);
    Send(box, EM_LIMITTEXT, 0);
    Send(multi, EM_SETLIMITTEXT, 0);
    EXPECT_EQ(static_cast<DWORD>(Send(box, EM_GETLIMITTEXT)), 0x7FFFFFFEu);
    EXPECT_EQ(static_cast<DWORD>(Send(multi, EM_GETLIMITTEXT)), 0xFFFFFFFFu);
}

// A box that does not scroll sideways takes no more than it can show; one
// that does not scroll down takes no more lines than it shows, or nothing.
TEST_F(EditNotifications, ABoxThatDoesNotScrollTakesOnlyWhatItShows) {
    const HWND box = Box("", 0, 60);
    const std::string text = "a rather long text";
    const RECT format = FormatRectOf(box);
    std::size_t fitting = 0;
    {
        const FontOf font(box);
        while (fitting < text.size() &&
               font.Width(text.substr(0, fitting + 1)) <= format.right - format.left) {
            ++fitting;
        }
    }
    MessageLog::Current().Clear();
    EXPECT_EQ(Replace(box, text.c_str()), text.substr(0, fitting));

    const std::array CutToTheWidthSeq = {Told(box, EN_MAXTEXT), Told(box, EN_UPDATE),
                                         Told(box, EN_CHANGE)};
    EXPECT_SEQUENCE(CutToTheWidthSeq);

    const HWND lines = MultiLineBox("", 0, 2, 100);
    MessageLog::Current().Clear();
    EXPECT_EQ(Replace(lines, "1\r\n2\r\n3"), "");
    EXPECT_EQ(Replace(lines, "1\r\n2"), "1\r\n2");
    const std::array RefusedLinesSeq = {
        Told(lines, EN_MAXTEXT), Told(lines, EN_UPDATE), Told(lines, EN_CHANGE),
        Told(lines, EN_UPDATE),  Told(lines, EN_CHANGE),
    };
    EXPECT_SEQUENCE(RefusedLinesSeq);
}

// Selection

TEST_F(EditSelection, SetSelOrdersTheEndsAndKeepsTheCaretWhereTheSecondOneIs) {
    const HWND box = Box("hello world", ES_AUTOHSCROLL);
    EXPECT_EQ(SelectionOf(box), Range(0, 0));
    EXPECT_EQ(Select(box, 4, 2), Range(2, 4));
    EXPECT_EQ(Send(box, EM_GETSEL), static_cast<LRESULT>(2 | (4 << 16)));
    EXPECT_EQ(Key(box, VK_RIGHT), Range(3, 3));  // from the caret, one on

    Send(box, EM_SETSEL, 1, 3);
    EXPECT_EQ(Select(box, static_cast<WPARAM>(-1), 0), Range(3, 3));  // only the caret stays
    EXPECT_EQ(Select(box, 0, -1), Range(0, 11));
    EXPECT_EQ(Select(box, 3, 100), Range(3, 11));
    EXPECT_EQ(Select(box, static_cast<WPARAM>(-2), 3), Range(3, 11));
}

TEST_F(EditSelection, TypingAndReplaceSelReplaceTheSelection) {
    const HWND box = Box("hello world", ES_AUTOHSCROLL);
    Send(box, EM_SETSEL, 0, 5);
    EXPECT_EQ(Type(box, "J"), "J world");
    EXPECT_EQ(SelectionOf(box), Range(1, 1));
    Send(box, EM_SETSEL, 2, 7);
    EXPECT_EQ(Replace(box, "there"), "J there");
    EXPECT_EQ(SelectionOf(box), Range(7, 7));
    Send(box, EM_SETSEL, 0, 2);
    Send(box, WM_CLEAR);
    EXPECT_EQ(TextOf(box), "there");
    SendText(box, WM_SETTEXT, "new");
    EXPECT_EQ(SelectionOf(box), Range(0, 0));  // a new text starts with the caret at its start
}

TEST_F(EditSelection, TheLastChangeCanBeUndoneAndRedone) {
    const HWND box = Box("zy", ES_AUTOHSCROLL);
    EXPECT_EQ(Send(box, EM_GETMODIFY), TRUE);  // its first text went in as a change
    EXPECT_EQ(Send(box, EM_CANUNDO), FALSE);
    Send(box, EM_SETSEL, 1, 1);
    Type(box, "kl");
    Key(box, VK_LEFT);
    EXPECT_EQ(Type(box, "m"), "zkmly");  // elsewhere: a change of its own
    EXPECT_EQ(Send(box, EM_CANUNDO), TRUE);

    EXPECT_EQ(Send(box, EM_UNDO), TRUE);
    EXPECT_EQ(TextOf(box), "zkly");
    EXPECT_EQ(SelectionOf(box), Range(2, 2));
    Send(box, EM_UNDO);  // undoing the undo puts the text back, selected
    EXPECT_EQ(TextOf(box), "zkmly");
    EXPECT_EQ(SelectionOf(box), Range(2, 3));

    SendText(box, EM_REPLACESEL, "w", FALSE);  // a change that cannot be undone
    EXPECT_EQ(Send(box, EM_CANUNDO), FALSE);
    SendText(box, EM_REPLACESEL, "v", TRUE);
    EXPECT_EQ(Send(box, EM_CANUNDO), TRUE);
    SendText(box, WM_SETTEXT, "fresh");
    EXPECT_EQ(Send(box, EM_CANUNDO), FALSE);
    EXPECT_EQ(Send(box, EM_GETMODIFY), FALSE);
    Send(box, EM_SETMODIFY, TRUE);
    EXPECT_EQ(Send(box, EM_GETMODIFY), TRUE);
}

// Keys sent to the box, without Shift or Ctrl held

TEST_F(EditKeys, ArrowsHomeAndEndMoveTheCaretAndDropTheSelection) {
    const HWND box = Box("hello world", ES_AUTOHSCROLL);
    Send(box, EM_SETSEL, 4, 2);
    EXPECT_EQ(Key(box, VK_LEFT), Range(1, 1));  // from the caret, one back
    EXPECT_EQ(Key(box, VK_END), Range(11, 11));
    Send(box, EM_SETSEL, 2, 6);
    EXPECT_EQ(Key(box, VK_HOME), Range(0, 0));
    Send(box, EM_SETSEL, 6, 6);
    EXPECT_EQ(Key(box, VK_UP), Range(5, 5));  // in a single line, up and down go back and on
    Key(box, VK_DOWN);
    EXPECT_EQ(Key(box, VK_DOWN), Range(7, 7));
}

TEST_F(EditKeys, BackspaceAndDeleteTakeTheSelectionOrACharacter) {
    const HWND box = Box("a.b-c_d e", ES_AUTOHSCROLL);
    Send(box, EM_SETSEL, 2, 5);
    EXPECT_EQ(Type(box, "\b"), "a._d e");
    Send(box, EM_SETSEL, 2, 2);
    EXPECT_EQ(Type(box, "\b"), "a_d e");
    Key(box, VK_DELETE);
    EXPECT_EQ(TextOf(box), "ad e");
    Send(box, EM_SETSEL, 1, 3);
    Key(box, VK_DELETE);
    EXPECT_EQ(TextOf(box), "ae");
    EXPECT_EQ(SelectionOf(box), Range(1, 1));

    // Control characters and line breaks stay out of a single line.
    const HWND single = Box("x", ES_AUTOHSCROLL);
    EXPECT_EQ(Type(single, "\r\t\x01\x7F"), "x");
    EXPECT_EQ(Type(single, "\xE9"), "\xE9x");
}

TEST_F(EditKeys, ShiftExtendsAndCtrlGoesByWordsAndToTheEnds) {
    ZV_REQUIRES_HEADLESS("the scripted user's Shift and Ctrl");
    const HWND box = Box("one two-three four", ES_AUTOHSCROLL, 200);
    Send(box, EM_SETSEL, 5, 5);
    driver::PressKey(VK_SHIFT);
    Key(box, VK_RIGHT);
    Key(box, VK_RIGHT);
    driver::ReleaseKey(VK_SHIFT);
    EXPECT_EQ(SelectionOf(box), Range(5, 7));

    driver::PressKey(VK_CONTROL);
    // To the start of the next word: after a hyphen, before a letter.
    EXPECT_EQ(Key(box, VK_RIGHT), Range(8, 8));
    EXPECT_EQ(Key(box, VK_RIGHT), Range(14, 14));
    Key(box, VK_LEFT);
    EXPECT_EQ(Key(box, VK_LEFT), Range(4, 4));
    driver::PressKey(VK_SHIFT);
    EXPECT_EQ(Key(box, VK_END), Range(4, 18));
    driver::ReleaseKey(VK_SHIFT);
    EXPECT_EQ(Key(box, 'A'), Range(0, 18));
    driver::ReleaseKey(VK_CONTROL);
}

TEST_F(EditKeys, CtrlTakesHomeAndEndToTheEndsOfAllTheLines) {
    ZV_REQUIRES_HEADLESS("the scripted user's Shift and Ctrl");
    const HWND box = Box("one\r\ntwo words\r\nthree", ES_MULTILINE | ES_AUTOVSCROLL, 150, 100);
    Send(box, EM_SETSEL, 7, 7);
    driver::PressKey(VK_CONTROL);
    Key(box, VK_DELETE);  // to the end of the line
    EXPECT_EQ(TextOf(box), "one\r\ntw\r\nthree");
    EXPECT_EQ(Key(box, VK_RIGHT), Range(9, 9));  // over the line break
    EXPECT_EQ(Key(box, VK_LEFT), Range(7, 7));
    EXPECT_EQ(Key(box, VK_END), Range(14, 14));
    driver::PressKey(VK_SHIFT);
    EXPECT_EQ(Key(box, VK_HOME), Range(0, 14));
    driver::ReleaseKey(VK_SHIFT);
    driver::ReleaseKey(VK_CONTROL);
}

// The mouse

TEST_F(EditMouse, APressTakesTheFocusAndPlacesTheCaretAndADragSelects) {
    const HWND box = Box("hello world", ES_AUTOHSCROLL);
    MessageLog::Current().Clear();
    Send(box, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(At(box, 2)));
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(GetCapture(), box);
    EXPECT_EQ(SelectionOf(box), Range(2, 2));
    Send(box, WM_MOUSEMOVE, MK_LBUTTON, PointParam(At(box, 7)));
    EXPECT_EQ(SelectionOf(box), Range(2, 7));
    Send(box, WM_LBUTTONUP, 0, PointParam(At(box, 7)));
    EXPECT_EQ(GetCapture(), 0);
    Send(box, WM_MOUSEMOVE, 0, PointParam(At(box, 3)));  // the button is up
    EXPECT_EQ(SelectionOf(box), Range(2, 7));

    EXPECT_EQ(Click(box, At(box, 9), MK_SHIFT), Range(2, 9));
    EXPECT_EQ(Click(box, POINT{110, 5}), Range(11, 11));  // past the end of the text

    const std::array PressFocusSeq = {
        ExpectedMessage{"parent", WM_KILLFOCUS, kWParam, static_cast<WPARAM>(box)},
        ExpectedMessage{"parent", WM_CTLCOLOREDIT, kLParam, 0, static_cast<LPARAM>(box)},
        Told(box, EN_SETFOCUS),
    };
    EXPECT_SEQUENCE(PressFocusSeq);
}

// A word runs to the next word start: blanks after it belong to it, and a
// hyphen ends it before a letter.
TEST_F(EditMouse, ADoubleClickSelectsTheWordWithTheBlanksAfterIt) {
    const HWND box = Box("one, two;three  four", ES_AUTOHSCROLL, 300);
    EXPECT_EQ(DoubleClick(box, At(box, 2)), Range(0, 5));
    EXPECT_EQ(DoubleClick(box, At(box, 6)), Range(5, 16));
    EXPECT_EQ(DoubleClick(box, At(box, 19)), Range(16, 20));

    SendText(box, WM_SETTEXT, "a.b-c_d e\tf(g)");
    EXPECT_EQ(DoubleClick(box, At(box, 1)), Range(0, 4));
    EXPECT_EQ(DoubleClick(box, At(box, 6)), Range(4, 8));
    EXPECT_EQ(DoubleClick(box, At(box, 11)), Range(10, 14));
}

TEST_F(EditMouse, CharFromPosFindsTheNearestBoundary) {
    const HWND box = Box("mmmmmm", ES_AUTOHSCROLL);
    const POINT third = PosOf(box, 3);
    EXPECT_EQ(Send(box, EM_CHARFROMPOS, 0, PointParam(third)), 3);
    EXPECT_EQ(Send(box, EM_CHARFROMPOS, 0, PointParam(Offset(third, 1, 0))), 3);
    EXPECT_EQ(Send(box, EM_CHARFROMPOS, 0, PointParam(Offset(third, -1, 0))), 3);
    EXPECT_EQ(Send(box, EM_POSFROMCHAR, 6), -1);  // past the last character
}

// The scripted user clicks and types as a person would.
TEST_F(EditMouse, TheUserClicksTypesAndDoubleClicks) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND box = Box("draft", ES_AUTOHSCROLL);
    driver::Click(120, 20);  // right of the text
    EXPECT_EQ(GetFocus(), box);
    driver::TypeText("ed2");
    EXPECT_EQ(TextOf(box), "drafted2");
    driver::PressKey(VK_BACK);
    driver::ReleaseKey(VK_BACK);
    EXPECT_EQ(TextOf(box), "drafted");

    SendText(box, WM_SETTEXT, "first second");
    POINT word = At(box, 8);
    ClientToScreen(box, &word);
    driver::Click(word.x, word.y);
    driver::Click(word.x, word.y);
    EXPECT_EQ(SelectionOf(box), Range(6, 12));
    driver::TypeText("Final");
    EXPECT_EQ(TextOf(box), "first Final");
}

// Lines

TEST_F(EditLines, LinesBreakWhereTheTextDoes) {
    const HWND box = Box("one\r\ntwo\r\nthree", ES_MULTILINE | ES_AUTOVSCROLL, 150, 100);
    EXPECT_EQ(Send(box, EM_GETLINECOUNT), 3);
    EXPECT_EQ(Send(box, EM_LINEINDEX, 1), 5);
    EXPECT_EQ(Send(box, EM_LINEINDEX, 2), 10);
    EXPECT_EQ(Send(box, EM_LINEINDEX, 3), -1);
    EXPECT_EQ(Send(box, EM_LINELENGTH, 4), 3);  // the break belongs to its line
    EXPECT_EQ(Send(box, EM_LINELENGTH, 10), 5);
    EXPECT_EQ(Send(box, EM_LINEFROMCHAR, 4), 0);
    EXPECT_EQ(Send(box, EM_LINEFROMCHAR, 5), 1);
    EXPECT_EQ(Send(box, EM_LINEFROMCHAR, 99), 2);

    const HWND single = Box("one two", ES_AUTOHSCROLL);
    EXPECT_EQ(Send(single, EM_GETLINECOUNT), 1);
    EXPECT_EQ(Send(single, EM_LINELENGTH, 0), 7);
    EXPECT_EQ(Send(single, EM_LINEFROMCHAR, 6), 0);
}

// With -1 the questions are about the caret's line, or the selection's: its
// length is what the selection leaves of its lines.
TEST_F(EditLines, MinusOneAsksAboutTheCaretOrTheSelection) {
    const HWND box = Box("one\r\ntwo\r\nthree", ES_MULTILINE | ES_AUTOVSCROLL, 150, 100);
    EXPECT_EQ(Send(box, EM_LINELENGTH, static_cast<WPARAM>(-1)), 3);
    Send(box, EM_SETSEL, 1, 7);
    EXPECT_EQ(Send(box, EM_LINEINDEX, static_cast<WPARAM>(-1)), 5);
    EXPECT_EQ(Send(box, EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 0);
    EXPECT_EQ(Send(box, EM_LINELENGTH, static_cast<WPARAM>(-1)), 2);
    Send(box, EM_SETSEL, 7, 1);  // counted from the anchor and from the caret
    EXPECT_EQ(Send(box, EM_LINEINDEX, static_cast<WPARAM>(-1)), 0);
    EXPECT_EQ(Send(box, EM_LINELENGTH, static_cast<WPARAM>(-1)), 4);
}

// The buffer's first word says how much it takes; a terminator follows only
// where there is room for it.
TEST_F(EditLines, GetLineCopiesAsMuchAsTheBufferTakes) {
    const HWND box = Box("one\r\ntwo\r\nthree", ES_MULTILINE | ES_AUTOVSCROLL, 150, 100);
    char buffer[16] = "xxxxxxxxxxxxxxx";
    const std::uint16_t size = 10;
    std::memcpy(buffer, &size, sizeof size);
    EXPECT_EQ(Send(box, EM_GETLINE, 2, reinterpret_cast<LPARAM>(buffer)), 5);
    EXPECT_EQ(std::string(buffer, 7), std::string("three\0x", 7));
    const std::uint16_t small = 2;
    std::memcpy(buffer, &small, sizeof small);
    EXPECT_EQ(Send(box, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_EQ(std::string(buffer, 3), "twr");
    EXPECT_EQ(Send(box, EM_GETLINE, 7, reinterpret_cast<LPARAM>(buffer)), 0);
}

TEST_F(EditLines, UpAndDownKeepTheCaretsPlaceAndLineBreaksCountAsOne) {
    const HWND box = Box("abc\r\nab\r\nabcde", ES_MULTILINE | ES_AUTOVSCROLL, 150, 100);
    Send(box, EM_SETSEL, 1, 1);
    EXPECT_EQ(Key(box, VK_DOWN), Range(6, 6));
    EXPECT_EQ(Key(box, VK_DOWN), Range(10, 10));
    EXPECT_EQ(Key(box, VK_DOWN), Range(10, 10));  // on the last line already
    EXPECT_EQ(Key(box, VK_END), Range(14, 14));
    EXPECT_EQ(Key(box, VK_UP), Range(7, 7));  // past the end of a shorter line: its end
    EXPECT_EQ(Key(box, VK_RIGHT), Range(9, 9));
    EXPECT_EQ(Key(box, VK_LEFT), Range(7, 7));

    Key(box, VK_DELETE);
    EXPECT_EQ(TextOf(box), "abc\r\nababcde");
    EXPECT_EQ(Type(box, "\r"), "abc\r\nab\r\nabcde");
    EXPECT_EQ(SelectionOf(box), Range(9, 9));
    EXPECT_EQ(Type(box, "\t"), "abc\r\nab\r\n\tabcde");
    EXPECT_EQ(Type(box, "\b\b"), "abc\r\nababcde");
}

// Without ES_AUTOHSCROLL or a horizontal scroll bar, lines wrap before a word
// that would not fit; the blanks after a word stay on its line, however
// wide, and a word wider than the box breaks where it must.
TEST_F(EditLines, LongLinesWrapBetweenWords) {
    const HWND box = Box("", ES_MULTILINE, 200, 100);
    const RECT client = ClientRectOf(box);
    const RECT format = FormatRectOf(box);
    const int word = FontOf(box).Width("wrapping");
    MoveWindow(box, 10, 10, word * 3 / 2 + client.right - (format.right - format.left), 100, TRUE);
    SendText(box, WM_SETTEXT, "wrapping wrapping  wrapping\r\n\r\nx");

    EXPECT_EQ(Send(box, EM_GETLINECOUNT), 5);
    const std::array<LRESULT, 5> starts = {0, 9, 19, 29, 31};
    const std::array<LRESULT, 5> lengths = {9, 10, 8, 0, 1};
    for (std::size_t line = 0; line < starts.size(); ++line) {
        EXPECT_EQ(Send(box, EM_LINEINDEX, line), starts[line]) << "line " << line;
        EXPECT_EQ(Send(box, EM_LINELENGTH, static_cast<WPARAM>(starts[line])), lengths[line])
            << "line " << line;
    }
    EXPECT_EQ(Send(box, EM_LINEFROMCHAR, 8), 0);
    EXPECT_EQ(Send(box, EM_LINEFROMCHAR, 9), 1);
    EXPECT_EQ(PosOf(box, 9).x, PosOf(box, 0).x);
    Send(box, EM_SETSEL, 9, 9);
    EXPECT_EQ(Key(box, VK_END), Range(19, 19));  // after the blanks

    SendText(box, WM_SETTEXT, "wrappingwrappingwrapping");
    EXPECT_GE(Send(box, EM_GETLINECOUNT), 2);
    EXPECT_GT(Send(box, EM_LINEINDEX, 1), 8);
    EXPECT_LT(Send(box, EM_LINEINDEX, 1), 16);

    const HWND sideways =
        Box("wrapping wrapping wrapping wrapping", ES_MULTILINE | WS_HSCROLL, 100, 100);
    const HWND scrolling =
        Box("wrapping wrapping wrapping wrapping", ES_MULTILINE | ES_AUTOHSCROLL, 100, 100);
    EXPECT_EQ(Send(sideways, EM_GETLINECOUNT), 1);
    EXPECT_EQ(Send(scrolling, EM_GETLINECOUNT), 1);
}

TEST_F(EditLines, AlignmentPlacesEachLineWithinTheWidth) {
    const HWND centred = Box("ab\r\nabcd", ES_MULTILINE | ES_CENTER, 100, 60);
    const HWND right = Box("ab\r\nabcd", ES_MULTILINE | ES_RIGHT, 100, 60);
    const HWND single = Box("x", ES_RIGHT, 100, 24);
    const RECT format = FormatRectOf(centred);
    const int width = format.right - format.left;
    const FontOf font(centred);
    EXPECT_EQ(PosOf(centred, 0).x, format.left + (width - font.Width("ab")) / 2);
    EXPECT_EQ(PosOf(centred, 4).x, format.left + (width - font.Width("abcd")) / 2);
    EXPECT_EQ(PosOf(right, 0).x, format.left + width - font.Width("ab"));
    EXPECT_EQ(PosOf(right, 4).x, format.left + width - font.Width("abcd"));
    EXPECT_EQ(PosOf(single, 0).x, FormatRectOf(single).right - font.Width("x"));
}

// The frame: WS_BORDER without a client edge is drawn inside the client
// area, and the text starts two pixels in.
TEST_F(EditLines, AFrameOfItsOwnTakesTwoPixelsOfTheClientArea) {
    const HWND box = Box("x", WS_BORDER | ES_AUTOHSCROLL, 120, 24);
    EXPECT_EQ(StyleOf(box) & WS_BORDER, 0u);
    EXPECT_EQ(ClientRectOf(box).right, 120);
    const RECT format = FormatRectOf(box);
    EXPECT_EQ(format.top, 2);
    EXPECT_EQ(format.bottom, 2 + LineHeight(box));
    EXPECT_EQ(PosOf(box, 0).y, 2);
}

// Scrolling

TEST_F(EditScrolling, TheVerticalBarCoversTheLinesAndShowsTheFirst) {
    const HWND box = MultiLineBox(TwentyLines(), ES_AUTOVSCROLL | WS_VSCROLL, 6);
    SCROLLINFO bar = ScrollInfoOf(box, SB_VERT);
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, 19);
    EXPECT_EQ(bar.nPage, 6u);
    EXPECT_EQ(bar.nPos, 0);

    MessageLog::Current().Clear();
    EXPECT_EQ(Send(box, EM_LINESCROLL, 0, 3), TRUE);
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 3);
    EXPECT_EQ(ScrollInfoOf(box, SB_VERT).nPos, 3);
    EXPECT_EQ(PosOf(box, StartOfLine(4)).y, FormatRectOf(box).top + LineHeight(box));
    const std::array LineScrollSeq = {Told(box, EN_VSCROLL)};
    EXPECT_SEQUENCE(LineScrollSeq);

    EXPECT_EQ(FirstLineAfter(box, EM_LINESCROLL, 0, 100), 14);  // no further than the last page
    EXPECT_EQ(FirstLineAfter(box, EM_LINESCROLL, 0, -100), 0);

    Send(box, EM_LINESCROLL, 0, 10);
    SendText(box, WM_SETTEXT, "one\r\ntwo");
    bar = ScrollInfoOf(box, SB_VERT);
    EXPECT_EQ(bar.nMax, 1);
    EXPECT_EQ(bar.nPos, 0);
}

TEST_F(EditScrolling, TheScrollBarsMessagesMoveTheView) {
    const HWND box = MultiLineBox(TwentyLines(), ES_AUTOVSCROLL | WS_VSCROLL, 6);
    MessageLog::Current().Clear();
    EXPECT_EQ(FirstLineAfter(box, WM_VSCROLL, SB_LINEDOWN), 1);
    const std::array LineDownSeq = {
        Told(box, EN_VSCROLL),
        Told(box, EN_VSCROLL, kBothParams | kOptional),
        Told(box, EN_VSCROLL, kBothParams | kOptional),
    };
    EXPECT_SEQUENCE(LineDownSeq);
    EXPECT_EQ(FirstLineAfter(box, WM_VSCROLL, SB_PAGEDOWN), 7);
    EXPECT_EQ(FirstLineAfter(box, WM_VSCROLL, SB_THUMBPOSITION | (10 << 16)), 10);
    EXPECT_EQ(ScrollInfoOf(box, SB_VERT).nPos, 10);
    EXPECT_EQ(FirstLineAfter(box, WM_VSCROLL, SB_LINEUP), 9);
    Send(box, WM_VSCROLL, SB_TOP);
    MessageLog::Current().Clear();
    Send(box, WM_VSCROLL, SB_LINEUP);  // at the top already: nothing moves, nothing is told
    EXPECT_EQ(FirstLineAfter(box, WM_VSCROLL, SB_PAGEUP), 0);
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
}

TEST_F(EditScrolling, TheCaretIsKeptInView) {
    const HWND box = MultiLineBox(TwentyLines(), ES_AUTOVSCROLL | WS_VSCROLL, 6);
    Send(box, EM_SETSEL, StartOfLine(12), StartOfLine(12));
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 7);
    SetFocus(box);
    // A page up, and just into view.
    EXPECT_EQ(Key(box, VK_PRIOR), Range(StartOfLine(6), StartOfLine(6)));
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 6);
    EXPECT_EQ(Key(box, VK_PRIOR), Range(0, 0));
    Send(box, EM_SETSEL, 3, 3);
    EXPECT_EQ(Key(box, VK_NEXT), Range(StartOfLine(6) + 3, StartOfLine(6) + 3));
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 1);
    Key(box, VK_DOWN);
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 2);

    // The caret out of view, until the text changes.
    EXPECT_EQ(FirstLineAfter(box, EM_LINESCROLL, 0, 10), 12);
    Type(box, "Y");
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 7);
    Send(box, EM_LINESCROLL, 0, 5);
    EXPECT_EQ(FirstLineAfter(box, EM_SCROLLCARET), 7);
    SendText(box, WM_SETTEXT, TwentyLines().c_str());
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 0);
}

TEST_F(EditScrolling, ASingleLineBoxScrollsByCharactersToShowTheCaret) {
    const HWND box = Box("a long text that goes on past the end of the box", ES_AUTOHSCROLL, 80);
    const RECT format = FormatRectOf(box);
    EXPECT_EQ(Send(box, EM_LINESCROLL, 0, 1), FALSE);
    Send(box, EM_SETSEL, 40, 40);
    const auto first = static_cast<std::size_t>(Send(box, EM_GETFIRSTVISIBLELINE));
    EXPECT_GT(first, 0u);
    EXPECT_EQ(PosOf(box, first).x, format.left);  // a whole character at the left edge
    EXPECT_GE(PosOf(box, 40).x, format.left);
    EXPECT_LE(PosOf(box, 40).x, format.right);
    Send(box, EM_SETSEL, 2, 2);
    EXPECT_EQ(Send(box, EM_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(PosOf(box, 0).x, format.left);
}

TEST_F(EditScrolling, SidewaysByAverageCharacters) {
    const HWND box = Box("a long text that goes on past the end of the box",
                         ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, 80, 60);
    const int character = FontOf(box).Metrics().tmAveCharWidth;
    const RECT format = FormatRectOf(box);
    const int start = PosOf(box, 0).x;
    EXPECT_EQ(ScrollInfoOf(box, SB_HORZ).nPage, static_cast<UINT>(format.right - format.left));
    MessageLog::Current().Clear();
    Send(box, WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(PosOf(box, 0).x, start - character);
    EXPECT_EQ(ScrollInfoOf(box, SB_HORZ).nPos, character);
    const std::array LineRightSeq = {Told(box, EN_HSCROLL)};
    EXPECT_SEQUENCE(LineRightSeq);

    Send(box, WM_HSCROLL, SB_PAGERIGHT);  // a third of the width, in whole characters
    const int page = (format.right - format.left) / 3 / character * character;
    EXPECT_EQ(PosOf(box, 0).x, start - character - page);
    Send(box, EM_LINESCROLL, 2, 0);
    EXPECT_EQ(PosOf(box, 0).x, start - 3 * character - page);
}

// Styles

TEST_F(EditStyles, ReadOnlyBoxesTakeNoTypingButReplaceSelStillWorks) {
    const HWND box = Box("fixed", ES_READONLY | ES_AUTOHSCROLL);
    SetFocus(box);
    MessageLog::Current().Clear();
    Type(box, "a\b");
    Key(box, VK_DELETE);
    Send(box, WM_CLEAR);
    Key(box, VK_END);  // the caret still moves
    EXPECT_EQ(TextOf(box), "fixed");
    EXPECT_EQ(SelectionOf(box), Range(5, 5));
    EXPECT_TRUE(MessageLog::Current().Messages().empty());

    Send(box, EM_SETSEL, 0, 0);
    EXPECT_EQ(Replace(box, "R"), "Rfixed");
    EXPECT_EQ(Send(box, EM_SETREADONLY, FALSE), TRUE);
    EXPECT_EQ(StyleOf(box) & ES_READONLY, 0u);
    EXPECT_EQ(Type(box, "a"), "Rafixed");
    Send(box, EM_SETREADONLY, TRUE);
    EXPECT_EQ(StyleOf(box) & ES_READONLY, ES_READONLY);
}

TEST_F(EditStyles, PasswordBoxesShowTheirCharacterAndKeepTheText) {
    const HWND box = Box("secret", ES_PASSWORD | ES_AUTOHSCROLL);
    EXPECT_EQ(Send(box, EM_GETPASSWORDCHAR), '*');
    EXPECT_EQ(TextOf(box), "secret");
    const FontOf font(box);
    EXPECT_EQ(PosOf(box, 2).x - PosOf(box, 0).x, font.Width("**"));

    Send(box, EM_SETPASSWORDCHAR, 0);
    EXPECT_EQ(StyleOf(box) & ES_PASSWORD, 0u);
    EXPECT_EQ(PosOf(box, 2).x - PosOf(box, 0).x, font.Width("se"));

    const HWND plain = Box("x", ES_AUTOHSCROLL);
    EXPECT_EQ(Send(plain, EM_GETPASSWORDCHAR), 0);
    Send(plain, EM_SETPASSWORDCHAR, '#');
    EXPECT_EQ(Send(plain, EM_GETPASSWORDCHAR), '#');
    EXPECT_EQ(StyleOf(plain) & ES_PASSWORD, ES_PASSWORD);
}

TEST_F(EditStyles, NumberAndCaseStylesFilterWhatGoesInAndDialogCodesAskForKeys) {
    const HWND number = Box("", ES_NUMBER);
    Type(number, "1a-2");
    SendText(number, EM_REPLACESEL, "x");  // only typing is filtered
    EXPECT_EQ(TextOf(number), "12x");

    const HWND upper = Box("", ES_UPPERCASE);
    Type(upper, "a");
    SendText(upper, EM_REPLACESEL, "bc");
    EXPECT_EQ(TextOf(upper), "ABC");
    SendText(upper, WM_SETTEXT, "mixed Case");
    EXPECT_EQ(TextOf(upper), "MIXED CASE");

    const HWND lower = Box("", ES_LOWERCASE);
    Type(lower, "A");
    EXPECT_EQ(TextOf(lower), "a");

    // Dialog codes ask for characters, arrows and selecting all.
    const HWND single = Box("", ES_AUTOHSCROLL);
    const HWND multi = Box("", ES_MULTILINE);
    EXPECT_EQ(Send(single, WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    EXPECT_EQ(Send(multi, WM_GETDLGCODE),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS);
}

// Painting: read-only and disabled boxes ask for the colours of static text.
TEST_F(EditPainting, TheParentIsAskedForColours) {
    const HWND box = Box("text", ES_AUTOHSCROLL);
    UpdateWindow(box);
    MessageLog::Current().Clear();
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    Send(box, EM_SETREADONLY, TRUE);
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    Send(box, EM_SETREADONLY, FALSE);
    EnableWindow(box, FALSE);
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);

    const std::array EditColoursSeq = {
        ExpectedMessage{"parent", WM_CTLCOLOREDIT, kLParam, 0, static_cast<LPARAM>(box)},
        ExpectedMessage{"parent", WM_CTLCOLORSTATIC, kLParam, 0, static_cast<LPARAM>(box)},
        ExpectedMessage{"parent", WM_CTLCOLORSTATIC, kLParam, 0, static_cast<LPARAM>(box)},
    };
    EXPECT_SEQUENCE(EditColoursSeq);
}

TEST_F(EditPainting, TheSelectionAndTheCaretShowWhileTheBoxHasTheFocus) {
    ZV_REQUIRES_HEADLESS("a window DC that reads back its own pixels");
    const HWND box = Box("selected", ES_AUTOHSCROLL);
    const HWND kept = Box("selected", ES_AUTOHSCROLL | ES_NOHIDESEL);
    MoveWindow(kept, 10, 40, 120, 24, TRUE);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    Send(box, EM_SETSEL, 0, -1);
    Send(kept, EM_SETSEL, 0, -1);
    EXPECT_EQ(PixelsOf(box, highlight), 0);
    EXPECT_GT(PixelsOf(kept, highlight), 0);
    SetFocus(box);
    EXPECT_GT(PixelsOf(box, highlight), 0);

    // The caret is a bar where the caret is.
    const HWND empty = Box("", ES_AUTOHSCROLL);
    MoveWindow(empty, 10, 70, 120, 24, TRUE);
    const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(PixelsOf(empty, ink), 0);
    SetFocus(empty);
    EXPECT_EQ(PixelsOf(empty, ink), LineHeight(empty));
}

}  // namespace
}  // namespace zv::test
