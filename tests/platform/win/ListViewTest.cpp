// List views in report view: items, sub-items and columns, what the parent
// hears as states change and as the user clicks and types, hit tests,
// scrolling and sorting, and how selected rows look.

#include <algorithm>
#include <string>
#include <vector>

#include "MemoryDc.h"
#include "NoticeLog.h"
#include "Pixels.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/driver/Driver.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/HeaderConstants.h"
#include "platform/win/ImageListApi.h"
#include "platform/win/ImageListConstants.h"
#include "platform/win/ListViewConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr int kListId = 9;
constexpr int kHeaderHeight = 16;  // in the default font
constexpr int kRowHeight = 13;

// A notice as its item, column and states (new and old), or the key of
// LVN_KEYDOWN, or the header's item.
constexpr LPARAM Summary(int item, int subItem = 0, UINT newState = 0, UINT oldState = 0) {
    return MakeLParam(item, static_cast<int>(((static_cast<UINT>(subItem) & 0xFF) << 8) |
                                             (oldState << 4) | newState));
}

LPARAM ListViewSummary(const NMHDR& notice) {
    if (notice.code == LVN_KEYDOWN) {
        return reinterpret_cast<const NMLVKEYDOWN&>(notice).wVKey;
    }
    if (notice.code <= HDN_FIRST && notice.code > HDN_FIRST - 100) {
        return Summary(reinterpret_cast<const NMHEADERA&>(notice).iItem);
    }
    const bool aboutItem = (notice.code <= LVN_FIRST && notice.code > LVN_FIRST - 100) ||
                           notice.code == NM_CLICK || notice.code == NM_DBLCLK ||
                           notice.code == NM_RCLICK;
    if (!aboutItem) {
        return 0;
    }
    const auto& item = reinterpret_cast<const NMLISTVIEW&>(notice);
    return Summary(item.iItem, item.iSubItem, item.uNewState, item.uOldState);
}

constexpr UINT kBoth = LVIS_SELECTED | LVIS_FOCUSED;

constexpr ExpectedMessage Changing(int item, UINT newState, UINT oldState) {
    return Notice(LVN_ITEMCHANGING, Summary(item, 0, newState, oldState));
}
constexpr ExpectedMessage Changed(int item, UINT newState, UINT oldState) {
    return Notice(LVN_ITEMCHANGED, Summary(item, 0, newState, oldState));
}
constexpr ExpectedMessage Told(UINT code, int item = 0, int subItem = 0) {
    return Notice(code, Summary(item, subItem));
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(hwnd, message, wParam, lParam);
}

class ListViews : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        parent = CreateNoticeParent(ListViewSummary, 400, 300);
    }

    void TearDown() override {
        DestroyWindow(parent);
        PlatformTest::TearDown();
    }

    // A report view 200 by 150 with three columns 60 wide ("Col0" to
    // "Col2") and the items given ("item 0", ... with data 0, ...), each
    // with sub-item 1 "sub n".
    HWND List(DWORD style, int items, int id = kListId, int y = 10) {
        const HWND list = CreateWindowExA(0, WC_LISTVIEWA, "",
                                          WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | style,
                                          10, y, 200, 150, parent, id, 0, nullptr);
        for (int column = 0; column < 3; ++column) {
            std::string caption = "Col" + std::to_string(column);
            LVCOLUMNA fields;
            fields.mask = LVCF_TEXT | LVCF_WIDTH;
            fields.cx = 60;
            fields.pszText = caption.data();
            Send(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&fields));
        }
        for (int index = 0; index < items; ++index) {
            Insert(list, index, "item " + std::to_string(index), index);
            SetText(list, index, 1, "sub " + std::to_string(index));
        }
        MessageLog::Current().Clear();
        return list;
    }

    static LRESULT Insert(HWND list, int index, std::string text, LPARAM data = 0) {
        LVITEMA item;
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index;
        item.pszText = text.data();
        item.lParam = data;
        return Send(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }

    static void SetText(HWND list, int index, int subItem, std::string text) {
        LVITEMA item;
        item.iSubItem = subItem;
        item.pszText = text.data();
        Send(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }

    static std::string TextOf(HWND list, int index, int subItem) {
        char text[32] = {};
        LVITEMA item;
        item.iSubItem = subItem;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(sizeof text);
        Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    static LRESULT SetState(HWND list, int index, UINT state, UINT mask) {
        LVITEMA item;
        item.state = state;
        item.stateMask = mask;
        return Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item));
    }

    // The states of the first items, and how many are selected.
    static std::vector<UINT> States(HWND list, int count) {
        std::vector<UINT> states;
        for (int index = 0; index < count; ++index) {
            states.push_back(
                static_cast<UINT>(Send(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), kBoth)));
        }
        states.push_back(static_cast<UINT>(Send(list, LVM_GETSELECTEDCOUNT)));
        return states;
    }

    static Edges PartOf(HWND list, int index, int part) {
        RECT rect{};
        rect.left = part;
        Send(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return EdgesOf(rect);
    }

    // A point on an item's row, x pixels in.
    static LPARAM RowPoint(HWND list, int index, int x = 10) {
        return MakeLParam(x, static_cast<int>(PartOf(list, index, LVIR_BOUNDS)[1]) + 2);
    }

    HWND parent = 0;
};

