// The system's combo box on the headless backend: a selection field
// (CBS_DROPDOWNLIST) or an "Edit" box (CBS_DROPDOWN, CBS_SIMPLE) over a
// "ComboLBox" list that holds the items. The list of a drop-down combo box
// is a child of the desktop, shown below the field while it drops down and
// holding the mouse meanwhile; a simple combo box shows its list always, as
// its own child. The combo box tells its parent what the user does with
// CBN_ notifications, in the platform's order.
//
// Not modelled: CB_DIR, CB_SETITEMHEIGHT, the extended interface
// (CB_SETEXTENDEDUI, CB_GETEXTENDEDUI), CB_GETDROPPEDCONTROLRECT, and the
// messages after CB_FINDSTRINGEXACT (locales, top index, widths, storage,
// CB_GETCOMBOBOXINFO).

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "headless/controls/ControlData.h"
#include "headless/controls/ControlPainter.h"
#include "headless/controls/Controls.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

// Room between the text and the edge of the field, above and below.
constexpr int kFieldPadding = 2;

struct ComboBox {
    HWND list = 0;
    HWND edit = 0;
    WNDPROC editProc = nullptr;  // the edit box's own procedure, under the combo box's
    int droppedHeight = 0;       // of the whole control with its list dropped down
    bool dropped = false;
    bool focused = false;
    bool settingText = false;  // the edit box's change notices come from the combo box itself
};

DWORD KindOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & CBS_DROPDOWNLIST;
}

LONG ItemHeight(const ComboBox& combo) {
    return static_cast<LONG>(SendMessageA(combo.list, LB_GETITEMHEIGHT, 0, 0));
}

LONG FieldHeight(const ComboBox& combo) {
    return ItemHeight(combo) + 2 * kFieldPadding;
}

// The height of the field with its sunken edge: all a drop-down combo box
// shows while its list is closed.
LONG ClosedHeight(const ComboBox& combo) {
    return FieldHeight(combo) + 2 * GetSystemMetrics(SM_CYEDGE);
}

RECT ClientOf(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    return client;
}

RECT ButtonRect(HWND hwnd, const ComboBox& combo) {
    const LONG right = ClientOf(hwnd).right - GetSystemMetrics(SM_CXEDGE);
    const LONG top = GetSystemMetrics(SM_CYEDGE);
    return RECT{right - GetSystemMetrics(SM_CXVSCROLL), top, right, top + FieldHeight(combo)};
}

// What shows the selection: left of the button, inside the edge.
RECT FieldRect(HWND hwnd, const ComboBox& combo) {
    const LONG edgeX = GetSystemMetrics(SM_CXEDGE);
    const LONG edgeY = GetSystemMetrics(SM_CYEDGE);
    const LONG right =
        KindOf(hwnd) == CBS_SIMPLE ? ClientOf(hwnd).right - edgeX : ButtonRect(hwnd, combo).left;
    return RECT{edgeX, edgeY, right, edgeY + FieldHeight(combo)};
}

LRESULT ToList(const ComboBox& combo, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(combo.list, message, wParam, lParam);
}

