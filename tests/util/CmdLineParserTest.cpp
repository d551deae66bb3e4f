#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "util/CmdLineParser.h"

namespace zv {
namespace {

using Options = std::vector<std::pair<std::wstring, std::wstring>>;

// Every option the parser holds, as (name as written, value), in order.
Options OptionsOf(const CmdLineParser& parser) {
    Options options;
    for (const std::wstring& name : parser.OptionNames()) {
        options.emplace_back(name, parser.GetOptionValue(name));
    }
    return options;
}

std::vector<std::wstring> ItemsOf(const Collection<std::wstring>& items) {
    return {items.begin(), items.end()};
}

const std::wstring kRepeatedOptionStart = L"The command line option '";
const std::wstring kRepeatedOptionEnd = L"' appears more than once in the command line.";

std::wstring RepeatedOptionMessage(const std::wstring& name) {
    return kRepeatedOptionStart + name + kRepeatedOptionEnd;
}

// ---------------------------------------------------------------------------
// Reading a command line

TEST(CmdLineParserLoad, ReadsNamesValuesLoneSwitchesAndQuotedValues) {
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"/a:1 -B /c:\"x y\" /d:2"));

    const Options expected{{L"a", L"1"}, {L"B", L""}, {L"c", L"x y"}, {L"d", L"2"}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

TEST(CmdLineParserLoad, AcceptsAnySwitchCharacter) {
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"-a +b:2 xc:3"));

    const Options expected{{L"a", L""}, {L"b", L"2"}, {L"c", L"3"}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

TEST(CmdLineParserLoad, NamesIgnoreCaseAndValuesKeepIt) {
    CmdLineParser parser;
    ASSERT_TRUE(parser.Load(L"/out:File.TXT"));

    EXPECT_TRUE(parser.HasOption(L"OUT"));
    EXPECT_TRUE(parser.HasOption(L"Out"));
    EXPECT_EQ(parser.GetOptionValue(L"oUT"), L"File.TXT");
    EXPECT_EQ(parser.OptionNames().Item(1), L"out");
}

TEST(CmdLineParserLoad, ValueRunsToTheEndOfTheTokenAfterTheFirstColon) {
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"/path:C:\\dir /url:http://host:80"));

    EXPECT_EQ(parser.GetOptionValue(L"path"), L"C:\\dir");
    EXPECT_EQ(parser.GetOptionValue(L"url"), L"http://host:80");
}

TEST(CmdLineParserLoad, SkipsEmptyTokensBetweenOptions) {
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"   /a:1    /b  "));

    const Options expected{{L"a", L"1"}, {L"b", L""}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

TEST(CmdLineParserLoad, QuotedValueKeepsEveryBlankAcrossTokens) {
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"/c:\"x   y z \" /d:2"));

    EXPECT_EQ(parser.GetOptionValue(L"c"), L"x   y z ");
    EXPECT_EQ(parser.GetOptionValue(L"d"), L"2");
}

TEST(CmdLineParserLoad, QuotedValueEndsAtTheFirstTokenWithADoubleQuote) {
    CmdLineParser parser;

    // The closing token's text after its quote still belongs to the value.
    ASSERT_TRUE(parser.Load(L"/c:\"x y\"z /d:\"1\""));

    EXPECT_EQ(parser.GetOptionValue(L"c"), L"x yz");
    EXPECT_EQ(parser.GetOptionValue(L"d"), L"1");
}