TEST_F(ListViews, ItemsKeepTheirTextsDataAndPlaces) {
    const HWND list = List(0, 3);
    EXPECT_EQ(Insert(list, 99, "last", 7), 3);
    EXPECT_EQ(Insert(list, 1, "second", 8), 1);
    LVITEMA sub;
    sub.mask = LVIF_TEXT;
    sub.iSubItem = 1;
    EXPECT_EQ(Send(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&sub)), -1);
    const ExpectedMessage inserted[] = {Told(LVN_INSERTITEM, 3), Told(LVN_INSERTITEM, 1)};
    EXPECT_SEQUENCE(inserted);

    EXPECT_EQ(Send(list, LVM_GETITEMCOUNT), 5);
    EXPECT_EQ(TextOf(list, 2, 1), "sub 1");
    EXPECT_EQ(TextOf(list, 4, 0), "last");
    EXPECT_EQ(TextOf(list, 4, 2), "");
    LVITEMA item;
    item.mask = LVIF_PARAM | LVIF_TEXT;
    item.iItem = 1;
    char text[8] = {};
    item.pszText = text;
    item.cchTextMax = 8;
    EXPECT_EQ(Send(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(item.lParam, 8);
    EXPECT_EQ(std::string(text), "second");

    MessageLog::Current().Clear();
    EXPECT_EQ(Send(list, LVM_DELETEITEM, 1), TRUE);
    EXPECT_EQ(Send(list, LVM_DELETEITEM, 9), FALSE);
    const ExpectedMessage deleted[] = {Changing(1, 0, 0), Told(LVN_DELETEITEM, 1)};
    EXPECT_SEQUENCE(deleted);
    EXPECT_EQ(TextOf(list, 1, 0), "item 1");

    MessageLog::Current().Clear();
    EXPECT_EQ(Send(list, LVM_DELETEALLITEMS), TRUE);
    const ExpectedMessage all[] = {Told(LVN_DELETEALLITEMS, -1), Told(LVN_DELETEITEM, 3),
                                   Told(LVN_DELETEITEM, 2), Told(LVN_DELETEITEM, 1),
                                   Told(LVN_DELETEITEM, 0)};
    EXPECT_SEQUENCE(all);
    EXPECT_EQ(Send(list, LVM_GETITEMCOUNT), 0);
}

TEST_F(ListViews, ColumnsCarryTheirSubItemsAndSizeToFit) {
    const HWND list = List(0, 3);
    LVCOLUMNA column;
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    char caption[8] = {};
    column.pszText = caption;
    column.cchTextMax = static_cast<int>(sizeof caption);
    EXPECT_EQ(Send(list, LVM_GETCOLUMNA, 2, reinterpret_cast<LPARAM>(&column)), TRUE);
    EXPECT_EQ(std::string(caption), "Col2");
    EXPECT_EQ(column.cx, 60);

    SetText(list, 2, 2, "third");
    EXPECT_EQ(Send(list, LVM_DELETECOLUMN, 1), TRUE);
    EXPECT_EQ(TextOf(list, 2, 1), "third");
    const int order[] = {1, 0};
    EXPECT_EQ(Send(list, LVM_SETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order)), TRUE);
    int read[2] = {};
    Send(list, LVM_GETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(read));
    EXPECT_EQ(read[0], 1);

    SetText(list, 1, 0, "a rather longer text");
    EXPECT_EQ(Send(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE), TRUE);
    const LRESULT wide = Send(list, LVM_GETCOLUMNWIDTH, 0);
    SetText(list, 1, 0, "short");
    Send(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
    EXPECT_GT(wide, Send(list, LVM_GETCOLUMNWIDTH, 0) + 40);
}

TEST_F(ListViews, RowsLieBelowTheHeaderAndAnswerHitTests) {
    const HWND list = List(0, 20);
    EXPECT_EQ(PartOf(list, 1, LVIR_BOUNDS), (Edges{0, 29, 180, 42}));
    EXPECT_EQ(PartOf(list, 0, LVIR_LABEL), (Edges{2, 16, 60, 29}));
    EXPECT_EQ(Send(list, LVM_GETCOUNTPERPAGE), 10);
    EXPECT_EQ(Send(list, LVM_ENSUREVISIBLE, 15, FALSE), TRUE);
    EXPECT_EQ(Send(list, LVM_GETTOPINDEX), 6);
    struct Case {
        POINT point;
        UINT flags;
        int item;
        UINT subFlags;
        int subItem;  // the item is the same for the sub-item test but beside the columns
    };
    const Case cases[] = {
        {{10, 20}, LVHT_ONITEMLABEL, 6, LVHT_ONITEMLABEL, 0},
        {{70, 30}, LVHT_NOWHERE, -1, LVHT_ONITEMLABEL, 1},
        {{130, 140}, LVHT_NOWHERE, -1, LVHT_ONITEMLABEL, 2},
        {{10, 5}, LVHT_ABOVE, -1, LVHT_NOWHERE, 0},
        {{190, 20}, LVHT_TORIGHT, -1, LVHT_NOWHERE, -1},
        {{70, 160}, LVHT_BELOW, -1, LVHT_BELOW, 1},
    };
    for (const Case& c : cases) {
        LVHITTESTINFO hit;
        hit.pt = c.point;
        EXPECT_EQ(Send(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), c.item);
        EXPECT_EQ(hit.flags, c.flags) << c.point.x << "," << c.point.y;
        LVHITTESTINFO sub;
        sub.pt = c.point;
        Send(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&sub));
        EXPECT_EQ(sub.flags, c.subFlags) << c.point.x << "," << c.point.y;
        EXPECT_EQ(sub.iSubItem, c.subItem) << c.point.x << "," << c.point.y;
        const int row = (static_cast<int>(c.point.y) - kHeaderHeight) / kRowHeight + 6;
        const bool onRow = c.point.y >= kHeaderHeight && c.point.y < 148 && c.subItem >= 0;
        EXPECT_EQ(sub.iItem, onRow ? row : -1) << c.point.x << "," << c.point.y;
    }

    Send(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (const auto& [x, flags] : {std::pair{1, LVHT_ONITEM}, std::pair{10, LVHT_ONITEMLABEL},
                                   std::pair{130, LVHT_ONITEM}, std::pair{185, LVHT_TORIGHT}}) {
        LVHITTESTINFO hit;
        hit.pt = POINT{x, 20};
        Send(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        EXPECT_EQ(hit.flags, flags) << x;
    }

    const HWND bare = List(LVS_NOCOLUMNHEADER, 3, kListId + 1, 170);
    EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(Send(bare, LVM_GETHEADER))));
    EXPECT_EQ(PartOf(bare, 0, LVIR_BOUNDS), (Edges{0, 0, 180, kRowHeight}));
}

