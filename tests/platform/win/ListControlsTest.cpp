// List boxes and combo boxes: what they answer to their messages, what
// their parent hears as the user picks with the mouse and the keyboard, and
// how a combo box drops its list down and closes it again.

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

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

constexpr int kListId = 5;
constexpr int kComboId = 6;
constexpr const char* kNotifiedClass = "ZvNotified";

// A parent that logs only what its controls tell it, so that the sequences
// leave the painting out.
// What the parent was told of items that went, as type, identifier, index
// and data.
std::vector<std::array<UINT_PTR, 4>> g_deleted;

LRESULT ZV_CALLBACK NotifiedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DELETEITEM) {
        const auto& deleted = *reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
        g_deleted.push_back({deleted.CtlType, deleted.CtlID, deleted.itemID, deleted.itemData});
        EXPECT_EQ(wParam, deleted.CtlID);
        EXPECT_EQ(GetParent(deleted.hwndItem), hwnd);
        return TRUE;
    }
    if (message == WM_COMMAND || message == WM_LBTRACKPOINT) {
        MessageLog::Current().RecordArrival(hwnd, message, wParam, lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// What makes the destroying parent destroy the control that tells it.
UINT destroyOn = 0;

// A parent whose handler destroys the control in the middle of a
// notification: the control must survive it.
LRESULT ZV_CALLBACK DestroyingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && ((wParam >> 16) & 0xFFFF) == destroyOn) {
        DestroyWindow(static_cast<HWND>(lParam));
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

WPARAM Code(int id, UINT code) {
    return static_cast<WPARAM>(id) | (static_cast<WPARAM>(code) << 16);
}

// What the parent hears from a control: WM_COMMAND with the control's
// identifier and the notification code.
ExpectedMessage Told(HWND control, UINT code) {
    return ExpectedMessage{"parent", WM_COMMAND, kBothParams, Code(GetDlgCtrlID(control), code),
                           control};
}

LPARAM Text(const char* text) {
    return reinterpret_cast<LPARAM>(text);
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(hwnd, message, wParam, lParam);
}

// -1 as an index, the way it travels in wParam.
const WPARAM kNone = static_cast<WPARAM>(-1);

bool HasStyle(HWND hwnd, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & bits) == bits;
}

int FontHeight(HFONT font) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return metrics.tmHeight;
}

// The list of the drop-down combo box that a case makes: a child of the
// desktop, found by its class.
HWND ComboList() {
    return FindWindowExA(0, 0, "ComboLBox", nullptr);
}

class ListControls : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        RegisterClassOf(kNotifiedClass, NotifiedProc);
        parent = CreateWindowExA(0, kNotifiedClass, "parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300,
                                 0, 0, 0, nullptr);
        MessageLog::Current().Name(parent, "parent");
        SetForegroundWindow(parent);
        MessageLog::Current().PumpPending();
    }

    void TearDown() override {
        DestroyWindow(parent);
        if (font != 0) {
            DeleteObject(font);
        }
        PlatformTest::TearDown();
    }

    // A list box or a combo box holding the items given.
    HWND List(DWORD style, std::initializer_list<const char*> items = {}) {
        const HWND list = Control("ListBox", WS_BORDER | style, kListId, 100);
        Fill(list, LB_ADDSTRING, items);
        return list;
    }

    HWND Combo(DWORD style, std::initializer_list<const char*> items = {}) {
        const HWND combo = Control("ComboBox", style, kComboId, 150);
        Fill(combo, CB_ADDSTRING, items);
        return combo;
    }

    HWND Control(const char* className, DWORD style, int id, int height) {
        const HWND hwnd = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 10, 10,
                                          120, height, parent, id, 0, nullptr);
        MessageLog::Current().Name(hwnd, className);
        return hwnd;
    }

    // A font whose rows differ from the default one's.
    HFONT LargeFont() {
        if (font == 0) {
            LOGFONTA description;
            description.lfHeight = -20;
            std::copy_n("Arial", 6, description.lfFaceName);
            font = CreateFontIndirectA(&description);
        }
        return font;
    }

    static void Fill(HWND control, UINT add, std::initializer_list<const char*> items) {
        for (const char* item : items) {
            Send(control, add, 0, Text(item));
        }
    }

    static void FillNumbered(HWND control, UINT add, int count) {
        for (int i = 0; i < count; ++i) {
            const std::string item = "item " + std::to_string(i);
            Send(control, add, 0, Text(item.c_str()));
        }
    }

    static std::vector<std::string> Items(HWND list) {
        std::vector<std::string> items;
        const auto count = static_cast<int>(Send(list, LB_GETCOUNT));
        for (int i = 0; i < count; ++i) {
            char text[64] = {};
            Send(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.emplace_back(text);
        }
        return items;
    }

    static int Rows(HWND list) {
        return static_cast<int>(ClientRectOf(list).bottom / Send(list, LB_GETITEMHEIGHT));
    }

    // Where the row of an item lies, in the list's client coordinates.
    static LPARAM RowPoint(HWND list, int index) {
        RECT row;
        Send(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
        return MakeLParam(5, static_cast<int>(row.top) + 2);
    }

    static void Click(HWND hwnd, LPARAM point) {
        Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
        Send(hwnd, WM_LBUTTONUP, 0, point);
    }

    void ClearLog() { MessageLog::Current().Clear(); }

    HWND parent = 0;
    HFONT font = 0;
};

// List boxes: items and answers

TEST_F(ListControls, ItemsKeepTheirPlaceOrSortWithoutRegardToCase) {
    const HWND list = List(0);
    EXPECT_EQ(Send(list, LB_ADDSTRING, 0, Text("pear")), 0);
    EXPECT_EQ(Send(list, LB_ADDSTRING, 0, Text("apple")), 1);
    EXPECT_EQ(Send(list, LB_INSERTSTRING, 1, Text("fig")), 1);
    EXPECT_EQ(Send(list, LB_INSERTSTRING, kNone, Text("kiwi")), 3);
    EXPECT_EQ(Send(list, LB_INSERTSTRING, 9, Text("lost")), LB_ERR);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"pear", "fig", "apple", "kiwi"}));
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 1), 3);
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 4), LB_ERR);
    char text[16] = "untouched";
    EXPECT_EQ(Send(list, LB_GETTEXT, 4, reinterpret_cast<LPARAM>(text)), LB_ERR);
    EXPECT_STREQ(text, "untouched");

    const HWND sorted = List(LBS_SORT, {"pear", "Apple", "banana"});
    EXPECT_EQ(Send(sorted, LB_ADDSTRING, 0, Text("apple")), 0);  // before its equal
    EXPECT_EQ(Send(sorted, LB_INSERTSTRING, 0, Text("zz")), 0);  // inserting does not sort
    EXPECT_EQ(Items(sorted), (std::vector<std::string>{"zz", "apple", "Apple", "banana", "pear"}));
}