TEST(CmdLineParserLoad, QuotedValueLeftOpenAtTheEndIsNotAdded) {
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"/a:1 /c:\"x y /d:2"));

    const Options expected{{L"a", L"1"}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

TEST(CmdLineParserLoad, LoneSwitchesGiveOptionsWithEmptyNames) {
    for (const std::wstring line : {L"/", L":", L"/:", L"/:x", L":x"}) {
        CmdLineParser parser;
        ASSERT_TRUE(parser.Load(line)) << line;
        EXPECT_TRUE(parser.HasOption(L"")) << line;
        EXPECT_EQ(parser.OptionNames().Count(), 1) << line;
    }
}

TEST(CmdLineParserLoad, KeepsEmbeddedNulCharacters) {
    CmdLineParser parser;
    const std::wstring line{L"/a\0b:x\0y /c", 11};

    ASSERT_TRUE(parser.Load(line));

    EXPECT_EQ(parser.GetOptionValue(std::wstring(L"a\0b", 3)), std::wstring(L"x\0y", 3));
    EXPECT_TRUE(parser.HasOption(L"c"));
    EXPECT_FALSE(parser.HasOption(L"a"));
}

TEST(CmdLineParserLoad, AddsToTheOptionsOfEarlierLoads) {
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"/a:1"));
    ASSERT_TRUE(parser.Load(L"/b:2"));

    const Options expected{{L"a", L"1"}, {L"b", L"2"}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

// ---------------------------------------------------------------------------
// Repeated options

TEST(CmdLineParserRepeats, RepeatedOptionWithValueFailsAndKeepsEarlierOptions) {
    CmdLineParser parser;

    EXPECT_FALSE(parser.Load(L"/z /a:1 /A:2 /b:3"));

    const Options expected{{L"z", L""}, {L"a", L"1"}};
    EXPECT_EQ(OptionsOf(parser), expected);
    EXPECT_EQ(parser.LastError()->ErrorType(), errWarning);
    EXPECT_EQ(parser.LastError()->Message(), RepeatedOptionMessage(L"A"));
}

TEST(CmdLineParserRepeats, ValueAfterALoneSwitchOfTheSameNameFails) {
    CmdLineParser parser;

    EXPECT_FALSE(parser.Load(L"/x /X:1"));

    EXPECT_EQ(parser.GetOptionValue(L"x"), L"");
    EXPECT_EQ(parser.LastError()->Message(), RepeatedOptionMessage(L"X"));
}

TEST(CmdLineParserRepeats, OptionOfAnEarlierLoadCountsAsRepeated) {
    CmdLineParser parser;
    ASSERT_TRUE(parser.Load(L"/a:1"));

    EXPECT_FALSE(parser.Load(L"/b:2 /a:3"));

    EXPECT_EQ(parser.GetOptionValue(L"a"), L"1");
    EXPECT_EQ(parser.GetOptionValue(L"b"), L"2");
}

TEST(CmdLineParserRepeats, RepeatedLoneSwitchIsIgnored) {
    CmdLineParser parser;

    EXPECT_TRUE(parser.Load(L"/x /a:1 /X /a /c"));

    const Options expected{{L"x", L""}, {L"a", L"1"}, {L"c", L""}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

TEST(CmdLineParserRepeats, RepeatedEmptyNameWithColonFails) {
    CmdLineParser parser;

    EXPECT_FALSE(parser.Load(L"/: :"));

    EXPECT_EQ(parser.LastError()->Message(), RepeatedOptionMessage(L""));
}

// ---------------------------------------------------------------------------
// Adding options directly

TEST(CmdLineParserAddOption, AddsOnlyOptionsOfNewNames) {
    CmdLineParser parser;

    parser.AddOption(L"Mode", L"Fast");
    parser.AddOption(L"MODE", L"slow");

    const Options expected{{L"Mode", L"Fast"}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

TEST(CmdLineParserAddOption, AddedOptionMakesALaterValueARepeat) {
    CmdLineParser parser;
    parser.AddOption(L"a", L"");

    EXPECT_FALSE(parser.Load(L"/a:1"));
    EXPECT_EQ(parser.GetOptionValue(L"a"), L"");
}

// ---------------------------------------------------------------------------
// List values

std::vector<std::wstring> ValuesAfterLoading(const std::wstring& value,
                                             const std::wstring& delimiter = L",") {
    CmdLineParser parser;
    parser.AddOption(L"list", value);
    return ItemsOf(parser.GetOptionValues(L"list", delimiter));
}

TEST(CmdLineParserValues, SplitsAtTheDelimiterKeepingEmptyItems) {
    EXPECT_EQ(ValuesAfterLoading(L"a,b,c"), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(ValuesAfterLoading(L",a,,"), (std::vector<std::wstring>{L"", L"a", L"", L""}));
}

TEST(CmdLineParserValues, QuotedItemsKeepTheirDelimiters) {
    EXPECT_EQ(ValuesAfterLoading(L"'a,b',c"), (std::vector<std::wstring>{L"a,b", L"c"}));
    EXPECT_EQ(ValuesAfterLoading(L"x,'1,2,3',y"),
              (std::vector<std::wstring>{L"x", L"1,2,3", L"y"}));
    EXPECT_EQ(ValuesAfterLoading(L"',',','"), (std::vector<std::wstring>{L",", L","}));
}

TEST(CmdLineParserValues, QuoteInsideAnItemStaysOutsideAGroup) {
    EXPECT_EQ(ValuesAfterLoading(L"it's,b"), (std::vector<std::wstring>{L"it's", L"b"}));
}

TEST(CmdLineParserValues, UsesACustomDelimiter) {
    EXPECT_EQ(ValuesAfterLoading(L"a;'b;c';d,e", L";"),
              (std::vector<std::wstring>{L"a", L"b;c", L"d,e"}));
    EXPECT_EQ(ValuesAfterLoading(L"a<>b<>c", L"<>"), (std::vector<std::wstring>{L"a", L"b", L"c"}));
}

TEST(CmdLineParserValues, EmptyDelimiterGivesTheWholeValue) {
    EXPECT_EQ(ValuesAfterLoading(L"a,b", L""), (std::vector<std::wstring>{L"a,b"}));
}

TEST(CmdLineParserValues, EmptyOrAbsentValueGivesNoItems) {
    CmdLineParser parser;
    parser.AddOption(L"empty", L"");

    EXPECT_EQ(parser.GetOptionValues(L"empty").Count(), 0);
    EXPECT_EQ(parser.GetOptionValues(L"absent").Count(), 0);
}

TEST(CmdLineParserValues, GroupLeftOpenBecomesTheLastItem) {
    EXPECT_EQ(ValuesAfterLoading(L"a,'b,c"), (std::vector<std::wstring>{L"a", L"b,c"}));
    EXPECT_EQ(ValuesAfterLoading(L"'"), (std::vector<std::wstring>{L""}));
}

// ---------------------------------------------------------------------------
// Building arguments

TEST(CmdLineParserArguments, QuotesItemsWithDelimitersAndTextsWithBlanks) {
    const std::vector<Variant> files{L"a b", L"c"};
    const std::vector<Variant> list{L"1,2", L"3"};
    const std::vector<Variant> both{L"x y,z"};

    EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(L"files", files), L"/files:\"a b,c\"");
    EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(L"list", list), L"/list:'1,2',3");
    EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(L"both", both), L"/both:\"'x y,z'\"");
}

TEST(CmdLineParserArguments, ConvertsValuesToText) {
    const std::vector<Variant> values{std::int16_t{7}, std::int32_t{-40000}, 2.5, true, false};

    EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(L"n", values), L"/n:7,-40000,2.5,True,False");
}

TEST(CmdLineParserArguments, EmptyValuesStillTakeTheirPlace) {
    const std::vector<Variant> values{Variant(), L"b", Variant::Null()};

    EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(L"x", values), L"/x:,b,");
}

TEST(CmdLineParserArguments, NoTextGivesTheSwitchAlone) {
    const std::vector<Variant> single{L""};

    EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(L"quiet", {}), L"/quiet");
    EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(L"quiet", single), L"/quiet");
}

