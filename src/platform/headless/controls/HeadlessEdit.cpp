// The system's "Edit" class on the headless backend: single-line and
// multi-line edit boxes with a caret and a selection, typing, the keys and
// the mouse, a limit, read-only and password boxes, and scrolling with scroll
// bars kept in range, answering and telling their parent what the platform's
// class does, as Wine shows it. The text is the window's text; the rest is
// the box's state (EditBox), which this procedure changes and then tells the
// parent about, so that nothing the parent does meanwhile finds a state half
// changed.
//
// Not modelled: EM_SETRECT, EM_SETRECTNP, EM_SCROLL, EM_SETHANDLE,
// EM_GETHANDLE, EM_GETTHUMB, EM_FMTLINES, EM_SETTABSTOPS, word-break
// procedures, EM_SETMARGINS and EM_GETMARGINS.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

#include "headless/controls/ControlPainter.h"
#include "headless/controls/Controls.h"
#include "headless/controls/EditBox.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

constexpr DWORD kSingleLineMaxLimit = 0x7FFFFFFE;
constexpr DWORD kMultiLineMaxLimit = 0xFFFFFFFF;

bool Pressed(int vk) {
    return GetKeyState(vk) < 0;
}

POINT PointFrom(LPARAM lParam) {
    return POINT{static_cast<std::int16_t>(lParam & 0xFFFF),
                 static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

void Show(Edit& edit) {
    SyncScrollBars(edit);
    InvalidateRect(edit.hwnd, nullptr, FALSE);
}

// What an operation did, told to the parent after it is done.
void Tell(HWND hwnd, const EditOutcome& outcome) {
    if (outcome.cut) {
        NotifyParent(hwnd, EN_MAXTEXT);
    }
    if (outcome.scrolled.horizontal) {
        NotifyParent(hwnd, EN_HSCROLL);
    }
    if (outcome.scrolled.vertical) {
        NotifyParent(hwnd, EN_VSCROLL);
    }
    if (outcome.changed) {
        NotifyParent(hwnd, EN_UPDATE);
        NotifyParent(hwnd, EN_CHANGE);
    }
}

// Runs an operation on the box, shows what it changed and tells the parent.
template <typename Operation>
void Apply(HWND hwnd, Operation operation) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (!edit) {
        return;
    }
    const EditOutcome outcome = operation(*edit);
    Show(*edit);
    Tell(hwnd, outcome);
}

// Painting

// The text of the lines in view, the selection highlighted while the box
// has the focus (or always, with ES_NOHIDESEL), and the caret as a bar.
class TextPainter {
  public:
    TextPainter(Edit& edit, HDC target) : m_edit(edit), m_target(target) {
        m_format = FormatRect(edit);
        m_width = m_format.right - m_format.left;
        m_height = m_format.bottom - m_format.top;
        m_dc = CreateCompatibleDC(target);
        m_bitmap = CreateCompatibleBitmap(target, std::max(1, m_width), std::max(1, m_height));
        m_oldBitmap = SelectObject(m_dc, m_bitmap);
        m_oldFont = SelectObject(m_dc, ControlFont(edit.hwnd));
        // The background the box was filled with, to draw the lines over.
        BitBlt(m_dc, 0, 0, m_width, m_height, target, m_format.left, m_format.top, SRCCOPY);
        SetBkMode(m_dc, TRANSPARENT);
    }
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;
    ~TextPainter() {
        BitBlt(m_target, m_format.left, m_format.top, m_width, m_height, m_dc, 0, 0, SRCCOPY);
        SelectObject(m_dc, m_oldFont);
        SelectObject(m_dc, m_oldBitmap);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }

    void Paint() {
        const EditLayout& layout = LayoutOf(m_edit);
        const std::size_t visible = VisibleLines(m_edit);
        const std::size_t first = m_edit.state.firstLine;
        for (std::size_t line = first; line < layout.Count() && line < first + visible; ++line) {
            PaintLine(line);
        }
        if (GetFocus() == m_edit.hwnd) {
            PaintCaret();
        }
    }

  private:
    bool SelectionShown() const { return GetFocus() == m_edit.hwnd || m_edit.Has(ES_NOHIDESEL); }

    // Where an index of a line stands in the formatting rectangle.
    POINT Origin(std::size_t line, std::size_t index) const {
        const auto row = static_cast<int>(line) - static_cast<int>(m_edit.state.firstLine);
        return POINT{AlignOffset(m_edit, line) + LayoutOf(m_edit).X(line, index) - XOffset(m_edit),
                     row * WidthsOf(m_edit).lineHeight};
    }

    void PaintLine(std::size_t line) {
        const EditLine& l = LayoutOf(m_edit).Line(line);
        const auto [low, high] = SelectionOf(m_edit.state);
        const std::size_t from = SelectionShown() ? std::clamp(low, l.start, l.end) : l.end;
        const std::size_t to = SelectionShown() ? std::clamp(high, l.start, l.end) : l.end;
        const COLORREF text = GetTextColor(m_target);
        PaintRun(line, l.start, from, text);
        if (from < to) {
            const POINT left = Origin(line, from);
            const RECT band{left.x, left.y, Origin(line, to).x,
                            left.y + WidthsOf(m_edit).lineHeight};
            FillRect(m_dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            PaintRun(line, from, to, GetSysColor(COLOR_HIGHLIGHTTEXT));
        }
        PaintRun(line, to, l.end, text);
    }

    // Characters of one line in one colour, tab by tab.
    void PaintRun(std::size_t line, std::size_t from, std::size_t to, COLORREF colour) {
        const std::string& shown = LayoutOf(m_edit).Text();
        SetTextColor(m_dc, colour);
        for (std::size_t start = from; start < to;) {
            std::size_t end = start;
            while (end < to && shown[end] != '\t') {
                ++end;
            }
            const POINT at = Origin(line, start);
            TextOutA(m_dc, at.x, at.y, shown.c_str() + start, static_cast<int>(end - start));
            start = end + 1;
        }
    }

    void PaintCaret() {
        const std::size_t caret = m_edit.state.caret;
        const POINT at = Origin(LayoutOf(m_edit).LineOf(caret), caret);
        const RECT bar{at.x, at.y, at.x + 1, at.y + WidthsOf(m_edit).lineHeight};
        const HBRUSH brush = CreateSolidBrush(GetTextColor(m_target));
        FillRect(m_dc, &bar, brush);
        DeleteObject(brush);
    }

    Edit& m_edit;
    HDC m_target;
    RECT m_format{};
    int m_width = 0;
    int m_height = 0;
    HDC m_dc = 0;
    HBITMAP m_bitmap = 0;
    HGDIOBJ m_oldBitmap = 0;
    HGDIOBJ m_oldFont = 0;
};

// Read-only and disabled boxes ask for the colours of static text.
UINT ColourMessage(HWND hwnd) {
    const bool readOnly = (GetWindowLongA(hwnd, GWL_STYLE) & static_cast<LONG>(ES_READONLY)) != 0;
    return readOnly || !IsWindowEnabled(hwnd) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
}

void Paint(HWND hwnd, PaintTime when) {
    const ControlPainter painter(hwnd, ColourMessage(hwnd), when);
    std::optional<Edit> edit = FindEdit(hwnd);  // the parent answered: the box may have gone
    if (!edit) {
        return;
    }
    painter.FillBackground(painter.Client());
    if (edit->state.ownBorder) {
        painter.Frame(painter.Client(), COLOR_WINDOWFRAME);
    }
    TextPainter(*edit, painter.Dc()).Paint();
}

// Creation and the styles

// Without a client edge, WS_BORDER is a frame the box draws inside its
// client area rather than a border around it.
BOOL Create(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    MakeEditState(*window);
    const bool frame =
        (window->style & WS_BORDER) != 0 && (window->exStyle & WS_EX_CLIENTEDGE) == 0;
    if (frame) {
        FindEdit(hwnd)->state.ownBorder = true;
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(window->style & ~WS_BORDER));
    }
    return static_cast<BOOL>(DefWindowProcA(hwnd, message, wParam, lParam));
}

// The first text goes in as a change: in the case of the style, and
// modified.
void TakeFirstText(HWND hwnd) {
    if (std::optional<Edit> edit = FindEdit(hwnd)) {
        ConvertCase(*edit, edit->window.text);
        edit->state.modified = !edit->Text().empty();
    }
}

void SetStyleBit(HWND hwnd, DWORD bit, bool on) {
    const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const DWORD wanted = on ? style | bit : style & ~bit;
    if (wanted != style) {
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(wanted));
    }
}