// The system's order for the user: symbols, digits, letters; accents and
// ligatures with their letters; hyphens and apostrophes only where all else
// is alike (a later one first, an apostrophe before a hyphen).
TEST_F(ListControls, SortedListsOrderTextsAsTheSystemSortsThem) {
    const HWND words = List(LBS_SORT);
    Fill(words, LB_ADDSTRING,
         {"co-op", "coop", "Cobalt", "_under", "apple", "Apple", "b", "B2", "b1", "10", "9", "a b",
          "ab", "\xE9t\xE9", "eta", "zebra", "Zeta", "o'neil", "oneil"});
    EXPECT_EQ(Items(words),
              (std::vector<std::string>{"_under", "10", "9", "a b", "ab", "Apple", "apple", "b",
                                        "b1", "B2", "Cobalt", "coop", "co-op", "eta", "\xE9t\xE9",
                                        "oneil", "o'neil", "zebra", "Zeta"}));

    const HWND ties = List(LBS_SORT);
    Fill(ties, LB_ADDSTRING,
         {"ae", "\xE6",  "af",   "ad",    "ss",   "\xDF", "st",  "sr", "e",   "\xE9", "E",  "\xC9",
          "f",  "co-op", "coop", "coo-p", "co-o", "coo",  "a-b", "ab", "a'b", "-ab",  "'ab"});
    EXPECT_EQ(Items(ties), (std::vector<std::string>{
                               "ab",   "a'b",  "a-b",  "'ab",  "-ab",   "ad",    "\xE6", "ae",
                               "af",   "coo",  "co-o", "coop", "coo-p", "co-op", "E",    "e",
                               "\xC9", "\xE9", "f",    "sr",   "\xDF",  "ss",    "st"}));
    EXPECT_EQ(lstrcmpiA("Coop", "cOOP"), 0);
    EXPECT_LT(lstrcmpiA("coop", "co-op"), 0);
    EXPECT_GT(lstrcmpiA("9", "10"), 0);
    EXPECT_LT(lstrcmpiA("~", "0"), 0);
}

// Only items with data are told of, the last first when many go at once.
TEST_F(ListControls, ItemsWithDataAreToldOfAsTheyGo) {
    g_deleted.clear();
    const HWND list = List(0, {"a", "b", "c", "d"});
    Send(list, LB_SETITEMDATA, 1, 77);
    Send(list, LB_SETITEMDATA, 3, 99);
    Send(list, LB_DELETESTRING, 0);
    Send(list, LB_DELETESTRING, 0);
    Fill(list, LB_ADDSTRING, {"e", "f"});
    Send(list, LB_SETITEMDATA, 2, 22);
    Send(list, LB_RESETCONTENT);
    Fill(list, LB_ADDSTRING, {"g", "h"});
    Send(list, LB_SETITEMDATA, 0, 33);
    Send(list, LB_SETITEMDATA, 1, 44);
    DestroyWindow(list);
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"x", "y"});
    Send(combo, CB_SETITEMDATA, 1, 55);
    Send(combo, CB_DELETESTRING, 1);

    const auto told = [](UINT type, int id, UINT_PTR index, UINT_PTR data) {
        return std::array<UINT_PTR, 4>{type, static_cast<UINT_PTR>(id), index, data};
    };
    EXPECT_EQ(g_deleted,
              (std::vector<std::array<UINT_PTR, 4>>{
                  told(ODT_LISTBOX, kListId, 0, 77), told(ODT_LISTBOX, kListId, 2, 22),
                  told(ODT_LISTBOX, kListId, 1, 99), told(ODT_LISTBOX, kListId, 1, 44),
                  told(ODT_LISTBOX, kListId, 0, 33), told(ODT_COMBOBOX, kComboId, 1, 55)}));
}

TEST_F(ListControls, TheSelectionStaysWithItsItem) {
    const HWND list = List(0, {"pear", "fig", "apple", "kiwi"});
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 3), 3);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 7), LB_ERR);  // changes nothing
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    EXPECT_GT(Send(list, LB_GETSEL, 3), 0);
    EXPECT_EQ(Send(list, LB_GETSEL, 2), 0);
    EXPECT_EQ(Send(list, LB_GETSEL, 7), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCARETINDEX), 3);

    EXPECT_EQ(Send(list, LB_DELETESTRING, 1), 3);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(Send(list, LB_INSERTSTRING, 0, Text("lime")), 0);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    EXPECT_EQ(Send(list, LB_DELETESTRING, 3), 3);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(Send(list, LB_DELETESTRING, 9), LB_ERR);

    EXPECT_EQ(Send(list, LB_SETCURSEL, 1), 1);
    EXPECT_EQ(Send(list, LB_SETCURSEL, kNone), LB_ERR);  // and none is selected
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(Send(list, LB_RESETCONTENT), LB_OKAY);
    EXPECT_EQ(Send(list, LB_GETCOUNT), 0);
    EXPECT_TRUE(MessageLog::Current().Messages().empty());  // nobody is told
}

TEST_F(ListControls, ItemDataTravelsWithItsItem) {
    const HWND list = List(0, {"one", "two"});
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 1), 0);
    EXPECT_EQ(Send(list, LB_SETITEMDATA, 1, 77), TRUE);
    EXPECT_EQ(Send(list, LB_SETITEMDATA, 2, 5), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETITEMDATA, kNone, 5), LB_ERR);
    Send(list, LB_INSERTSTRING, 0, Text("zero"));
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 2), 77);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 1), 0);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 3), LB_ERR);
}

