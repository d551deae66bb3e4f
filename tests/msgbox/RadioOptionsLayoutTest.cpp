// The option box's dialog lays itself out from its texts as measured in its
// own font: each case prepares it, shows it until the scripted user presses
// OK, and checks the geometry it kept (the dialog only hides).

#include <algorithm>
#include <string>

#include "DialogLayoutTest.h"
#include "msgbox/frmRadioOptions.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/Twips.h"

namespace zv::test {
namespace {

using namespace zv::forms;

constexpr std::int32_t kButtonRowWidth = 4 * 1215;

class RadioOptionsLayoutTest : public DialogLayoutTest<frmRadioOptions> {
  protected:
    void PrepareAndShow(const std::wstring& options, const std::wstring& caption) {
        ASSERT_TRUE(Dialog().Prepare(options, caption, L"Layout", L"", 0));
        ClickOnceShown(Button(L"cmdOk"));
        Dialog().ShowModalOver(0);
    }

    // The common width: the button row, or the longest line and its padding.
    std::int32_t WidthFor(std::initializer_list<std::wstring> lines) {
        std::int32_t width = kButtonRowWidth;
        for (const std::wstring& line : lines) {
            width = std::max(width, Dialog().TextWidth(line) + 200);
        }
        return width;
    }

    const Frame& Caption() { return Dialog().Get<Frame>(L"fraCaption"); }
    const Label& CaptionLabel() { return Dialog().Get<Label>(L"lblCaption"); }
    const Frame& Options() { return Dialog().Get<Frame>(L"fraOptions"); }
    const OptionButton& Option(std::int16_t i) { return Dialog().Get<OptionButton>(L"opt", i); }
    const CommandButton& Button(const wchar_t* name) { return Dialog().Get<CommandButton>(name); }

    frmRadioOptions& Dialog() { return Made(); }
};

TEST_F(RadioOptionsLayoutTest, TheLongestCaptionLineSetsTheWidthAndEachLineItsHeight) {
    const std::wstring first = L"Choose how the panel reaches";
    const std::wstring second =
        L"the control processor when the building network is down for repair";
    PrepareAndShow(L"Serial,Network", first + L"\r\n" + second);

    const std::int32_t width = WidthFor({first, second});
    ASSERT_GT(width, kButtonRowWidth);
    EXPECT_EQ(Caption().Width(), width + 200);
    EXPECT_EQ(CaptionLabel().Left(), 100);
    EXPECT_EQ(CaptionLabel().Top(), 165);
    EXPECT_EQ(CaptionLabel().Width(), width);
    const std::int32_t labelHeight =
        Dialog().TextHeight(first) + 30 + Dialog().TextHeight(second) + 30;
    EXPECT_EQ(CaptionLabel().Height(), labelHeight);
    EXPECT_EQ(Caption().Height(), labelHeight + 210);
    EXPECT_TRUE(Caption().Visible());
    EXPECT_TRUE(Dialog().CaptionShown());
    EXPECT_EQ(Options().Top(), Caption().Top() + Caption().Height());
    EXPECT_EQ(Options().Width(), Caption().Width());
}

TEST_F(RadioOptionsLayoutTest, OptionsStackByTheTallestChoiceInAFrameSizedByTheirCount) {
    PrepareAndShow(L"One,Two\r\nlines,Three", L"Pick one");

    const std::int32_t height =
        Dialog().TextHeight(L"Two") + 20 + Dialog().TextHeight(L"lines") + 20;
    for (std::int16_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Option(i).Height(), height) << i;
        EXPECT_EQ(Option(i).Width(), kButtonRowWidth) << i;
        EXPECT_EQ(Option(i).Top(), 150 + i * (height + 30)) << i;
    }
    EXPECT_EQ(Options().Height(), 3 * height + 300);
}

TEST_F(RadioOptionsLayoutTest, TheLongestChoiceLineWidensEveryOption) {
    const std::wstring longest =
        L"Over the building network through the gateway in the plant room on the second floor";
    PrepareAndShow(L"Serial,First line\r\n" + longest, L"How?");

    const std::int32_t width = WidthFor({longest});
    ASSERT_GT(width, kButtonRowWidth);
    EXPECT_EQ(Option(0).Width(), width);
    EXPECT_EQ(Option(1).Width(), width);
    EXPECT_EQ(Options().Width(), width + 200);
}

TEST_F(RadioOptionsLayoutTest, WithoutHelpTheRowStillReservesTwoHelpWidths) {
    PrepareAndShow(L"A,B,C", L"Hi");

    EXPECT_FALSE(Button(L"cmdHelp").Visible());
    EXPECT_EQ(Option(0).Width(), kButtonRowWidth);
    EXPECT_EQ(Caption().Width(), kButtonRowWidth + 200);
}

TEST_F(RadioOptionsLayoutTest, TheButtonRowSitsBelowTheOptionsAndTheFormFitsAroundThem) {
    PrepareAndShow(L"A,B,C", L"Pick one");

    const CommandButton& help = Button(L"cmdHelp");
    const CommandButton& ok = Button(L"cmdOk");
    const CommandButton& cancel = Button(L"cmdCancel");
    const std::int32_t top = Options().Top() + Options().Height() + 120;
    EXPECT_EQ(help.Top(), top);
    EXPECT_EQ(ok.Top(), top);
    EXPECT_EQ(cancel.Top(), top);
    EXPECT_EQ(cancel.Left() + cancel.Width(), Options().Left() + Options().Width());
    EXPECT_EQ(cancel.Left() - (ok.Left() + ok.Width()), help.Left());
    EXPECT_EQ(help.Left(), 120);

    // The form fits three frame margins across and one below the buttons.
    ExpectWithinAPixel(Dialog().Width(), 3 * Options().Left() + Options().Width());
    ExpectWithinAPixel(Dialog().ScaleHeight(), ok.Top() + ok.Height() + Options().Left());
}

TEST_F(RadioOptionsLayoutTest, WithoutCaptionTheOptionsTakeTheHiddenCaptionFramesPlace) {
    PrepareAndShow(L"A,B", L"");

    EXPECT_FALSE(Dialog().CaptionShown());
    EXPECT_FALSE(Caption().Visible());
    EXPECT_EQ(Options().Top(), Caption().Top());
    EXPECT_EQ(Option(0).Top(), 150);
    EXPECT_EQ(Option(1).Top(), 150 + Option(0).Height() + 30);
}

TEST_F(RadioOptionsLayoutTest, PreparingWithoutChoicesFailsAndLeavesTheDialogCancelled) {
    EXPECT_FALSE(Dialog().Prepare(L"", L"Pick one", L"Layout", L"", 3));
    EXPECT_EQ(Dialog().Cancelled(), -1);
    EXPECT_FALSE(Dialog().IsLoaded());
}

TEST_F(RadioOptionsLayoutTest, OkClearsCancelledAndKeepsTheHelpTopic) {
    ASSERT_TRUE(Dialog().Prepare(L"A,B", L"", L"Layout", L"", 7));
    ClickOnceShown(Button(L"cmdOk"));

    Dialog().ShowModalOver(0);

    EXPECT_EQ(Dialog().Cancelled(), 0);
    EXPECT_EQ(Dialog().HelpId(), 7);
    EXPECT_TRUE(Button(L"cmdHelp").Visible());
}

}  // namespace
}  // namespace zv::test