// A password character shows in a single-line box, and ES_PASSWORD says
// whether there is one.
void SetPasswordChar(HWND hwnd, char c) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (!edit || edit->MultiLine()) {
        return;
    }
    edit->state.passwordChar = c;
    SetStyleBit(hwnd, ES_PASSWORD, c != 0);
    Apply(hwnd, [](Edit& box) { return ScrollCaretIntoView(box); });
}

void SetLimit(HWND hwnd, WPARAM wParam) {
    if (std::optional<Edit> edit = FindEdit(hwnd)) {
        const auto limit = static_cast<DWORD>(wParam);
        const DWORD none = edit->MultiLine() ? kMultiLineMaxLimit : kSingleLineMaxLimit;
        edit->state.limit = limit != 0 ? limit : none;
    }
}

// The text

// The text replaced whole: the caret to the start, nothing to undo. A
// single-line box tells its parent, a multi-line one does not.
LRESULT SetText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (!edit) {
        return DefWindowProcA(hwnd, WM_SETTEXT, wParam, lParam);
    }
    std::string text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
    ConvertCase(*edit, text);
    edit->window.text = text;
    EditOutcome outcome = Reset(*edit);
    outcome.changed = !edit->MultiLine();
    Show(*edit);
    Tell(hwnd, outcome);
    return TRUE;
}