// A search starts after the item given and comes round to it last; a start
// outside the list searches from the first item.
TEST_F(ListControls, FindingMatchesTheStartWithoutRegardToCaseAndWrapsAround) {
    const HWND list = List(0, {"pear", "fig", "apple", "kiwi"});
    EXPECT_EQ(Send(list, LB_FINDSTRING, kNone, Text("A")), 2);
    EXPECT_EQ(Send(list, LB_FINDSTRING, 2, Text("p")), 0);
    EXPECT_EQ(Send(list, LB_FINDSTRING, 9, Text("p")), 0);
    EXPECT_EQ(Send(list, LB_FINDSTRING, kNone, Text("zz")), LB_ERR);
    EXPECT_EQ(Send(list, LB_FINDSTRING, kNone, Text("")), LB_ERR);
    EXPECT_EQ(Send(list, LB_FINDSTRINGEXACT, kNone, Text("FIG")), 1);
    EXPECT_EQ(Send(list, LB_FINDSTRINGEXACT, kNone, Text("fi")), LB_ERR);
    EXPECT_EQ(Send(list, LB_FINDSTRINGEXACT, 1, Text("fig")), 1);

    EXPECT_EQ(Send(list, LB_SELECTSTRING, kNone, Text("ki")), 3);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    EXPECT_EQ(Send(list, LB_SELECTSTRING, kNone, Text("zz")), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
}

// List boxes: rows and scrolling

TEST_F(ListControls, RowsAreOneFontHighAndTheListWholeRowsHigh) {
    const HWND list = List(0);
    const auto rowHeight = static_cast<LONG>(Send(list, LB_GETITEMHEIGHT));
    EXPECT_EQ(ClientRectOf(list).bottom % rowHeight, 0);
    const HWND loose = List(LBS_NOINTEGRALHEIGHT);
    EXPECT_EQ(WindowRectOf(loose).bottom - WindowRectOf(loose).top, 100);

    Send(list, WM_SETFONT, static_cast<WPARAM>(LargeFont()), FALSE);
    const int height = FontHeight(LargeFont());
    EXPECT_EQ(Send(list, LB_GETITEMHEIGHT), height);
    Fill(list, LB_ADDSTRING, {"one", "two"});
    RECT row{};
    EXPECT_EQ(Send(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)), TRUE);
    EXPECT_EQ(row.top, height);
    EXPECT_EQ(row.bottom, 2 * height);
    EXPECT_EQ(row.right, ClientRectOf(list).right);
    row = RECT{1, 2, 3, 4};
    EXPECT_EQ(Send(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row)), LB_ERR);
    EXPECT_EQ(row.bottom, 0);
    // A point past the last item is outside, at the last item.
    EXPECT_EQ(Send(list, LB_ITEMFROMPOINT, 0, MakeLParam(5, 2 * height + 2)), 0x10000 | 1);
}

TEST_F(ListControls, TheScrollBarShowsWhileTheItemsOverflow) {
    const HWND list = List(WS_VSCROLL);
    EXPECT_FALSE(HasStyle(list, WS_VSCROLL));
    const int rows = Rows(list);
    FillNumbered(list, LB_ADDSTRING, rows);
    EXPECT_FALSE(HasStyle(list, WS_VSCROLL));

    Send(list, LB_ADDSTRING, 0, Text("one too many"));
    EXPECT_TRUE(HasStyle(list, WS_VSCROLL));
    Send(list, LB_SETTOPINDEX, 1);
    SCROLLINFO bar;
    bar.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &bar));
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, rows);
    EXPECT_EQ(bar.nPage, static_cast<UINT>(rows));
    EXPECT_EQ(bar.nPos, 1);

    Send(list, LB_RESETCONTENT);
    EXPECT_FALSE(HasStyle(list, WS_VSCROLL));
}

TEST_F(ListControls, TheTopItemStaysWithinTheItemsAndFollowsTheSelection) {
    const HWND list = List(WS_VSCROLL);
    const int rows = Rows(list);
    const int count = rows + 8;
    FillNumbered(list, LB_ADDSTRING, count);
    EXPECT_EQ(Send(list, LB_SETTOPINDEX, 5), LB_OKAY);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 5);
    Send(list, LB_SETTOPINDEX, static_cast<WPARAM>(count + 5));
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), count - rows);

    Send(list, LB_SETCURSEL, 1);  // above: it becomes the top item
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 1);
    Send(list, LB_SETCURSEL, static_cast<WPARAM>(rows + 3));  // below: the bottom one
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 4);

    const auto rowHeight = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
    RECT row;
    Send(list, LB_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&row));
    EXPECT_EQ(row.top, 2 * rowHeight);
    EXPECT_EQ(Send(list, LB_ITEMFROMPOINT, 0, MakeLParam(5, rowHeight + 2)), 5);
    EXPECT_EQ(Send(list, LB_ITEMFROMPOINT, 0, MakeLParam(500, 2)), 0x10000 | 4);  // outside
}

// List boxes: what the parent hears

TEST_F(ListControls, AClickSelectsAndTellsTheParentOnRelease) {
    const HWND list = List(LBS_NOTIFY, {"alpha", "beta", "gamma"});
    Click(list, RowPoint(list, 1));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    EXPECT_EQ(GetFocus(), list);
    Click(list, RowPoint(list, 1));  // once more, though nothing changes
    const auto rowHeight = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
    Click(list, MakeLParam(5, 3 * rowHeight + 2));  // past the last item: nothing at all

    const std::array ListClickSeq = {
        Told(list, LBN_SETFOCUS),
        ExpectedMessage{"parent", WM_LBTRACKPOINT, kBothParams, 1, RowPoint(list, 1)},
        Told(list, LBN_SELCHANGE),
        ExpectedMessage{"parent", WM_LBTRACKPOINT, kBothParams, 1, RowPoint(list, 1)},
        Told(list, LBN_SELCHANGE),
    };
    EXPECT_SEQUENCE(ListClickSeq);
}