TEST_F(ListViews, TheScrollBarMovesTheRows) {
    const HWND list = List(0, 20);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    GetScrollInfo(list, SB_VERT, &info);
    EXPECT_EQ((Edges{info.nMin, info.nMax, static_cast<LONG>(info.nPage), info.nPos}),
              (Edges{0, 19, 10, 0}));
    const std::pair<WPARAM, LRESULT> steps[] = {
        {SB_LINEDOWN, 1}, {SB_PAGEDOWN, 10}, {SB_PAGEDOWN, 10}, {SB_LINEUP, 9}, {SB_TOP, 9}};
    for (const auto& [request, top] : steps) {
        Send(list, WM_VSCROLL, request);
        EXPECT_EQ(Send(list, LVM_GETTOPINDEX), top) << request;
    }
    GetScrollInfo(list, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 9);

    // Sideways in pixels, the header with the rows.
    LVCOLUMNA wide;
    wide.mask = LVCF_WIDTH;
    wide.cx = 200;
    Send(list, LVM_INSERTCOLUMNA, 3, reinterpret_cast<LPARAM>(&wide));
    const LONG width = ClientRectOf(list).right;  // beside the vertical bar
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(list, SB_HORZ, &info);
    EXPECT_EQ((Edges{info.nMax, static_cast<LONG>(info.nPage), 0, 0}), (Edges{379, width, 0, 0}));
    const auto header = static_cast<HWND>(Send(list, LVM_GETHEADER));
    const LONG paged = std::min(1 + width, 380 - width);
    const std::pair<WPARAM, LONG> sideways[] = {
        {SB_LINERIGHT, 1}, {SB_PAGERIGHT, paged}, {SB_LINELEFT, paged - 1}, {SB_PAGELEFT, 0}};
    for (const auto& [request, left] : sideways) {
        Send(list, WM_HSCROLL, request);
        EXPECT_EQ(PartOf(list, 9, LVIR_BOUNDS)[0], -left) << request;
        POINT corner{WindowRectOf(header).left, 0};
        ScreenToClient(list, &corner);
        EXPECT_EQ(corner.x, -left) << request;
    }
}

