#include "headless/controls/EditText.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace zv::headless {

namespace {

constexpr int kTabStopChars = 8;

bool IsLetterOrDigit(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

int CharWidths::Advance(char c, int x) const {
    if (c == '\t') {
        const int stop = std::max(1, kTabStopChars * aveCharWidth);
        return stop - x % stop;
    }
    return advance[static_cast<unsigned char>(c)];
}

EditLayout::EditLayout(std::string text, bool multiLine, std::optional<int> wrapWidth,
                       const CharWidths& widths)
    : m_text(std::move(text)), m_multiLine(multiLine), m_widths(widths) {
    if (!multiLine) {
        m_lines.push_back({0, m_text.size(), m_text.size()});
        return;
    }
    std::size_t begin = 0;
    for (std::size_t lf = m_text.find('\n'); lf != std::string::npos;
         lf = m_text.find('\n', begin)) {
        const std::size_t end = lf > begin && m_text[lf - 1] == '\r' ? lf - 1 : lf;
        AddParagraph(begin, end, lf + 1, wrapWidth);
        begin = lf + 1;
    }
    AddParagraph(begin, m_text.size(), m_text.size(), wrapWidth);
}

std::size_t EditLayout::LineOf(std::size_t index) const {
    const auto after =
        std::upper_bound(m_lines.begin(), m_lines.end(), index,
                         [](std::size_t i, const EditLine& l) { return i < l.start; });
    return after == m_lines.begin() ? 0 : static_cast<std::size_t>(after - m_lines.begin()) - 1;
}

int EditLayout::X(std::size_t index) const {
    return X(LineOf(index), index);
}

int EditLayout::X(std::size_t line, std::size_t index) const {
    const EditLine& l = m_lines[line];
    return WidthOf(l.start, std::clamp(index, l.start, l.end), 0);
}

int EditLayout::Width(std::size_t line) const {
    const EditLine& l = m_lines[line];
    std::size_t end = l.end;
    while (end > l.start && IsBlank(m_text[end - 1])) {
        --end;
    }
    return WidthOf(l.start, end, 0);
}

int EditLayout::WidestLine() const {
    int widest = 0;
    for (std::size_t line = 0; line < m_lines.size(); ++line) {
        widest = std::max(widest, Width(line));
    }
    return widest;
}

std::size_t EditLayout::IndexAt(std::size_t line, int x) const {
    const EditLine& l = m_lines[std::min(line, m_lines.size() - 1)];
    int at = 0;
    for (std::size_t i = l.start; i < l.end; ++i) {
        const int advance = m_widths.Advance(m_text[i], at);
        if (x < at + advance / 2 + advance % 2) {
            return i;
        }
        at += advance;
    }
    return l.end;
}

int EditLayout::WidthOf(std::size_t from, std::size_t to, int x) const {
    const int start = x;
    for (std::size_t i = from; i < to; ++i) {
        x += m_widths.Advance(m_text[i], x);
    }
    return x - start;
}

// How many characters from `from` fit the width, at least one.
std::size_t EditLayout::FittingPrefix(std::size_t from, std::size_t to, int width) const {
    int x = 0;
    std::size_t i = from;
    while (i < to && x + m_widths.Advance(m_text[i], x) <= width) {
        x += m_widths.Advance(m_text[i], x);
        ++i;
    }
    return std::max(i, std::min(from + 1, to));
}

// A line of text between two line breaks, wrapped: each line takes whole
// words while their ink fits; the blanks after a word stay with it.
void EditLayout::AddParagraph(std::size_t begin, std::size_t end, std::size_t next,
                              std::optional<int> wrapWidth) {
    std::size_t start = begin;
    while (wrapWidth) {
        std::size_t lineEnd = start;
        int x = 0;
        while (lineEnd < end) {
            const std::size_t word = WordStartAfter(m_text, lineEnd, end);
            std::size_t ink = word;
            while (ink > lineEnd && IsBlank(m_text[ink - 1])) {
                --ink;
            }
            if (x + WidthOf(lineEnd, ink, x) > *wrapWidth) {
                break;
            }
            x += WidthOf(lineEnd, word, x);
            lineEnd = word;
        }
        if (lineEnd == end) {
            break;
        }
        if (lineEnd == start) {
            lineEnd = FittingPrefix(start, end, *wrapWidth);
        }
        m_lines.push_back({start, lineEnd, lineEnd});
        start = lineEnd;
    }
    m_lines.push_back({start, end, next});
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsWordStart(std::string_view text, std::size_t index) {
    if (index == 0 || index >= text.size() || IsBlank(text[index])) {
        return false;
    }
    const char before = text[index - 1];
    return IsBlank(before) || (before == '-' && IsLetterOrDigit(text[index]));
}

std::size_t WordStartBefore(std::string_view text, std::size_t index, std::size_t lineStart) {
    for (std::size_t i = index; i > lineStart + 1;) {
        if (IsWordStart(text, --i)) {
            return i;
        }
    }
    return lineStart;
}

std::size_t WordStartAfter(std::string_view text, std::size_t index, std::size_t lineEnd) {
    for (std::size_t i = index + 1; i < lineEnd; ++i) {
        if (IsWordStart(text, i)) {
            return i;
        }
    }
    return lineEnd;
}

}  // namespace zv::headless