TEST_F(ListControls, WhileTheButtonIsDownTheSelectionFollowsTheMouse) {
    const HWND list = List(LBS_NOTIFY, {"alpha", "beta", "gamma"});
    SetFocus(list);
    ClearLog();
    Send(list, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(list, 0));
    EXPECT_EQ(GetCapture(), list);
    Send(list, WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(5, 300));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    Send(list, WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(5, -20));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 0);
    Send(list, WM_LBUTTONUP, 0, MakeLParam(5, -20));
    EXPECT_EQ(GetCapture(), 0);

    const std::array ListDragSeq = {
        ExpectedMessage{"parent", WM_LBTRACKPOINT, kWParam, 0},
        Told(list, LBN_SELCHANGE),
    };
    EXPECT_SEQUENCE(ListDragSeq);
}

TEST_F(ListControls, ADoubleClickTellsTheParent) {
    const HWND list = List(LBS_NOTIFY, {"alpha", "beta"});
    SetFocus(list);
    ClearLog();
    Send(list, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(list, 0));
    Send(list, WM_LBUTTONUP, 0, RowPoint(list, 0));

    const std::array ListDoubleClickSeq = {Told(list, LBN_DBLCLK)};
    EXPECT_SEQUENCE(ListDoubleClickSeq);
}

TEST_F(ListControls, WithoutLbsNotifyTheParentHearsOnlyOfTheFocus) {
    const HWND list = List(0);
    const HWND other = Control("Button", 0, 9, 20);
    Fill(list, LB_ADDSTRING, {"alpha", "beta"});
    Click(list, RowPoint(list, 1));
    Send(list, WM_KEYDOWN, static_cast<WPARAM>(VK_UP), 1);
    Send(list, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(list, 0));
    SetFocus(other);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 0);

    const std::array QuietListSeq = {Told(list, LBN_SETFOCUS), Told(list, LBN_KILLFOCUS)};
    EXPECT_SEQUENCE(QuietListSeq);
}

TEST_F(ListControls, NavigationKeysMoveTheSelectionIntoViewAndAlwaysTell) {
    const HWND list = List(LBS_NOTIFY | WS_VSCROLL);
    const int rows = Rows(list);
    const int count = rows + 6;
    FillNumbered(list, LB_ADDSTRING, count);
    SetFocus(list);
    ClearLog();
    const auto press = [&](int key) {
        Send(list, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
        return static_cast<int>(Send(list, LB_GETCURSEL));
    };
    EXPECT_EQ(press(VK_DOWN), 0);  // from nothing: the caret's own item
    EXPECT_EQ(press(VK_DOWN), 1);
    EXPECT_EQ(press(VK_NEXT), rows);  // a page less one row further
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 1);
    EXPECT_EQ(press(VK_END), count - 1);
    EXPECT_EQ(press(VK_END), count - 1);  // told all the same
    EXPECT_EQ(press(VK_PRIOR), count - rows);
    EXPECT_EQ(press(VK_HOME), 0);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 0);
    EXPECT_EQ(press(VK_UP), 0);
    press('B');  // keys that type are taken as characters

    const ExpectedMessage change = Told(list, LBN_SELCHANGE);
    const std::array ListKeysSeq = {change, change, change, change, change, change, change, change};
    EXPECT_SEQUENCE(ListKeysSeq);
}

TEST_F(ListControls, ATypedCharacterJumpsToTheNextItemStartingWithIt) {
    const HWND list = List(LBS_NOTIFY, {"alpha", "beta", "bravo", "gamma"});
    SetFocus(list);
    Send(list, LB_SETCURSEL, 3);
    ClearLog();
    const auto type = [&](char ch) {
        Send(list, WM_CHAR, static_cast<WPARAM>(ch), 1);
        return Send(list, LB_GETCURSEL);
    };
    EXPECT_EQ(type('b'), 1);
    EXPECT_EQ(type('B'), 2);
    EXPECT_EQ(type('b'), 1);  // round again
    EXPECT_EQ(type('z'), 1);  // no item: nothing happens

    const ExpectedMessage change = Told(list, LBN_SELCHANGE);
    const std::array ListTypingSeq = {change, change, change};
    EXPECT_SEQUENCE(ListTypingSeq);
}

TEST_F(ListControls, TheUserPicksWithTheMouseAndTheKeyboard) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND list = List(LBS_NOTIFY, {"alpha", "beta", "gamma", "delta"});
    POINT second{5, 0};
    second.y = static_cast<LONG>(Send(list, LB_GETITEMHEIGHT) + 2);
    ClientToScreen(list, &second);
    driver::Click(second.x, second.y);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    driver::Click(second.x, second.y);  // the second click of a double click
    driver::PressKey(VK_DOWN);
    driver::ReleaseKey(VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    driver::TypeText("d");
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);

    const ExpectedMessage change = Told(list, LBN_SELCHANGE);
    const std::array UserPicksSeq = {
        Told(list, LBN_SETFOCUS),
        ExpectedMessage{"parent", WM_LBTRACKPOINT, kWParam, 1},
        change,
        Told(list, LBN_DBLCLK),
        change,
        change,
    };
    EXPECT_SEQUENCE(UserPicksSeq);
}

// List boxes: painting

TEST_F(ListControls, AListPaintsInTheColoursItsParentAnswers) {
    const HWND recorder = CreateRecorder("recorder", WS_POPUP | WS_VISIBLE);
    const HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 48,
                                      recorder, kListId, 0, nullptr);
    UpdateWindow(recorder);
    ClearLog();
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);

    const std::array ListPaintSeq = {
        ExpectedMessage{"recorder", WM_CTLCOLORLISTBOX, kLParam, 0, list},
    };
    EXPECT_SEQUENCE(ListPaintSeq);
}