std::string SelectedText(const ComboBox& combo) {
    const LRESULT selected = ToList(combo, LB_GETCURSEL);
    const LRESULT length = ToList(combo, LB_GETTEXTLEN, static_cast<WPARAM>(selected));
    if (selected == LB_ERR || length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ToList(combo, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The field shows the selected item; an edit box gets its text, all of it
// selected, without telling anyone of the change.
void ShowSelection(HWND hwnd) {
    ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr) {
        return;
    }
    if (combo->edit != 0) {
        const std::string text = SelectedText(*combo);
        combo->settingText = true;
        SetWindowTextA(combo->edit, text.c_str());
        SendMessageA(combo->edit, EM_SETSEL, 0, -1);
        combo->settingText = false;
    }
    Repaint(hwnd);
}

// Dropping down and closing

// The parent hears first, so that it can fill the list; the list then
// shows below the field, as many rows as it has items and the height given
// to the combo box allows, from the selected item on.
void DropDown(HWND hwnd) {
    NotifyParent(hwnd, CBN_DROPDOWN);
    ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr || combo->dropped) {
        return;
    }
    combo->dropped = true;
    RECT rect;
    GetWindowRect(hwnd, &rect);
    const LONG item = ItemHeight(*combo);
    const LONG border = 2 * GetSystemMetrics(SM_CYBORDER);
    const LONG room = (combo->droppedHeight - ClosedHeight(*combo) - border) / item;
    const auto count = static_cast<LONG>(ToList(*combo, LB_GETCOUNT));
    const LONG rows = std::max<LONG>(1, count == 0 ? room : std::min(count, room));
    const LONG top = KindOf(hwnd) == CBS_DROPDOWN ? rect.bottom - 1 : rect.bottom;
    const HWND list = combo->list;
    SetWindowPos(list, HWND_TOPMOST, rect.left, top, rect.right - rect.left, rows * item + border,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ToList(*combo, LB_SETTOPINDEX,
           static_cast<WPARAM>(std::max<LRESULT>(0, ToList(*combo, LB_GETCURSEL))));
    SetCapture(list);
    Repaint(hwnd);
}

// Ends a choice: the parent hears whether it stands (CBN_SELENDOK) or not,
// and, when the list was down, that it closed.
void RollUp(HWND hwnd, bool ok) {
    NotifyParent(hwnd, ok ? CBN_SELENDOK : CBN_SELENDCANCEL);
    ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr || !combo->dropped) {
        return;
    }
    combo->dropped = false;
    const HWND list = combo->list;
    if (GetCapture() == list) {
        ReleaseCapture();
    }
    ShowWindow(list, SW_HIDE);
    Repaint(hwnd);
    NotifyParent(hwnd, CBN_CLOSEUP);
}

void Toggle(HWND hwnd) {
    const ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr || KindOf(hwnd) == CBS_SIMPLE) {
        return;
    }
    if (combo->dropped) {
        RollUp(hwnd, false);
    } else {
        DropDown(hwnd);
    }
}

// What the list and the edit box tell

// The user picked an item: a pick in the dropped list (which lets the mouse
// go first) or a choice while the list is closed ends the choice; keys
// that move through the dropped list only change the selection.
void TakeListChange(HWND hwnd, const ComboBox& combo) {
    if (!combo.dropped || GetCapture() != combo.list) {
        RollUp(hwnd, true);
    }
    ShowSelection(hwnd);
    NotifyParent(hwnd, CBN_SELCHANGE);
}

// Typing leaves no item selected; a dropped list shows the first item that
// starts with the text.
void FollowTyping(const ComboBox& combo) {
    ToList(combo, LB_SETCURSEL, static_cast<WPARAM>(-1));
    if (combo.dropped) {
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(combo.edit)) + 1, '\0');
        GetWindowTextA(combo.edit, text.data(), static_cast<int>(text.size()));
        const LRESULT found = ToList(combo, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str()));
        if (found != LB_ERR) {
            ToList(combo, LB_SETTOPINDEX, static_cast<WPARAM>(found));
        }
    }
}

void TakeCommand(HWND hwnd, const ComboBox& combo, WPARAM wParam) {
    const auto code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    const auto id = static_cast<int>(wParam & 0xFFFF);
    if (id == IDC_COMBO_LIST) {
        if (code == LBN_SELCHANGE) {
            TakeListChange(hwnd, combo);
        } else if (code == LBN_SELCANCEL && combo.dropped) {
            RollUp(hwnd, false);
        } else if (code == LBN_DBLCLK) {
            NotifyParent(hwnd, CBN_DBLCLK);
        }
    } else if (id == IDC_COMBO_EDIT && !combo.settingText) {
        if (code == EN_UPDATE) {
            NotifyParent(hwnd, CBN_EDITUPDATE);
        } else if (code == EN_CHANGE) {
            FollowTyping(combo);
            NotifyParent(hwnd, CBN_EDITCHANGE);
        } else if (code == EN_MAXTEXT) {
            NotifyParent(hwnd, CBN_ERRSPACE);  // as the platform reads the edit box's limit
        }
    }
}

