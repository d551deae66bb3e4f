// The message box as a host and its user meet it: what the dialog shows
// when it comes up (read as it is activated) and what each way of leaving it
// returns, with the check box's final value.

#include <string>
#include <vector>

#include "DialogTest.h"
#include "msgbox/IMessageBox.h"
#include "msgbox/frmMessageBox.h"
#include "platform/automation/Application.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/TextBox.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using driver::AnswerDialog;
using driver::DialogAnswer;

// What a message box showed as it came up.
struct ShownBox : ShownDialog {
    std::int16_t mousePointer = 0;
    std::vector<std::wstring> captions;
    std::vector<bool> defaults;
    bool checkBoxShown = false;
    std::wstring checkBoxCaption;
    std::int16_t checkBoxValue = 0;
};

class MessageBoxTest : public DialogTest<frmMessageBox, ShownBox> {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        ZV_REQUIRES_HEADLESS("the scripted user");
    }

    void Read(const frmMessageBox& box, ShownBox& shown) override {
        shown.mousePointer = App().MousePointer();
        for (std::int16_t i = 0; box.Find<CommandButton>(L"cmdButton", i) != nullptr; ++i) {
            const auto& button = box.Get<CommandButton>(L"cmdButton", i);
            EXPECT_TRUE(button.Visible());
            shown.captions.push_back(button.Caption());
            shown.defaults.push_back(button.Default());
        }
        shown.checkBoxShown = box.CheckBoxShown();
        shown.checkBoxCaption = box.Get<CheckBox>(L"chkBox").Caption();
        shown.checkBoxValue = box.Get<CheckBox>(L"chkBox").Value();
    }

    IMessageBox m_box;
};