TEST_F(ListControls, TheSelectedItemIsHighlighted) {
    ZV_REQUIRES_HEADLESS("a window DC that reads back its own pixels");
    const HWND list = List(0, {"alpha", "beta"});
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(PixelsOf(list, highlight), 0);
    Send(list, LB_SETCURSEL, 1);
    const auto row = static_cast<int>(Send(list, LB_GETITEMHEIGHT) * ClientRectOf(list).right);
    EXPECT_GT(PixelsOf(list, highlight), row / 2);  // the row, less its text
    EXPECT_LT(PixelsOf(list, highlight), row);
}

// Combo boxes: sizes and answers

TEST_F(ListControls, AClosedComboBoxIsOneFieldHighAndTheFontReachesItsParts) {
    const HWND combo = Combo(CBS_DROPDOWNLIST);
    const LONG edges = 2 * GetSystemMetrics(SM_CYEDGE);
    RECT rect = WindowRectOf(combo);
    EXPECT_EQ(rect.bottom - rect.top, Send(combo, CB_GETITEMHEIGHT, kNone) + edges);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, 0), Send(combo, CB_GETITEMHEIGHT, kNone) - 4);

    Send(combo, WM_SETFONT, static_cast<WPARAM>(LargeFont()), FALSE);
    const int height = FontHeight(LargeFont());
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, 0), height);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, kNone), height + 4);
    rect = WindowRectOf(combo);
    EXPECT_EQ(rect.bottom - rect.top, height + 4 + edges);

    const HWND simple = Combo(CBS_SIMPLE);
    rect = WindowRectOf(simple);
    EXPECT_EQ(rect.bottom - rect.top, 150);

    // The font reaches the parts and sizes the edit box.
    const HWND dropDown = Combo(CBS_DROPDOWN);
    Send(dropDown, WM_SETFONT, static_cast<WPARAM>(LargeFont()), FALSE);
    const HWND edit = GetDlgItem(dropDown, 1001);
    EXPECT_EQ(Send(edit, WM_GETFONT), static_cast<LRESULT>(LargeFont()));
    EXPECT_EQ(Send(ComboList(), WM_GETFONT), static_cast<LRESULT>(LargeFont()));
    EXPECT_EQ(WindowRectOf(edit).bottom - WindowRectOf(edit).top, FontHeight(LargeFont()) + 2);
}

TEST_F(ListControls, TheComboBoxListHoldsTheItems) {
    const HWND combo = Combo(CBS_DROPDOWNLIST | CBS_SORT);
    EXPECT_EQ(Send(combo, CB_ADDSTRING, 0, Text("red")), 0);
    EXPECT_EQ(Send(combo, CB_ADDSTRING, 0, Text("blue")), 0);
    EXPECT_EQ(Send(combo, CB_INSERTSTRING, kNone, Text("amber")), 2);
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 3);
    EXPECT_EQ(Items(ComboList()), (std::vector<std::string>{"blue", "red", "amber"}));
    EXPECT_EQ(Send(combo, CB_GETLBTEXTLEN, 2), 5);
    char text[16] = {};
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), 3);
    EXPECT_STREQ(text, "red");
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text)), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETITEMDATA, 1, 42), TRUE);
    EXPECT_EQ(Send(combo, CB_GETITEMDATA, 1), 42);
    EXPECT_EQ(Send(combo, CB_FINDSTRING, kNone, Text("AM")), 2);
    EXPECT_EQ(Send(combo, CB_FINDSTRINGEXACT, kNone, Text("Red")), 1);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 0), 2);
    EXPECT_EQ(Send(combo, CB_RESETCONTENT), TRUE);
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 0);
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
}

// The field of a drop-down list shows the selected item and cannot be set
// otherwise.
TEST_F(ListControls, TheSelectionFieldShowsTheSelectedItem) {
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green", "blue"});
    EXPECT_EQ(TextOf(combo), "");
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 2), 2);
    EXPECT_EQ(TextOf(combo), "blue");
    EXPECT_EQ(Send(combo, WM_GETTEXTLENGTH), 4);
    EXPECT_EQ(Send(combo, WM_SETTEXT, 0, Text("green")), CB_ERR);
    EXPECT_EQ(TextOf(combo), "blue");
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 7), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(Send(combo, CB_SELECTSTRING, kNone, Text("GR")), 1);
    EXPECT_EQ(TextOf(combo), "green");
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 1), 2);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(TextOf(combo), "");
    EXPECT_TRUE(MessageLog::Current().Messages().empty());
}

TEST_F(ListControls, AComboBoxAndItsListPaintInTheColoursItsParentAnswers) {
    const HWND recorder = CreateRecorder("recorder", WS_POPUP | WS_VISIBLE);
    MoveWindow(recorder, 0, 0, 200, 200, TRUE);
    const HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                       0, 0, 100, 100, recorder, kComboId, 0, nullptr);
    Fill(combo, CB_ADDSTRING, {"red", "green"});
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    const HWND list = ComboList();
    UpdateWindow(recorder);
    UpdateWindow(list);
    ClearLog();
    InvalidateRect(combo, nullptr, TRUE);
    UpdateWindow(combo);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);

    const std::array ComboPaintSeq = {
        ExpectedMessage{"recorder", WM_CTLCOLOREDIT, kLParam, 0, combo},
        ExpectedMessage{"recorder", WM_CTLCOLOREDIT, kLParam | kOptional, 0, combo},  // the text
        ExpectedMessage{"recorder", WM_CTLCOLORLISTBOX, kLParam, 0, list},
    };
    EXPECT_SEQUENCE(ComboPaintSeq);
}

TEST_F(ListControls, TheFocusedSelectionFieldIsHighlighted) {
    ZV_REQUIRES_HEADLESS("a window DC that reads back its own pixels");
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green"});
    Send(combo, CB_SETCURSEL, 1);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(PixelsOf(combo, highlight), 0);
    SetFocus(combo);
    EXPECT_GT(PixelsOf(combo, highlight), 0);
}

// The list of a drop-down combo box is no child of it, but goes with it.
TEST_F(ListControls, TheListGoesWithItsComboBox) {
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green"});
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    const HWND list = ComboList();
    DestroyWindow(combo);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(GetCapture(), 0);
}

// Combo boxes: dropping down

