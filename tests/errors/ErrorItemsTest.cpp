#include <gtest/gtest.h>

#include <vector>

#include "ErrorItemFixture.h"
#include "errors/ErrorItems.h"
#include "platform/automation/AutomationError.h"

namespace zv::test {
namespace {

std::vector<std::wstring> Messages(const ErrorItems& items) {
    std::vector<std::wstring> messages;
    for (const auto& item : items) {
        messages.push_back(item->Message());
    }
    return messages;
}

using Texts = std::vector<std::wstring>;

TEST(NewErrorItems, HoldsOneSuccessDefaultItem) {
    const ErrorItems items;
    EXPECT_EQ(items.Count(), 1);
    EXPECT_TRUE(items.ContainsDefaultErrorOnly());
    EXPECT_FALSE(items.HasMsgs());
    EXPECT_FALSE(items.HasWarningsOrWorse());
    EXPECT_EQ(items.Last()->Message(), kSuccessText);
    EXPECT_EQ(items.Last()->ErrorType(), errSuccess);
}

TEST(ErrorItemsReset, DefaultErrorItemIsCritical) {
    ErrorItems items;
    items.Reset(true);
    EXPECT_EQ(items.Count(), 1);
    EXPECT_TRUE(items.HasWarningsOrWorse());
    EXPECT_FALSE(items.HasMsgs());
    EXPECT_EQ(items.Last()->ErrorType(), errCritical);
    EXPECT_EQ(items.Last()->Message(), kUnknownText);

    items.SetDefaultMessage(L"Upload failed.");
    items.Reset(true);
    EXPECT_EQ(items.Last()->Message(), L"Upload failed.");
    items.Reset(false);
    EXPECT_EQ(items.Last()->Message(), kSuccessText);  // the collection's text is for errors only
}

TEST(ErrorItemsReset, ClearsFlagsAndOverallTextsButKeepsSettings) {
    ErrorItems items;
    items.SetApplicationContext(L"Setup");
    items.SetDefaultMessage(L"Failed.");
    items.SetOverallMessage(L"Overall");
    items.SetOverallInstructions(L"Do this");
    items.Add(MakeItem(L"A", errWarning, 0, L"det", L"ins"));
    items.Reset();
    EXPECT_TRUE(items.ContainsDefaultErrorOnly());
    EXPECT_FALSE(items.AnyItemsHaveDetails());
    EXPECT_FALSE(items.AnyItemsHaveInstructions());
    EXPECT_EQ(items.OverallMessage(), L"");
    EXPECT_EQ(items.OverallInstructions(), L"");
    EXPECT_EQ(items.ApplicationContext(), L"Setup");
    EXPECT_EQ(items.DefaultMessage(), L"Failed.");
    EXPECT_EQ(items.Last()->ApplicationContext(), L"Setup");
}

TEST(ErrorItemsAdd, TheFirstRecordReplacesTheDefaultItemAndClonesAreStored) {
    ErrorItems items;
    items.Add(MakeItem(L"First", errWarning));
    EXPECT_EQ(items.Count(), 1);
    EXPECT_FALSE(items.ContainsDefaultErrorOnly());
    items.Add(MakeItem(L"Second", errInformation));
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(Messages(items), (Texts{L"First", L"Second"}));
    EXPECT_EQ(items.Item(1)->Message(), L"First");
    EXPECT_EQ(items.Last()->Message(), L"Second");

    // A clone is stored: the caller's record stays the caller's.
    ErrorItem record = MakeItem(L"Original", errWarning);
    items.Add(record);
    record.SetMessage(L"Changed by the caller");
    EXPECT_EQ(items.Item(3)->Message(), L"Original");
    items.Item(3)->SetMessage(L"Changed in place");
    EXPECT_EQ(items.Last()->Message(), L"Changed in place");
    EXPECT_EQ(items.AsCollection().Item(3), items.Item(3));  // the same object
}

TEST(ErrorItemsAdd, FlagsRememberDetailsAndInstructionsAndRestartKeepsOne) {
    ErrorItems items;
    items.Add(MakeItem(L"A", errWarning, 0, L"details"));
    EXPECT_TRUE(items.AnyItemsHaveDetails());
    EXPECT_FALSE(items.AnyItemsHaveInstructions());
    items.Add(MakeItem(L"B", errWarning, 0, L"", L"instructions"));
    items.Add(MakeItem(L"C", errWarning));
    EXPECT_TRUE(items.AnyItemsHaveDetails());
    EXPECT_TRUE(items.AnyItemsHaveInstructions());

    // Restarting leaves only a clone of the record.
    items.Restart(*items.Item(2));
    EXPECT_EQ(items.Count(), 1);
    EXPECT_FALSE(items.ContainsDefaultErrorOnly());
    EXPECT_EQ(items.Last()->Message(), L"B");
}

TEST(ErrorItemsAdd, FillsOnlyEmptyContexts) {
    ErrorItems items;
    items.SetApplicationContext(L"Upload");
    ErrorItem own = MakeItem(L"Own", errWarning);
    own.SetApplicationContext(L"Verify");
    items.Add(own);
    items.Add(MakeItem(L"None", errWarning));
    EXPECT_EQ(items.Item(1)->ApplicationContext(), L"Verify");
    EXPECT_EQ(items.Item(2)->ApplicationContext(), L"Upload");

    items.UpdateApplicationContexts();
    EXPECT_EQ(items.Item(1)->ApplicationContext(), L"Upload");
}

TEST(ErrorItemsItem, BadPositionIsReportedToTheCaller) {
    ErrorItems items;
    for (std::int32_t position : {0, 2, -1}) {
        try {
            items.Item(position);
            FAIL() << "position " << position << " was accepted";
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), err::kSubscriptOutOfRange);
        }
    }
}