TEST_F(ListViews, WithoutRedrawingTheListNeitherScrollsNorPaintsUntilItRedrawsAgain) {
    const HWND list = List(0, 0);
    UpdateWindow(list);
    Send(list, WM_SETREDRAW, FALSE);
    for (int index = 0; index < 30; ++index) {
        Insert(list, index, "item");
    }
    Send(list, LVM_ENSUREVISIBLE, 25, FALSE);
    EXPECT_EQ(Send(list, LVM_GETTOPINDEX), 0);
    RECT invalid;
    EXPECT_FALSE(GetUpdateRect(list, &invalid, FALSE));
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(list, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 0);
    Send(list, WM_SETREDRAW, TRUE);
    EXPECT_TRUE(GetUpdateRect(list, &invalid, FALSE));
    GetScrollInfo(list, SB_VERT, &info);
    EXPECT_EQ((Edges{info.nMax, static_cast<LONG>(info.nPage), 0, 0}), (Edges{29, 10, 0, 0}));
}

TEST_F(ListViews, StatesAreAskedForThenToldWithTheFocusAndSingleSelectionTakenInBetween) {
    const HWND list = List(0, 3);
    EXPECT_EQ(SetState(list, 1, kBoth, kBoth), TRUE);
    SetState(list, 2, LVIS_FOCUSED, LVIS_FOCUSED);
    const ExpectedMessage focused[] = {Changing(1, kBoth, 0),
                                       Changed(1, kBoth, 0),
                                       Changing(2, LVIS_FOCUSED, 0),
                                       Changing(1, LVIS_SELECTED, kBoth),
                                       Changed(1, LVIS_SELECTED, kBoth),
                                       Changed(2, LVIS_FOCUSED, 0)};
    EXPECT_SEQUENCE(focused);
    EXPECT_EQ(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 2);
    EXPECT_EQ(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    EXPECT_EQ(Send(list, LVM_GETNEXTITEM, 0, LVNI_BELOW), 1);

    MessageLog::Current().Clear();
    SetState(list, -1, 0, LVIS_SELECTED);  // every item is asked, only one changes
    const ExpectedMessage cleared[] = {Changing(0, 0, 0), Changing(1, 0, LVIS_SELECTED),
                                       Changed(1, 0, LVIS_SELECTED),
                                       Changing(2, LVIS_FOCUSED, LVIS_FOCUSED)};
    EXPECT_SEQUENCE(cleared);

    const HWND single = List(LVS_SINGLESEL, 3, kListId + 1, 170);
    SetState(single, 0, LVIS_SELECTED, LVIS_SELECTED);
    MessageLog::Current().Clear();
    SetState(single, 2, LVIS_SELECTED, LVIS_SELECTED);
    const ExpectedMessage moved[] = {Changing(2, LVIS_SELECTED, 0), Changing(0, 0, LVIS_SELECTED),
                                     Changed(0, 0, LVIS_SELECTED), Changed(2, LVIS_SELECTED, 0)};
    EXPECT_SEQUENCE(moved);

    AnswerNotice(LVN_ITEMCHANGING, TRUE);
    SetState(single, 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(States(single, 3), (std::vector<UINT>{0, 0, LVIS_SELECTED, 1}));
}

// What the user does with the mouse or a key, one step after the other on
// the same list of 20 items, and what the parent hears.
struct UserStep {
    const char* name;
    UINT message;
    WPARAM keys;  // the mouse message's keys, or the key pressed
    int item;     // where the mouse goes (-1 for the key's step)
    int x;
    std::vector<ExpectedMessage> expected;
};

const ExpectedMessage kReleased = Told(NM_RELEASEDCAPTURE);

// Wine tells LVN_ITEMACTIVATE after a double click; the library leaves it
// alone.
const ExpectedMessage kActivated{"parent", WM_NOTIFY, kWParam | kOptional, LVN_FIRST - 14};

const UserStep kUserSteps[] = {
    {"ClickAnItem",
     WM_LBUTTONDOWN,
     MK_LBUTTON,
     3,
     10,
     {kReleased, Changing(3, kBoth, 0), Changing(1, 0, LVIS_FOCUSED), Changed(1, 0, LVIS_FOCUSED),
      Changed(3, kBoth, 0), Told(NM_SETFOCUS)}},
    {"ReleaseOnIt", WM_LBUTTONUP, 0, 3, 10, {Told(NM_CLICK, 3)}},
    {"PressItAgain", WM_LBUTTONDOWN, MK_LBUTTON, 3, 10, {kReleased}},
    {"ReleaseToSelectItAlone",
     WM_LBUTTONUP,
     0,
     3,
     10,
     {Told(NM_CLICK, 3), Changing(3, kBoth, kBoth)}},
    {"ControlClickAnother",
     WM_LBUTTONDOWN,
     MK_LBUTTON | MK_CONTROL,
     5,
     10,
     {kReleased, Changing(5, kBoth, 0), Changing(3, LVIS_SELECTED, kBoth),
      Changed(3, LVIS_SELECTED, kBoth), Changed(5, kBoth, 0)}},
    {"ReleaseIt", WM_LBUTTONUP, MK_CONTROL, 5, 10, {Told(NM_CLICK, 5)}},
    {"ShiftClickFromTheAnchor",
     WM_LBUTTONDOWN,
     MK_LBUTTON | MK_SHIFT,
     1,
     10,
     {kReleased, Changing(1, LVIS_SELECTED, 0), Changed(1, LVIS_SELECTED, 0),
      Changing(2, LVIS_SELECTED, 0), Changed(2, LVIS_SELECTED, 0),
      Changing(3, LVIS_SELECTED, LVIS_SELECTED), Changing(4, LVIS_SELECTED, 0),
      Changed(4, LVIS_SELECTED, 0), Changing(5, kBoth, kBoth), Changing(1, kBoth, LVIS_SELECTED),
      Changing(5, LVIS_SELECTED, kBoth), Changed(5, LVIS_SELECTED, kBoth),
      Changed(1, kBoth, LVIS_SELECTED)}},
    {"ReleaseTheRange", WM_LBUTTONUP, MK_SHIFT, 1, 10, {Told(NM_CLICK, 1)}},
    {"PressBesideTheLabelToClear",
     WM_LBUTTONDOWN,
     MK_LBUTTON,
     2,
     80,
     {kReleased, Changing(1, LVIS_FOCUSED, kBoth), Changed(1, LVIS_FOCUSED, kBoth),
      Changing(2, 0, LVIS_SELECTED), Changed(2, 0, LVIS_SELECTED), Changing(3, 0, LVIS_SELECTED),
      Changed(3, 0, LVIS_SELECTED), Changing(4, 0, LVIS_SELECTED), Changed(4, 0, LVIS_SELECTED),
      Changing(5, 0, LVIS_SELECTED), Changed(5, 0, LVIS_SELECTED)}},
    {"ReleaseThere", WM_LBUTTONUP, 0, 2, 80, {Told(NM_CLICK, 2, 1)}},
    {"DoubleClick",
     WM_LBUTTONDBLCLK,
     MK_LBUTTON,
     2,
     10,
     {kReleased, Told(NM_DBLCLK, 2), kActivated}},
    {"Down",
     WM_KEYDOWN,
     VK_DOWN,
     -1,
     0,
     {Notice(LVN_KEYDOWN, VK_DOWN), Changing(2, kBoth, 0), Changing(1, 0, LVIS_FOCUSED),
      Changed(1, 0, LVIS_FOCUSED), Changed(2, kBoth, 0)}},
    {"End",
     WM_KEYDOWN,
     VK_END,
     -1,
     0,
     {Notice(LVN_KEYDOWN, VK_END), Changing(2, LVIS_FOCUSED, kBoth),
      Changed(2, LVIS_FOCUSED, kBoth), Changing(19, kBoth, 0), Changing(2, 0, LVIS_FOCUSED),
      Changed(2, 0, LVIS_FOCUSED), Changed(19, kBoth, 0)}},
    {"NotAKey", WM_KEYDOWN, 'A', -1, 0, {Notice(LVN_KEYDOWN, 'A')}},
};

class ListViewUser : public ListViews {};

TEST_F(ListViewUser, EachStepIsToldInWinesOrder) {
    const HWND list = List(0, 20);
    SetState(list, 1, LVIS_FOCUSED, LVIS_FOCUSED);
    for (const UserStep& step : kUserSteps) {
        MessageLog::Current().Clear();
        const LPARAM point = step.item >= 0 ? RowPoint(list, step.item, step.x) : 0;
        Send(list, step.message, step.keys, point);
        EXPECT_TRUE(MessageLog::Current().Matches(step.expected, step.name));
    }
    EXPECT_EQ(Send(list, LVM_GETTOPINDEX), 10);
}

TEST_F(ListViews, PageKeysGoToTheEdgeOfThePageThenAPageOn) {
    const HWND list = List(0, 20);
    SetState(list, 0, kBoth, kBoth);
    const std::pair<int, std::pair<int, int>> steps[] = {
        {VK_NEXT, {9, 0}}, {VK_NEXT, {18, 9}}, {VK_PRIOR, {9, 9}}, {VK_PRIOR, {0, 0}},
        {VK_UP, {0, 0}},   {VK_END, {19, 10}}, {VK_HOME, {0, 0}}};
    for (const auto& [key, where] : steps) {
        Send(list, WM_KEYDOWN, static_cast<WPARAM>(key));
        EXPECT_EQ(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), where.first)
            << key;
        EXPECT_EQ(Send(list, LVM_GETTOPINDEX), where.second) << key;
        EXPECT_EQ(Send(list, LVM_GETSELECTEDCOUNT), 1);
    }
}

TEST_F(ListViews, ARightClickSelectsTheItemAndTellsTheParent) {
    const HWND list = List(0, 6);
    SetState(list, 2, kBoth, kBoth);
    // The list waits for the release as it comes in.
    PostMessageA(list, WM_RBUTTONUP, 0, RowPoint(list, 4));
    Send(list, WM_RBUTTONDOWN, MK_RBUTTON, RowPoint(list, 4));
    MessageLog::Current().PumpPending();
    const auto& log = MessageLog::Current().Messages();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const LoggedMessage& entry) {
                                return entry.wParam == NM_RCLICK && entry.lParam == Summary(4);
                            }),
              1);
    EXPECT_EQ(States(list, 6), (std::vector<UINT>{0, 0, 0, 0, kBoth, 0, 1}));
}

