#include "headless/controls/EditBox.h"

#include <algorithm>
#include <any>
#include <cctype>
#include <cstdint>

#include "headless/controls/ControlPainter.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

// A caret scrolled out of view comes back a third of the width in.
constexpr int kScrollFraction = 3;

CharWidths Measure(HWND hwnd, HFONT font) {
    CharWidths widths;
    const HDC dc = GetDC(hwnd);
    const HGDIOBJ previous = SelectObject(dc, font);
    for (std::size_t c = 0; c < widths.advance.size(); ++c) {
        const char character = static_cast<char>(c);
        SIZE size;
        GetTextExtentPoint32A(dc, &character, 1, &size);
        widths.advance[c] = size.cx;
    }
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    widths.lineHeight = std::max(1, metrics.tmHeight);
    widths.aveCharWidth = metrics.tmAveCharWidth;
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    return widths;
}

// A password box shows its character in place of each of the text's.
std::string Shown(const Edit& edit, const std::string& text) {
    if (edit.MultiLine() || edit.state.passwordChar == 0) {
        return text;
    }
    return std::string(text.size(), edit.state.passwordChar);
}

// A multi-line box wraps its lines unless it scrolls sideways.
std::optional<int> WrapWidth(Edit& edit) {
    if (!edit.MultiLine() || edit.Has(ES_AUTOHSCROLL | WS_HSCROLL)) {
        return std::nullopt;
    }
    const RECT format = FormatRect(edit);
    return format.right - format.left;
}

int FormatWidth(Edit& edit) {
    const RECT format = FormatRect(edit);
    return format.right - format.left;
}

EditLayout LayoutFor(Edit& edit, const std::string& text) {
    return EditLayout(Shown(edit, text), edit.MultiLine(), WrapWidth(edit), WidthsOf(edit));
}

std::size_t LineOfCaret(Edit& edit) {
    return LayoutOf(edit).LineOf(edit.state.caret);
}

std::size_t MaxFirstLine(Edit& edit) {
    const std::size_t count = LayoutOf(edit).Count();
    const std::size_t visible = VisibleLines(edit);
    return count > visible ? count - visible : 0;
}

int MaxXOffset(Edit& edit) {
    return std::max(0, LayoutOf(edit).WidestLine() - FormatWidth(edit));
}

bool HardBreakAfter(const EditLine& line) {
    return line.next != line.end;
}

// The same place on another line: Up and Down, Page Up and Page Down. Above
// the first line is the start of the text; below the last, the last line.
std::size_t LineAway(Edit& edit, std::ptrdiff_t lines) {
    const EditLayout& layout = LayoutOf(edit);
    const std::size_t line = LineOfCaret(edit);
    const std::ptrdiff_t target = static_cast<std::ptrdiff_t>(line) + lines;
    if (target < 0) {
        return 0;
    }
    const auto to = std::min(static_cast<std::size_t>(target), layout.Count() - 1);
    const int x = AlignOffset(edit, line) + layout.X(edit.state.caret);
    return layout.IndexAt(to, x - AlignOffset(edit, to));
}

std::size_t WordLeft(Edit& edit) {
    const EditLayout& layout = LayoutOf(edit);
    const std::size_t caret = edit.state.caret;
    const std::size_t line = layout.LineOf(caret);
    const EditLine& current = layout.Line(line);
    if (caret == current.start && line > 0) {
        const EditLine& previous = layout.Line(line - 1);
        return HardBreakAfter(previous) ? previous.end
                                        : WordStartBefore(layout.Text(), caret, previous.start);
    }
    return WordStartBefore(layout.Text(), caret, current.start);
}

std::size_t WordRight(Edit& edit) {
    const EditLayout& layout = LayoutOf(edit);
    const std::size_t caret = edit.state.caret;
    const EditLine& current = layout.Line(layout.LineOf(caret));
    if (caret >= current.end && HardBreakAfter(current)) {
        return current.next;
    }
    return WordStartAfter(layout.Text(), caret, current.end);
}

