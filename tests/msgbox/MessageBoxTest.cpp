// The message box as a host and its user meet it: what the dialog shows
// when it comes up (read as it is activated) and what each way of leaving it
// returns, with the check box's final value.

#include <optional>
#include <string>
#include <vector>

#include "ActivationWatch.h"
#include "msgbox/IMessageBox.h"
#include "msgbox/frmMessageBox.h"
#include "platform/automation/Application.h"
#include "platform/driver/Driver.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/FormsFixture.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using driver::AnswerDialog;
using driver::DialogAnswer;

// What a message box showed as it came up.
struct ShownBox {
    std::string title;
    win::LONG owner = 0;
    std::int16_t mousePointer = 0;
    std::vector<std::wstring> captions;
    std::vector<bool> defaults;
    bool checkBoxShown = false;
    std::wstring checkBoxCaption;
    std::int16_t checkBoxValue = 0;
};

// Records every message box activated while it lives, through a CBT hook,
// as the window system announces the activation.
class BoxWatch {
  public:
    const std::vector<ShownBox>& Shown() const { return m_shown; }

  private:
    void Saw(win::HWND hwnd) {
        const auto* box = dynamic_cast<const frmMessageBox*>(Form::FromWindow(hwnd));
        if (box == nullptr) {
            return;
        }
        ShownBox shown;
        char title[256] = {};
        win::GetWindowTextA(hwnd, title, sizeof title);
        shown.title = title;
        shown.owner = win::GetWindowLongA(hwnd, win::GWL_HWNDPARENT);
        shown.mousePointer = App().MousePointer();
        for (std::int16_t i = 0; box->Find<CommandButton>(L"cmdButton", i) != nullptr; ++i) {
            const auto& button = box->Get<CommandButton>(L"cmdButton", i);
            EXPECT_TRUE(button.Visible());
            shown.captions.push_back(button.Caption());
            shown.defaults.push_back(button.Default());
        }
        shown.checkBoxShown = box->CheckBoxShown();
        shown.checkBoxCaption = box->Get<CheckBox>(L"chkBox").Caption();
        shown.checkBoxValue = box->Get<CheckBox>(L"chkBox").Value();
        m_shown.push_back(shown);
    }

    std::vector<ShownBox> m_shown;
    ActivationWatch m_watch{[this](win::HWND hwnd) { Saw(hwnd); }};
};

class MessageBoxTest : public FormsTest {
  protected:
    // The hook belongs to the fresh desktop.
    void SetUp() override {
        FormsTest::SetUp();
        ZV_REQUIRES_HEADLESS("the scripted user");
        m_watching.emplace();
    }
    void TearDown() override {
        m_watching.reset();
        FormsTest::TearDown();
    }

    const ShownBox& OnlyShown() {
        EXPECT_EQ(Watch().Shown().size(), 1u);
        return Watch().Shown().front();
    }

    IMessageBox m_box;
    std::optional<BoxWatch> m_watching;
    const BoxWatch& Watch() const { return *m_watching; }
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
    AnswerDialog("Upload", DialogAnswer::ClickOn("Save,Close"));
    AnswerDialog("Upload", DialogAnswer::ClickOn("Cancel"));
    AnswerDialog("Upload", DialogAnswer::ClickOn("Ok"));

    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Discard,Save,,Close,Cancel", L"Upload"), 1);
    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Discard,Save,,Close,Cancel", L"Upload"), 2);
    EXPECT_EQ(m_box.DMsgBox(L"Done.", L"", L"Upload"), 0);

    ASSERT_EQ(Watch().Shown().size(), 3u);
    EXPECT_EQ(Watch().Shown()[0].captions,
              (std::vector<std::wstring>{L"Discard", L"Save,Close", L"Cancel"}));
    EXPECT_EQ(Watch().Shown()[0].title, "Upload");
    EXPECT_EQ(Watch().Shown()[2].captions, (std::vector<std::wstring>{L"Ok"}));
    EXPECT_EQ(win::FindWindowExA(0, 0, "zvForm", nullptr), 0);
}