TEST_F(ListViews, PressesBelowTheItemsClearTheSelectionAndControlUnselects) {
    const HWND list = List(0, 3);
    SetState(list, 1, kBoth, kBoth);
    MessageLog::Current().Clear();
    const LPARAM below = MakeLParam(10, 120);
    Send(list, WM_LBUTTONDOWN, MK_LBUTTON, below);
    Send(list, WM_LBUTTONUP, 0, below);
    PostMessageA(list, WM_RBUTTONUP, 0, below);
    Send(list, WM_RBUTTONDOWN, MK_RBUTTON, below);
    MessageLog::Current().PumpPending();
    const ExpectedMessage cleared[] = {kReleased,
                                       Told(NM_SETFOCUS),
                                       Changing(1, LVIS_FOCUSED, kBoth),
                                       Changed(1, LVIS_FOCUSED, kBoth),
                                       Told(NM_CLICK, -1),
                                       kReleased,
                                       Told(NM_RCLICK, -1)};
    EXPECT_SEQUENCE(cleared);

    SetState(list, 2, kBoth, kBoth);
    Send(list, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, RowPoint(list, 2));
    Send(list, WM_LBUTTONUP, MK_CONTROL, RowPoint(list, 2));
    EXPECT_EQ(States(list, 3), (std::vector<UINT>{0, 0, LVIS_FOCUSED, 0}));
}