// Where Home and End go: the line's ends, or with Ctrl the text's.
std::size_t LineEnd(Edit& edit, bool end, bool control) {
    if (control) {
        return end ? edit.Text().size() : 0;
    }
    const EditLine& line = LayoutOf(edit).Line(LineOfCaret(edit));
    return end ? line.end : line.start;
}

std::size_t PageAway(Edit& edit, int direction) {
    return LineAway(edit, direction * static_cast<std::ptrdiff_t>(VisibleLines(edit)));
}

// A single-line box scrolls by whole characters, as far as needed to show
// the caret a third of the width in, or the end of the text.
void ScrollSingleLine(Edit& edit) {
    const EditLayout& layout = LayoutOf(edit);
    const int width = FormatWidth(edit);
    const int caret = layout.X(edit.state.caret);
    const int end = layout.X(layout.Text().size());
    std::size_t& first = edit.state.firstChar;
    first = std::min(first, layout.Text().size());
    if (caret < layout.X(first)) {
        while (first > 0 && caret - layout.X(first) < width / kScrollFraction) {
            --first;
        }
    } else if (caret - layout.X(first) > width) {
        const int goal = width - width / kScrollFraction;
        while (first < layout.Text().size() && caret - layout.X(first) > goal &&
               end - layout.X(first) > width) {
            ++first;
        }
    }
}

// What the text would become with the selection replaced, and what of the
// new text made it in.
struct Replacement {
    std::string text;
    std::size_t inserted = 0;
    bool cut = false;
};

// The selection replaced with the first characters of the new text.
std::string Replaced(const Edit& edit, const std::string& insert, std::size_t count) {
    const auto [low, high] = SelectionOf(edit.state);
    const std::string& current = edit.Text();
    return current.substr(0, low) + insert.substr(0, count) + current.substr(high);
}

// As much of the new text as the limit leaves room for.
std::size_t Room(const Edit& edit, const std::string& insert) {
    const auto [low, high] = SelectionOf(edit.state);
    const std::size_t kept = edit.Text().size() - (high - low);
    const std::size_t room = edit.state.limit > kept ? edit.state.limit - kept : 0;
    return std::min(insert.size(), room);
}

// A box that does not scroll sideways takes no more than its width shows; one
// that does not scroll down no more lines than it shows, or nothing.
bool Fits(Edit& edit, const std::string& text) {
    const EditLayout layout = LayoutFor(edit, text);
    if (!edit.MultiLine()) {
        return edit.Has(ES_AUTOHSCROLL) || layout.X(text.size()) <= FormatWidth(edit);
    }
    return edit.Has(ES_AUTOVSCROLL) || layout.Count() <= VisibleLines(edit);
}

// The most characters of the new text with which a single line still fits,
// fewer than tooMany (fewer always fit too).
std::size_t FittingCount(Edit& edit, const std::string& insert, std::size_t tooMany) {
    std::size_t fitting = 0;
    while (tooMany > fitting + 1) {
        const std::size_t middle = fitting + (tooMany - fitting) / 2;
        if (Fits(edit, Replaced(edit, insert, middle))) {
            fitting = middle;
        } else {
            tooMany = middle;
        }
    }
    return fitting;
}

// Within the limit, and then within what the box shows: a single line takes
// what fits, more lines go in whole or not at all.
Replacement FittingReplacement(Edit& edit, const std::string& insert) {
    std::size_t count = Room(edit, insert);
    if (count > 0 && !Fits(edit, Replaced(edit, insert, count))) {
        count = edit.MultiLine() ? 0 : FittingCount(edit, insert, count);
    }
    return Replacement{Replaced(edit, insert, count), count, count < insert.size()};
}

// Typing on at the end of what the last change put in extends that change;
// what changed nothing leaves it as it was.
void Remember(EditState& state, std::size_t position, std::string removed, std::size_t inserted) {
    if (removed.empty() && inserted == 0) {
        return;
    }
    const bool continues = state.undo && removed.empty() && state.undo->inserted > 0 &&
                           position == state.undo->position + state.undo->inserted;
    if (continues) {
        state.undo->inserted += inserted;
    } else {
        state.undo = UndoRecord{position, inserted, std::move(removed)};
    }
}

}  // namespace

