#include <gtest/gtest.h>

#include "platform/text/WideString.h"

namespace zv {
namespace {

TEST(Utf8, RoundTripsEveryPlaneAndEmbeddedNuls) {
    const std::wstring text = L"A\u00e9\u20ac\U0001F600";
    EXPECT_EQ(ToUtf8(text), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);

    const std::wstring nuls(L"a\0b", 3);
    EXPECT_EQ(FromUtf8(ToUtf8(nuls)), nuls);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              L"a\uFFFD"
              L"b");
    EXPECT_EQ(FromUtf8("\xC3"), L"\uFFFD");          // truncated sequence
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD");      // overlong form
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), L"\uFFFD");  // encoded surrogate
}

TEST(FoldCase, UpperCasesTheCommonAlphabetsAndComparesWithoutRegardToCase) {
    EXPECT_EQ(FoldCase(L"abc XYZ 09_"), L"ABC XYZ 09_");
    EXPECT_EQ(FoldCase(L"\u00e0\u00fe\u00f7\u00ff"), L"\u00c0\u00de\u00f7\u0178");
    EXPECT_EQ(FoldCase(L"\u0101\u013a\u0177\u017e"), L"\u0100\u0139\u0176\u017d");
    EXPECT_EQ(FoldCase(L"\u03b1\u03c2\u03c9"), L"\u0391\u03a3\u03a9");
    EXPECT_EQ(FoldCase(L"\u0430\u044f\u0451"), L"\u0410\u042f\u0401");
    EXPECT_EQ(FoldCase(L"\u0100\u0139\u0138"), L"\u0100\u0139\u0138");  // already upper or caseless

    EXPECT_TRUE(EqualsNoCase(L"Port", L"pORT"));
    EXPECT_FALSE(EqualsNoCase(L"Port", L"Ports"));
    EXPECT_FALSE(EqualsNoCase(L"Port", L"Part"));
}

TEST(Split, NDelimitersGiveNPlusOnePieces) {
    using Pieces = std::vector<std::wstring>;
    EXPECT_EQ(Split(L"a,b,,c", L","), (Pieces{L"a", L"b", L"", L"c"}));
    EXPECT_EQ(Split(L"", L","), (Pieces{L""}));
    EXPECT_EQ(Split(L",", L","), (Pieces{L"", L""}));
    EXPECT_EQ(Split(L"a::b", L"::"), (Pieces{L"a", L"b"}));
    EXPECT_EQ(Split(L"a,b", L""), (Pieces{L"a,b"}));
}

}  // namespace
}  // namespace zv