TEST_F(ListViews, ShiftAndControlKeysMoveTheSelectionOrTheFocus) {
    ZV_REQUIRES_HEADLESS("the scripted user holds Shift and Control");
    const HWND list = List(0, 6);
    SetFocus(list);
    SetState(list, 1, kBoth, kBoth);
    Send(list, WM_KEYDOWN, VK_HOME);
    const auto press = [](std::initializer_list<int> keys) {
        for (const int key : keys) {
            driver::PressKey(key);
        }
        for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
            driver::ReleaseKey(*key);
        }
        MessageLog::Current().PumpPending();
    };
    press({VK_SHIFT, VK_DOWN});
    press({VK_SHIFT, VK_DOWN});
    EXPECT_EQ(States(list, 4), (std::vector<UINT>{LVIS_SELECTED, LVIS_SELECTED, kBoth, 0, 3}));
    press({VK_CONTROL, VK_DOWN});
    EXPECT_EQ(States(list, 4),
              (std::vector<UINT>{LVIS_SELECTED, LVIS_SELECTED, LVIS_SELECTED, LVIS_FOCUSED, 3}));
}

TEST_F(ListViews, TheHeaderIsClickedAndDraggedThroughTheList) {
    const HWND list = List(0, 3);
    const auto header = static_cast<HWND>(Send(list, LVM_GETHEADER));
    Send(header, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(70, 5));
    Send(header, WM_LBUTTONUP, 0, MakeLParam(70, 5));
    const ExpectedMessage clicked[] = {Notice(LVN_COLUMNCLICK, Summary(-1, 1)),
                                       Told(HDN_ITEMCLICKA, 1)};
    EXPECT_SEQUENCE(clicked);

    MessageLog::Current().Clear();
    Send(header, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(59, 5));
    Send(header, WM_LBUTTONUP, 0, MakeLParam(59, 5));
    Send(header, WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(59, 5));
    Send(header, WM_LBUTTONUP, 0, MakeLParam(59, 5));
    const ExpectedMessage fitted[] = {Told(HDN_BEGINTRACKA, 0, 0), Told(HDN_ENDTRACKA, 0),
                                      Told(HDN_DIVIDERDBLCLICKA, 0)};
    ZV_KNOWN_WIN32_DIFFERENCE("Wine's list view keeps HDN_BEGINTRACK from its parent");
    EXPECT_SEQUENCE(fitted);
    EXPECT_LT(Send(list, LVM_GETCOLUMNWIDTH, 0), 60);  // fitted to "item 2"
}