void MakeEditState(Window& window) {
    EditState state;
    state.passwordChar = (window.style & ES_PASSWORD) != 0 ? '*' : 0;
    window.controlData = std::move(state);
}

std::optional<Edit> FindEdit(HWND hwnd) {
    Window* window = System().Find(hwnd);
    EditState* state = window != nullptr ? std::any_cast<EditState>(&window->controlData) : nullptr;
    if (state == nullptr) {
        return std::nullopt;
    }
    return Edit{hwnd, *window, *state};
}

const CharWidths& WidthsOf(Edit& edit) {
    const HFONT font = ControlFont(edit.hwnd);
    if (edit.state.widthsFont != font) {
        edit.state.widths = Measure(edit.hwnd, font);
        edit.state.widthsFont = font;
    }
    return edit.state.widths;
}

const EditLayout& LayoutOf(Edit& edit) {
    EditState& state = edit.state;
    const std::optional<int> wrap = WrapWidth(edit);
    const std::string shown = Shown(edit, edit.Text());
    const HFONT font = ControlFont(edit.hwnd);
    const bool stale = shown != state.layout.Text() || wrap != state.layoutWrap ||
                       edit.MultiLine() != state.layout.MultiLine() || font != state.layoutFont;
    if (stale) {
        state.layout = EditLayout(shown, edit.MultiLine(), wrap, WidthsOf(edit));
        state.layoutWrap = wrap;
        state.layoutFont = font;
    }
    return state.layout;
}

// The client area less the frame the box draws, or a pixel inside a client
// edge that leaves room for it, less the margins a font set with WM_SETFONT
// asks for; a whole number of lines high.
RECT FormatRect(Edit& edit) {
    const CharWidths& widths = WidthsOf(edit);
    RECT rect;
    GetClientRect(edit.hwnd, &rect);
    if (edit.state.ownBorder) {
        InflateRect(&rect, -2, -2);
    } else if ((edit.window.exStyle & WS_EX_CLIENTEDGE) != 0 &&
               rect.bottom - rect.top >= widths.lineHeight + 2) {
        InflateRect(&rect, -1, -1);
    }
    const int margin = edit.window.controlFont != 0 ? widths.aveCharWidth / 2 : 0;
    rect.left += margin;
    rect.right = std::max(rect.left, rect.right - margin);
    const int lines =
        edit.MultiLine() ? std::max(1, (rect.bottom - rect.top) / widths.lineHeight) : 1;
    rect.bottom = rect.top + lines * widths.lineHeight;
    return rect;
}

std::size_t VisibleLines(Edit& edit) {
    const RECT format = FormatRect(edit);
    return static_cast<std::size_t>((format.bottom - format.top) / WidthsOf(edit).lineHeight);
}

// ES_CENTER and ES_RIGHT place a line within the width; a wider one starts
// at the left.
int AlignOffset(Edit& edit, std::size_t line) {
    const int room = FormatWidth(edit) - LayoutOf(edit).Width(line);
    const DWORD align = edit.window.style & (ES_CENTER | ES_RIGHT);
    if (room <= 0 || align == ES_LEFT) {
        return 0;
    }
    return align == ES_CENTER ? room / 2 : room;
}

int XOffset(Edit& edit) {
    if (edit.MultiLine()) {
        return edit.state.xOffset;
    }
    const EditLayout& layout = LayoutOf(edit);
    return layout.X(std::min(edit.state.firstChar, layout.Text().size()));
}

POINT PointOf(Edit& edit, std::size_t index) {
    const EditLayout& layout = LayoutOf(edit);
    const RECT format = FormatRect(edit);
    const std::size_t line = layout.LineOf(index);
    const auto row = static_cast<int>(line) - static_cast<int>(edit.state.firstLine);
    return POINT{format.left + AlignOffset(edit, line) + layout.X(index) - XOffset(edit),
                 format.top + row * WidthsOf(edit).lineHeight};
}