TEST_F(ListControls, TheListDropsDownBelowTheFieldFromTheSelectedItem) {
    const HWND combo = Combo(CBS_DROPDOWNLIST | WS_VSCROLL);
    FillNumbered(combo, CB_ADDSTRING, 14);
    Send(combo, CB_SETCURSEL, 3);
    const HWND list = ComboList();
    ASSERT_NE(list, 0);
    EXPECT_EQ(ClassOf(list), "ComboLBox");
    EXPECT_EQ(GetParent(list), GetDesktopWindow());
    EXPECT_EQ(GetDlgCtrlID(list), 1000);
    EXPECT_FALSE(IsWindowVisible(list));

    EXPECT_EQ(Send(combo, CB_SHOWDROPDOWN, TRUE), TRUE);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), TRUE);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), list);
    const RECT field = WindowRectOf(combo);
    const RECT dropped = WindowRectOf(list);
    EXPECT_EQ(dropped.left, field.left);
    EXPECT_EQ(dropped.right, field.right);
    EXPECT_EQ(dropped.top, field.bottom);
    const auto rowHeight = static_cast<LONG>(Send(list, LB_GETITEMHEIGHT));
    const LONG rows =
        (150 - (field.bottom - field.top) - 2) / rowHeight;  // within the height given
    EXPECT_EQ(dropped.bottom - dropped.top, rows * rowHeight + 2);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 3);
    EXPECT_TRUE(HasStyle(list, WS_VSCROLL));

    EXPECT_EQ(Send(combo, CB_SHOWDROPDOWN, FALSE), TRUE);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), FALSE);
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), 0);

    const std::array ShowDropDownSeq = {
        Told(combo, CBN_DROPDOWN),
        Told(combo, CBN_SELENDCANCEL),
        Told(combo, CBN_CLOSEUP),
    };
    EXPECT_SEQUENCE(ShowDropDownSeq);
}

// A short list is as long as its items; the height given to a combo box
// later is its height with the list down.
TEST_F(ListControls, TheDroppedListIsAsLongAsItsItemsAllow) {
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green", "blue"});
    const HWND list = ComboList();
    const auto rowHeight = static_cast<LONG>(Send(list, LB_GETITEMHEIGHT));
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    RECT dropped = WindowRectOf(list);
    EXPECT_EQ(dropped.bottom - dropped.top, 3 * rowHeight + 2);
    Send(combo, CB_SHOWDROPDOWN, FALSE);

    const LONG closed = WindowRectOf(combo).bottom - WindowRectOf(combo).top;
    MoveWindow(combo, 10, 10, 140, closed + 2 * rowHeight + 2, TRUE);
    EXPECT_EQ(WindowRectOf(combo).bottom - WindowRectOf(combo).top, closed);
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    dropped = WindowRectOf(list);
    EXPECT_EQ(dropped.bottom - dropped.top, 2 * rowHeight + 2);
    EXPECT_EQ(dropped.right - dropped.left, 140);
}

TEST_F(ListControls, KeysDropTheListDownAndCloseIt) {
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green", "blue"});
    SetFocus(combo);
    ClearLog();
    const auto key = [&](UINT message, int vk, LPARAM lParam = 1) {
        Send(combo, message, static_cast<WPARAM>(vk), lParam);
        return Send(combo, CB_GETDROPPEDSTATE) != FALSE;
    };
    EXPECT_TRUE(key(WM_KEYDOWN, VK_F4));
    EXPECT_FALSE(key(WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(key(WM_SYSKEYDOWN, VK_DOWN, static_cast<LPARAM>(KF_ALTDOWN) << 16 | 1));
    EXPECT_FALSE(key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_TRUE(key(WM_KEYDOWN, VK_F4));
    EXPECT_FALSE(key(WM_KEYDOWN, VK_F4));
    EXPECT_FALSE(key(WM_KEYDOWN, VK_ESCAPE));  // closed: nothing to close

    const std::array ComboKeysSeq = {
        Told(combo, CBN_DROPDOWN), Told(combo, CBN_SELENDOK),     Told(combo, CBN_CLOSEUP),
        Told(combo, CBN_DROPDOWN), Told(combo, CBN_SELENDCANCEL), Told(combo, CBN_CLOSEUP),
        Told(combo, CBN_DROPDOWN), Told(combo, CBN_SELENDCANCEL), Told(combo, CBN_CLOSEUP),
    };
    EXPECT_SEQUENCE(ComboKeysSeq);
}

// Closed, every move is a choice made; in the dropped list, arrows only
// move the selection.
TEST_F(ListControls, ArrowsAndCharactersChangeTheSelection) {
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green", "blue", "grey"});
    SetFocus(combo);
    Send(combo, CB_SETCURSEL, 0);
    ClearLog();
    Send(combo, WM_KEYDOWN, static_cast<WPARAM>(VK_DOWN), 1);
    EXPECT_EQ(TextOf(combo), "green");
    Send(combo, WM_CHAR, 'g', 1);
    EXPECT_EQ(TextOf(combo), "grey");
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    Send(combo, WM_KEYDOWN, static_cast<WPARAM>(VK_UP), 1);
    EXPECT_EQ(TextOf(combo), "blue");
    Send(combo, WM_KEYDOWN, static_cast<WPARAM>(VK_RETURN), 1);

    const std::array ComboArrowsSeq = {
        Told(combo, CBN_SELENDOK),  Told(combo, CBN_SELCHANGE), Told(combo, CBN_SELENDOK),
        Told(combo, CBN_SELCHANGE), Told(combo, CBN_DROPDOWN),  Told(combo, CBN_SELCHANGE),
        Told(combo, CBN_SELENDOK),  Told(combo, CBN_CLOSEUP),
    };
    EXPECT_SEQUENCE(ComboArrowsSeq);
}

// The field's press drops the list down and hands the mouse to it; the
// list follows the mouse and a release on an item picks it.
TEST_F(ListControls, APickWithTheMouseEndsTheChoice) {
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green", "blue"});
    SetFocus(combo);
    ClearLog();
    Click(combo, MakeLParam(5, 5));
    const HWND list = ComboList();
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), TRUE);
    EXPECT_EQ(GetCapture(), list);
    Send(list, WM_MOUSEMOVE, 0, RowPoint(list, 1));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);  // silently
    Click(list, RowPoint(list, 2));
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), FALSE);
    EXPECT_EQ(TextOf(combo), "blue");

    Send(combo, CB_SHOWDROPDOWN, TRUE);
    Send(list, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, -10));  // on the field: not in the list
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), FALSE);

    const std::array ComboPickSeq = {
        Told(combo, CBN_DROPDOWN),  Told(combo, CBN_SELENDOK), Told(combo, CBN_CLOSEUP),
        Told(combo, CBN_SELCHANGE), Told(combo, CBN_DROPDOWN), Told(combo, CBN_SELENDCANCEL),
        Told(combo, CBN_CLOSEUP),
    };
    EXPECT_SEQUENCE(ComboPickSeq);
}

