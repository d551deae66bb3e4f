#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
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

struct LoadCase {
    const char* what;
    std::wstring line;
    Options options;                            // all the parser holds afterwards
    std::optional<std::wstring> repeated = {};  // the option the load failed on
};

const LoadCase kLoadCases[] = {
    {"names, values, lone switches and quoted values",
     L"/a:1 -B /c:\"x y\" /d:2",
     {{L"a", L"1"}, {L"B", L""}, {L"c", L"x y"}, {L"d", L"2"}}},
    {"any switch character", L"-a +b:2 xc:3", {{L"a", L""}, {L"b", L"2"}, {L"c", L"3"}}},
    {"a value runs to the end of the token after the first colon",
     L"/path:C:\\dir /url:http://host:80",
     {{L"path", L"C:\\dir"}, {L"url", L"http://host:80"}}},
    {"empty tokens between options", L"   /a:1    /b  ", {{L"a", L"1"}, {L"b", L""}}},
    {"a quoted value keeps every blank across tokens",
     L"/c:\"x   y z \" /d:2",
     {{L"c", L"x   y z "}, {L"d", L"2"}}},
    // The closing token's text after its quote still belongs to the value.
    {"a quoted value ends at the first token with a double quote",
     L"/c:\"x y\"z /d:\"1\"",
     {{L"c", L"x yz"}, {L"d", L"1"}}},
    {"a quoted value left open at the end is not added", L"/a:1 /c:\"x y /d:2", {{L"a", L"1"}}},
    {"a repeated option with a value fails and keeps the earlier options",
     L"/z /a:1 /A:2 /b:3",
     {{L"z", L""}, {L"a", L"1"}},
     L"A"},
    {"a value after a lone switch of the same name", L"/x /X:1", {{L"x", L""}}, L"X"},
    {"a repeated lone switch is ignored",
     L"/x /a:1 /X /a /c",
     {{L"x", L""}, {L"a", L"1"}, {L"c", L""}}},
    {"a repeated empty name with a colon", L"/: :", {{L"", L""}}, L""},
};

TEST(CmdLineParserLoad, ReadsOptionsAndRefusesRepeatedOnes) {
    for (const LoadCase& row : kLoadCases) {
        SCOPED_TRACE(row.what);
        CmdLineParser parser;

        EXPECT_EQ(parser.Load(row.line), !row.repeated.has_value());

        EXPECT_EQ(OptionsOf(parser), row.options);
        if (row.repeated) {
            EXPECT_EQ(parser.LastError()->ErrorType(), errWarning);
            EXPECT_EQ(parser.LastError()->Message(), RepeatedOptionMessage(*row.repeated));
        }
    }
}

TEST(CmdLineParserLoad, NamesIgnoreCaseValuesKeepItNulsStayAndLoneSwitchesHaveNoName) {
    CmdLineParser parser;
    ASSERT_TRUE(parser.Load(L"/out:File.TXT"));

    EXPECT_TRUE(parser.HasOption(L"OUT"));
    EXPECT_TRUE(parser.HasOption(L"Out"));
    EXPECT_EQ(parser.GetOptionValue(L"oUT"), L"File.TXT");
    EXPECT_EQ(parser.OptionNames().Item(1), L"out");

    // Embedded nul characters are kept.
    CmdLineParser nuls;
    ASSERT_TRUE(nuls.Load(std::wstring{L"/a\0b:x\0y /c", 11}));
    EXPECT_EQ(nuls.GetOptionValue(std::wstring(L"a\0b", 3)), std::wstring(L"x\0y", 3));
    EXPECT_TRUE(nuls.HasOption(L"c"));
    EXPECT_FALSE(nuls.HasOption(L"a"));

    // Lone switches give options with empty names.
    for (const std::wstring line : {L"/", L":", L"/:", L"/:x", L":x"}) {
        CmdLineParser lone;
        ASSERT_TRUE(lone.Load(line)) << line;
        EXPECT_TRUE(lone.HasOption(L"")) << line;
        EXPECT_EQ(lone.OptionNames().Count(), 1) << line;
    }
}

// Options of earlier loads, and those added directly, are kept and count as
// repeated.
TEST(CmdLineParserLoad, AddsToTheOptionsOfEarlierLoadsAndAddedOnes) {
    CmdLineParser parser;
    ASSERT_TRUE(parser.Load(L"/a:1"));
    ASSERT_TRUE(parser.Load(L"/b:2"));
    EXPECT_FALSE(parser.Load(L"/c:3 /a:3"));
    parser.AddOption(L"Mode", L"Fast");
    parser.AddOption(L"MODE", L"slow");
    EXPECT_FALSE(parser.Load(L"/mode:1"));

    const Options expected{{L"a", L"1"}, {L"b", L"2"}, {L"c", L"3"}, {L"Mode", L"Fast"}};
    EXPECT_EQ(OptionsOf(parser), expected);
}