std::size_t IndexAtPoint(Edit& edit, POINT point) {
    const EditLayout& layout = LayoutOf(edit);
    const RECT format = FormatRect(edit);
    const int height = WidthsOf(edit).lineHeight;
    const int dy = point.y - format.top;
    const int row = dy >= 0 ? dy / height : (dy - height + 1) / height;
    const std::ptrdiff_t line =
        std::clamp<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(edit.state.firstLine) + row, 0,
                                   static_cast<std::ptrdiff_t>(layout.Count()) - 1);
    const auto at = static_cast<std::size_t>(line);
    return layout.IndexAt(at, point.x - format.left - AlignOffset(edit, at) + XOffset(edit));
}

std::pair<std::size_t, std::size_t> SelectionOf(const EditState& state) {
    return std::minmax(state.anchor, state.caret);
}

EditOutcome MoveCaret(Edit& edit, std::size_t caret, bool extend) {
    edit.state.caret = std::min(caret, edit.Text().size());
    if (!extend) {
        edit.state.anchor = edit.state.caret;
    }
    return ScrollCaretIntoView(edit);
}

EditOutcome SetSelection(Edit& edit, WPARAM start, LPARAM end) {
    const std::size_t length = edit.Text().size();
    const auto first = static_cast<std::uint32_t>(start);
    const auto last = static_cast<std::uint32_t>(end);
    if (first == UINT32_MAX) {
        edit.state.anchor = edit.state.caret;
    } else {
        edit.state.anchor = std::min<std::size_t>(first, length);
        edit.state.caret = last == UINT32_MAX ? length : std::min<std::size_t>(last, length);
    }
    return ScrollCaretIntoView(edit);
}

EditOutcome SelectWord(Edit& edit) {
    const EditLayout& layout = LayoutOf(edit);
    const std::size_t caret = edit.state.caret;
    const EditLine& line = layout.Line(layout.LineOf(caret));
    edit.state.anchor = WordStartBefore(layout.Text(), caret, line.start);
    const std::size_t from = caret > line.start ? caret - 1 : caret;
    edit.state.caret = WordStartAfter(layout.Text(), from, line.end);
    return ScrollCaretIntoView(edit);
}

std::optional<std::size_t> KeyTarget(Edit& edit, int vk, bool control) {
    const bool multi = edit.MultiLine();
    const std::size_t caret = edit.state.caret;
    switch (vk) {
        case VK_LEFT:
            return control ? WordLeft(edit) : StepBack(edit, caret);
        case VK_RIGHT:
            return control ? WordRight(edit) : StepForward(edit, caret);
        case VK_UP:
            return multi ? LineAway(edit, -1) : StepBack(edit, caret);
        case VK_DOWN:
            return multi ? LineAway(edit, 1) : StepForward(edit, caret);
        case VK_HOME:
        case VK_END:
            return LineEnd(edit, vk == VK_END, control);
        case VK_PRIOR:
        case VK_NEXT:
            return multi ? std::optional(PageAway(edit, vk == VK_NEXT ? 1 : -1)) : std::nullopt;
        default:
            return std::nullopt;
    }
}

std::size_t StepBack(Edit& edit, std::size_t index) {
    const EditLayout& layout = LayoutOf(edit);
    const std::size_t line = layout.LineOf(index);
    if (index == 0) {
        return 0;
    }
    if (line > 0 && index == layout.Line(line).start && HardBreakAfter(layout.Line(line - 1))) {
        return layout.Line(line - 1).end;
    }
    return index - 1;
}

std::size_t StepForward(Edit& edit, std::size_t index) {
    const EditLayout& layout = LayoutOf(edit);
    const EditLine& line = layout.Line(layout.LineOf(index));
    if (index >= edit.Text().size()) {
        return edit.Text().size();
    }
    return index == line.end && HardBreakAfter(line) ? line.next : index + 1;
}

EditOutcome ReplaceSelection(Edit& edit, std::string text) {
    ConvertCase(edit, text);
    const Replacement replacement = FittingReplacement(edit, text);
    const auto [low, high] = SelectionOf(edit.state);
    Remember(edit.state, low, edit.Text().substr(low, high - low), replacement.inserted);
    edit.window.text = replacement.text;
    edit.state.anchor = edit.state.caret = low + replacement.inserted;
    edit.state.modified = true;
    EditOutcome outcome = ScrollCaretIntoView(edit);
    outcome.cut = replacement.cut;
    outcome.changed = true;
    return outcome;
}