// Focus: the combo box and its edit box are one control to the parent.

void GainFocus(HWND hwnd) {
    ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr || combo->focused) {
        return;
    }
    combo->focused = true;
    if (combo->edit != 0) {
        SendMessageA(combo->edit, EM_SETSEL, 0, -1);
    }
    Repaint(hwnd);
    NotifyParent(hwnd, CBN_SETFOCUS);
}

// Losing the focus ends the choice unconfirmed, list down or not.
void LoseFocus(HWND hwnd, HWND newFocus) {
    ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr || !combo->focused || newFocus == hwnd ||
        (newFocus != 0 && newFocus == combo->edit)) {
        return;
    }
    combo->focused = false;
    RollUp(hwnd, false);
    Repaint(hwnd);
    NotifyParent(hwnd, CBN_KILLFOCUS);
}

// Keys

// F4 and Alt with an arrow drop the list down or close it; the arrows
// alone move the selection. The edit box passes these on.
bool TakeDropKey(HWND hwnd, const ComboBox& combo, UINT message, WPARAM key, LPARAM lParam) {
    const bool arrow = key == static_cast<WPARAM>(VK_UP) || key == static_cast<WPARAM>(VK_DOWN);
    const bool alt = (lParam & (static_cast<LPARAM>(KF_ALTDOWN) << 16)) != 0;
    if ((message == WM_KEYDOWN && key == static_cast<WPARAM>(VK_F4)) ||
        (message == WM_SYSKEYDOWN && arrow && alt)) {
        Toggle(hwnd);
        return true;
    }
    if (message == WM_KEYDOWN && arrow) {
        SendMessageA(combo.list, WM_KEYDOWN, key, lParam);
        return true;
    }
    return false;
}

// A selection field also closes its list with Enter (the choice stands) or
// Escape, and passes the other moves and typed characters to the list.
void TakeFieldKey(HWND hwnd, const ComboBox& combo, WPARAM key, LPARAM lParam) {
    const bool closing =
        key == static_cast<WPARAM>(VK_RETURN) || key == static_cast<WPARAM>(VK_ESCAPE);
    if (closing && combo.dropped) {
        RollUp(hwnd, key == static_cast<WPARAM>(VK_RETURN));
    } else if (!closing) {
        SendMessageA(combo.list, WM_KEYDOWN, key, lParam);
    }
}

// The mouse

// A press on a selection field, or on the button of a drop-down combo box,
// drops the list down (or closes it) and holds the mouse until the release,
// which hands it to the list.
void Press(HWND hwnd, const ComboBox& focusing, LPARAM lParam) {
    if (GetFocus() != hwnd && GetFocus() != focusing.edit) {
        SetFocus(hwnd);
    }
    const ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr) {
        return;
    }
    const POINT point{static_cast<std::int16_t>(lParam & 0xFFFF),
                      static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
    RECT button = ButtonRect(hwnd, *combo);
    const bool onButton = PtInRect(&button, point) != FALSE;
    if (KindOf(hwnd) != CBS_DROPDOWNLIST && !(KindOf(hwnd) == CBS_DROPDOWN && onButton)) {
        return;
    }
    Toggle(hwnd);
    if (const ComboBox* dropped = FindControlData<ComboBox>(hwnd);
        dropped != nullptr && dropped->dropped) {
        SetCapture(hwnd);
    }
}