TEST(CmdLineParserArguments, BuildsFromACollection) {
    Collection<Variant> values;
    values.Add(L"a b");
    values.Add(std::int32_t{3}, L"key");
    values.Add(L"1,2");

    EXPECT_EQ(CmdLineParser::MakeCmdLineArgumentFromCollection(L"files", &values),
              L"/files:\"a b,3,'1,2'\"");
}

TEST(CmdLineParserArguments, MissingOrEmptyCollectionGivesTheSwitchAlone) {
    const Collection<Variant> empty;

    EXPECT_EQ(CmdLineParser::MakeCmdLineArgumentFromCollection(L"x", nullptr), L"/x");
    EXPECT_EQ(CmdLineParser::MakeCmdLineArgumentFromCollection(L"x", &empty), L"/x");
}

TEST(CmdLineParserArguments, BuiltArgumentsLoadBackToTheirValues) {
    const std::vector<Variant> files{L"My Documents\\a b.txt", L"c,d", L" e "};
    const std::vector<Variant> level{std::int16_t{3}};
    const std::wstring line = CmdLineParser::MakeCmdLineArgument(L"files", files) + L" " +
                              CmdLineParser::MakeCmdLineArgument(L"level", level);
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(line));

    EXPECT_EQ(ItemsOf(parser.GetOptionValues(L"files")),
              (std::vector<std::wstring>{L"My Documents\\a b.txt", L"c,d", L" e "}));
    EXPECT_EQ(parser.GetOptionValue(L"level"), L"3");
}

// ---------------------------------------------------------------------------
// Large and generated input

TEST(CmdLineParserRobustness, ReadsAMegabyteValue) {
    const std::wstring value(1 << 20, L'v');
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"/big:" + value + L" /q:\"" + value + L" " + value + L"\""));

    EXPECT_EQ(parser.GetOptionValue(L"big"), value);
    EXPECT_EQ(parser.GetOptionValue(L"q").size(), 2 * value.size() + 1);
}

TEST(CmdLineParserRobustness, ReadsAMegabyteOfBlanksSwitchesAndColons) {
    constexpr std::size_t kSize = 1 << 20;
    CmdLineParser parser;

    EXPECT_TRUE(parser.Load(std::wstring(kSize, L' ')));
    EXPECT_TRUE(parser.Load(std::wstring(kSize, L'/')));
    EXPECT_TRUE(parser.Load(L"/a:1 " + std::wstring(kSize, L':')));
    EXPECT_FALSE(parser.Load(std::wstring(kSize, L':')));

    EXPECT_EQ(parser.OptionNames().Count(), 3);
    EXPECT_TRUE(parser.HasOption(std::wstring(kSize - 1, L'/')));
    EXPECT_EQ(parser.GetOptionValue(L""), std::wstring(kSize - 1, L':'));
    EXPECT_EQ(parser.GetOptionValue(L"a"), L"1");
}

