#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "ErrorItemFixture.h"
#include "errors/ErrorItem.h"
#include "errors/orkError.h"

namespace zv::test {
namespace {

TEST(NewErrorItem, IsAnEmptySuccess) {
    const ErrorItem item;
    EXPECT_EQ(item.ErrorType(), errSuccess);
    EXPECT_EQ(item.Number(), 0);
    EXPECT_EQ(item.Message(), kSuccessText);
    EXPECT_EQ(item.DefaultMessage(), kUnknownText);
    EXPECT_FALSE(item.HasMsg());
    EXPECT_FALSE(item.HasMsg(false, false));
    EXPECT_EQ(item.FormatMsg(), kSuccessText);
    EXPECT_FALSE(item.TimeStamped());
    EXPECT_EQ(item.TimeStamp(), Date{});
    EXPECT_EQ(item.FormatMsgDefaultDetailsSeparator(), L"  ");
    EXPECT_EQ(item.FormatMsgDefaultInstructionsSeparator(), L"\r\n\r\n");
}

TEST(ErrorItemMessage, EmptyMessageReadsAsTheTextOfItsType) {
    ErrorItem item;
    item.SetErrorType(errCancelled);
    EXPECT_EQ(item.Message(), kCancelledText);
    item.SetErrorType(errCompleted);
    EXPECT_EQ(item.Message(), kUnknownText);
    item.SetDefaultMessage(L"Something failed.");
    item.SetErrorType(errQuestion);
    EXPECT_EQ(item.Message(), L"Something failed.");
    item.SetMessage(L"Stored.");
    EXPECT_EQ(item.Message(), L"Stored.");
}

// HasMsg looks at the stored message.
TEST(ErrorItemMessage, HasMsgLooksAtTheStoredMessage) {
    ErrorItem item = MakeItem(L"Done.", errSuccess);
    EXPECT_FALSE(item.HasMsg());
    EXPECT_TRUE(item.HasMsg(true, false));
    item = MakeItem(L"Stopped.", errCancelled);
    EXPECT_FALSE(item.HasMsg());
    EXPECT_TRUE(item.HasMsg(false, true));
    item = MakeItem(L"", errCritical);
    EXPECT_FALSE(item.HasMsg(false, false));  // the default text does not count
}

TEST(ErrorItemTimeStamp, SettingTheTimeMarksTheRecord) {
    ErrorItem item;
    item.SetTimeStamp(MakeDate(2026, 12, 5, 9));
    EXPECT_TRUE(item.TimeStamped());
    EXPECT_EQ(item.TimeStamp(), MakeDate(2026, 12, 5, 9));
    item.SetTimeStamped(false);
    EXPECT_FALSE(item.TimeStamped());
    EXPECT_EQ(item.TimeStamp(), MakeDate(2026, 12, 5, 9));
}

TEST(ErrorItemQueries, TypesMapToMessageBoxIconsAndWarningsOrWorse) {
    const std::vector<std::pair<errorLogIcon, std::int32_t>> expected = {
        {errNoIcon, 0},    {errInformation, 64}, {errWarning, 48}, {errCritical, 48},
        {errFatal, 16},    {errSuccess, 64},     {errQuestion, 0}, {errCancelled, 0},
        {errCompleted, 0}, {errorLogIcon{99}, 0}};
    for (const auto& [type, style] : expected) {
        EXPECT_EQ(MakeItem(L"", type).ErrorTypeAsMsgBoxStyle(), style) << "type " << type;
    }

    // Warnings or worse are warnings, critical and fatal records.
    for (auto type : {errWarning, errCritical, errFatal}) {
        EXPECT_TRUE(MakeItem(L"", type).HasWarningsOrWorse()) << "type " << type;
    }
    for (auto type : {errNoIcon, errInformation, errSuccess, errQuestion, errCancelled}) {
        EXPECT_FALSE(MakeItem(L"", type).HasWarningsOrWorse()) << "type " << type;
    }
    EXPECT_TRUE(MakeItem(L"", errCancelled).IsCancelled());
}

TEST(ErrorItemQueries, IsErrorTypeComparesNumerically) {
    const ErrorItem warning = MakeItem(L"", errWarning);
    const std::vector<Variant> matching = {Variant(L"x"), Variant::Null(), Variant(2.0)};
    const std::vector<Variant> asText = {Variant(L" 2 ")};
    const std::vector<Variant> others = {Variant(1), Variant(L"two"), Variant(2.5), Variant()};
    EXPECT_TRUE(warning.IsErrorType(matching));
    EXPECT_TRUE(warning.IsErrorType(asText));
    EXPECT_FALSE(warning.IsErrorType(others));
    EXPECT_FALSE(warning.IsErrorType({}));
    EXPECT_TRUE(MakeItem(L"", errNoIcon).IsErrorType(std::vector<Variant>{Variant()}));
}

TEST(FormatMsg, JoinsMessageDetailsNumberAndInstructions) {
    EXPECT_EQ(MakeItem(L"Port closed.", errCritical, 5, L"Access denied").FormatMsg(),
              L"Port closed.  Access denied (Error #5)");
    EXPECT_EQ(MakeItem(L"Port closed.", errCritical, 5).FormatMsg(), L"Port closed (Error #5).");
    EXPECT_EQ(MakeItem(L"Port closed.", errCritical, 5, L"", L"Retry.").FormatMsg(),
              L"Port closed (Error #5).\r\n\r\nRetry.");
    EXPECT_EQ(MakeItem(L"Port closed.", errCritical, -2).FormatMsg(), L"Port closed (Error #-2).");
    // Only the last period moves behind the number.
    EXPECT_EQ(MakeItem(L"Wait...", errWarning, 3).FormatMsg(), L"Wait.. (Error #3).");
    EXPECT_EQ(MakeItem(L"Wait...", errWarning, 0).FormatMsg(), L"Wait...");
}

TEST(FormatMsg, FlagsLeaveOutPartsAndSeparatorsCanBeGivenOrChanged) {
    const ErrorItem item = MakeItem(L"Failed.", errCritical, 0, L"Disk full", L"Free space.");
    EXPECT_EQ(item.FormatMsg({}, {}, false), L"Disk full\r\n\r\nFree space.");
    EXPECT_EQ(item.FormatMsg({}, {}, false, false), L"Free space.");
    EXPECT_EQ(item.FormatMsg({}, {}, true, false, false), L"Failed.");
    EXPECT_EQ(item.FormatMsg({}, {}, false, false, false), L"");
    // The number is shown whatever the flags.
    const ErrorItem numbered = MakeItem(L"Failed.", errCritical, 12, L"Disk full");
    EXPECT_EQ(numbered.FormatMsg({}, {}, false, false, false), L" (Error #12)");
    EXPECT_EQ(numbered.FormatMsg({}, {}, false, true, false), L"Disk full (Error #12)");

    // Separators can be given or changed.
    EXPECT_EQ(item.FormatMsg(L" - ", L" / "), L"Failed. - Disk full / Free space.");
    ErrorItem separated = item;
    separated.SetFormatMsgDefaultDetailsSeparator(L"|");
    separated.SetFormatMsgDefaultInstructionsSeparator(L"#");
    EXPECT_EQ(separated.FormatMsg(), L"Failed.|Disk full#Free space.");
}

TEST(ErrorItemInit, SetsTheRecordAndResetsHelpTagAndParentAndResetEmptiesIt) {
    ErrorItem item;
    item.SetHelpContext(4);
    item.SetTag(L"tag");
    item.SetParent(9);
    item.SetApplicationContext(L"Upload");
    item.SetTimeStamp(Date{2.0});
    item.SetDefaultMessage(L"Custom default.");
    item.Init(L"Msg", errFatal, 8, L"Det", L"Ins", L"Name");

    EXPECT_EQ(item.Message(), L"Msg");
    EXPECT_EQ(item.ErrorType(), errFatal);
    EXPECT_EQ(item.Number(), 8);
    EXPECT_EQ(item.Details(), L"Det");
    EXPECT_EQ(item.Instructions(), L"Ins");
    EXPECT_EQ(item.DisplayName(), L"Name");
    EXPECT_EQ(item.HelpContext(), 0);
    EXPECT_EQ(item.Tag(), L"");
    EXPECT_EQ(item.Parent(), 0);
    // Left alone by Init:
    EXPECT_EQ(item.ApplicationContext(), L"Upload");
    EXPECT_TRUE(item.TimeStamped());
    EXPECT_EQ(item.DefaultMessage(), L"Custom default.");

    // Reset makes an empty success.
    item.Reset();
    EXPECT_EQ(item.ErrorType(), errSuccess);
    EXPECT_EQ(item.Number(), 0);
    EXPECT_FALSE(item.HasMsg(false, false));
    EXPECT_EQ(item.FormatMsg(), kSuccessText);
}

TEST(ErrorItemInit, InitFromTakesTheMessageThroughItsGetter) {
    ErrorItem source = MakeItem(L"", errCancelled, 4, L"Det", L"Ins");
    source.SetApplicationContext(L"Source context");
    ErrorItem target;
    target.InitFrom(source, L"Fallback");
    EXPECT_EQ(target.Message(), kCancelledText);
    EXPECT_TRUE(target.HasMsg(false, false));
    EXPECT_EQ(target.ErrorType(), errCancelled);
    EXPECT_EQ(target.Number(), 4);
    EXPECT_EQ(target.Details(), L"Det");
    EXPECT_EQ(target.Instructions(), L"Ins");
    EXPECT_EQ(target.DisplayName(), L"Fallback");
    EXPECT_EQ(target.ApplicationContext(), L"");

    source.SetDisplayName(L"Own name");
    target.InitFrom(source, L"Fallback", true);
    EXPECT_EQ(target.DisplayName(), L"Own name");
    EXPECT_EQ(target.ApplicationContext(), L"Source context");

    // From itself, a record keeps its content.
    source.InitFrom(source);
    EXPECT_EQ(source.FormatMsg(), L"The operation was cancelled.  Det (Error #4)\r\n\r\nIns");
    EXPECT_EQ(source.DisplayName(), L"Own name");
}

TEST(ErrorItemInit, InitFromWithNewMsgAndReInitPutTheOldMessageUnderANewHeadline) {
    const ErrorItem source = MakeItem(L"Port busy.", errCritical, 7, L"COM3", L"Close it.");
    ErrorItem target;
    target.InitFromWithNewMsg(L"Upload failed.", source);
    EXPECT_EQ(target.Message(), L"Upload failed.");
    EXPECT_EQ(target.Details(), L"Port busy.  COM3 (Error #7)");
    EXPECT_EQ(target.Instructions(), L"Close it.");
    EXPECT_EQ(target.Number(), 7);
    EXPECT_EQ(target.ErrorType(), errCritical);

    target.InitFromWithNewMsg(L"", source);
    EXPECT_EQ(target.Message(), L"Port busy.");

    // ReInit moves the old message into the details.
    ErrorItem item = MakeItem(L"Port busy.", errWarning, 7);
    item.ReInit(L"Upload failed.");
    EXPECT_EQ(item.Message(), L"Upload failed.");
    EXPECT_EQ(item.Details(), L"Port busy (Error #7).");
    EXPECT_EQ(item.Number(), 7);
    EXPECT_EQ(item.ErrorType(), errWarning);
}

ErrorItem FullyFilledItem() {
    ErrorItem item = MakeItem(L"", errCancelled, 11, L"Det", L"Ins");
    item.SetDisplayName(L"Name");
    item.SetApplicationContext(L"Ctx");
    item.SetDefaultMessage(L"Default.");
    item.SetHelpContext(21);
    item.SetTag(L"Tag");
    item.SetParent(-3);
    item.SetTimeStamp(Date{45000.5});
    item.SetTimeStamped(false);
    item.SetFormatMsgDefaultDetailsSeparator(L"; ");
    item.SetFormatMsgDefaultInstructionsSeparator(L" => ");
    return item;
}

// Every field a copy takes but the message, to compare at once.
auto FieldsButMessage(const ErrorItem& item) {
    return std::tuple(
        item.Number(), item.ErrorType(), item.DisplayName(), item.ApplicationContext(),
        item.DefaultMessage(), item.Instructions(), item.Details(), item.HelpContext(), item.Tag(),
        item.Parent(), item.TimeStamp().Serial, item.TimeStamped(),
        item.FormatMsgDefaultDetailsSeparator(), item.FormatMsgDefaultInstructionsSeparator());
}

TEST(ErrorItemCopy, CloneKeepsAnEmptyMessageEmptyWhereCloneFromFillsInTheGettersText) {
    const ErrorItem source = FullyFilledItem();
    const auto copy = source.Clone();
    EXPECT_EQ(FieldsButMessage(*copy), FieldsButMessage(source));
    EXPECT_FALSE(copy->TimeStamped());
    EXPECT_FALSE(copy->HasMsg(false, false));
    EXPECT_EQ(copy->Message(), kCancelledText);

    // CloneFrom fills in the getter's text.
    ErrorItem filled = MakeItem(L"Old.", errFatal);
    filled.SetTimeStamp(Date{1.0});
    filled.CloneFrom(source);
    EXPECT_EQ(FieldsButMessage(filled), FieldsButMessage(source));
    EXPECT_FALSE(filled.TimeStamped());
    EXPECT_TRUE(filled.HasMsg(false, false));
    EXPECT_EQ(filled.Message(), kCancelledText);
}

TEST(OrkError, StartsEmptyAndStoresTextAndCode) {
    orkError extended;
    EXPECT_EQ(extended.Error(), L"");
    EXPECT_EQ(extended.code(), 0);
    extended.SetError(L"Checksum mismatch");
    extended.SetCode(-17);
    EXPECT_EQ(extended.Error(), L"Checksum mismatch");
    EXPECT_EQ(extended.code(), -17);
}

}  // namespace
}  // namespace zv::test
