#include "platform/text/WideString.h"

#include <algorithm>
#include <cstdint>

namespace zv {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kUtf16 = sizeof(wchar_t) == 2;

bool IsHighSurrogate(char32_t cp) {
    return cp >= 0xD800 && cp <= 0xDBFF;
}
bool IsLowSurrogate(char32_t cp) {
    return cp >= 0xDC00 && cp <= 0xDFFF;
}
bool IsSurrogate(char32_t cp) {
    return cp >= 0xD800 && cp <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || IsSurrogate(cp)) {
        cp = kReplacement;
    }
    auto byte = [](char32_t v) { return static_cast<char>(static_cast<unsigned char>(v)); };
    if (cp < 0x80) {
        out += byte(cp);
    } else if (cp < 0x800) {
        out += byte(0xC0 | (cp >> 6));
        out += byte(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += byte(0xE0 | (cp >> 12));
        out += byte(0x80 | ((cp >> 6) & 0x3F));
        out += byte(0x80 | (cp & 0x3F));
    } else {
        out += byte(0xF0 | (cp >> 18));
        out += byte(0x80 | ((cp >> 12) & 0x3F));
        out += byte(0x80 | ((cp >> 6) & 0x3F));
        out += byte(0x80 | (cp & 0x3F));
    }
}

void AppendWide(std::wstring& out, char32_t cp) {
    if (kUtf16 && cp >= 0x10000) {
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<wchar_t>(cp);
    }
}

// Decodes one UTF-8 sequence starting at text[i]; advances i past it.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07u, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return kReplacement;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || IsSurrogate(cp)) {
        return kReplacement;
    }
    return cp;
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto cp = static_cast<char32_t>(text[i]);
        if (kUtf16 && IsHighSurrogate(cp) && i + 1 < text.size() &&
            IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::wstring FromUtf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        AppendWide(out, DecodeUtf8(text, i));
    }
    return out;
}

wchar_t FoldCase(wchar_t ch) noexcept {
    const auto c = static_cast<std::uint32_t>(ch);
    std::uint32_t upper = c;
    if (c >= U'a' && c <= U'z') {
        upper = c - 0x20;
    } else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {  // Latin-1, except the division sign
        upper = c - 0x20;
    } else if (c == 0xFF) {
        upper = 0x178;
    } else if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
               c != 0x17F) {
        // Latin Extended-A pairs upper and lower case in neighbours; the block
        // switches from odd-lower to even-lower between U+0138 and U+0149, and
        // again at U+0178.
        const bool oddIsLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        const bool isLower = oddIsLower ? (c % 2 == 0) : (c % 2 == 1);
        upper = isLower ? c - 1 : c;
    } else if (c >= 0x3B1 && c <= 0x3C9) {  // Greek small letters; final sigma folds too
        upper = c == 0x3C2 ? 0x3A3 : c - 0x20;
    } else if (c >= 0x430 && c <= 0x44F) {  // Cyrillic basic
        upper = c - 0x20;
    } else if (c >= 0x450 && c <= 0x45F) {  // Cyrillic extensions
        upper = c - 0x50;
    }
    return static_cast<wchar_t>(upper);
}

std::wstring FoldCase(std::wstring_view text) {
    std::wstring out(text);
    for (auto& ch : out) {
        ch = FoldCase(ch);
    }
    return out;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) noexcept {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

std::vector<std::wstring> Split(std::wstring_view text, std::wstring_view delimiter) {
    if (delimiter.empty()) {
        return {std::wstring(text)};
    }
    std::vector<std::wstring> pieces;
    std::size_t start = 0;
    for (auto at = text.find(delimiter); at != std::wstring_view::npos;
         at = text.find(delimiter, start)) {
        pieces.emplace_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::wstring RemoveAll(std::wstring_view text, wchar_t ch) {
    std::wstring out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [ch](wchar_t c) { return c != ch; });
    return out;
}

bool Contains(std::wstring_view text, std::wstring_view part) noexcept {
    return text.find(part) != std::wstring_view::npos;
}

bool Contains(std::wstring_view text, wchar_t ch) noexcept {
    return text.find(ch) != std::wstring_view::npos;
}

std::string ToAnsi(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t ch : text) {
        bytes.push_back(static_cast<std::uint32_t>(ch) < 256 ? static_cast<char>(ch) : '?');
    }
    return bytes;
}

std::wstring FromAnsi(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char ch : text) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(ch)));
    }
    return wide;
}

}  // namespace zv
