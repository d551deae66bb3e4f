// Headers: what they answer to their messages, what their parent hears as
// the user drags a divider or clicks an item, and how they look.

#include <string>
#include <vector>

#include "NoticeLog.h"
#include "Pixels.h"
#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/HeaderConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr int kHeaderId = 7;

// A header notice as its item and the width it carries (-1 for none).
LPARAM HeaderSummary(const NMHDR& notice) {
    if (notice.code > HDN_FIRST || notice.code <= HDN_FIRST - 100) {
        return 0;
    }
    const auto& header = reinterpret_cast<const NMHEADERA&>(notice);
    const bool width = header.pitem != nullptr && (header.pitem->mask & HDI_WIDTH) != 0;
    return MakeLParam(header.iItem, width ? header.pitem->cxy : -1);
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(hwnd, message, wParam, lParam);
}

class Headers : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        parent = CreateNoticeParent(HeaderSummary);
    }

    void TearDown() override {
        DestroyWindow(parent);
        PlatformTest::TearDown();
    }

    // A header of three items 50, 60 and 40 wide: "One", "Two", "Three".
    HWND Header(DWORD style) {
        const HWND header = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | style, 0, 0,
                                            200, 30, parent, kHeaderId, 0, nullptr);
        Send(header, WM_SETFONT, static_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
        const std::pair<const char*, int> items[] = {{"One", 50}, {"Two", 60}, {"Three", 40}};
        for (const auto& [text, width] : items) {
            Insert(header, 99, text, width);
        }
        MessageLog::Current().Clear();
        return header;
    }

    static LRESULT Insert(HWND header, int index, const char* text, int width) {
        HDITEMA item;
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<char*>(text);
        item.cxy = width;
        item.fmt = HDF_LEFT | HDF_STRING;
        return Send(header, HDM_INSERTITEMA, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item));
    }

    static std::string TextAt(HWND header, int index) {
        char text[4] = {};  // cuts longer texts short
        HDITEMA item;
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(sizeof text);
        Send(header, HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    static Edges RectOf(HWND header, int index) {
        RECT rect{};
        Send(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return EdgesOf(rect);
    }

    static std::vector<int> Order(HWND header) {
        std::vector<int> order(static_cast<std::size_t>(Send(header, HDM_GETITEMCOUNT)));
        Send(header, HDM_GETORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()));
        return order;
    }

    HWND parent = 0;
};

TEST_F(Headers, ItemsStandSideBySideInTheirOrder) {
    const HWND header = Header(0);
    EXPECT_EQ(Send(header, HDM_GETITEMCOUNT), 3);
    EXPECT_EQ(RectOf(header, 1), (Edges{50, 0, 110, 30}));
    EXPECT_EQ(TextAt(header, 2), "Thr");

    const int order[] = {2, 0, 1};
    EXPECT_EQ(Send(header, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(order)), TRUE);
    EXPECT_EQ(RectOf(header, 2), (Edges{0, 0, 40, 30}));
    EXPECT_EQ(RectOf(header, 1), (Edges{90, 0, 150, 30}));
    EXPECT_EQ(Send(header, HDM_ORDERTOINDEX, 0), 2);
    HDITEMA fields;
    fields.mask = HDI_ORDER | HDI_WIDTH;
    Send(header, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&fields));
    EXPECT_EQ(fields.iOrder, 2);
    EXPECT_EQ(fields.cxy, 60);

    EXPECT_EQ(Send(header, HDM_DELETEITEM, 0), TRUE);
    EXPECT_EQ(Send(header, HDM_DELETEITEM, 7), FALSE);
    EXPECT_EQ(Order(header), (std::vector<int>{1, 0}));
    HDITEMA first;
    first.mask = HDI_WIDTH | HDI_ORDER;
    first.cxy = 10;
    first.iOrder = 0;
    EXPECT_EQ(Send(header, HDM_INSERTITEMA, 5, reinterpret_cast<LPARAM>(&first)), 2);
    EXPECT_EQ(Order(header), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(TextAt(header, 0), "Two");
}

TEST_F(Headers, LayoutPutsTheHeaderAtTheTopOfTheRectangle) {
    const HWND header = Header(0);
    RECT rect{5, 7, 200, 100};
    WINDOWPOS position;
    HDLAYOUT layout{&rect, &position};
    EXPECT_EQ(Send(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)), TRUE);
    EXPECT_EQ(position.hwnd, header);
    EXPECT_EQ((Edges{position.x, position.y, position.cx, position.cy}), (Edges{5, 7, 195, 16}));
    EXPECT_EQ(position.flags, SWP_NOZORDER);
    EXPECT_EQ(rect.top, 23);
}

