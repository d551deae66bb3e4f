#pragma once

// What an edit box is besides its window text (HeadlessEdit): the caret and
// the anchor of the selection, the scroll position, the limit, and what it
// does to them. Nothing here calls a window procedure, so a box found with
// FindEdit stays valid through every operation; the window procedure tells
// the parent afterwards what an operation did. Internal to the backend.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "headless/controls/EditText.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/GdiApi.h"
#include "platform/win/WinApi.h"

namespace zv::headless {

// The last change, to undo; undoing it makes the change that redoes it.
struct UndoRecord {
    std::size_t position = 0;
    std::size_t inserted = 0;  // characters put in at the position
    std::string removed;       // what they replaced
};

struct EditState {
    std::size_t anchor = 0;  // where the selection started; the caret is its other end
    std::size_t caret = 0;
    std::size_t firstLine = 0;  // multi-line: the line at the top
    std::size_t firstChar = 0;  // single-line: the character at the left
    int xOffset = 0;            // multi-line: the pixels scrolled out on the left
    DWORD limit = 30000;
    char passwordChar = 0;
    bool modified = false;
    bool ownBorder = false;  // WS_BORDER became a frame that the box draws itself
    std::optional<UndoRecord> undo;
    // Measured again when the font changes; laid out again when the font,
    // the text shown or the width to wrap at change.
    std::optional<HFONT> widthsFont;
    CharWidths widths;
    std::optional<HFONT> layoutFont;
    std::optional<int> layoutWrap;
    EditLayout layout;
};

// A box as found by its handle: its window record and its state.
struct Edit {
    HWND hwnd;
    Window& window;
    EditState& state;

    bool Has(DWORD style) const { return (window.style & style) != 0; }
    bool MultiLine() const { return Has(ES_MULTILINE); }
    const std::string& Text() const { return window.text; }
};

// Made with the window; the state outlives no window, since it lives in it.
void MakeEditState(Window& window);
std::optional<Edit> FindEdit(HWND hwnd);

// What an operation did that the parent hears of.
struct Scrolled {
    bool vertical = false;
    bool horizontal = false;
};
struct EditOutcome {
    bool cut = false;      // not all of the text went in: EN_MAXTEXT
    bool changed = false;  // EN_UPDATE and EN_CHANGE, even when the text stayed as it was
    Scrolled scrolled;     // EN_VSCROLL, EN_HSCROLL
};

// Geometry: the formatting rectangle (client coordinates), the lines it
// holds, where a character stands and which one stands at a point.
const CharWidths& WidthsOf(Edit& edit);
const EditLayout& LayoutOf(Edit& edit);
RECT FormatRect(Edit& edit);
std::size_t VisibleLines(Edit& edit);
int AlignOffset(Edit& edit, std::size_t line);
int XOffset(Edit& edit);
POINT PointOf(Edit& edit, std::size_t index);
std::size_t IndexAtPoint(Edit& edit, POINT point);

// The selection, lowest index first.
std::pair<std::size_t, std::size_t> SelectionOf(const EditState& state);

// Moves the caret, taking the anchor along unless the selection extends.
EditOutcome MoveCaret(Edit& edit, std::size_t caret, bool extend);
// EM_SETSEL: -1 as the start keeps only the caret, -1 as the end is the end
// of the text, others stop at it.
EditOutcome SetSelection(Edit& edit, WPARAM start, LPARAM end);
// The word around the caret with the blanks after it, as a double click
// selects it.
EditOutcome SelectWord(Edit& edit);

// Where a key takes the caret: the arrows, Home and End (with Ctrl: by
// words, to either end of the text), Page Up and Page Down; none for other
// keys.
std::optional<std::size_t> KeyTarget(Edit& edit, int vk, bool control);
// The character before or after the caret, a line break counting as one.
std::size_t StepBack(Edit& edit, std::size_t index);
std::size_t StepForward(Edit& edit, std::size_t index);

// Replaces the selection, within the limit and, in a box that does not
// scroll that way, only with what it can show; the caret goes after it.
EditOutcome ReplaceSelection(Edit& edit, std::string text);
// Case styles apply to every text that goes in.
void ConvertCase(const Edit& edit, std::string& text);
EditOutcome Undo(Edit& edit);
// After WM_SETTEXT: the caret at the start, nothing to undo, unmodified.
EditOutcome Reset(Edit& edit);

// Scrolling (multi-line), kept within the text.
EditOutcome ScrollCaretIntoView(Edit& edit);
EditOutcome ScrollBy(Edit& edit, std::ptrdiff_t lines, int pixels);
EditOutcome ScrollTo(Edit& edit, std::ptrdiff_t firstLine, int xOffset);
// Scroll bars (WS_VSCROLL, WS_HSCROLL) in range of the text.
void SyncScrollBars(Edit& edit);

}  // namespace zv::headless
