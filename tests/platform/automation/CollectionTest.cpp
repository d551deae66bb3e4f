#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Collection.h"
#include "platform/text/WideString.h"
#include "support/ErrorNumber.h"

namespace zv {
namespace {

using test::ErrorNumberOf;

std::vector<std::wstring> Items(const Collection<std::wstring>& collection) {
    return {collection.begin(), collection.end()};
}

TEST(Collection, AddressesItemsByOneBasedPositionInOrderOfAdding) {
    Collection<std::wstring> collection;
    collection.Add(L"first");
    collection.Add(L"second", L"two");
    collection.Add(L"third");

    EXPECT_EQ(collection.Count(), 3);
    EXPECT_EQ(collection.Item(1), L"first");
    EXPECT_EQ(collection.Item(3), L"third");
    EXPECT_EQ(Items(collection), (std::vector<std::wstring>{L"first", L"second", L"third"}));
}

TEST(Collection, KeysCompareWithoutRegardToCase) {
    Collection<int> collection;
    collection.Add(1, L"Alpha");
    collection.Add(2, L"\u00e9t\u00e9");  // été

    EXPECT_EQ(collection.Item(L"ALPHA"), 1);
    EXPECT_EQ(collection.Item(L"alpha"), 1);
    EXPECT_EQ(collection.Item(L"\u00c9T\u00c9"), 2);  // ÉTÉ
    EXPECT_TRUE(collection.Contains(L"aLpHa"));
    EXPECT_FALSE(collection.Contains(L"Alph"));
}

TEST(Collection, ItemsAreChangedInPlaceAndEmptyOrNulBearingKeysAreOrdinary) {
    Collection<std::wstring> collection;
    collection.Add(L"a", L"k");
    collection.Item(L"K") += L"b";
    collection.Item(1) += L"c";
    EXPECT_EQ(collection.Item(1), L"abc");

    // Empty and nul-bearing keys are ordinary keys.
    collection.Add(L"empty", L"");
    collection.Add(L"nul", std::wstring(L"a\0b", 3));
    EXPECT_EQ(collection.Item(L""), L"empty");
    EXPECT_EQ(collection.Item(std::wstring(L"A\0B", 3)), L"nul");
    EXPECT_FALSE(collection.Contains(L"a"));
}

TEST(Collection, RemovingKeepsTheRemainingKeysAndOrderAndClearingForgetsThem) {
    Collection<std::wstring> collection;
    collection.Add(L"a", L"ka");
    collection.Add(L"b", L"kb");
    collection.Add(L"c");
    collection.Add(L"d", L"kd");

    collection.Remove(L"KB");
    collection.Remove(1);

    EXPECT_EQ(Items(collection), (std::vector<std::wstring>{L"c", L"d"}));
    EXPECT_EQ(collection.Item(L"kd"), L"d");
    EXPECT_FALSE(collection.Contains(L"ka"));
    EXPECT_FALSE(collection.Contains(L"kb"));
    collection.Add(L"b again", L"kb");  // a removed key is free again
    EXPECT_EQ(collection.Item(3), L"b again");

    // Clearing forgets items and keys.
    collection.Clear();
    EXPECT_EQ(collection.Count(), 0);
    EXPECT_FALSE(collection.Contains(L"kd"));
    collection.Add(L"d again", L"kd");
    EXPECT_EQ(collection.Item(L"kd"), L"d again");
}

// Thousands of keys, removed by key and by position in between, against a
// plain list of the same: every remaining key still finds its item where the
// list has it, and no removed key is found.
TEST(Collection, ManyKeysStayFoundThroughGrowthAndRemovals) {
    Collection<int> collection;
    std::vector<std::pair<std::wstring, int>> model;
    for (int i = 0; i < 3000; ++i) {
        const std::wstring key = (i % 4 == 0 ? L"k" : L"Key-") + std::to_wstring(i * 7);
        if (i % 5 == 0) {
            collection.Add(-i);
            model.emplace_back(L"", -i);
        } else {
            collection.Add(i, key);
            model.emplace_back(key, i);
        }
        if (i % 3 == 2) {
            const auto at = static_cast<std::size_t>(i * 13) % model.size();
            if (model[at].first.empty() || i % 2 == 0) {
                collection.Remove(static_cast<std::int32_t>(at + 1));
            } else {
                collection.Remove(FoldCase(model[at].first));
            }
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    ASSERT_EQ(collection.Count(), static_cast<std::int32_t>(model.size()));
    for (std::size_t i = 0; i < model.size(); ++i) {
        EXPECT_EQ(collection.Item(static_cast<std::int32_t>(i + 1)), model[i].second);
        if (!model[i].first.empty()) {
            EXPECT_EQ(collection.Item(model[i].first), model[i].second) << i;
        }
    }
    for (int i = 0; i < 3000; ++i) {
        const std::wstring key = (i % 4 == 0 ? L"K" : L"key-") + std::to_wstring(i * 7);
        const bool held = std::any_of(model.begin(), model.end(), [&](const auto& entry) {
            return EqualsNoCase(entry.first, key);
        });
        EXPECT_EQ(collection.Contains(key), held) << i;
    }
}

TEST(CollectionErrors, BadPositionsAndMissingKeysRaiseAndChangeNothing) {
    Collection<int> collection;
    collection.Add(7);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item(0); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item(2); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item(-1); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Remove(5); }), err::kSubscriptOutOfRange);
    // A missing key raises an invalid argument.
    collection.Add(8, L"seven");
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item(L"eight"); }), err::kInvalidProcedureCall);
    EXPECT_EQ(ErrorNumberOf([&] { collection.Remove(L"eight"); }), err::kInvalidProcedureCall);
    EXPECT_EQ(collection.Count(), 2);
}

TEST(CollectionErrors, DuplicateKeyRaisesAndLeavesTheCollectionAsItWas) {
    Collection<int> collection;
    collection.Add(1, L"key");
    try {
        collection.Add(2, L"KEY");
        FAIL() << "a duplicate key was accepted";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.Number(), err::kDuplicateKey);
        EXPECT_EQ(error.Description(),
                  L"This key is already associated with an element of this collection");
    }
    EXPECT_EQ(collection.Count(), 1);
    EXPECT_EQ(collection.Item(L"key"), 1);
}

}  // namespace
}  // namespace zv