bool IsReadOnly(const Edit& edit) {
    return edit.Has(ES_READONLY);
}

void Replace(HWND hwnd, std::string text) {
    Apply(hwnd, [&](Edit& edit) { return ReplaceSelection(edit, std::move(text)); });
}

// What Backspace and Delete take away: the selection, or else what lies
// between the caret and where the key would move it.
void Erase(HWND hwnd, bool forwards, bool toLineEnd) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (!edit || IsReadOnly(*edit)) {
        return;
    }
    EditState& state = edit->state;
    if (state.anchor == state.caret) {
        state.caret = toLineEnd  ? KeyTarget(*edit, VK_END, false).value_or(state.caret)
                      : forwards ? StepForward(*edit, state.caret)
                                 : StepBack(*edit, state.caret);
    }
    Replace(hwnd, "");
}

LRESULT ReplaceSel(HWND hwnd, WPARAM canUndo, LPARAM lParam) {
    Replace(hwnd, lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
    if (std::optional<Edit> edit = FindEdit(hwnd); edit && canUndo == 0) {
        edit->state.undo.reset();
    }
    return 0;
}

// Typing: printable characters (digits only with ES_NUMBER) replace the
// selection; Enter and Tab go in only where lines are.
void Type(HWND hwnd, char c) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (!edit) {
        return;
    }
    const auto code = static_cast<unsigned char>(c);
    if (c == '\b') {
        Erase(hwnd, false, false);
    } else if (IsReadOnly(*edit)) {
        return;
    } else if (c == '\r' || c == '\n') {
        if (edit->MultiLine()) {
            Replace(hwnd, "\r\n");
        }
    } else if (c == '\t') {
        if (edit->MultiLine()) {
            Replace(hwnd, "\t");
        }
    } else if (code >= ' ' && code != 0x7F && (!edit->Has(ES_NUMBER) || std::isdigit(code) != 0)) {
        Replace(hwnd, std::string(1, c));
    }
}