TEST_F(Headers, HitTestsFindItemsAndTheDividersBesideTheirRightEdges) {
    const HWND header = Header(0);
    struct Case {
        POINT point;
        UINT flags;
        int item;
    };
    const Case cases[] = {
        {{0, 5}, HHT_ONHEADER, 0},    {{39, 5}, HHT_ONHEADER, 0},  {{40, 5}, HHT_ONDIVIDER, 0},
        {{59, 5}, HHT_ONDIVIDER, 0},  {{60, 5}, HHT_ONHEADER, 1},  {{100, 5}, HHT_ONDIVIDER, 1},
        {{159, 5}, HHT_ONDIVIDER, 2}, {{170, 5}, HHT_NOWHERE, -1}, {{-2, 5}, HHT_TOLEFT, -1},
        {{250, 5}, HHT_TORIGHT, -1},  {{10, -1}, HHT_ABOVE, -1},   {{10, 31}, HHT_BELOW, -1},
    };
    for (const Case& c : cases) {
        HDHITTESTINFO hit;
        hit.pt = c.point;
        EXPECT_EQ(Send(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), c.item);
        EXPECT_EQ(hit.flags, c.flags) << c.point.x << "," << c.point.y;
        EXPECT_EQ(hit.iItem, c.item) << c.point.x << "," << c.point.y;
    }
}

// What the user does, a mouse message at a time, and what the parent hears.
struct MouseStep {
    UINT message;
    int x;
};

struct MouseCase {
    const char* name;
    DWORD style;
    std::vector<MouseStep> steps;
    std::vector<ExpectedMessage> expected;
};

class HeaderMouse : public Headers, public testing::WithParamInterface<MouseCase> {};

constexpr LPARAM Item(int item, int width = -1) {
    return MakeLParam(item, width);
}

const ExpectedMessage kReleased = Notice(NM_RELEASEDCAPTURE, 0);

const MouseCase kMouseCases[] = {
    {"DragWithoutFullDrag",
     0,
     {{WM_LBUTTONDOWN, 49}, {WM_MOUSEMOVE, 59}, {WM_MOUSEMOVE, 69}, {WM_LBUTTONUP, 69}},
     {Notice(HDN_BEGINTRACKA, Item(0, 50)), Notice(HDN_TRACKA, Item(0, 60)),
      Notice(HDN_TRACKA, Item(0, 70)), Notice(HDN_ENDTRACKA, Item(0, 70)),
      Notice(HDN_ITEMCHANGINGA, Item(0, 70)), Notice(HDN_ITEMCHANGEDA, Item(0, 70)), kReleased}},
    {"DragWithFullDragPastTheItemsLeft",
     HDS_FULLDRAG,
     {{WM_LBUTTONDOWN, 49}, {WM_MOUSEMOVE, 59}, {WM_MOUSEMOVE, -20}, {WM_LBUTTONUP, -20}},
     {Notice(HDN_BEGINTRACKA, Item(0, 50)), Notice(HDN_ITEMCHANGINGA, Item(0, 60)),
      Notice(HDN_ITEMCHANGEDA, Item(0, 60)), Notice(HDN_ITEMCHANGINGA, Item(0, -19)),
      Notice(HDN_ITEMCHANGEDA, Item(0, 0)), Notice(HDN_ENDTRACKA, Item(0, 0)),
      Notice(HDN_ITEMCHANGINGA, Item(0, 0)), Notice(HDN_ITEMCHANGEDA, Item(0, 0)), kReleased}},
    {"DoubleClickOnADivider",
     HDS_BUTTONS,
     {{WM_LBUTTONDOWN, 114}, {WM_LBUTTONUP, 114}, {WM_LBUTTONDBLCLK, 114}, {WM_LBUTTONUP, 114}},
     {Notice(HDN_BEGINTRACKA, Item(1, 60)), Notice(HDN_ENDTRACKA, Item(1, 60)),
      Notice(HDN_ITEMCHANGINGA, Item(1, 60)), Notice(HDN_ITEMCHANGEDA, Item(1, 60)), kReleased,
      Notice(HDN_DIVIDERDBLCLICKA, Item(1))}},
    {"DoubleClickOnAnItem",
     HDS_BUTTONS,
     {{WM_LBUTTONDOWN, 70}, {WM_LBUTTONUP, 70}, {WM_LBUTTONDBLCLK, 70}, {WM_LBUTTONUP, 70}},
     {Notice(HDN_ITEMCLICKA, Item(1)), kReleased, Notice(HDN_ITEMDBLCLICKA, Item(1))}},
    {"RightClick", HDS_BUTTONS, {{WM_RBUTTONDOWN, 20}, {WM_RBUTTONUP, 20}}, {Notice(NM_RCLICK, 0)}},
};