TEST_F(ListControls, LosingTheFocusEndsTheChoiceUnconfirmed) {
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green"});
    SetFocus(combo);
    SetFocus(parent);
    SetFocus(combo);
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    SetFocus(parent);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), FALSE);

    const std::array ComboFocusSeq = {
        Told(combo, CBN_SETFOCUS), Told(combo, CBN_SELENDCANCEL), Told(combo, CBN_KILLFOCUS),
        Told(combo, CBN_SETFOCUS), Told(combo, CBN_DROPDOWN),     Told(combo, CBN_SELENDCANCEL),
        Told(combo, CBN_CLOSEUP),  Told(combo, CBN_KILLFOCUS),
    };
    EXPECT_SEQUENCE(ComboFocusSeq);
}

// Combo boxes with an edit box

TEST_F(ListControls, ADropDownComboBoxEditsItsText) {
    const HWND combo = Combo(CBS_DROPDOWN | CBS_AUTOHSCROLL, {"red", "green", "blue"});
    const HWND edit = GetDlgItem(combo, 1001);
    ASSERT_NE(edit, 0);
    EXPECT_EQ(ClassOf(edit), "Edit");
    EXPECT_TRUE(HasStyle(edit, ES_AUTOHSCROLL));
    const RECT field = WindowRectOf(combo);
    EXPECT_EQ(WindowRectOf(edit).bottom - WindowRectOf(edit).top,
              Send(combo, CB_GETITEMHEIGHT, kNone) - 2);
    EXPECT_EQ(WindowRectOf(edit).left, field.left + 3);

    EXPECT_EQ(Send(combo, WM_SETTEXT, 0, Text("free text")), TRUE);
    EXPECT_EQ(TextOf(edit), "free text");
    EXPECT_EQ(TextOf(combo), "free text");
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    Send(combo, CB_SETCURSEL, 1);
    EXPECT_EQ(TextOf(edit), "green");
    EXPECT_EQ(Send(combo, CB_SETEDITSEL, 0, MakeLParam(1, 3)), TRUE);
    EXPECT_EQ(Send(combo, CB_GETEDITSEL), MakeLParam(1, 3));
    EXPECT_EQ(Send(combo, CB_SETEDITSEL, 0, MakeLParam(2, -1)), TRUE);  // to the end
    EXPECT_EQ(Send(edit, EM_GETSEL), MakeLParam(2, 5));

    SetFocus(combo);
    EXPECT_EQ(GetFocus(), edit);
    Send(edit, WM_KEYDOWN, static_cast<WPARAM>(VK_DOWN), 1);
    EXPECT_EQ(TextOf(combo), "blue");
    Send(edit, WM_KEYDOWN, static_cast<WPARAM>(VK_F4), 1);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), TRUE);
    Send(edit, WM_SYSKEYDOWN, static_cast<WPARAM>(VK_UP),
         static_cast<LPARAM>(KF_ALTDOWN) << 16 | 1);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), FALSE);
    SetFocus(parent);

    const std::array DropDownEditSeq = {
        Told(combo, CBN_SETFOCUS),     Told(combo, CBN_SELENDOK),     Told(combo, CBN_SELCHANGE),
        Told(combo, CBN_DROPDOWN),     Told(combo, CBN_SELENDCANCEL), Told(combo, CBN_CLOSEUP),
        Told(combo, CBN_SELENDCANCEL), Told(combo, CBN_KILLFOCUS),
    };
    EXPECT_SEQUENCE(DropDownEditSeq);
}

// Typing leaves no item selected, even one the text names.
TEST_F(ListControls, TypingInTheEditBoxTellsTheParent) {
    const HWND combo = Combo(CBS_DROPDOWN, {"red", "green"});
    Send(combo, CB_SETCURSEL, 1);
    SetFocus(combo);
    ClearLog();
    const HWND edit = GetDlgItem(combo, 1001);
    Send(edit, WM_CHAR, 'r', 1);  // replaces the text, all selected on focus
    EXPECT_EQ(TextOf(combo), "r");
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);

    const std::array ComboTypingSeq = {Told(combo, CBN_EDITUPDATE), Told(combo, CBN_EDITCHANGE)};
    EXPECT_SEQUENCE(ComboTypingSeq);
}

// A dropped list shows the first item that starts with the whole text, however
// long.
TEST_F(ListControls, ADroppedListFollowsTheWholeTypedText) {
    ZV_KNOWN_WIN32_DIFFERENCE("Wine's dropped list keeps its top item as the text is typed");
    const HWND combo = Combo(CBS_DROPDOWN | CBS_AUTOHSCROLL);
    const std::string stem(300, 'x');
    Fill(combo, CB_ADDSTRING, {(stem + "a").c_str(), (stem + "b").c_str()});
    FillNumbered(combo, CB_ADDSTRING, 20);
    Send(combo, WM_SETTEXT, 0, Text(stem.c_str()));
    SetFocus(combo);
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    const HWND edit = GetDlgItem(combo, 1001);
    Send(edit, EM_SETSEL, stem.size(), static_cast<LPARAM>(stem.size()));
    Send(edit, WM_CHAR, 'b', 1);
    EXPECT_EQ(Send(ComboList(), LB_GETTOPINDEX), 1);
}

