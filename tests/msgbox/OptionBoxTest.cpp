// The option box as a host and its user meet it: what the dialog shows when
// it comes up (read as it is activated) and what each way of leaving it
// returns.

#include <optional>
#include <string>
#include <vector>

#include "ActivationWatch.h"
#include "msgbox/IOptionBox.h"
#include "msgbox/frmRadioOptions.h"
#include "platform/driver/Driver.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/FormsFixture.h"
#include "platform/forms/Frame.h"
#include "platform/forms/OptionButton.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using driver::AnswerDialog;
using driver::DialogAnswer;

struct ShownOption {
    std::wstring caption;
    bool chosen;
    bool visible;
};

// What an option box showed as it came up.
struct ShownBox {
    std::string title;
    win::LONG owner = 0;
    bool helpVisible = false;
    bool captionFrameVisible = false;
    std::vector<ShownOption> options;
};

// Records every option box that is activated while it lives, through a
// CBT hook, as the window system announces the activation.
class BoxWatch {
  public:
    const std::vector<ShownBox>& Shown() const { return m_shown; }

  private:
    void Saw(win::HWND hwnd) {
        const auto* box = dynamic_cast<const frmRadioOptions*>(Form::FromWindow(hwnd));
        if (box == nullptr) {
            return;
        }
        ShownBox shown;
        char title[256] = {};
        win::GetWindowTextA(hwnd, title, sizeof title);
        shown.title = title;
        shown.owner = win::GetWindowLongA(hwnd, win::GWL_HWNDPARENT);
        shown.helpVisible = box->Get<CommandButton>(L"cmdHelp").Visible();
        shown.captionFrameVisible = box->Get<Frame>(L"fraCaption").Visible();
        for (std::int16_t i = 0; box->Find<OptionButton>(L"opt", i) != nullptr; ++i) {
            const auto& option = box->Get<OptionButton>(L"opt", i);
            shown.options.push_back({option.Caption(), option.Value(), option.Visible()});
        }
        m_shown.push_back(shown);
    }

    std::vector<ShownBox> m_shown;
    ActivationWatch m_watch{[this](win::HWND hwnd) { Saw(hwnd); }};
};

std::vector<bool> ChosenFlags(const ShownBox& box) {
    std::vector<bool> flags;
    for (const ShownOption& option : box.options) {
        flags.push_back(option.chosen);
    }
    return flags;
}

class OptionBoxTest : public FormsTest {
  protected:
    // The hook belongs to the fresh desktop.
    void SetUp() override {
        FormsTest::SetUp();
        m_watching.emplace();
    }
    void TearDown() override {
        m_watching.reset();
        FormsTest::TearDown();
    }

    IOptionBox m_box;
    std::optional<BoxWatch> m_watching;
    const BoxWatch& Watch() const { return *m_watching; }
};

TEST_F(OptionBoxTest, NoChoicesReturnsMinusTwoAndShowsNothing) {
    EXPECT_EQ(m_box.OptionBox(L"", L"Pick one", L"Link"), -2);
    EXPECT_TRUE(Watch().Shown().empty());
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(OptionBoxTest, ChoicesWithoutCaptionShowOneVisibleOptionEachNoneChosen) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link"), 0);

    ASSERT_EQ(Watch().Shown().size(), 1u);
    const ShownBox& shown = Watch().Shown()[0];
    ASSERT_EQ(shown.options.size(), 3u);
    const wchar_t* captions[] = {L"A", L"B", L"C"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shown.options[i].caption, captions[i]);
        EXPECT_TRUE(shown.options[i].visible);
        EXPECT_FALSE(shown.options[i].chosen);
    }
    EXPECT_FALSE(shown.captionFrameVisible);
    EXPECT_EQ(shown.title, "Link");
}

TEST_F(OptionBoxTest, TheDefaultChoiceIsChosenAtTheStartAndOkReturnsIt) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"B"), 1);

    ASSERT_EQ(Watch().Shown().size(), 1u);
    EXPECT_EQ(ChosenFlags(Watch().Shown()[0]), (std::vector<bool>{false, true, false}));
}