void ConvertCase(const Edit& edit, std::string& text) {
    const bool upper = edit.Has(ES_UPPERCASE);
    if (!upper && !edit.Has(ES_LOWERCASE)) {
        return;
    }
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        c = static_cast<char>(upper ? std::toupper(byte) : std::tolower(byte));
    }
}

EditOutcome Undo(Edit& edit) {
    EditState& state = edit.state;
    std::string& text = edit.window.text;
    if (!state.undo || state.undo->position + state.undo->inserted > text.size()) {
        return {};
    }
    const UndoRecord record = *state.undo;
    const std::string inserted = text.substr(record.position, record.inserted);
    text.replace(record.position, record.inserted, record.removed);
    state.undo = UndoRecord{record.position, record.removed.size(), inserted};
    state.anchor = record.position;
    state.caret = record.position + record.removed.size();
    state.modified = true;
    EditOutcome outcome = ScrollCaretIntoView(edit);
    outcome.changed = true;
    return outcome;
}

EditOutcome Reset(Edit& edit) {
    EditState& state = edit.state;
    state.anchor = state.caret = 0;
    state.firstChar = 0;
    state.undo.reset();
    state.modified = false;
    return ScrollTo(edit, 0, 0);
}

EditOutcome ScrollCaretIntoView(Edit& edit) {
    if (!edit.MultiLine()) {
        ScrollSingleLine(edit);
        return {};
    }
    const std::size_t line = LineOfCaret(edit);
    const std::size_t visible = VisibleLines(edit);
    std::size_t first = std::min(edit.state.firstLine, line);
    if (line >= first + visible) {
        first = line + 1 - visible;
    }
    const int width = FormatWidth(edit);
    const int caret = AlignOffset(edit, line) + LayoutOf(edit).X(edit.state.caret);
    int x = edit.state.xOffset;
    if (caret < x) {
        x = caret - width / kScrollFraction;
    } else if (caret > x + width) {
        x = caret - width + width / kScrollFraction;
    }
    return ScrollTo(edit, static_cast<std::ptrdiff_t>(first), x);
}

EditOutcome ScrollBy(Edit& edit, std::ptrdiff_t lines, int pixels) {
    return ScrollTo(edit, static_cast<std::ptrdiff_t>(edit.state.firstLine) + lines,
                    edit.state.xOffset + pixels);
}

EditOutcome ScrollTo(Edit& edit, std::ptrdiff_t firstLine, int xOffset) {
    if (!edit.MultiLine()) {
        return {};
    }
    const auto first = static_cast<std::size_t>(
        std::clamp<std::ptrdiff_t>(firstLine, 0, static_cast<std::ptrdiff_t>(MaxFirstLine(edit))));
    const int x = std::clamp(xOffset, 0, MaxXOffset(edit));
    EditOutcome outcome;
    outcome.scrolled = Scrolled{first != edit.state.firstLine, x != edit.state.xOffset};
    edit.state.firstLine = first;
    edit.state.xOffset = x;
    return outcome;
}

void SyncScrollBars(Edit& edit) {
    if (!edit.MultiLine()) {
        return;
    }
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (edit.Has(WS_VSCROLL)) {
        info.nMax = static_cast<int>(LayoutOf(edit).Count()) - 1;
        info.nPage = static_cast<UINT>(VisibleLines(edit));
        info.nPos = static_cast<int>(edit.state.firstLine);
        SetScrollInfo(edit.hwnd, SB_VERT, &info, TRUE);
    }
    if (edit.Has(WS_HSCROLL)) {
        info.nMax = std::max(0, LayoutOf(edit).WidestLine() - 1);
        info.nPage = static_cast<UINT>(FormatWidth(edit));
        info.nPos = edit.state.xOffset;
        SetScrollInfo(edit.hwnd, SB_HORZ, &info, TRUE);
    }
}

}  // namespace zv::headless