void Release(HWND hwnd, const ComboBox& combo) {
    if (GetCapture() != hwnd) {
        return;
    }
    if (combo.dropped) {
        SetCapture(combo.list);
    } else {
        ReleaseCapture();
    }
}

// Painting

// The small arrow of the button, pointing down.
void PaintArrow(const ControlPainter& painter, const RECT& button) {
    const LONG middle = (button.left + button.right) / 2;
    const LONG top = (button.top + button.bottom) / 2 - 2;
    for (LONG row = 0; row < 4; ++row) {
        painter.Fill(RECT{middle - 3 + row, top + row, middle + 4 - row, top + row + 1},
                     COLOR_BTNTEXT);
    }
}

void PaintButton(const ControlPainter& painter, RECT button, bool pushed) {
    painter.Fill(button, COLOR_BTNFACE);
    DrawEdge(painter.Dc(), &button, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    PaintArrow(painter, button);
}

// The selected item's text; highlighted, with a focus rectangle, while the
// focused field's list is closed.
void PaintSelection(HWND hwnd, const ControlPainter& painter, const ComboBox& combo) {
    RECT field = FieldRect(hwnd, combo);
    InflateRect(&field, -1, -1);
    const bool highlighted = combo.focused && !combo.dropped;
    if (highlighted) {
        painter.Fill(field, COLOR_HIGHLIGHT);
        SetTextColor(painter.Dc(), GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    RECT text{field.left + 1, field.top, field.right, field.bottom};
    painter.Text(SelectedText(combo), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (highlighted) {
        DrawFocusRect(painter.Dc(), &field);
    }
}

// The field in a sunken edge, in the colours the parent answers for
// WM_CTLCOLOREDIT, with the button of a drop-down combo box at its right.
void Paint(HWND hwnd) {
    const ControlPainter painter(hwnd, WM_CTLCOLOREDIT, PaintTime::ForPaintMessage);
    const ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr) {
        return;
    }
    painter.FillBackground(painter.Client());
    RECT edge{0, 0, painter.Client().right, ClosedHeight(*combo)};
    DrawEdge(painter.Dc(), &edge, EDGE_SUNKEN, BF_RECT);
    if (KindOf(hwnd) != CBS_SIMPLE) {
        PaintButton(painter, ButtonRect(hwnd, *combo), combo->dropped);
    }
    if (KindOf(hwnd) == CBS_DROPDOWNLIST) {
        PaintSelection(hwnd, painter, *combo);
    }
}

// Making and placing the parts

LRESULT ZV_CALLBACK ComboEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

HWND MakeList(HWND hwnd, const CREATESTRUCTA& create) {
    const auto style = static_cast<DWORD>(create.style);
    const bool simple = (style & CBS_DROPDOWNLIST) == CBS_SIMPLE;
    DWORD listStyle = WS_CHILD | WS_CLIPSIBLINGS | LBS_COMBOBOX | LBS_HASSTRINGS | LBS_NOTIFY |
                      (style & WS_VSCROLL) | ((style & CBS_SORT) != 0 ? LBS_SORT : 0);
    listStyle |= simple ? WS_VISIBLE : WS_BORDER;
    const HWND parent = simple ? hwnd : GetDesktopWindow();
    return CreateWindowExA(simple ? WS_EX_CLIENTEDGE : WS_EX_TOOLWINDOW, "ComboLBox", "", listStyle,
                           0, 0, create.cx, create.cy, parent, IDC_COMBO_LIST, create.hInstance,
                           reinterpret_cast<void*>(static_cast<std::intptr_t>(hwnd)));
}

// The edit box works under the combo box's procedure, which takes the keys
// that belong to the combo box and hears of its focus.
HWND MakeEdit(HWND hwnd, const CREATESTRUCTA& create, ComboBox& combo) {
    const DWORD autoScroll =
        (static_cast<DWORD>(create.style) & CBS_AUTOHSCROLL) != 0 ? ES_AUTOHSCROLL : 0;
    const HWND edit =
        CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | autoScroll, 0, 0, create.cx,
                        create.cy, hwnd, IDC_COMBO_EDIT, create.hInstance, nullptr);
    combo.editProc = LongToWndProc(GetWindowLongA(edit, GWL_WNDPROC));
    SetWindowLongA(edit, GWL_WNDPROC, WndProcToLong(ComboEditProc));
    return edit;
}

void PlaceParts(HWND hwnd) {
    const ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr) {
        return;
    }
    if (combo->edit != 0) {
        RECT field = FieldRect(hwnd, *combo);
        InflateRect(&field, KindOf(hwnd) == CBS_SIMPLE ? 0 : -1, -1);
        MoveWindow(combo->edit, field.left, field.top, field.right - field.left,
                   field.bottom - field.top, TRUE);
    }
    if (KindOf(hwnd) == CBS_SIMPLE) {
        const RECT client = ClientOf(hwnd);
        const LONG top = ClosedHeight(*combo) - 1;
        MoveWindow(combo->list, 0, top, client.right, client.bottom - top, TRUE);
    }
}

// A drop-down combo box keeps the height of its field: any other height it
// is given is the height it has with the list dropped down.
void KeepClosedHeight(HWND hwnd, WINDOWPOS& pos) {
    ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr || combo->list == 0 || KindOf(hwnd) == CBS_SIMPLE ||
        (pos.flags & SWP_NOSIZE) != 0 || pos.cy == ClosedHeight(*combo)) {
        return;
    }
    combo->droppedHeight = pos.cy;
    pos.cy = ClosedHeight(*combo);
}

