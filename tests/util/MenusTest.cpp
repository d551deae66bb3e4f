#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "util/Menu.h"
#include "util/MenuItem.h"
#include "util/MenuItems.h"

namespace zv {
namespace {

std::shared_ptr<MenuItem> MakeItem(const std::wstring& key, const std::wstring& name = {}) {
    auto item = std::make_shared<MenuItem>();
    item->SetKey(key);
    item->SetName(name.empty() ? key : name);
    return item;
}

// The names of the items, in the order enumeration visits them.
std::vector<std::wstring> NamesOf(const MenuItems& items) {
    std::vector<std::wstring> names;
    for (const auto& item : items) {
        names.push_back(item->Name());
    }
    return names;
}

// A collection holding items keyed "a", "b", "c" in that order.
MenuItems ThreeItems() {
    MenuItems items;
    for (const wchar_t* key : {L"a", L"b", L"c"}) {
        items.Add(MakeItem(key));
    }
    return items;
}

using Names = std::vector<std::wstring>;

// ---------------------------------------------------------------------------
// MenuItem

TEST(MenuItemTest, NewItemIsEnabledAndOtherwiseBlank) {
    const MenuItem item;

    EXPECT_EQ((std::array{item.Enabled(), item.Bold(), item.Checked(), item.RadioCheck()}),
              (std::array{true, false, false, false}));
    EXPECT_EQ((std::array<int, 4>{item.ID(), item.Index(), item.Icon(), item.HelpContextID()}),
              (std::array<int, 4>{}));
    EXPECT_EQ((std::array{item.key(), item.Name()}), (std::array<std::wstring, 2>{}));
}

// ---------------------------------------------------------------------------
// MenuItems: adding and finding

// By key in any case, a text always being a key; by position, a real one
// rounded half to even; nothing for a missing key or position, or an index
// that is no small number.
TEST(MenuItemsTest, FindsItemsByKeyOrPosition) {
    const MenuItems items = ThreeItems();
    const std::pair<Variant, const wchar_t*> kLookUps[] = {
        {Variant(L"B"), L"b"},
        {Variant(std::int16_t{3}), L"c"},
        {Variant(std::int32_t{1}), L"a"},
        {Variant(1.5), L"b"},
        {Variant(2.5), L"b"},
        {Variant(L"2"), nullptr},
        {Variant(L"missing"), nullptr},
        {Variant(L""), nullptr},
        {Variant(std::int32_t{0}), nullptr},
        {Variant(std::int32_t{4}), nullptr},
        {Variant(std::int32_t{-1}), nullptr},
        {Variant::Null(), nullptr},
        {Variant(), nullptr},  // Empty counts as 0
        {Variant(std::int32_t{65537}), nullptr},
        {Variant(1e300), nullptr},
        {Variant(std::nan("")), nullptr},
    };
    ASSERT_EQ(items.Count(), 3);
    for (std::size_t i = 0; i < std::size(kLookUps); ++i) {
        const auto& [index, name] = kLookUps[i];
        const auto item = items.Item(index);
        EXPECT_EQ(item ? item->Name() : L"(nothing)", name ? name : L"(nothing)") << "row " << i;
    }
    MenuItems removing = ThreeItems();
    EXPECT_FALSE(removing.Remove(Variant(std::nan(""))));
    EXPECT_EQ(removing.Count(), 3);
}

TEST(MenuItemsTest, ItemsWithoutKeyAreAddedByPositionOnlyAndKeysAreTakenWhenAdded) {
    MenuItems items;

    EXPECT_TRUE(items.Add(MakeItem(L"", L"first")));
    EXPECT_TRUE(items.Add(MakeItem(L"", L"second")));

    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Item(Variant(std::int32_t{2}))->Name(), L"second");
    EXPECT_EQ(items.Item(Variant(L"")), nullptr);

    // The key is taken when the item is added.
    const auto item = MakeItem(L"old");
    items.Add(item);
    item->SetKey(L"new");
    EXPECT_EQ(items.Item(Variant(L"old")), item);
    EXPECT_EQ(items.Item(Variant(L"new")), nullptr);
}

// ---------------------------------------------------------------------------
// MenuItems: removing

// By position, a real one rounded; a missing item fails and changes nothing.
TEST(MenuItemsTest, RemovesByPositionOrNothing) {
    MenuItems items = ThreeItems();
    for (const Variant& missing :
         {Variant(L"missing"), Variant(std::int32_t{0}), Variant(std::int32_t{4}), Variant::Null(),
          Variant(std::int32_t{100000})}) {
        EXPECT_FALSE(items.Remove(missing)) << missing.ToText();
    }
    EXPECT_EQ(NamesOf(items), (Names{L"a", L"b", L"c"}));

    EXPECT_TRUE(items.Remove(Variant(std::int32_t{1})));
    EXPECT_EQ(NamesOf(items), (Names{L"b", L"c"}));
    EXPECT_EQ(items.Item(Variant(L"c"))->Name(), L"c");

    items = ThreeItems();
    EXPECT_TRUE(items.Remove(Variant(2.6)));
    EXPECT_TRUE(items.Remove(Variant(0.5 + 1.0)));  // 1.5 rounds to 2
    EXPECT_EQ(NamesOf(items), (Names{L"a"}));
}

// Items enumerate in the order of adding; a second item with the same key
// and no item are refused; clearing removes every item and frees the keys.
TEST(MenuItemsTest, ASecondItemWithTheSameKeyAndNoItemAreRefusedUntilCleared) {
    MenuItems items = ThreeItems();
    EXPECT_FALSE(items.Add(MakeItem(L"B", L"other")));
    EXPECT_FALSE(items.Add(nullptr));
    EXPECT_EQ(NamesOf(items), (Names{L"a", L"b", L"c"}));

    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_EQ(items.Item(Variant(L"a")), nullptr);
    EXPECT_TRUE(items.Add(MakeItem(L"a")));
}

// ---------------------------------------------------------------------------
// Menu

TEST(MenuTest, NewMenuHasAnEmptyCollectionOfItsOwn) {
    const Menu first;
    const Menu second;

    ASSERT_NE(first.MenuItems(), nullptr);
    EXPECT_EQ(first.MenuItems()->Count(), 0);
    EXPECT_NE(first.MenuItems(), second.MenuItems());
}

}  // namespace
}  // namespace zv
