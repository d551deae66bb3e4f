#pragma once

// The text of an edit box laid out in lines (HeadlessEdit): where each line
// starts and ends, where each character stands, and where words start.
// Internal to the backend.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::headless {

// The advance widths of the single-byte characters in one font, with its
// line height. A tab advances to the next stop, every eight average
// characters from the start of the line.
struct CharWidths {
    std::array<int, 256> advance{};
    int lineHeight = 0;
    int aveCharWidth = 0;

    int Advance(char c, int x) const;
};

struct EditLine {
    std::size_t start = 0;  // the first character
    std::size_t end = 0;    // after the last one shown, blanks a wrap left at the end included
    std::size_t next = 0;   // where the next line starts: after the line break, if any
};

class EditLayout {
  public:
    EditLayout() = default;

    // Multi-line text breaks at "\r\n" or a lone "\n"; with a wrap width its
    // lines also break before words that would not fit, and inside a word
    // wider than the width. Single-line text is one line whatever it holds.
    EditLayout(std::string text, bool multiLine, std::optional<int> wrapWidth,
               const CharWidths& widths);

    const std::string& Text() const { return m_text; }
    bool MultiLine() const { return m_multiLine; }
    std::size_t Count() const { return m_lines.size(); }
    const EditLine& Line(std::size_t line) const { return m_lines[line]; }

    // The line a character index belongs to; an index where a wrap breaks
    // belongs to the line that it starts.
    std::size_t LineOf(std::size_t index) const;

    // Where a character index stands, in pixels from the start of its line,
    // or of a given line (where a wrap breaks, the end of the line before).
    int X(std::size_t index) const;
    int X(std::size_t line, std::size_t index) const;

    // A line's width without the blanks at its end, and the widest line's.
    int Width(std::size_t line) const;
    int WidestLine() const;

    // The character boundary of a line nearest to x.
    std::size_t IndexAt(std::size_t line, int x) const;

  private:
    int WidthOf(std::size_t from, std::size_t to, int x) const;
    std::size_t FittingPrefix(std::size_t from, std::size_t to, int width) const;
    void AddParagraph(std::size_t begin, std::size_t end, std::size_t next,
                      std::optional<int> wrapWidth);

    std::string m_text;
    bool m_multiLine = false;
    CharWidths m_widths;
    std::vector<EditLine> m_lines;
};

// Words start after a blank, and after a hyphen before a letter or digit;
// double clicks and Ctrl with the arrow keys go by them, within a line.
bool IsBlank(char c);
bool IsWordStart(std::string_view text, std::size_t index);
// The last word start after lineStart and before index, else lineStart.
std::size_t WordStartBefore(std::string_view text, std::size_t index, std::size_t lineStart);
// The first word start after index and before lineEnd, else lineEnd.
std::size_t WordStartAfter(std::string_view text, std::size_t index, std::size_t lineEnd);

}  // namespace zv::headless