TEST_F(OptionBoxTest, TheDefaultChoiceMatchesCaseAndWholeText) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));

    EXPECT_EQ(m_box.OptionBox(L"A,B", L"", L"Link", L"b"), 0);
    EXPECT_EQ(m_box.OptionBox(L"Serial,Serial port", L"", L"Link", L"Serial port"), 1);

    ASSERT_EQ(Watch().Shown().size(), 2u);
    EXPECT_EQ(ChosenFlags(Watch().Shown()[0]), (std::vector<bool>{false, false}));
    EXPECT_EQ(ChosenFlags(Watch().Shown()[1]), (std::vector<bool>{false, true}));
}

TEST_F(OptionBoxTest, TheChoiceTheUserMakesIsReturnedByOkOrEnter) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AnswerDialog("Link", DialogAnswer::ClickOn("C"));
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));
    AnswerDialog("Link", DialogAnswer::ClickOn("A"));
    AnswerDialog("Link", DialogAnswer::Press(win::VK_RETURN));

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"B"), 2);
    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"B"), 0);
}

TEST_F(OptionBoxTest, CancelEscapeAndClosingReturnMinusOneEvenWithAChoiceMade) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AnswerDialog("Link", DialogAnswer::ClickOn("B"));
    AnswerDialog("Link", DialogAnswer::ClickOn("Cancel"));
    AnswerDialog("Link", DialogAnswer::Press(win::VK_ESCAPE));
    AnswerDialog("Link", DialogAnswer::CloseFromSystemMenu());

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link"), -1);
    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"C"), -1);
    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"C"), -1);
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(OptionBoxTest, TheHelpButtonShowsOnlyForAHelpTopic) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    for (int i = 0; i < 3; ++i) {
        AnswerDialog("Link", DialogAnswer::ClickOn("OK"));
    }

    m_box.OptionBox(L"A,B", L"", L"Link", L"", 0);
    m_box.OptionBox(L"A,B", L"", L"Link", L"", -3);
    m_box.OptionBox(L"A,B", L"", L"Link", L"", 1);

    ASSERT_EQ(Watch().Shown().size(), 3u);
    EXPECT_FALSE(Watch().Shown()[0].helpVisible);
    EXPECT_FALSE(Watch().Shown()[1].helpVisible);
    EXPECT_TRUE(Watch().Shown()[2].helpVisible);
}

TEST_F(OptionBoxTest, ACaptionShowsItsFrameAndAnEmptyTitleStaysEmpty) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AnswerDialog("", DialogAnswer::ClickOn("OK"));

    m_box.OptionBox(L"A,B", L"Pick one");

    ASSERT_EQ(Watch().Shown().size(), 1u);
    EXPECT_TRUE(Watch().Shown()[0].captionFrameVisible);
    EXPECT_EQ(Watch().Shown()[0].title, "");
}

TEST_F(OptionBoxTest, TheBoxIsOwnedByTheActiveWindow) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    Form host(L"frmHost");
    host.SetCaption(L"Host");
    host.Show();
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));

    m_box.OptionBox(L"A,B", L"", L"Link");

    ASSERT_EQ(Watch().Shown().size(), 1u);
    EXPECT_EQ(Watch().Shown()[0].owner, static_cast<win::LONG>(host.hWnd()));
    EXPECT_TRUE(win::IsWindowEnabled(host.hWnd()));
}

TEST_F(OptionBoxTest, EachCallShowsAFreshDialogWithOnlyItsOwnChoices) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    AnswerDialog("Link", DialogAnswer::ClickOn("C"));
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));
    AnswerDialog("Link", DialogAnswer::ClickOn("OK"));

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link"), 2);
    EXPECT_EQ(m_box.OptionBox(L"X,Y", L"", L"Link"), 0);

    ASSERT_EQ(Watch().Shown().size(), 2u);
    EXPECT_EQ(ChosenFlags(Watch().Shown()[1]), (std::vector<bool>{false, false}));
    EXPECT_EQ(win::FindWindowExA(0, 0, "zvForm", nullptr), 0);
}

}  // namespace
}  // namespace zv::test