int ZV_CALLBACK Descending(LPARAM first, LPARAM second, LPARAM) {
    return static_cast<int>(second - first);
}

HWND g_sorted = 0;

// By the first sub-item's text, read from the list by index as it sorts.
int ZV_CALLBACK BySubItem(LPARAM first, LPARAM second, LPARAM) {
    char a[16] = {};
    char b[16] = {};
    LVITEMA item;
    item.iSubItem = 1;
    item.cchTextMax = 16;
    item.pszText = a;
    SendMessageA(g_sorted, LVM_GETITEMTEXTA, static_cast<WPARAM>(first),
                 reinterpret_cast<LPARAM>(&item));
    item.pszText = b;
    SendMessageA(g_sorted, LVM_GETITEMTEXTA, static_cast<WPARAM>(second),
                 reinterpret_cast<LPARAM>(&item));
    return std::string(a).compare(b);
}

TEST_F(ListViews, SortingOrdersTheItemsAndTheFocusFollows) {
    const HWND list = List(0, 12);
    SetState(list, 0, kBoth, kBoth);
    EXPECT_EQ(Send(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&Descending)), TRUE);
    EXPECT_EQ(TextOf(list, 0, 0), "item 11");
    EXPECT_EQ(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 11);
}

TEST_F(ListViews, SortingByIndexLetsTheComparisonReadTheItems) {
    ZV_KNOWN_WIN32_DIFFERENCE("Wine passes indexes that move as it sorts");
    const HWND list = List(0, 12);
    g_sorted = list;
    EXPECT_EQ(Send(list, LVM_SORTITEMSEX, 0, reinterpret_cast<LPARAM>(&BySubItem)), TRUE);
    const std::vector<std::string> expected = {"sub 0",  "sub 1", "sub 10",
                                               "sub 11", "sub 2", "sub 3"};
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(TextOf(list, index, 1), expected[static_cast<std::size_t>(index)]);
    }
}

