// The keyboard interface of forms: Tab order across containers, option
// groups, access keys, key events that a handler may swallow.

#include <string>
#include <vector>

#include "ErrorNumber.h"
#include "FormsFixture.h"
#include "platform/driver/Driver.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;

class FormKeyboard : public FormsTest {
  protected:
    void SetUp() override {
        FormsTest::SetUp();
        ZV_REQUIRES_HEADLESS("the scripted user");
        label = form.Add<Label>(L"lblName");
        label->SetCaption(L"&Name:");
        box = form.Add<TextBox>(L"txtName");
        box->Move(1000, 100, 2000, 300);
        remember = form.Add<CheckBox>(L"chkRemember");
        remember->SetCaption(L"&Remember");
        remember->Move(100, 500, 2000, 255);
        frame = form.Add<Frame>(L"fraLink");
        frame->Move(100, 900, 3000, 1200);
        first = form.Add<OptionButton>(L"optFirst", frame.get());
        first->Move(100, 300, 1500, 255);
        second = form.Add<OptionButton>(L"optSecond", frame.get());
        second->Move(100, 700, 1500, 255);
        ok = form.Add<CommandButton>(L"cmdOK");
        ok->Move(100, 2300, 1200, 400);
        form.Show();
    }

    // What has the focus, by the control's name.
    std::wstring Focused() const {
        const Control* active = form.ActiveControl();
        return active != nullptr ? active->Name() : L"(none)";
    }

    // A key pressed and released (with Alt held): what has the focus then.
    std::wstring Press(int vk) const {
        driver::PressKey(vk);
        driver::ReleaseKey(vk);
        return Focused();
    }

    std::wstring PressWithAlt(int vk) const {
        driver::PressKey(win::VK_MENU);
        Press(vk);
        driver::ReleaseKey(win::VK_MENU);
        return Focused();
    }

    Form form{L"frmKeys"};
    std::shared_ptr<Label> label;
    std::shared_ptr<TextBox> box;
    std::shared_ptr<CheckBox> remember;
    std::shared_ptr<Frame> frame;
    std::shared_ptr<OptionButton> first;
    std::shared_ptr<OptionButton> second;
    std::shared_ptr<CommandButton> ok;
};

TEST_F(FormKeyboard, TheFirstControlInTabOrderHasTheFocusAndTabWalksTheOrder) {
    EXPECT_EQ(Focused(), L"txtName");  // the label cannot have it
    std::vector<std::wstring> visited;
    for (int step = 0; step < 5; ++step) {
        visited.push_back(Press(win::VK_TAB));
    }
    EXPECT_EQ(visited, (std::vector<std::wstring>{L"chkRemember", L"optFirst", L"optSecond",
                                                  L"cmdOK", L"txtName"}));
    {
        const driver::TypeAhead typedAhead;  // Shift is up again before Tab is read
        driver::PressKey(win::VK_SHIFT);
        Press(win::VK_TAB);
        driver::ReleaseKey(win::VK_SHIFT);
    }
    EXPECT_EQ(Focused(), L"cmdOK");
}

TEST_F(FormKeyboard, TabIndexMovesAControlAndTheOthersMoveAlong) {
    ok->SetTabIndex(0);
    EXPECT_EQ(ok->TabIndex(), 0);
    EXPECT_EQ(label->TabIndex(), 1);
    EXPECT_EQ(box->TabIndex(), 2);
    remember->SetTabStop(false);
    box->SetFocus();
    EXPECT_EQ(Press(win::VK_TAB), L"optFirst");
    EXPECT_EQ(ErrorNumberOf([&] { ok->SetTabIndex(-1); }), 380);
}

TEST_F(FormKeyboard, TabEntersAnOptionGroupAtTheChosenOptionAndArrowsMoveTheChoice) {
    second->SetValue(true);
    remember->SetFocus();
    EXPECT_EQ(Press(win::VK_TAB), L"optSecond");
    int clicks = 0;
    first->Click.Connect([&] { ++clicks; });
    EXPECT_EQ(Press(win::VK_UP), L"optFirst");
    EXPECT_TRUE(first->Value());
    EXPECT_FALSE(second->Value());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Press(win::VK_TAB), L"cmdOK");
}

TEST_F(FormKeyboard, AccessKeysActOnTheirControlAndALabelsFocusesTheNextOne) {
    ok->SetFocus();
    PressWithAlt('R');
    EXPECT_EQ(remember->Value(), 1);
    EXPECT_EQ(Focused(), L"chkRemember");
    EXPECT_EQ(PressWithAlt('N'), L"txtName");
}

TEST_F(FormKeyboard, AKeyDownHandlerMaySwallowTheKeyAndKeyPreviewHearsItFirst) {
    std::vector<std::wstring> heard;
    form.SetKeyPreview(true);
    form.KeyDown.Connect(
        [&](std::int16_t& key, std::int16_t) { heard.push_back(L"form " + std::to_wstring(key)); });
    box->KeyDown.Connect([&](std::int16_t& key, std::int16_t shift) {
        heard.push_back(L"box " + std::to_wstring(key) + L" " + std::to_wstring(shift));
        if (key == 'X') {
            key = 0;
        }
    });
    box->KeyPress.Connect([&](std::int16_t& ascii) {
        if (ascii == 'b') {
            ascii = 'B';
        }
    });
    box->SetText(L"");
    box->SetFocus();

    driver::TypeText("abX");

    EXPECT_EQ(box->Text(), L"aB");
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"form 65", L"box 65 0", L"form 66", L"box 66 0",
                                                L"form 16", L"box 16 1", L"form 88", L"box 88 1"}));
}

TEST_F(FormKeyboard, FocusEventsFollowTheFocus) {
    std::vector<std::wstring> heard;
    box->LostFocus.Connect([&] { heard.push_back(L"box lost"); });
    remember->GotFocus.Connect([&] { heard.push_back(L"remember got"); });
    Press(win::VK_TAB);
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"box lost", L"remember got"}));
    EXPECT_EQ(ErrorNumberOf([&] { label->SetFocus(); }), 5);
}

}  // namespace
}  // namespace zv::test
