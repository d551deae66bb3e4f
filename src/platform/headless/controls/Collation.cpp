// The system's sorting of texts for the user on the headless backend: a word
// sort of Windows-1252 texts, without regard to case, as Wine sorts them.
// Each character gives a primary weight (symbols, then digits, then letters,
// accents and ligatures spelled out), an accent weight, or, for hyphens and
// apostrophes, only a place that counts when all else is alike.

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/win/WinApi.h"

namespace zv::win {

namespace {

// The symbols in the order the system sorts them; others follow them in the
// order of their codes.
constexpr std::string_view kSymbolOrder =
    " !\"#$%&()*,./:;?@[\\]^_`{|}~\xA1\xBF+<=>\xB1\xD7\xF7\xA7\xB0";

// Latin-1 letters above 0x7F spelled with the plain letters they sort with.
std::string_view Spelling(unsigned char ch) {
    static const std::array<std::string_view, 128> kUpper = [] {
        std::array<std::string_view, 128> table{};
        const auto set = [&](std::string_view chars, std::string_view spelling) {
            for (char c : chars) {
                table[static_cast<unsigned char>(c) - 0x80] = spelling;
            }
        };
        set("\x83", "f");
        set("\x8A\x9A", "s");
        set("\x8C\x9C", "oe");
        set("\x8E\x9E", "z");
        set("\x9F\xDD\xFD\xFF", "y");
        set("\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5", "a");
        set("\xC6\xE6", "ae");
        set("\xC7\xE7", "c");
        set("\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", "e");
        set("\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", "i");
        set("\xD0\xF0", "d");
        set("\xD1\xF1", "n");
        set("\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8", "o");
        set("\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", "u");
        set("\xDE\xFE", "th");
        set("\xDF", "ss");
        set("\xB9", "1");
        set("\xB2", "2");
        set("\xB3", "3");
        set("\xBC", "1/4");
        set("\xBD", "1/2");
        set("\xBE", "3/4");
        return table;
    }();
    return ch >= 0x80 ? kUpper[ch - 0x80] : std::string_view();
}

bool Ignorable(unsigned char ch) {
    return ch == '-' || ch == '\'' || ch == 0xAD;
}

// A character's primary weight: symbols, then digits, then letters.
int PrimaryWeight(unsigned char ch) {
    constexpr int kDigits = 0x200;
    constexpr int kLetters = 0x300;
    if (ch >= '0' && ch <= '9') {
        return kDigits + (ch - '0');
    }
    if (ch >= 'a' && ch <= 'z') {
        return kLetters + (ch - 'a');
    }
    if (ch >= 'A' && ch <= 'Z') {
        return kLetters + (ch - 'A');
    }
    const auto place = kSymbolOrder.find(static_cast<char>(ch));
    return place != std::string_view::npos ? static_cast<int>(place)
                                           : static_cast<int>(kSymbolOrder.size()) + ch;
}

// What a text sorts by, level by level.
struct SortKey {
    std::vector<int> primary;
    std::vector<int> accents;  // per character: 0 spelled out, 1 plain, 2 accented
    std::vector<int> ignored;  // per hyphen or apostrophe: where, and which
};

SortKey KeyOf(std::string_view text) {
    SortKey key;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto ch = static_cast<unsigned char>(text[at]);
        if (Ignorable(ch)) {
            // A later place sorts first, and an apostrophe before a hyphen.
            key.ignored.push_back(-static_cast<int>(at) * 4 + (ch == '\'' ? 0 : 1));
            continue;
        }
        const std::string_view spelling = Spelling(ch);
        if (spelling.empty()) {
            key.primary.push_back(PrimaryWeight(ch));
            key.accents.push_back(1);
            continue;
        }
        for (char letter : spelling) {
            key.primary.push_back(PrimaryWeight(static_cast<unsigned char>(letter)));
        }
        key.accents.push_back(spelling.size() > 1 ? 0 : 2);
    }
    return key;
}

int Compare(const std::vector<int>& a, const std::vector<int>& b) {
    const auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (inA == a.end() && inB == b.end()) {
        return 0;
    }
    if (inA == a.end()) {
        return -1;
    }
    if (inB == b.end()) {
        return 1;
    }
    return *inA < *inB ? -1 : 1;
}

}  // namespace

int lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
    const SortKey a = KeyOf(lpString1 != nullptr ? lpString1 : "");
    const SortKey b = KeyOf(lpString2 != nullptr ? lpString2 : "");
    if (const int primary = Compare(a.primary, b.primary); primary != 0) {
        return primary;
    }
    if (const int accents = Compare(a.accents, b.accents); accents != 0) {
        return accents;
    }
    return Compare(a.ignored, b.ignored);
}

}  // namespace zv::win