// The keyboard: moving the caret (Shift extends the selection), Delete
// (Ctrl to the end of the line), Ctrl+A for everything.
void KeyDown(HWND hwnd, int vk) {
    const bool shift = Pressed(VK_SHIFT);
    const bool control = Pressed(VK_CONTROL);
    if (vk == VK_DELETE) {
        Erase(hwnd, true, control);
    } else if (vk == 'A' && control) {
        Apply(hwnd, [](Edit& edit) { return SetSelection(edit, 0, -1); });
    } else if (std::optional<Edit> edit = FindEdit(hwnd)) {
        if (const std::optional<std::size_t> target = KeyTarget(*edit, vk, control)) {
            Apply(hwnd, [&](Edit& box) { return MoveCaret(box, *target, shift); });
        }
    }
}

// The mouse: a press takes the focus and places the caret (Shift extends the
// selection), moving with the button down drags it, a double click selects a
// word.
void ButtonDown(HWND hwnd, WPARAM keys, LPARAM lParam) {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    SetCapture(hwnd);
    Apply(hwnd, [&](Edit& edit) {
        return MoveCaret(edit, IndexAtPoint(edit, PointFrom(lParam)), (keys & MK_SHIFT) != 0);
    });
}

void MouseMove(HWND hwnd, WPARAM keys, LPARAM lParam) {
    if (GetCapture() == hwnd && (keys & MK_LBUTTON) != 0) {
        Apply(hwnd, [&](Edit& edit) {
            return MoveCaret(edit, IndexAtPoint(edit, PointFrom(lParam)), true);
        });
    }
}

void ButtonUp(HWND hwnd) {
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
}

// Focus: a single-line box paints at once, then the parent hears.
void GainFocus(HWND hwnd) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (edit && !edit->MultiLine() && IsWindowVisible(hwnd)) {
        Paint(hwnd, PaintTime::AtOnce);
    } else {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    NotifyParent(hwnd, EN_SETFOCUS);
}

void LoseFocus(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyParent(hwnd, EN_KILLFOCUS);
}

// Scroll bars and EM_LINESCROLL (multi-line boxes only).

int AveCharWidth(Edit& edit) {
    return std::max(1, WidthsOf(edit).aveCharWidth);
}

// The view follows the thumb while it is dragged without a word; the parent
// hears when it is let go.
EditOutcome FollowThumb(EditOutcome outcome, WPARAM wParam, bool Scrolled::*direction) {
    outcome.scrolled.*direction = (wParam & 0xFFFF) == SB_THUMBPOSITION;
    return outcome;
}

EditOutcome VerticalScroll(Edit& edit, WPARAM wParam) {
    const auto page = static_cast<std::ptrdiff_t>(VisibleLines(edit));
    const auto thumb = static_cast<std::ptrdiff_t>((wParam >> 16) & 0xFFFF);
    switch (wParam & 0xFFFF) {
        case SB_LINEUP:
            return ScrollBy(edit, -1, 0);
        case SB_LINEDOWN:
            return ScrollBy(edit, 1, 0);
        case SB_PAGEUP:
            return ScrollBy(edit, -page, 0);
        case SB_PAGEDOWN:
            return ScrollBy(edit, page, 0);
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            return FollowThumb(ScrollTo(edit, thumb, edit.state.xOffset), wParam,
                               &Scrolled::vertical);
        case SB_TOP:
            return ScrollTo(edit, 0, edit.state.xOffset);
        case SB_BOTTOM:
            return ScrollTo(edit, static_cast<std::ptrdiff_t>(LayoutOf(edit).Count()),
                            edit.state.xOffset);
        default:
            return EditOutcome{};
    }
}

