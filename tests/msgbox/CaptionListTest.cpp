// Caption lists: commas separate captions, two commas make one inside a
// caption.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "msgbox/CaptionList.h"

namespace zv::test {
namespace {

using Captions = std::vector<std::wstring>;

TEST(CaptionListTest, CommasSeparateCaptionsAndTwoAdjacentOnesAreOneInside) {
    EXPECT_EQ(SplitCaptionList(L"Yes,No,Cancel"), (Captions{L"Yes", L"No", L"Cancel"}));
    EXPECT_EQ(SplitCaptionList(L"Ok"), (Captions{L"Ok"}));
    EXPECT_EQ(SplitCaptionList(L" Keep , Discard"), (Captions{L" Keep ", L" Discard"}));

    // Two adjacent commas are one comma inside a caption.
    EXPECT_EQ(SplitCaptionList(L"Save,,Close,Cancel"), (Captions{L"Save,Close", L"Cancel"}));
    EXPECT_EQ(SplitCaptionList(L"1,,000,,000"), (Captions{L"1,000,000"}));
    // Pairs are taken from the left: the third comma separates.
    EXPECT_EQ(SplitCaptionList(L"A,,,B"), (Captions{L"A,", L"B"}));
    EXPECT_EQ(SplitCaptionList(L"A,,,,B"), (Captions{L"A,,B"}));

    // Empty texts and lone commas at the edges give empty captions.
    EXPECT_EQ(SplitCaptionList(L""), (Captions{L""}));
    EXPECT_EQ(SplitCaptionList(L",Yes"), (Captions{L"", L"Yes"}));
    EXPECT_EQ(SplitCaptionList(L"Yes,"), (Captions{L"Yes", L""}));
    EXPECT_EQ(SplitCaptionList(L"Yes,,"), (Captions{L"Yes,"}));
}

}  // namespace
}  // namespace zv::test