// The limit is the edit box's; reaching it is told as CBN_ERRSPACE.
TEST_F(ListControls, TheTextLimitGoesToTheEditBox) {
    const HWND combo = Combo(CBS_DROPDOWN);
    const HWND listOnly = Control("ComboBox", CBS_DROPDOWNLIST, 7, 150);
    EXPECT_EQ(Send(listOnly, CB_LIMITTEXT, 3), TRUE);
    EXPECT_EQ(Send(listOnly, CB_SETEDITSEL, 0, MakeLParam(0, 1)), CB_ERR);  // no edit box
    Send(combo, CB_LIMITTEXT, 3);
    SetFocus(combo);
    ClearLog();
    for (const char ch : std::string("abcd")) {
        Send(GetDlgItem(combo, 1001), WM_CHAR, static_cast<WPARAM>(ch), 1);
    }
    EXPECT_EQ(TextOf(combo), "abc");
    const auto& log = MessageLog::Current().Messages();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const LoggedMessage& logged) {
        return logged.message == WM_COMMAND && logged.wParam == Code(kComboId, CBN_ERRSPACE);
    }));
}

TEST_F(ListControls, ASimpleComboBoxShowsItsListAlways) {
    const HWND combo = Combo(CBS_SIMPLE, {"red", "green", "blue"});
    const HWND list = GetDlgItem(combo, 1000);
    ASSERT_NE(list, 0);
    EXPECT_EQ(ClassOf(list), "ComboLBox");
    EXPECT_TRUE(IsWindowVisible(list));
    const LONG closed =
        static_cast<LONG>(Send(combo, CB_GETITEMHEIGHT, kNone)) + 2 * GetSystemMetrics(SM_CYEDGE);
    EXPECT_EQ(WindowRectOf(list).top - WindowRectOf(combo).top, closed - 1);

    Click(list, RowPoint(list, 1));
    EXPECT_EQ(GetFocus(), GetDlgItem(combo, 1001));
    EXPECT_EQ(TextOf(combo), "green");
    Send(list, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(list, 1));
    EXPECT_EQ(Send(combo, CB_SHOWDROPDOWN, TRUE), TRUE);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), FALSE);

    const std::array SimpleComboSeq = {
        Told(combo, CBN_SETFOCUS),
        Told(combo, CBN_SELENDOK),
        Told(combo, CBN_SELCHANGE),
        Told(combo, CBN_DBLCLK),
    };
    EXPECT_SEQUENCE(SimpleComboSeq);
}

TEST_F(ListControls, TheUserDropsTheListDownAndPicks) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    const HWND combo = Combo(CBS_DROPDOWNLIST, {"red", "green", "blue"});
    const RECT field = WindowRectOf(combo);
    driver::Click(field.left + 5, field.top + 5);
    const HWND list = ComboList();
    EXPECT_TRUE(IsWindowVisible(list));
    POINT item{5, static_cast<LONG>(2 * Send(list, LB_GETITEMHEIGHT) + 2)};
    ClientToScreen(list, &item);
    driver::Click(item.x, item.y);
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(TextOf(combo), "blue");

    driver::Click(field.right - 5, field.top + 5);  // the button
    driver::Click(250, 250);                        // elsewhere
    EXPECT_FALSE(IsWindowVisible(list));
    driver::PressKey(VK_MENU);  // Alt and Down
    driver::PressKey(VK_DOWN);
    driver::ReleaseKey(VK_DOWN);
    driver::ReleaseKey(VK_MENU);
    EXPECT_TRUE(IsWindowVisible(list));
    driver::PressKey(VK_UP);
    driver::ReleaseKey(VK_UP);
    driver::PressKey(VK_RETURN);
    driver::ReleaseKey(VK_RETURN);
    EXPECT_EQ(TextOf(combo), "green");

    const std::array UserComboSeq = {
        Told(combo, CBN_SETFOCUS),     Told(combo, CBN_DROPDOWN),  Told(combo, CBN_SELENDOK),
        Told(combo, CBN_CLOSEUP),      Told(combo, CBN_SELCHANGE), Told(combo, CBN_DROPDOWN),
        Told(combo, CBN_SELENDCANCEL), Told(combo, CBN_CLOSEUP),   Told(combo, CBN_DROPDOWN),
        Told(combo, CBN_SELCHANGE),    Told(combo, CBN_SELENDOK),  Told(combo, CBN_CLOSEUP),
    };
    EXPECT_SEQUENCE(UserComboSeq);
}

// Handlers that destroy the control while it tells them something: a click
// in a list, a combo box dropping down, a pick in a dropped list.
TEST_F(ListControls, ControlsSurviveAParentThatDestroysThemWhileTheyTell) {
    RegisterClassOf("ZvDestroying", DestroyingProc);
    const HWND host = CreateWindowExA(0, "ZvDestroying", "host", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                      200, 0, 0, 0, nullptr);
    const auto make = [&](const char* className, DWORD style) {
        const HWND control = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0,
                                             100, 100, host, 1, 0, nullptr);
        Fill(control, className[0] == 'L' ? LB_ADDSTRING : CB_ADDSTRING, {"red", "green"});
        return control;
    };

    destroyOn = LBN_SELCHANGE;
    const HWND list = make("ListBox", LBS_NOTIFY);
    Click(list, RowPoint(list, 1));
    EXPECT_FALSE(IsWindow(list));

    destroyOn = CBN_DROPDOWN;
    const HWND dropping = make("ComboBox", CBS_DROPDOWNLIST);
    Send(dropping, CB_SHOWDROPDOWN, TRUE);
    EXPECT_FALSE(IsWindow(dropping));

    destroyOn = CBN_SELENDOK;
    const HWND picking = make("ComboBox", CBS_DROPDOWNLIST);
    Send(picking, CB_SHOWDROPDOWN, TRUE);
    const HWND dropped = ComboList();
    Click(dropped, RowPoint(dropped, 1));
    EXPECT_FALSE(IsWindow(picking));
    EXPECT_FALSE(IsWindow(dropped));
    EXPECT_EQ(GetCapture(), 0);
    DestroyWindow(host);
}

}  // namespace
}  // namespace zv::test