TEST(ErrorItemsQueries, SummariesLookAtEveryRecord) {
    ErrorItems items;
    items.Add(MakeItem(L"Done", errSuccess));
    items.Add(MakeItem(L"Stopped", errCancelled));
    EXPECT_FALSE(items.HasMsgs());
    EXPECT_TRUE(items.HasMsgs(false, true));
    EXPECT_TRUE(items.HasMsgs(true, false));
    EXPECT_FALSE(items.HasWarningsOrWorse());
    items.Add(MakeItem(L"", errFatal));
    EXPECT_TRUE(items.HasWarningsOrWorse());
    EXPECT_FALSE(items.HasMsgs());
}

TEST(ErrorItemsMerge, AddItemsMergesClonesInOrderReplacingTheDefaultItem) {
    ErrorItems target;
    target.Add(MakeItem(L"Mine", errWarning));
    ErrorItems source;
    source.Add(MakeItem(L"Theirs 1", errCritical, 0, L"det"));
    source.Add(MakeItem(L"Theirs 2", errInformation));
    target.AddItems(source);

    EXPECT_EQ(Messages(target), (Texts{L"Mine", L"Theirs 1", L"Theirs 2"}));
    EXPECT_TRUE(target.AnyItemsHaveDetails());
    EXPECT_NE(target.Item(2), source.Item(1));
    source.Item(1)->SetMessage(L"Changed");
    EXPECT_EQ(target.Item(2)->Message(), L"Theirs 1");

    // Merged into a fresh collection, the records replace its default item;
    // cancelled records with a message are worth keeping too.
    ErrorItems fresh;
    fresh.AddItems(source);
    EXPECT_EQ(Messages(fresh), (Texts{L"Changed", L"Theirs 2"}));
    EXPECT_FALSE(fresh.ContainsDefaultErrorOnly());
    ErrorItems cancelled;
    cancelled.Add(MakeItem(L"User stopped it", errCancelled));
    fresh.AddItems(cancelled);
    EXPECT_EQ(Messages(fresh), (Texts{L"Changed", L"Theirs 2", L"User stopped it"}));
}

TEST(ErrorItemsMerge, NothingIsMergedWithoutAMessageWorthKeepingAndItselfOnce) {
    ErrorItems target;
    ErrorItems successes;
    successes.Add(MakeItem(L"Fine", errSuccess));
    successes.Add(MakeItem(L"", errWarning));  // a warning without a stored message
    target.AddItems(successes);
    EXPECT_EQ(target.Count(), 1);
    EXPECT_TRUE(target.ContainsDefaultErrorOnly());

    ErrorItems defaultError;
    defaultError.Reset(true);
    target.AddItems(defaultError);
    EXPECT_EQ(target.Last()->ErrorType(), errSuccess);

    // Merging with itself adds its records once, or keeps them.
    ErrorItems items;
    items.Add(MakeItem(L"A", errWarning));
    items.Add(MakeItem(L"B", errWarning));
    items.AddItems(items);
    EXPECT_EQ(Messages(items), (Texts{L"A", L"B", L"A", L"B"}));
    items.SetItems(items);
    EXPECT_EQ(Messages(items), (Texts{L"A", L"B", L"A", L"B"}));
}

TEST(ErrorItemsMerge, SetItemsReplacesRecordsAndTakesTheDefaultFlag) {
    ErrorItems target;
    target.Add(MakeItem(L"Old", errWarning));
    target.SetOverallMessage(L"Overall");
    ErrorItems source;
    source.SetOverallMessage(L"Not taken");
    source.Add(MakeItem(L"New", errCritical));
    target.SetItems(source);
    EXPECT_EQ(Messages(target), (Texts{L"New"}));
    EXPECT_FALSE(target.ContainsDefaultErrorOnly());
    EXPECT_EQ(target.OverallMessage(), L"");

    target.SetItems(ErrorItems());
    EXPECT_EQ(target.Count(), 1);
    EXPECT_TRUE(target.ContainsDefaultErrorOnly());

    // Nothing worth merging, yet the source held real records.
    ErrorItems quiet;
    quiet.Add(MakeItem(L"", errSuccess));
    target.SetItems(quiet);
    EXPECT_EQ(target.Count(), 1);
    EXPECT_FALSE(target.ContainsDefaultErrorOnly());
}

TEST(ErrorItemsClone, CopiesTextsAndClonesRecords) {
    ErrorItems items;
    items.SetDefaultMessage(L"Default");
    items.SetApplicationContext(L"Ctx");
    items.Add(MakeItem(L"A", errWarning));
    items.Add(MakeItem(L"B", errFatal, 0, L"", L"ins"));
    items.SetOverallMessage(L"Overall");
    items.SetOverallInstructions(L"Overall instructions");

    const auto copy = items.Clone();
    EXPECT_EQ(Messages(*copy), (Texts{L"A", L"B"}));
    EXPECT_EQ(copy->DefaultMessage(), L"Default");
    EXPECT_EQ(copy->ApplicationContext(), L"Ctx");
    EXPECT_EQ(copy->OverallMessage(), L"Overall");
    EXPECT_EQ(copy->OverallInstructions(), L"Overall instructions");
    EXPECT_TRUE(copy->AnyItemsHaveInstructions());
    EXPECT_FALSE(copy->ContainsDefaultErrorOnly());
    EXPECT_NE(copy->Item(1), items.Item(1));
}

}  // namespace
}  // namespace zv::test