// Sideways by an average character, or a page of a third of the width in
// whole characters.
EditOutcome HorizontalScroll(Edit& edit, WPARAM wParam) {
    const int character = AveCharWidth(edit);
    const RECT format = FormatRect(edit);
    const int page = (format.right - format.left) / 3 / character * character;
    const auto first = static_cast<std::ptrdiff_t>(edit.state.firstLine);
    switch (wParam & 0xFFFF) {
        case SB_LINELEFT:
            return ScrollBy(edit, 0, -character);
        case SB_LINERIGHT:
            return ScrollBy(edit, 0, character);
        case SB_PAGELEFT:
            return ScrollBy(edit, 0, -page);
        case SB_PAGERIGHT:
            return ScrollBy(edit, 0, page);
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            return FollowThumb(ScrollTo(edit, first, static_cast<int>((wParam >> 16) & 0xFFFF)),
                               wParam, &Scrolled::horizontal);
        case SB_LEFT:
            return ScrollTo(edit, first, 0);
        case SB_RIGHT:
            return ScrollTo(edit, first, LayoutOf(edit).WidestLine());
        default:
            return EditOutcome{};
    }
}

LRESULT LineScroll(HWND hwnd, WPARAM characters, LPARAM lines) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (!edit || !edit->MultiLine()) {
        return FALSE;
    }
    const int pixels =
        static_cast<int>(static_cast<std::int32_t>(characters)) * AveCharWidth(*edit);
    Apply(hwnd, [&](Edit& box) { return ScrollBy(box, static_cast<std::int32_t>(lines), pixels); });
    return TRUE;
}

// Answers about lines. Single-line boxes have one; -1 asks about the caret's
// line, or the selection's.

LRESULT LineIndex(Edit& edit, WPARAM wParam) {
    const EditLayout& layout = LayoutOf(edit);
    const auto asked = static_cast<std::int32_t>(wParam);
    if (!edit.MultiLine()) {
        return 0;
    }
    if (asked < 0) {
        return static_cast<LRESULT>(layout.Line(layout.LineOf(edit.state.caret)).start);
    }
    const auto line = static_cast<std::size_t>(asked);
    return line < layout.Count() ? static_cast<LRESULT>(layout.Line(line).start) : -1;
}

// With -1: the characters of the selection's lines that are not selected,
// counted from the anchor back to its line's start and from the caret on to
// its line's end, in that order whichever comes first.
LRESULT LineLength(Edit& edit, WPARAM wParam) {
    const EditLayout& layout = LayoutOf(edit);
    const auto asked = static_cast<std::int32_t>(wParam);
    if (asked < 0) {
        const EditState& state = edit.state;
        const std::size_t before = state.anchor - layout.Line(layout.LineOf(state.anchor)).start;
        const std::size_t lineEnd = layout.Line(layout.LineOf(state.caret)).end;
        const std::size_t after = lineEnd > state.caret ? lineEnd - state.caret : 0;
        return static_cast<LRESULT>(before + after);
    }
    const auto index = std::min(static_cast<std::size_t>(asked), edit.Text().size());
    const EditLine& line = layout.Line(layout.LineOf(index));
    return static_cast<LRESULT>(line.end - line.start);
}

LRESULT LineFromChar(Edit& edit, WPARAM wParam) {
    const auto asked = static_cast<std::int32_t>(wParam);
    const std::size_t index =
        asked < 0 ? SelectionOf(edit.state).first : static_cast<std::size_t>(asked);
    return static_cast<LRESULT>(LayoutOf(edit).LineOf(std::min(index, edit.Text().size())));
}

// The line's characters (of the real text, not the password's) into the
// buffer, whose first word gives its size, and a terminating zero only if
// there is room left.
LRESULT GetLine(Edit& edit, WPARAM wParam, LPARAM lParam) {
    auto* buffer = reinterpret_cast<char*>(lParam);
    const EditLayout& layout = LayoutOf(edit);
    const std::size_t line = edit.MultiLine() ? static_cast<std::size_t>(wParam) : 0;
    if (buffer == nullptr || line >= layout.Count()) {
        return 0;
    }
    std::uint16_t size = 0;
    std::memcpy(&size, buffer, sizeof size);
    const EditLine& l = layout.Line(line);
    const std::size_t count = std::min<std::size_t>(l.end - l.start, size);
    edit.Text().copy(buffer, count, l.start);
    if (count < size) {
        buffer[count] = '\0';
    }
    return static_cast<LRESULT>(count);
}

