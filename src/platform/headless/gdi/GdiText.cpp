// Text on the headless backend: TextOutA, DrawTextA with its layout flags
// and prefix underlines, and measurement, in the DC's selected font.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "headless/gdi/Fonts.h"
#include "headless/gdi/GdiObjects.h"

namespace zv::win {

namespace {

using headless::Canvas;
using headless::CanvasOf;
using headless::DeviceContext;
using headless::FontMetrics;
using headless::Fonts;
using headless::Gdi;

std::string_view TextOf(LPCSTR text, int count) {
    if (text == nullptr) {
        return {};
    }
    return count < 0 ? std::string_view(text)
                     : std::string_view(text, static_cast<std::size_t>(count));
}

// One line of text at (x, y), its top-left corner, in the DC's colours;
// underlined from start to end pixel when asked (a prefixed character).
struct Underline {
    int from = 0;
    int to = 0;
};

void DrawTextLine(const Canvas& canvas, const DeviceContext& dc, int x, int y,
                  std::string_view text, std::optional<Underline> mark = std::nullopt) {
    const LOGFONTA font = headless::FontOf(dc);
    Fonts& fonts = Fonts::Instance();
    const FontMetrics metrics = fonts.Metrics(font);
    const int width = fonts.Width(font, text);
    if (dc.bkMode == OPAQUE) {
        canvas.Fill(RECT{x, y, x + width, y + metrics.height()}, dc.bkColor);
    }
    fonts.Render(font, text, [&](int px, int py) { canvas.Plot(x + px, y + py, dc.textColor); });
    const auto rule = [&](int row, int from, int to) {
        canvas.Fill(RECT{x + from, y + row, x + to, y + row + 1}, dc.textColor);
    };
    if (font.lfUnderline != 0) {
        rule(metrics.ascent + 1, 0, width);
    } else if (mark) {
        rule(metrics.ascent + 1, mark->from, mark->to);
    }
    if (font.lfStrikeOut != 0) {
        rule(metrics.ascent - metrics.ascent / 3, 0, width);
    }
}

// Text with its prefix characters taken out: "&&" shows one ampersand, "&x"
// underlines x.
struct Prefixed {
    std::string text;
    std::optional<std::size_t> underlined;
};

Prefixed StripPrefixes(std::string_view text) {
    Prefixed result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&') {
                result.underlined = result.text.size();
            }
        }
        result.text += text[i];
    }
    return result;
}

struct Line {
    std::string text;
    std::size_t start = 0;  // where it starts in the whole text
};

// Breaks a paragraph between words so that each line fits the width; a word
// wider than the width keeps a line of its own.
void WrapParagraph(std::string_view paragraph, std::size_t start, int width, const LOGFONTA& font,
                   std::vector<Line>& lines) {
    Fonts& fonts = Fonts::Instance();
    std::size_t lineStart = 0;
    std::size_t lastBreak = std::string_view::npos;
    for (std::size_t i = 0; i <= paragraph.size(); ++i) {
        const bool end = i == paragraph.size();
        if (!end && paragraph[i] != ' ') {
            continue;
        }
        const std::string_view candidate = paragraph.substr(lineStart, i - lineStart);
        if (fonts.Width(font, candidate) > width && lastBreak != std::string_view::npos) {
            lines.push_back({std::string(paragraph.substr(lineStart, lastBreak - lineStart)),
                             start + lineStart});
            lineStart = lastBreak + 1;
        }
        lastBreak = i;
    }
    lines.push_back({std::string(paragraph.substr(lineStart)), start + lineStart});
}