// The field is as high as the font makes it.
void FitToFont(HWND hwnd) {
    const ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo != nullptr && KindOf(hwnd) != CBS_SIMPLE) {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        SetWindowPos(hwnd, 0, 0, 0, rect.right - rect.left, ClosedHeight(*combo),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PlaceParts(hwnd);
}

LRESULT Create(HWND hwnd, ComboBox& combo, const CREATESTRUCTA& create) {
    combo.droppedHeight = create.cy;
    combo.list = MakeList(hwnd, create);
    if (combo.list == 0) {
        return -1;
    }
    if ((static_cast<DWORD>(create.style) & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST) {
        combo.edit = MakeEdit(hwnd, create, combo);
    }
    FitToFont(hwnd);
    return 0;
}

// The list of a drop-down combo box is no child of it: it goes with it.
void Destroy(HWND hwnd, const ComboBox& combo) {
    if (KindOf(hwnd) != CBS_SIMPLE) {
        DestroyWindow(combo.list);
    }
}

void EnableParts(HWND hwnd, const ComboBox& combo, BOOL enable) {
    const HWND edit = combo.edit;
    EnableWindow(combo.list, enable);
    if (edit != 0) {
        EnableWindow(edit, enable);
    }
    Repaint(hwnd);
}

// WM_SETFONT reaches the parts too, and the field takes the new height.
void TakeFont(HWND hwnd, const ComboBox& combo, WPARAM font, LPARAM redraw) {
    const HWND edit = combo.edit;
    SendMessageA(combo.list, WM_SETFONT, font, redraw);
    if (edit != 0) {
        SendMessageA(edit, WM_SETFONT, font, redraw);
    }
    FitToFont(hwnd);
}

// Texts

int CopyOut(const std::string& text, WPARAM size, LPARAM buffer) {
    auto* target = reinterpret_cast<LPSTR>(buffer);
    if (target == nullptr || size == 0) {
        return 0;
    }
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(target, text.data(), count);
    target[count] = '\0';
    return static_cast<int>(count);
}

// The field's text: the edit box's, or the selected item's (which cannot be
// set otherwise).
LRESULT TakeTextMessage(HWND hwnd, ComboBox& combo, UINT message, WPARAM wParam, LPARAM lParam) {
    if (combo.edit == 0) {
        const std::string text = SelectedText(combo);
        switch (message) {
            case WM_GETTEXT:
                return CopyOut(text, wParam, lParam);
            case WM_GETTEXTLENGTH:
                return static_cast<LRESULT>(text.size());
            default:
                return CB_ERR;
        }
    }
    combo.settingText = message == WM_SETTEXT;
    const LRESULT result = SendMessageA(combo.edit, message, wParam, lParam);
    if (ComboBox* found = FindControlData<ComboBox>(hwnd)) {
        found->settingText = false;
    }
    return result;
}

// Messages that the list answers alone.
constexpr std::array<std::pair<UINT, UINT>, 11> kListMessages = {{
    {CB_ADDSTRING, LB_ADDSTRING},
    {CB_INSERTSTRING, LB_INSERTSTRING},
    {CB_GETCOUNT, LB_GETCOUNT},
    {CB_GETCURSEL, LB_GETCURSEL},
    {CB_GETLBTEXT, LB_GETTEXT},
    {CB_GETLBTEXTLEN, LB_GETTEXTLEN},
    {CB_GETITEMDATA, LB_GETITEMDATA},
    {CB_SETITEMDATA, LB_SETITEMDATA},
    {CB_FINDSTRING, LB_FINDSTRING},
    {CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT},
    {CB_DELETESTRING, LB_DELETESTRING},
}};

// The list's answer, with the field shown again after a change of selection.
LRESULT PassToList(HWND hwnd, const ComboBox& combo, UINT message, WPARAM wParam, LPARAM lParam,
                   bool showAfter) {
    const LRESULT result = ToList(combo, message, wParam, lParam);
    if (showAfter) {
        ShowSelection(hwnd);
    } else {
        Repaint(hwnd);
    }
    return result;
}

// The start and end travel as 16-bit words; -1 for either keeps its meaning.
LRESULT SetEditSelection(const ComboBox& combo, LPARAM lParam) {
    const auto start = static_cast<std::int16_t>(lParam & 0xFFFF);
    const auto end = static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
    SendMessageA(combo.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<std::intptr_t>(start)),
                 static_cast<LPARAM>(end));
    return TRUE;
}

LRESULT AnswerComboMessage(HWND hwnd, const ComboBox& combo, UINT message, WPARAM wParam,
                           LPARAM lParam) {
    const auto forward = std::find_if(
        kListMessages.begin(), kListMessages.end(),
        [message](const std::pair<UINT, UINT>& pair) { return pair.first == message; });
    if (forward != kListMessages.end()) {
        return PassToList(hwnd, combo, forward->second, wParam, lParam, false);
    }
    switch (message) {
        case CB_SETCURSEL:
            return PassToList(hwnd, combo, LB_SETCURSEL, wParam, lParam, true);
        case CB_SELECTSTRING:
            return PassToList(hwnd, combo, LB_SELECTSTRING, wParam, lParam, true);
        case CB_RESETCONTENT:
            PassToList(hwnd, combo, LB_RESETCONTENT, wParam, lParam, true);
            return TRUE;
        case CB_SHOWDROPDOWN:
            if ((wParam != 0) != combo.dropped) {
                Toggle(hwnd);
            }
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return combo.dropped ? TRUE : FALSE;
        case CB_GETITEMHEIGHT:
            return static_cast<LONG>(wParam) == -1 ? FieldHeight(combo) : ItemHeight(combo);
        case CB_LIMITTEXT:
            return combo.edit != 0 ? SendMessageA(combo.edit, EM_LIMITTEXT, wParam, 0) : TRUE;
        case CB_GETEDITSEL:
            return combo.edit != 0 ? SendMessageA(combo.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
        case CB_SETEDITSEL:
            return combo.edit != 0 ? SetEditSelection(combo, lParam) : CB_ERR;
        default:
            return Unmodelled(hwnd, message, wParam, lParam);
    }
}

// What the list tells of a deleted item reaches the parent as the combo
// box's own.
LRESULT PassOnDeletedItem(HWND hwnd, DELETEITEMSTRUCT& deleted) {
    const UINT id = static_cast<UINT>(GetDlgCtrlID(hwnd));
    deleted.CtlType = ODT_COMBOBOX;
    deleted.CtlID = id;
    deleted.hwndItem = hwnd;
    return SendMessageA(GetParent(hwnd), WM_DELETEITEM, id, reinterpret_cast<LPARAM>(&deleted));
}

LRESULT TakeWindowMessage(HWND hwnd, ComboBox& combo, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return Create(hwnd, combo, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
        case WM_WINDOWPOSCHANGING:
            KeepClosedHeight(hwnd, *reinterpret_cast<WINDOWPOS*>(lParam));
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_SIZE:
            PlaceParts(hwnd);
            return 0;
        case WM_PAINT:
            Paint(hwnd);
            return 0;
        case WM_SETFOCUS:
            if (combo.edit != 0) {
                SetFocus(combo.edit);
            } else {
                GainFocus(hwnd);
            }
            return 0;
        case WM_KILLFOCUS:
            LoseFocus(hwnd, static_cast<HWND>(wParam));
            return 0;
        case WM_ENABLE:
            EnableParts(hwnd, combo, static_cast<BOOL>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // a quick second press is a press all the same
            Press(hwnd, combo, lParam);
            return 0;
        case WM_LBUTTONUP:
            Release(hwnd, combo);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!TakeDropKey(hwnd, combo, message, wParam, lParam) && message == WM_KEYDOWN &&
                combo.edit == 0) {
                TakeFieldKey(hwnd, combo, wParam, lParam);
            }
            return 0;
        case WM_CHAR:
            if (combo.edit == 0) {
                SendMessageA(combo.list, WM_CHAR, wParam, lParam);
            }
            return 0;
        case WM_COMMAND:
            TakeCommand(hwnd, combo, wParam);
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageA(GetParent(hwnd), message, wParam, lParam);
        case WM_DELETEITEM:
            return PassOnDeletedItem(hwnd, *reinterpret_cast<DELETEITEMSTRUCT*>(lParam));
        case WM_SETTEXT:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            return TakeTextMessage(hwnd, combo, message, wParam, lParam);
        case WM_DESTROY:
            Destroy(hwnd, combo);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT ZV_CALLBACK ComboEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND comboWindow = GetParent(hwnd);
    const ComboBox* combo = FindControlData<ComboBox>(comboWindow);
    if (combo == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    const WNDPROC editProc = combo->editProc;
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
        TakeDropKey(comboWindow, *combo, message, wParam, lParam)) {
        return 0;
    }
    const LRESULT result = CallWindowProcA(editProc, hwnd, message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        GainFocus(comboWindow);
    } else if (message == WM_KILLFOCUS) {
        LoseFocus(comboWindow, static_cast<HWND>(wParam));
    }
    return result;
}

}  // namespace

LRESULT ZV_CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        MakeControlData<ComboBox>(hwnd);
        // The scroll bars asked for are the list's: the field has none.
        const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style & ~(WS_VSCROLL | WS_HSCROLL)));
    }
    ComboBox* combo = FindControlData<ComboBox>(hwnd);
    if (combo == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (LRESULT result = 0; TakeFontMessage(hwnd, message, wParam, lParam, result)) {
        if (message == WM_SETFONT) {
            TakeFont(hwnd, *combo, wParam, lParam);
        }
        return result;
    }
    if (message >= CB_GETEDITSEL && message <= CB_FINDSTRINGEXACT) {
        return AnswerComboMessage(hwnd, *combo, message, wParam, lParam);
    }
    return TakeWindowMessage(hwnd, *combo, message, wParam, lParam);
}

}  // namespace zv::headless
