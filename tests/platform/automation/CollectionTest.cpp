#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Collection.h"
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