LRESULT GetSelection(const EditState& state, WPARAM wParam, LPARAM lParam) {
    const auto [low, high] = SelectionOf(state);
    if (wParam != 0) {
        *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(low);
    }
    if (lParam != 0) {
        *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(high);
    }
    return MakeLParam(static_cast<LONG>(low), static_cast<LONG>(high));
}

// A character at or past the end of the text has no position.
LRESULT PosFromChar(Edit& edit, WPARAM wParam) {
    if (static_cast<std::uint32_t>(wParam) >= edit.Text().size()) {
        return -1;
    }
    const POINT point = PointOf(edit, static_cast<std::size_t>(wParam));
    return MakeLParam(point.x, point.y);
}

LRESULT CharFromPos(Edit& edit, LPARAM lParam) {
    const std::size_t index = IndexAtPoint(edit, PointFrom(lParam));
    const std::size_t line = edit.MultiLine() ? LayoutOf(edit).LineOf(index) : 0;
    return MakeLParam(static_cast<LONG>(index), static_cast<LONG>(line));
}

LRESULT FirstVisible(Edit& edit) {
    return static_cast<LRESULT>(edit.MultiLine() ? edit.state.firstLine : edit.state.firstChar);
}

LRESULT DialogCode(const Edit& edit) {
    const LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    return edit.MultiLine() ? code | DLGC_WANTALLKEYS : code;
}

// Messages that read the state and change nothing; false for others.
bool Answer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    std::optional<Edit> edit = FindEdit(hwnd);
    if (!edit) {
        return false;
    }
    switch (message) {
        case EM_GETSEL:
            result = GetSelection(edit->state, wParam, lParam);
            return true;
        case EM_GETLINECOUNT:
            result = static_cast<LRESULT>(LayoutOf(*edit).Count());
            return true;
        case EM_LINEINDEX:
            result = LineIndex(*edit, wParam);
            return true;
        case EM_LINELENGTH:
            result = LineLength(*edit, wParam);
            return true;
        case EM_LINEFROMCHAR:
            result = LineFromChar(*edit, wParam);
            return true;
        case EM_GETLINE:
            result = GetLine(*edit, wParam, lParam);
            return true;
        case EM_GETFIRSTVISIBLELINE:
            result = FirstVisible(*edit);
            return true;
        case EM_GETMODIFY:
            result = edit->state.modified ? TRUE : FALSE;
            return true;
        case EM_CANUNDO:
            result = edit->state.undo ? TRUE : FALSE;
            return true;
        case EM_GETLIMITTEXT:
            result = static_cast<LRESULT>(edit->state.limit);
            return true;
        case EM_GETPASSWORDCHAR:
            result = static_cast<unsigned char>(edit->state.passwordChar);
            return true;
        case EM_GETRECT:
            if (lParam != 0) {
                *reinterpret_cast<RECT*>(lParam) = FormatRect(*edit);
            }
            result = 0;
            return true;
        case EM_POSFROMCHAR:
            result = PosFromChar(*edit, wParam);
            return true;
        case EM_CHARFROMPOS:
            result = CharFromPos(*edit, lParam);
            return true;
        case WM_GETDLGCODE:
            result = DialogCode(*edit);
            return true;
        default:
            return false;
    }
}