TEST(CmdLineParserRobustness, ReadsAHundredThousandOptions) {
    constexpr int kOptions = 100'000;
    std::wstring line;
    for (int i = 0; i < kOptions; ++i) {
        line += L"/o" + std::to_wstring(i) + L":" + std::to_wstring(i) + L" ";
    }
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(line));

    EXPECT_EQ(parser.OptionNames().Count(), kOptions);
    EXPECT_EQ(parser.GetOptionValue(L"O99999"), L"99999");
}

TEST(CmdLineParserRobustness, SplitsAHundredThousandItemList) {
    std::wstring value;
    for (int i = 0; i < 100'000; ++i) {
        value += (i % 2 == 0 ? L"'a,b'," : L"c,");
    }
    CmdLineParser parser;
    parser.AddOption(L"list", value);

    const auto items = parser.GetOptionValues(L"list");

    ASSERT_EQ(items.Count(), 100'001);
    EXPECT_EQ(items.Item(1), L"a,b");
    EXPECT_EQ(items.Item(2), L"c");
    EXPECT_EQ(items.Item(100'001), L"");
}

// A command line of a few characters from the alphabet that matters to the
// grammar.
std::wstring RandomCommandLine(std::mt19937& random) {
    static constexpr wchar_t kAlphabet[] = {L'/', L':', L'"', L'\'', L',', L'a', L'A', L' ', L'\0'};
    std::wstring line(random() % 24, L' ');
    for (auto& ch : line) {
        ch = kAlphabet[random() % std::size(kAlphabet)];
    }
    return line;
}

TEST(CmdLineParserRobustness, GeneratedLinesNeverLoseEarlierOptions) {
    std::mt19937 random(20240917);
    for (int round = 0; round < 300; ++round) {
        CmdLineParser parser;
        for (int load = 0; load < 10; ++load) {
            const std::wstring line = RandomCommandLine(random);
            const Options before = OptionsOf(parser);
            bool loaded = false;

            ASSERT_NO_THROW(loaded = parser.Load(line));

            const Options after = OptionsOf(parser);
            ASSERT_GE(after.size(), before.size());
            ASSERT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
            if (!loaded) {
                // The warning names an option that was there.
                const std::wstring message = parser.LastError()->Message();
                ASSERT_TRUE(message.starts_with(kRepeatedOptionStart));
                ASSERT_TRUE(message.ends_with(kRepeatedOptionEnd));
                const std::size_t nameLength =
                    message.size() - kRepeatedOptionStart.size() - kRepeatedOptionEnd.size();
                ASSERT_TRUE(
                    parser.HasOption(message.substr(kRepeatedOptionStart.size(), nameLength)));
            }
            for (const auto& [name, value] : after) {
                ASSERT_NO_THROW(parser.GetOptionValues(name));
                ASSERT_NO_THROW(parser.GetOptionValues(name, L"'"));
                ASSERT_NO_THROW(parser.GetOptionValues(name, L""));
            }
        }
    }
}

// A list item from characters that need quoting in arguments.
std::wstring RandomListItem(std::mt19937& random) {
    static constexpr wchar_t kAlphabet[] = {L'a', L'B', L'1', L',', L' ', L':', L'/', L'\\'};
    std::wstring item(random() % 6, L' ');
    for (auto& ch : item) {
        ch = kAlphabet[random() % std::size(kAlphabet)];
    }
    return item;
}

TEST(CmdLineParserRobustness, GeneratedListsSurviveBuildingAndLoading) {
    std::mt19937 random(77);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::wstring> items(1 + random() % 5);
        for (auto& item : items) {
            item = RandomListItem(random);
        }
        // A value that begins with a blank would start with a lone quote: the
        // builder's quoting cannot carry it.
        if (items.front().starts_with(L' ') || (items.size() == 1 && items.front().empty())) {
            items.front().insert(0, L"a");
        }
        const std::vector<Variant> values(items.begin(), items.end());
        CmdLineParser parser;

        ASSERT_TRUE(
            parser.Load(L"/x:0 " + CmdLineParser::MakeCmdLineArgument(L"list", values) + L" /y:1"));

        ASSERT_EQ(ItemsOf(parser.GetOptionValues(L"list")), items);
        ASSERT_EQ(parser.GetOptionValue(L"y"), L"1");
    }
}

}  // namespace
}  // namespace zv