TEST_F(MessageBoxTest, ClosingWithoutAButtonReturnsMinusOne) {
    AnswerDialog("Upload", DialogAnswer::CloseFromSystemMenu());
    AnswerDialog("Upload", DialogAnswer::Press(win::VK_ESCAPE));
    AnswerDialog("Upload", DialogAnswer::CloseFromSystemMenu());

    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Yes,No", L"Upload"), -1);
    // Escape presses nothing: the box has no cancel button.
    EXPECT_EQ(m_box.DMsgBox(L"Keep the changes?", L"Yes,No", L"Upload"), -1);
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

// The first button has the focus when the box comes up, and a focused
// button takes Enter itself: the default shows once the focus is elsewhere.
TEST_F(MessageBoxTest, TheButtonWhoseCaptionIsExactlyTheDefaultAnswersEnter) {
    AnswerDialog("Upload", DialogAnswer::Press(win::VK_TAB));
    AnswerDialog("Upload", DialogAnswer::Press(win::VK_RETURN));
    AnswerDialog("Upload", DialogAnswer::ClickOn("Yes"));
    AnswerDialog("Upload", DialogAnswer::ClickOn("Yes"));

    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No,No", L"Upload", L"No", nullptr, L"Remember"), 1);
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No,No", L"Upload", L"no"), 0);
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes,No later", L"Upload", L"No"), 0);

    ASSERT_EQ(Watch().Shown().size(), 3u);
    EXPECT_EQ(Watch().Shown()[0].defaults, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Watch().Shown()[1].defaults, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Watch().Shown()[2].defaults, (std::vector<bool>{false, false}));
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(MessageBoxTest, TheCheckBoxValueIsKeptAsTheDialogCloses) {
    AnswerDialog("Upload", DialogAnswer::ClickOn("Do not ask again"));
    AnswerDialog("Upload", DialogAnswer::ClickOn("Yes"));
    AnswerDialog("Upload", DialogAnswer::ClickOn("No"));
    AnswerDialog("Upload", DialogAnswer::ClickOn("Do not ask again"));
    AnswerDialog("Upload", DialogAnswer::CloseFromSystemMenu());

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

    ASSERT_EQ(Watch().Shown().size(), 3u);
    EXPECT_TRUE(Watch().Shown()[0].checkBoxShown);
    EXPECT_EQ(Watch().Shown()[0].checkBoxCaption, L"Do not ask again");
    EXPECT_EQ(Watch().Shown()[0].checkBoxValue, 0);
    EXPECT_EQ(Watch().Shown()[1].checkBoxValue, 1);
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(MessageBoxTest, AFailedSetUpShowsNothingReturnsMinusTwoAndKeepsTheLastValue) {
    AnswerDialog("Upload", DialogAnswer::ClickOn("Yes"));
    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes", L"Upload", L"", nullptr, L"Remember", 1), 0);

    EXPECT_EQ(m_box.DMsgBox(L"Send?", L"Yes", L"Upload", L"", nullptr, L"Remember", 7), -2);

    EXPECT_EQ(m_box.CheckBoxValue(), 1);
    EXPECT_EQ(Watch().Shown().size(), 1u);
    EXPECT_EQ(win::FindWindowExA(0, 0, "zvForm", nullptr), 0);
}

TEST_F(MessageBoxTest, TheArrowShowsWhileTheUserAnswersAndTheHostsPointerReturns) {
    App().SetMousePointer(mouse_pointer::kHourglass);
    AnswerDialog("Upload", DialogAnswer::ClickOn("Ok"));

    m_box.DMsgBox(L"Done.", L"Ok", L"Upload");

    EXPECT_EQ(OnlyShown().mousePointer, mouse_pointer::kDefault);
    EXPECT_EQ(App().MousePointer(), mouse_pointer::kHourglass);
}

TEST_F(MessageBoxTest, TheBoxHasNoOwnerEvenOverAnActiveHostWindow) {
    Form host(L"frmHost");
    host.SetCaption(L"Host");
    host.Show();
    AnswerDialog("Upload", DialogAnswer::ClickOn("Ok"));

    EXPECT_EQ(m_box.DMsgBox(L"Done.", L"Ok", L"Upload"), 0);

    EXPECT_EQ(OnlyShown().owner, 0);
    EXPECT_TRUE(win::IsWindowEnabled(host.hWnd()));
}

}  // namespace
}  // namespace zv::test