// Messages that change the box; false for others.
bool Change(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case EM_SETSEL:
            Apply(hwnd, [&](Edit& edit) { return SetSelection(edit, wParam, lParam); });
            return true;
        case EM_REPLACESEL:
            result = ReplaceSel(hwnd, wParam, lParam);
            return true;
        case EM_SCROLLCARET:
            Apply(hwnd, [](Edit& edit) { return ScrollCaretIntoView(edit); });
            result = TRUE;
            return true;
        case EM_LINESCROLL:
            result = LineScroll(hwnd, wParam, lParam);
            return true;
        case EM_SETMODIFY:
            if (std::optional<Edit> edit = FindEdit(hwnd)) {
                edit->state.modified = wParam != 0;
            }
            return true;
        case EM_UNDO:
        case WM_UNDO:
            Apply(hwnd, [](Edit& edit) { return Undo(edit); });
            result = TRUE;
            return true;
        case EM_EMPTYUNDOBUFFER:
            if (std::optional<Edit> edit = FindEdit(hwnd)) {
                edit->state.undo.reset();
            }
            return true;
        case EM_LIMITTEXT:
            SetLimit(hwnd, wParam);
            return true;
        case EM_SETPASSWORDCHAR:
            SetPasswordChar(hwnd, static_cast<char>(wParam));
            return true;
        case EM_SETREADONLY:
            SetStyleBit(hwnd, ES_READONLY, wParam != 0);
            result = TRUE;
            return true;
        case WM_CLEAR:
            if (std::optional<Edit> edit = FindEdit(hwnd); edit && !IsReadOnly(*edit)) {
                Replace(hwnd, "");
            }
            return true;
        default:
            return false;
    }
}

// Window messages: creation, text, focus, input, scrolling, painting.
bool TakeWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_NCCREATE:
            result = Create(hwnd, message, wParam, lParam);
            return true;
        case WM_CREATE:
            TakeFirstText(hwnd);
            return true;
        case WM_SETTEXT:
            result = SetText(hwnd, wParam, lParam);
            return true;
        case WM_CHAR:
            Type(hwnd, static_cast<char>(wParam));
            return true;
        case WM_KEYDOWN:
            KeyDown(hwnd, static_cast<int>(wParam));
            return true;
        case WM_LBUTTONDOWN:
            ButtonDown(hwnd, wParam, lParam);
            return true;
        case WM_LBUTTONDBLCLK:
            Apply(hwnd, [](Edit& edit) { return SelectWord(edit); });
            return true;
        case WM_MOUSEMOVE:
            MouseMove(hwnd, wParam, lParam);
            return true;
        case WM_LBUTTONUP:
            ButtonUp(hwnd);
            return true;
        case WM_SETFOCUS:
            GainFocus(hwnd);
            return true;
        case WM_KILLFOCUS:
            LoseFocus(hwnd);
            return true;
        case WM_VSCROLL:
        case WM_HSCROLL:
            Apply(hwnd, [&](Edit& edit) {
                if (!edit.MultiLine()) {
                    return EditOutcome{};
                }
                return message == WM_VSCROLL ? VerticalScroll(edit, wParam)
                                             : HorizontalScroll(edit, wParam);
            });
            return true;
        case WM_PAINT:
            Paint(hwnd, PaintTime::ForPaintMessage);
            return true;
        default:
            return false;
    }
}

// After a change of size, style or font, the view stays within the text.
void Refit(HWND hwnd) {
    if (std::optional<Edit> edit = FindEdit(hwnd)) {
        ScrollBy(*edit, 0, 0);
        Show(*edit);
    }
}

}  // namespace

LRESULT ZV_CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (TakeFontMessage(hwnd, message, wParam, lParam, result)) {
        if (message == WM_SETFONT) {
            Refit(hwnd);
        }
        return result;
    }
    if (Answer(hwnd, message, wParam, lParam, result) ||
        Change(hwnd, message, wParam, lParam, result) ||
        TakeWindowMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_SIZE || message == WM_STYLECHANGED || message == WM_ENABLE) {
        Refit(hwnd);
    }
    if (message >= EM_GETSEL && message <= EM_CHARFROMPOS) {
        return Unmodelled(hwnd, message, wParam, lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace zv::headless
