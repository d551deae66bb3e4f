// The message box's dialog lays itself out from its texts as measured in
// its own font: each case prepares it, shows it until its first button is
// clicked, and checks the geometry it kept (the dialog only hides). Widths and heights are the
// dialog's outer size.

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "DialogLayoutTest.h"
#include "msgbox/frmMessageBox.h"
#include "platform/automation/Rounding.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Label.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Twips.h"

namespace zv::test {
namespace {

using namespace zv::forms;

constexpr std::int32_t kDesignButtonWidth = 1335;
constexpr std::int32_t kButtonHeight = 375;

const std::wstring kWideMessage =
    L"The lobby panel runs an older program than the one in the project; upload it now?";

class MessageBoxLayoutTest : public DialogLayoutTest<frmMessageBox> {
  protected:
    void PrepareAndShow(const std::wstring& message, const std::wstring& buttons,
                        const std::wstring& checkBox = L"",
                        const std::shared_ptr<Picture>& picture = nullptr) {
        Dialog().Prepare(message, buttons, L"Layout", L"", picture, checkBox, 0);
        ClickOnceShown(Button(0));
        Dialog().Show(FormShow::Modal);
        ASSERT_EQ(Dialog().PressedIndex(), 0);
    }

    std::int32_t TextWidth(const std::wstring& text) { return Dialog().TextWidth(text); }
    std::int32_t LineHeight() { return Dialog().TextHeight(L"T"); }
    // Message left + text width + 50 + 120.
    std::int32_t WidthUnder(const std::wstring& message, std::int32_t messageLeft = 120) {
        return messageLeft + TextWidth(message) + 50 + 120;
    }

    const Label& Message() { return Dialog().Get<Label>(L"lblMsg"); }
    const CommandButton& Button(std::int16_t i) {
        return Dialog().Get<CommandButton>(L"cmdButton", i);
    }
    const CheckBox& Box() { return Dialog().Get<CheckBox>(L"chkBox"); }

    frmMessageBox& Dialog() { return Made(); }
};

// A bitmap of one colour, made with GDI.
std::shared_ptr<Picture> SolidBitmap(int width, int height) {
    const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height), 0x3366CC);
    return std::make_shared<Picture>(PictureType::Bitmap,
                                     win::CreateBitmap(width, height, 1, 32, pixels.data()));
}

TEST_F(MessageBoxLayoutTest, OneButtonIsCentredUnderAWideMessage) {
    PrepareAndShow(kWideMessage, L"");

    const std::int32_t width = WidthUnder(kWideMessage);
    ASSERT_GT(width, 130 + kDesignButtonWidth + 240);
    EXPECT_EQ(Message().Left(), 120);
    EXPECT_EQ(Message().Width(), TextWidth(kWideMessage) + 50);
    EXPECT_EQ(Message().Height(), LineHeight());
    EXPECT_EQ(Button(0).Caption(), L"Ok");
    EXPECT_EQ(Button(0).Width(), kDesignButtonWidth);
    EXPECT_EQ(Button(0).Left(), Round32(width / 2.0 - kDesignButtonWidth / 2.0));
    EXPECT_EQ(Button(0).Top(), 120 + LineHeight() + 250);
    ExpectWithinAPixel(Dialog().Width(), width);
    ExpectWithinAPixel(Dialog().Height(), Button(0).Top() + 2 * kButtonHeight + 240);
}

TEST_F(MessageBoxLayoutTest, UnderAShortMessageTheButtonStaysAtLeft130AndTheDialogNarrows) {
    PrepareAndShow(L"Done.", L"Ok");

    EXPECT_EQ(Button(0).Left(), 130);
    ExpectWithinAPixel(Dialog().Width(), 130 + kDesignButtonWidth + 2 * 120);
    // Without a check box caption or a picture they stay hidden.
    EXPECT_FALSE(Dialog().CheckBoxShown());
    EXPECT_FALSE(Box().Visible());
    EXPECT_FALSE(Dialog().Get<Control>(L"ctlImg").Visible());
}