TEST_P(HeaderMouse, TellsTheParent) {
    const HWND header = Header(GetParam().style);
    for (const MouseStep& step : GetParam().steps) {
        const WPARAM buttons = step.message == WM_LBUTTONUP || step.message == WM_RBUTTONUP ? 0
                               : step.message == WM_RBUTTONDOWN ? MK_RBUTTON
                                                                : MK_LBUTTON;
        Send(header, step.message, buttons, MakeLParam(step.x, 5));
    }
    EXPECT_TRUE(MessageLog::Current().Matches(GetParam().expected, GetParam().name));
    EXPECT_NE(GetCapture(), header);
}

INSTANTIATE_TEST_SUITE_P(Headers, HeaderMouse, testing::ValuesIn(kMouseCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(Headers, AParentThatRefusesTheDragKeepsTheWidth) {
    const HWND header = Header(HDS_FULLDRAG);
    AnswerNotice(HDN_BEGINTRACKA, TRUE);
    Send(header, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(49, 5));
    EXPECT_NE(GetCapture(), header);
    Send(header, WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(69, 5));
    Send(header, WM_LBUTTONUP, 0, MakeLParam(69, 5));
    const ExpectedMessage refused[] = {Notice(HDN_BEGINTRACKA, Item(0, 50))};
    EXPECT_SEQUENCE(refused);
    EXPECT_EQ(RectOf(header, 0)[2], 50);
}

TEST_F(Headers, SettingAWidthIsToldBeforeAndAfter) {
    const HWND header = Header(0);
    HDITEMA fields;
    fields.mask = HDI_WIDTH;
    fields.cxy = 70;
    EXPECT_EQ(Send(header, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields)), TRUE);
    const ExpectedMessage changed[] = {Notice(HDN_ITEMCHANGINGA, Item(0, 70)),
                                       Notice(HDN_ITEMCHANGEDA, Item(0, 70))};
    EXPECT_SEQUENCE(changed);
    EXPECT_EQ(RectOf(header, 1), (Edges{70, 0, 130, 30}));
}

TEST_F(Headers, ItemsAreRaisedButtonsAndSinkWhilePushed) {
    ZV_KNOWN_WIN32_DIFFERENCE("Wine draws headers in its own theme, flat and white");
    const HWND header = Header(HDS_BUTTONS);
    const auto at = [&](int x, int y) { return PixelOf(header, x, y); };
    EXPECT_TRUE(PixelsAre(
        at,
        {Pixel(0, 0, GetSysColor(COLOR_3DLIGHT)), Pixel(1, 1, GetSysColor(COLOR_BTNHIGHLIGHT)),
         Pixel(48, 28, GetSysColor(COLOR_BTNSHADOW)), Pixel(49, 29, GetSysColor(COLOR_3DDKSHADOW)),
         Pixel(45, 4, GetSysColor(COLOR_BTNFACE)), Pixel(199, 29, GetSysColor(COLOR_3DDKSHADOW))}));
    EXPECT_GT(PixelsOf(header, GetSysColor(COLOR_BTNTEXT)), 20);
    Send(header, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(20, 5));
    EXPECT_TRUE(PixelsAre(at, {Pixel(0, 0, GetSysColor(COLOR_BTNSHADOW)),
                               Pixel(49, 29, GetSysColor(COLOR_BTNHIGHLIGHT))}));
    Send(header, WM_LBUTTONUP, 0, MakeLParam(20, 5));
}

}  // namespace
}  // namespace zv::test