std::vector<Line> LayOutLines(const std::string& text, UINT format, int width,
                              const LOGFONTA& font) {
    std::vector<Line> lines;
    if ((format & DT_SINGLELINE) != 0) {
        lines.push_back({text, 0});
        return lines;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view paragraph(text.data() + start,
                                   (end == std::string::npos ? text.size() : end) - start);
        if (!paragraph.empty() && paragraph.back() == '\r') {
            paragraph.remove_suffix(1);
        }
        if ((format & DT_WORDBREAK) != 0) {
            WrapParagraph(paragraph, start, width, font, lines);
        } else {
            lines.push_back({std::string(paragraph), start});
        }
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

int LineLeft(const RECT& rect, int lineWidth, UINT format) {
    if ((format & DT_CENTER) != 0) {
        return rect.left + (rect.right - rect.left - lineWidth) / 2;
    }
    if ((format & DT_RIGHT) != 0) {
        return rect.right - lineWidth;
    }
    return rect.left;
}

int FirstLineTop(const RECT& rect, int textHeight, UINT format) {
    if ((format & DT_SINGLELINE) != 0 && (format & DT_VCENTER) != 0) {
        return rect.top + (rect.bottom - rect.top - textHeight) / 2;
    }
    if ((format & DT_SINGLELINE) != 0 && (format & DT_BOTTOM) != 0) {
        return rect.bottom - textHeight;
    }
    return rect.top;
}

// The canvas limited to a rectangle in DC coordinates.
Canvas ClippedTo(Canvas canvas, const RECT& rect) {
    canvas.clip = headless::Intersection(
        canvas.clip, RECT{rect.left + canvas.origin.x, rect.top + canvas.origin.y,
                          rect.right + canvas.origin.x, rect.bottom + canvas.origin.y});
    return canvas;
}

std::optional<Underline> MarkIn(const Line& line, const Prefixed& prefixed, const LOGFONTA& font) {
    if (!prefixed.underlined || *prefixed.underlined < line.start ||
        *prefixed.underlined >= line.start + line.text.size()) {
        return std::nullopt;
    }
    const std::string_view text(line.text);
    const std::size_t at = *prefixed.underlined - line.start;
    Fonts& fonts = Fonts::Instance();
    const int from = fonts.Width(font, text.substr(0, at));
    return Underline{from, from + fonts.Width(font, text.substr(at, 1))};
}

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    const auto canvas = CanvasOf(hdc);
    if (dc == nullptr || !canvas || lpString == nullptr || c < 0) {
        return FALSE;
    }
    DrawTextLine(*canvas, *dc, x, y, TextOf(lpString, c));
    return TRUE;
}

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, RECT* lprc, UINT format) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    const auto canvas = CanvasOf(hdc);
    if (dc == nullptr || !canvas || lprc == nullptr || lpchText == nullptr) {
        return 0;
    }
    const LOGFONTA font = headless::FontOf(*dc);
    Fonts& fonts = Fonts::Instance();
    const Prefixed prefixed = (format & DT_NOPREFIX) != 0
                                  ? Prefixed{std::string(TextOf(lpchText, cchText)), std::nullopt}
                                  : StripPrefixes(TextOf(lpchText, cchText));
    const std::vector<Line> lines =
        LayOutLines(prefixed.text, format, lprc->right - lprc->left, font);
    const int lineHeight = fonts.Metrics(font).height();
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const Line& line : lines) {
            widest = std::max(widest, fonts.Width(font, line.text));
        }
        lprc->right = lprc->left + widest;
        lprc->bottom = lprc->top + textHeight;
        return textHeight;
    }
    const Canvas target = (format & DT_NOCLIP) != 0 ? *canvas : ClippedTo(*canvas, *lprc);
    const int top = FirstLineTop(*lprc, textHeight, format);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        DrawTextLine(target, *dc, LineLeft(*lprc, fonts.Width(font, line.text), format),
                     top + lineHeight * static_cast<int>(i), line.text,
                     MarkIn(line, prefixed, font));
    }
    return (format & (DT_VCENTER | DT_BOTTOM)) != 0 && (format & DT_SINGLELINE) != 0
               ? top + textHeight - lprc->top
               : textHeight;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, SIZE* psizl) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    if (dc == nullptr || psizl == nullptr || (lpString == nullptr && c > 0) || c < 0) {
        return FALSE;
    }
    const LOGFONTA font = headless::FontOf(*dc);
    psizl->cx = Fonts::Instance().Width(font, TextOf(lpString, c));
    psizl->cy = Fonts::Instance().Metrics(font).height();
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm) {
    const DeviceContext* dc = Gdi().Find<DeviceContext>(hdc);
    if (dc == nullptr || lptm == nullptr) {
        return FALSE;
    }
    const LOGFONTA font = headless::FontOf(*dc);
    const FontMetrics metrics = Fonts::Instance().Metrics(font);
    *lptm = TEXTMETRICA{};
    lptm->tmHeight = metrics.height();
    lptm->tmAscent = metrics.ascent;
    lptm->tmDescent = metrics.descent;
    lptm->tmInternalLeading = metrics.internalLeading;
    lptm->tmAveCharWidth = metrics.aveCharWidth;
    lptm->tmMaxCharWidth = metrics.maxCharWidth;
    lptm->tmWeight = font.lfWeight == 0 ? FW_NORMAL : font.lfWeight;
    lptm->tmItalic = font.lfItalic;
    lptm->tmUnderlined = font.lfUnderline;
    lptm->tmStruckOut = font.lfStrikeOut;
    lptm->tmCharSet = font.lfCharSet;
    lptm->tmDigitizedAspectX = 96;
    lptm->tmDigitizedAspectY = 96;
    lptm->tmFirstChar = 0x20;
    lptm->tmLastChar = 0xFF;
    lptm->tmDefaultChar = 0x1F;
    lptm->tmBreakChar = 0x20;
    return TRUE;
}

}  // namespace zv::win