TEST_F(MessageBoxLayoutTest, ThreeCaptionsMoveRightByAThirdOfTheFreeSpaceEach) {
    const std::wstring message = kWideMessage + L" The panel restarts afterwards.";
    PrepareAndShow(message, L"Upload,Later,Cancel");

    const std::int32_t width = WidthUnder(message);
    const std::int32_t step = kDesignButtonWidth + 120;
    const std::int32_t free = width - (130 + 2 * step + kDesignButtonWidth + 240);
    ASSERT_GE(free, 3);
    const std::int32_t shift = Round32(free / 3.0);
    for (std::int16_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Button(i).Left(), 130 + i * step + shift) << i;
        EXPECT_EQ(Button(i).Top(), Button(0).Top()) << i;
        EXPECT_EQ(Button(i).Tag(), Button(i).Caption()) << i;
    }
    ExpectWithinAPixel(Dialog().Width(), width);
}

TEST_F(MessageBoxLayoutTest, ACaptionWiderThan1135WidensEveryButtonAndTheDialog) {
    const std::wstring wide = L"Upload to every panel on the floor";
    PrepareAndShow(L"Send?", L"Yes," + wide);

    const std::int32_t buttonWidth = TextWidth(wide) + 200;
    ASSERT_GT(TextWidth(wide), 1135);
    EXPECT_EQ(Button(0).Width(), buttonWidth);
    EXPECT_EQ(Button(1).Width(), buttonWidth);
    EXPECT_EQ(Button(0).Left(), 130);
    EXPECT_EQ(Button(1).Left(), 130 + buttonWidth + 120);
    ExpectWithinAPixel(Dialog().Width(), Button(1).Left() + buttonWidth + 2 * 120);
}

TEST_F(MessageBoxLayoutTest, SeveralLinesTakeALineHeightEachAndTheWidestLine) {
    const std::wstring widest = L"the control processor did not answer in time.";
    PrepareAndShow(L"Upload failed:\r\n" + widest + L"\r\nTry again?", L"Retry,Cancel");

    EXPECT_EQ(Message().Height(), 3 * LineHeight());
    EXPECT_EQ(Message().Width(), TextWidth(widest) + 50);
    EXPECT_EQ(Button(0).Top(), 120 + 3 * LineHeight() + 250);
}

TEST_F(MessageBoxLayoutTest, APictureSitsAtTheLeftAndPushesTheMessageRight) {
    PrepareAndShow(kWideMessage, L"Ok", L"", SolidBitmap(32, 24));

    const auto& image = Dialog().Get<Control>(L"ctlImg");
    EXPECT_TRUE(image.Visible());
    EXPECT_EQ(image.Left(), 120);
    EXPECT_EQ(image.Top(), Message().Top());
    EXPECT_EQ(image.Width(), TwipsX(32));
    EXPECT_EQ(image.Height(), TwipsY(24));
    EXPECT_EQ(Message().Left(), TwipsX(32) + 240);
    ExpectWithinAPixel(Dialog().Width(), WidthUnder(kWideMessage, TwipsX(32) + 240));
}

TEST_F(MessageBoxLayoutTest, TheCheckBoxIsCentredUnderTheButtonsAndAddsItsHeight) {
    PrepareAndShow(kWideMessage, L"Yes,No", L"Do not ask again");

    const std::int32_t boxWidth = TextWidth(L"Do not ask again") + 500;
    EXPECT_TRUE(Box().Visible());
    EXPECT_EQ(Box().Width(), boxWidth);
    EXPECT_EQ(Box().Left(), Round32((Dialog().Width() - boxWidth) / 2.0));
    EXPECT_EQ(Box().Top(), Round32(Dialog().Height() - 2.5 * kButtonHeight));
    ExpectWithinAPixel(Dialog().Height(), Button(0).Top() + 3 * kButtonHeight + 240);
}

TEST_F(MessageBoxLayoutTest, ACheckBoxWiderThanTheDialogStartsAtItsLeftEdge) {
    const std::wstring caption = L"Do not ask again before uploading to a panel of this floor";
    PrepareAndShow(L"Send?", L"Yes", caption);

    ASSERT_GT(TextWidth(caption) + 500, Dialog().Width());
    EXPECT_EQ(Box().Left(), 0);
    EXPECT_EQ(Box().Width(), TextWidth(caption) + 500);
}

}  // namespace
}  // namespace zv::test