TEST_F(ListViews, FocusComesAndGoesWithNotices) {
    const HWND list = List(0, 1);
    SetFocus(list);
    SetFocus(parent);
    const ExpectedMessage focus[] = {Told(NM_SETFOCUS), Told(NM_KILLFOCUS)};
    EXPECT_SEQUENCE(focus);
}

TEST_F(ListViews, SelectedLabelsAreHighlightedAndFullRowsWithTheStyle) {
    const HWND list = List(LVS_SHOWSELALWAYS, 3);
    SetFocus(list);
    SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    const int y = static_cast<int>(PartOf(list, 1, LVIR_BOUNDS)[1]) + 1;  // above the text
    const auto at = [&](int x, int row) { return PixelOf(list, x, row); };
    EXPECT_TRUE(PixelsAre(
        at, {Pixel(3, y, GetSysColor(COLOR_HIGHLIGHT)), Pixel(100, y, GetSysColor(COLOR_WINDOW))}));
    Send(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(PixelsAre(at, {Pixel(100, y, GetSysColor(COLOR_HIGHLIGHT))}));
    SetFocus(parent);
    EXPECT_TRUE(PixelsAre(at, {Pixel(100, y, GetSysColor(COLOR_BTNFACE))}));

    const HWND hiding = List(0, 3, kListId + 1, 170);
    SetState(hiding, 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(PixelOf(hiding, 3, y), GetSysColor(COLOR_WINDOW));
}

TEST_F(ListViews, SubItemsLieAsTheirColumnsFormatSays) {
    const HWND list = List(0, 1);
    SetText(list, 0, 1, "1");
    const int y = static_cast<int>(PartOf(list, 0, LVIR_BOUNDS)[1]);
    // Ink in the second column's cell (60 to 120), at either side.
    const auto inkIn = [&](int from, int to) {
        int ink = 0;
        for (int x = from; x < to; ++x) {
            for (int row = y; row < y + 14; ++row) {
                ink += PixelOf(list, x, row) != GetSysColor(COLOR_WINDOW) ? 1 : 0;
            }
        }
        return ink;
    };
    for (const int fmt : {LVCFMT_LEFT, LVCFMT_RIGHT}) {
        SCOPED_TRACE(fmt);
        LVCOLUMNA format;
        format.mask = LVCF_FMT;
        format.fmt = fmt;
        Send(list, LVM_SETCOLUMNA, 1, reinterpret_cast<LPARAM>(&format));
        EXPECT_EQ(inkIn(62, 80) > 0, fmt == LVCFMT_LEFT);
        EXPECT_EQ(inkIn(100, 118) > 0, fmt == LVCFMT_RIGHT);
    }
}

TEST_F(ListViews, SmallImagesStandBeforeTheLabelsAndSetTheRowHeight) {
    const HWND list = List(0, 2);
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 2, 0);
    MemoryDc strip(32, 16, kRed);
    strip.Fill(kBlue, RECT{16, 0, 32, 16});
    const HBITMAP bitmap = strip.Release();
    ImageList_Add(images, bitmap, 0);
    EXPECT_EQ(Send(list, LVM_SETIMAGELIST, LVSIL_SMALL, images), 0);
    LVITEMA item;
    item.mask = LVIF_IMAGE;
    item.iItem = 1;
    item.iImage = 1;
    Send(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(PartOf(list, 1, LVIR_BOUNDS), (Edges{0, 33, 180, 50}));
    EXPECT_EQ(PartOf(list, 0, LVIR_ICON), (Edges{2, 16, 18, 32}));
    EXPECT_EQ(PartOf(list, 0, LVIR_LABEL)[0], 18);
    EXPECT_EQ(PixelOf(list, 10, 24), kRed);
    EXPECT_EQ(PixelOf(list, 10, 41), kBlue);
    LVHITTESTINFO hit;
    hit.pt = POINT{5, 38};
    EXPECT_EQ(Send(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_EQ(hit.flags, LVHT_ONITEMICON);
    DestroyWindow(list);
    ImageList_Destroy(images);
    DeleteObject(bitmap);
}

}  // namespace
}  // namespace zv::test
