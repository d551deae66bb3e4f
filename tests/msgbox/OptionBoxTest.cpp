// The option box as a host and its user meet it: what the dialog shows when
// it comes up (read as it is activated) and what each way of leaving it
// returns.

#include <string>
#include <vector>

#include "DialogTest.h"
#include "msgbox/IOptionBox.h"
#include "msgbox/frmRadioOptions.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Frame.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using driver::DialogAnswer;

struct ShownOption {
    std::wstring caption;
    bool chosen;
    bool visible;
};

// What an option box showed as it came up.
struct ShownBox : ShownDialog {
    bool helpVisible = false;
    bool captionFrameVisible = false;
    std::vector<ShownOption> options;
};

std::vector<bool> ChosenFlags(const ShownBox& box) {
    std::vector<bool> flags;
    for (const ShownOption& option : box.options) {
        flags.push_back(option.chosen);
    }
    return flags;
}

class OptionBoxTest : public DialogTest<frmRadioOptions, ShownBox> {
  protected:
    void Read(const frmRadioOptions& box, ShownBox& shown) override {
        shown.helpVisible = box.Get<CommandButton>(L"cmdHelp").Visible();
        shown.captionFrameVisible = box.Get<Frame>(L"fraCaption").Visible();
        for (std::int16_t i = 0; box.Find<OptionButton>(L"opt", i) != nullptr; ++i) {
            const auto& option = box.Get<OptionButton>(L"opt", i);
            shown.options.push_back({option.Caption(), option.Value(), option.Visible()});
        }
    }

    // The user clicks on these, in order, in the boxes titled "Link".
    static void ClickOn(std::initializer_list<const char*> captions) {
        for (const char* caption : captions) {
            driver::AnswerDialog("Link", DialogAnswer::ClickOn(caption));
        }
    }

    IOptionBox m_box;
};

// The cases the scripted user answers.
class OptionBoxAnswered : public OptionBoxTest {
  protected:
    void SetUp() override {
        OptionBoxTest::SetUp();
        ZV_REQUIRES_HEADLESS("the scripted user");
    }
};

TEST_F(OptionBoxTest, NoChoicesOrTooManyReturnMinusTwoAndShowNothing) {
    EXPECT_EQ(m_box.OptionBox(L"", L"Pick one", L"Link"), -2);
    // Choices past 32,767 would not fit the result.
    std::wstring tooMany;
    for (int i = 0; i < 32768; ++i) {
        tooMany += L"a,";
    }
    EXPECT_EQ(m_box.OptionBox(tooMany + L"a", L"Pick one", L"Link"), -2);
    EXPECT_TRUE(AllShown().empty());
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(OptionBoxAnswered, ChoicesWithoutCaptionShowOneVisibleOptionEachNoneChosen) {
    ClickOn({"OK"});

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link"), 0);

    ASSERT_EQ(AllShown().size(), 1u);
    const ShownBox& shown = AllShown()[0];
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

// It must match a choice's case and whole text.
TEST_F(OptionBoxAnswered, TheDefaultChoiceIsChosenAtTheStartAndOkReturnsIt) {
    ClickOn({"OK", "OK", "OK"});

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"B"), 1);
    EXPECT_EQ(m_box.OptionBox(L"A,B", L"", L"Link", L"b"), 0);
    EXPECT_EQ(m_box.OptionBox(L"Serial,Serial port", L"", L"Link", L"Serial port"), 1);

    ASSERT_EQ(AllShown().size(), 3u);
    EXPECT_EQ(ChosenFlags(AllShown()[0]), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(ChosenFlags(AllShown()[1]), (std::vector<bool>{false, false}));
    EXPECT_EQ(ChosenFlags(AllShown()[2]), (std::vector<bool>{false, true}));
}

TEST_F(OptionBoxAnswered, TheChoiceTheUserMakesIsReturnedByOkOrEnter) {
    ClickOn({"C", "OK", "A"});
    Answer("Link", {DialogAnswer::Press(win::VK_RETURN)});

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"B"), 2);
    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"B"), 0);
}

TEST_F(OptionBoxAnswered, CancelEscapeAndClosingReturnMinusOneEvenWithAChoiceMade) {
    ClickOn({"B", "Cancel"});
    Answer("Link", {DialogAnswer::Press(win::VK_ESCAPE), DialogAnswer::CloseFromSystemMenu()});

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link"), -1);
    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"C"), -1);
    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link", L"C"), -1);
    EXPECT_TRUE(driver::TakeScriptProblems().empty());
}

TEST_F(OptionBoxAnswered, TheHelpButtonShowsOnlyForAHelpTopic) {
    ClickOn({"OK", "OK", "OK"});

    m_box.OptionBox(L"A,B", L"", L"Link", L"", 0);
    m_box.OptionBox(L"A,B", L"", L"Link", L"", -3);
    m_box.OptionBox(L"A,B", L"", L"Link", L"", 1);

    ASSERT_EQ(AllShown().size(), 3u);
    EXPECT_FALSE(AllShown()[0].helpVisible);
    EXPECT_FALSE(AllShown()[1].helpVisible);
    EXPECT_TRUE(AllShown()[2].helpVisible);
}

TEST_F(OptionBoxAnswered, ACaptionShowsItsFrameAndAnEmptyTitleStaysEmpty) {
    driver::AnswerDialog("", DialogAnswer::ClickOn("OK"));

    m_box.OptionBox(L"A,B", L"Pick one");

    ASSERT_EQ(AllShown().size(), 1u);
    EXPECT_TRUE(AllShown()[0].captionFrameVisible);
    EXPECT_EQ(AllShown()[0].title, "");
}

TEST_F(OptionBoxAnswered, TheBoxIsOwnedByTheActiveWindowWhichIsActiveAgainAfterIt) {
    Form host(L"frmHost");
    host.SetCaption(L"Host");
    host.Add<TextBox>(L"txtFirst");
    const auto second = host.Add<TextBox>(L"txtSecond");
    host.Show();
    second->SetFocus();
    ClickOn({"OK"});

    m_box.OptionBox(L"A,B", L"", L"Link");

    ASSERT_EQ(AllShown().size(), 1u);
    EXPECT_EQ(AllShown()[0].owner, static_cast<win::LONG>(host.hWnd()));
    EXPECT_TRUE(win::IsWindowEnabled(host.hWnd()));
    // Activation and focus come back to the owner.
    EXPECT_EQ(win::GetActiveWindow(), host.hWnd());
    EXPECT_EQ(win::GetFocus(), second->hWnd());
}

TEST_F(OptionBoxAnswered, EachCallShowsAFreshDialogWithOnlyItsOwnChoices) {
    ClickOn({"C", "OK", "OK"});

    EXPECT_EQ(m_box.OptionBox(L"A,B,C", L"", L"Link"), 2);
    EXPECT_EQ(m_box.OptionBox(L"X,Y", L"", L"Link"), 0);

    ASSERT_EQ(AllShown().size(), 2u);
    EXPECT_EQ(ChosenFlags(AllShown()[1]), (std::vector<bool>{false, false}));
    EXPECT_EQ(win::FindWindowExA(0, 0, "zvForm", nullptr), 0);
}

}  // namespace
}  // namespace zv::test