// ---------------------------------------------------------------------------
// List values

TEST(CmdLineParserValues, SplitsAtTheDelimiterKeepingQuotedGroupsTogetherAndNothingIntoNoItems) {
    struct Row {
        std::wstring value;
        std::wstring delimiter;
        std::vector<std::wstring> items;
    };
    const Row kRows[] = {
        {L"a,b,c", L",", {L"a", L"b", L"c"}},
        {L",a,,", L",", {L"", L"a", L"", L""}},  // empty items are kept
        {L"'a,b',c", L",", {L"a,b", L"c"}},
        {L"x,'1,2,3',y", L",", {L"x", L"1,2,3", L"y"}},
        {L"',',','", L",", {L",", L","}},
        {L"it's,b", L",", {L"it's", L"b"}},  // a quote inside an item starts no group
        {L"a;'b;c';d,e", L";", {L"a", L"b;c", L"d,e"}},
        {L"a<>b<>c", L"<>", {L"a", L"b", L"c"}},
        {L"a,b", L"", {L"a,b"}},            // no delimiter: the whole value
        {L"a,'b,c", L",", {L"a", L"b,c"}},  // a group left open is the last item
        {L"'", L",", {L""}},
    };
    for (const Row& row : kRows) {
        CmdLineParser parser;
        parser.AddOption(L"list", row.value);
        EXPECT_EQ(ItemsOf(parser.GetOptionValues(L"list", row.delimiter)), row.items)
            << std::string(row.value.begin(), row.value.end());
    }

    // An empty or absent value gives no items.
    CmdLineParser parser;
    parser.AddOption(L"empty", L"");

    EXPECT_EQ(parser.GetOptionValues(L"empty").Count(), 0);
    EXPECT_EQ(parser.GetOptionValues(L"absent").Count(), 0);
}

// ---------------------------------------------------------------------------
// Building arguments

TEST(CmdLineParserArguments, QuotesConvertsAndKeepsThePlaceOfEveryValue) {
    struct Row {
        std::wstring name;
        std::vector<Variant> values;
        std::wstring argument;
    };
    const Row kRows[] = {
        // Items with delimiters are quoted, and texts with blanks.
        {L"files", {L"a b", L"c"}, L"/files:\"a b,c\""},
        {L"list", {L"1,2", L"3"}, L"/list:'1,2',3"},
        {L"both", {L"x y,z"}, L"/both:\"'x y,z'\""},
        {L"n",
         {std::int16_t{7}, std::int32_t{-40000}, 2.5, true, false},
         L"/n:7,-40000,2.5,True,False"},
        {L"x", {Variant(), L"b", Variant::Null()}, L"/x:,b,"},  // empty values take their place
        {L"quiet", {}, L"/quiet"},                              // no text: the switch alone
        {L"quiet", {L""}, L"/quiet"},
    };
    for (const Row& row : kRows) {
        EXPECT_EQ(CmdLineParser::MakeCmdLineArgument(row.name, row.values), row.argument);
    }
}

TEST(CmdLineParserArguments, BuildsFromACollection) {
    Collection<Variant> values;
    values.Add(L"a b");
    values.Add(std::int32_t{3}, L"key");
    values.Add(L"1,2");
    const Collection<Variant> empty;

    EXPECT_EQ(CmdLineParser::MakeCmdLineArgumentFromCollection(L"files", &values),
              L"/files:\"a b,3,'1,2'\"");
    // A missing or empty collection gives the switch alone.
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

TEST(CmdLineParserRobustness, ReadsAMegabyteValueAndAMegabyteOfBlanksSwitchesAndColons) {
    const std::wstring value(1 << 20, L'v');
    CmdLineParser parser;

    ASSERT_TRUE(parser.Load(L"/big:" + value + L" /q:\"" + value + L" " + value + L"\""));

    EXPECT_EQ(parser.GetOptionValue(L"big"), value);
    EXPECT_EQ(parser.GetOptionValue(L"q").size(), 2 * value.size() + 1);

    // A megabyte of blanks, switches and colons.
    constexpr std::size_t kSize = 1 << 20;
    CmdLineParser odd;
    EXPECT_TRUE(odd.Load(std::wstring(kSize, L' ')));
    EXPECT_TRUE(odd.Load(std::wstring(kSize, L'/')));
    EXPECT_TRUE(odd.Load(L"/a:1 " + std::wstring(kSize, L':')));
    EXPECT_FALSE(odd.Load(std::wstring(kSize, L':')));

    EXPECT_EQ(odd.OptionNames().Count(), 3);
    EXPECT_TRUE(odd.HasOption(std::wstring(kSize - 1, L'/')));
    EXPECT_EQ(odd.GetOptionValue(L""), std::wstring(kSize - 1, L':'));
    EXPECT_EQ(odd.GetOptionValue(L"a"), L"1");
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