TEST_F(MessageBoxTest, DefaultArgumentsShowOneOkButtonWithoutOwnerAndReturnZero) {
    App().SetTitle(L"Panel Setup");
    AnswerDialog("Panel Setup", DialogAnswer::ClickOn("Ok"));

    EXPECT_EQ(m_box.DMsgBox(L"The panel is up to date."), 0);

    const ShownBox& shown = OnlyShown();
    EXPECT_EQ(shown.captions, (std::vector<std::wstring>{L"Ok"}));
    EXPECT_EQ(shown.defaults, (std::vector<bool>{false}));
    EXPECT_EQ(shown.owner, 0);
    EXPECT_FALSE(shown.checkBoxShown);
    EXPECT_EQ(m_box.CheckBoxValue(), 0);
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(MessageBoxTest, EachCaptionIsAButtonAndItsPositionIsTheResult) {
    Answer("Upload", {DialogAnswer::ClickOn("Save,Close"), DialogAnswer::ClickOn("Cancel"),
                      DialogAnswer::ClickOn("Ok")});

    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Discard,Save,,Close,Cancel", L"Upload"), 1);
    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Discard,Save,,Close,Cancel", L"Upload"), 2);
    EXPECT_EQ(m_box.DMsgBox(L"Done.", L"", L"Upload"), 0);

    ASSERT_EQ(AllShown().size(), 3u);
    EXPECT_EQ(AllShown()[0].captions,
              (std::vector<std::wstring>{L"Discard", L"Save,Close", L"Cancel"}));
    EXPECT_EQ(AllShown()[0].title, "Upload");
    EXPECT_EQ(AllShown()[2].captions, (std::vector<std::wstring>{L"Ok"}));
    EXPECT_EQ(win::FindWindowExA(0, 0, "zvForm", nullptr), 0);
}

TEST_F(MessageBoxTest, ClosingWithoutAButtonReturnsMinusOne) {
    Answer("Upload", {DialogAnswer::CloseFromSystemMenu(), DialogAnswer::Press(win::VK_ESCAPE),
                      DialogAnswer::CloseFromSystemMenu()});

    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Yes,No", L"Upload"), -1);
    // Escape presses nothing: the box has no cancel button.
    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Yes,No", L"Upload"), -1);
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

// The first button has the focus when the box comes up, and a focused
// button takes Enter itself: the default shows once the focus is elsewhere.
TEST_F(MessageBoxTest, TheButtonWhoseCaptionIsExactlyTheDefaultAnswersEnter) {
    Answer("Upload", {DialogAnswer::Press(win::VK_TAB), DialogAnswer::Press(win::VK_RETURN),
                      DialogAnswer::ClickOn("Yes"), DialogAnswer::ClickOn("Yes")});

    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No,No", L"Upload", L"No", nullptr, L"Remember"), 1);
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No,No", L"Upload", L"no"), 0);
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No later", L"Upload", L"No"), 0);

    ASSERT_EQ(AllShown().size(), 3u);
    EXPECT_EQ(AllShown()[0].defaults, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(AllShown()[1].defaults, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(AllShown()[2].defaults, (std::vector<bool>{false, false}));
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(MessageBoxTest, TheCheckBoxValueIsKeptAsTheDialogCloses) {
    Answer("Upload", {DialogAnswer::ClickOn("Do not ask again"), DialogAnswer::ClickOn("Yes"),
                      DialogAnswer::ClickOn("No"), DialogAnswer::ClickOn("Do not ask again"),
                      DialogAnswer::CloseFromSystemMenu()});

    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No", L"Upload", L"", nullptr, L"Do not ask again"), 0);
    EXPECT_EQ(m_box.CheckBoxValue(), 1);
    // Never clicked: the initial value.
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No", L"Upload", L"", nullptr, L"Do not ask again", 1),
              1);
    EXPECT_EQ(m_box.CheckBoxValue(), 1);
    // Cleared, then closed without a button: the value still counts.
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No", L"Upload", L"", nullptr, L"Do not ask again", 1),
              -1);
    EXPECT_EQ(m_box.CheckBoxValue(), 0);

    ASSERT_EQ(AllShown().size(), 3u);
    EXPECT_TRUE(AllShown()[0].checkBoxShown);
    EXPECT_EQ(AllShown()[0].checkBoxCaption, L"Do not ask again");
    EXPECT_EQ(AllShown()[0].checkBoxValue, 0);
    EXPECT_EQ(AllShown()[1].checkBoxValue, 1);
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(MessageBoxTest, AFailedSetUpShowsNothingReturnsMinusTwoAndKeepsTheLastValue) {
    AnswerDialog("Upload", DialogAnswer::ClickOn("Yes"));
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes", L"Upload", L"", nullptr, L"Remember", 1), 0);

    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes", L"Upload", L"", nullptr, L"Remember", 7), -2);
    // Positions past 32,767 would not fit the result.
    std::wstring tooMany;
    for (int i = 0; i < 32768; ++i) {
        tooMany += L"a,";
    }
    EXPECT_EQ(m_box.DMsgBox(L"Send?", tooMany + L"a", L"Upload"), -2);

    EXPECT_EQ(m_box.CheckBoxValue(), 1);
    EXPECT_EQ(AllShown().size(), 1u);
    EXPECT_EQ(win::FindWindowExA(0, 0, "zvForm", nullptr), 0);
}

TEST_F(MessageBoxTest, TheArrowShowsWhileTheUserAnswersAndTheHostsPointerReturns) {
    App().SetMousePointer(mouse_pointer::kHourglass);
    AnswerDialog("Upload", DialogAnswer::ClickOn("Ok"));

    m_box.DMsgBox(L"Done.", L"Ok", L"Upload");

    EXPECT_EQ(OnlyShown().mousePointer, mouse_pointer::kDefault);
    EXPECT_EQ(App().MousePointer(), mouse_pointer::kHourglass);
}

TEST_F(MessageBoxTest, TheBoxHasNoOwnerAndHandsActivationAndFocusBackToTheHost) {
    Form host(L"frmHost");
    host.SetCaption(L"Host");
    host.Add<TextBox>(L"txtFirst");
    const auto second = host.Add<TextBox>(L"txtSecond");
    host.Show();
    second->SetFocus();
    AnswerDialog("Upload", DialogAnswer::ClickOn("Ok"));

    EXPECT_EQ(m_box.DMsgBox(L"Done.", L"Ok", L"Upload"), 0);

    EXPECT_EQ(OnlyShown().owner, 0);
    EXPECT_TRUE(win::IsWindowEnabled(host.hWnd()));
    EXPECT_EQ(win::GetActiveWindow(), host.hWnd());
    EXPECT_EQ(win::GetFocus(), second->hWnd());
}

}  // namespace
}  // namespace zv::test
