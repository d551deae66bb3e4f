// Forms saved to their readable text and loaded again: every intrinsic
// control with what it was given, in its container, in tab order.

#include <filesystem>
#include <string>

#include "ErrorNumber.h"
#include "FormsFixture.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"

namespace zv::test {
namespace {

using namespace zv::forms;

void Build(Form& form) {
    form.SetCaption(L"Every control");
    form.SetBorderStyle(BorderStyle::FixedDialog);
    form.SetClientSize(6000, 4000);
    form.SetKeyPreview(true);
    auto label = form.Add<Label>(L"lblTitle");
    label->SetCaption(L"Title \"quoted\"");
    label->SetAlignment(Alignment::Center);
    label->SetBorderStyle(1);
    label->Move(100, 100, 3000, 300);
    auto frame = form.Add<Frame>(L"fraGroup");
    frame->SetCaption(L"&Group");
    frame->Move(100, 500, 3000, 1500);
    auto option = form.Add<OptionButton>(L"optA", frame.get());
    option->SetValue(true);
    option->Move(100, 300, 1200, 255);
    auto check = form.Add<CheckBox>(L"chkB", frame.get());
    check->SetValue(1);
    check->Move(100, 700, 1200, 255);
    auto text = form.Add<TextBox>(L"txtNotes");
    text->SetMultiLine(true);
    text->SetScrollBars(2);
    text->SetText(L"one\r\ntwo");
    text->SetMaxLength(200);
    text->Move(3200, 100, 2600, 1200);
    auto list = form.Add<ListBox>(L"lstItems");
    list->AddItem(L"alpha");
    list->AddItem(L"beta");
    list->SetItemData(1, 7);
    list->Move(3200, 1400, 2600, 900);
    auto combo = form.Add<ComboBox>(L"cboChoice");
    combo->SetStyle(2);
    combo->AddItem(L"red");
    combo->AddItem(L"green");
    combo->SetListIndex(1);
    combo->Move(3200, 2400, 2600, 315);
    auto timer = form.Add<Timer>(L"tmrPoll");
    timer->SetInterval(250);
    auto button = form.Add<CommandButton>(L"cmdGo", nullptr, 0);
    button->SetCaption(L"&Go");
    button->SetDefault(true);
    button->SetToolTipText(L"Start");
    button->SetBackColor(0x00FF0000);
    button->Font()->SetBold(true);
    button->Move(100, 3000, 1200, 450);
    button->SetTabIndex(0);
}

TEST_F(FormsTest, AFormWithEveryIntrinsicControlSurvivesItsTextFile) {
    Form form(L"frmEvery");
    Build(form);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "zvtest_forms_every.frm";
    form.SaveFile(path);

    Form again;
    again.LoadFile(path);
    std::filesystem::remove(path);

    EXPECT_EQ(again.Name(), L"frmEvery");
    EXPECT_EQ(again.Caption(), L"Every control");
    EXPECT_EQ(again.Border(), BorderStyle::FixedDialog);
    EXPECT_TRUE(again.KeyPreview());
    EXPECT_EQ(again.ScaleWidth(), 6000);
    ASSERT_EQ(again.Controls().size(), form.Controls().size());
    EXPECT_EQ(again.Get<Label>(L"lblTitle").Caption(), L"Title \"quoted\"");
    EXPECT_EQ(again.Get<Label>(L"lblTitle").TextAlignment(), Alignment::Center);
    auto& frame = again.Get<Frame>(L"fraGroup");
    EXPECT_EQ(&again.Get<OptionButton>(L"optA").Container(),
              static_cast<ControlContainer*>(&frame));
    EXPECT_TRUE(again.Get<OptionButton>(L"optA").Value());
    EXPECT_EQ(again.Get<CheckBox>(L"chkB").Value(), 1);
    auto* text = &again.Get<TextBox>(L"txtNotes");
    EXPECT_TRUE(text->MultiLine());
    EXPECT_EQ(text->ScrollBars(), 2);
    EXPECT_EQ(text->Text(), L"one\r\ntwo");
    EXPECT_EQ(text->MaxLength(), 200);
    auto* list = &again.Get<ListBox>(L"lstItems");
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->ItemData(1), 7);
    auto* combo = &again.Get<ComboBox>(L"cboChoice");
    EXPECT_EQ(combo->Style(), 2);
    EXPECT_EQ(combo->Text(), L"green");
    EXPECT_EQ(again.Get<Timer>(L"tmrPoll").Interval(), 250);
    auto* button = &again.Get<CommandButton>(L"cmdGo", 0);
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->ToolTipText(), L"Start");
    EXPECT_EQ(button->BackColor(), 0x00FF0000u);
    EXPECT_TRUE(button->Font()->Bold());
    EXPECT_EQ(button->TabIndex(), 0);
    EXPECT_EQ(button->Left(), 100);
    EXPECT_EQ(button->Height(), 450);

    // And the same text again: nothing lost or added on the way.
    PropertyBag first(L"Form", L"frmEvery");
    PropertyBag second(L"Form", L"frmEvery");
    form.WriteTo(first);
    again.WriteTo(second);
    EXPECT_EQ(WriteFormText(second), WriteFormText(first));
}

TEST_F(FormsTest, UnknownControlTypesInAFileAreSkipped) {
    const std::unique_ptr<PropertyBag> bag = ReadFormText(
        L"Begin Form frmOdd\r\n"
        L"   Begin Gadget gdg1\r\n"
        L"      Left = 10\r\n"
        L"   End\r\n"
        L"   Begin Label lbl1\r\n"
        L"      Caption = \"kept\"\r\n"
        L"   End\r\n"
        L"End\r\n");
    Form form;
    form.ReadFrom(*bag);
    ASSERT_EQ(form.Controls().size(), 1u);
    EXPECT_EQ(form.Get<Label>(L"lbl1").Caption(), L"kept");
}

TEST_F(FormsTest, NumbersBeyondTheirTypeInAFileAreBadValues) {
    const wchar_t* const bodies[] = {
        L"Begin Line lin1\r\nX1 = -2000000000\r\nX2 = 2000000000\r\nEnd\r\n",
        L"Begin Line lin1\r\nY2 = -1e300\r\nEnd\r\n",
        L"Begin Label lbl1\r\nTabIndex = 1e300\r\nEnd\r\n",
        L"Begin Label lbl1\r\nLeft = 2000000000\r\nWidth = 2000000000\r\nEnd\r\n",
    };
    for (const wchar_t* body : bodies) {
        const auto bag = ReadFormText(L"Begin Form frmHuge\r\n" + std::wstring(body) + L"End\r\n");
        Form form;
        EXPECT_EQ(ErrorNumberOf([&] { form.ReadFrom(*bag); }), 380) << body;
    }
}

TEST_F(FormsTest, BadPropertyValuesAreRefused) {
    Form form;
    auto label = form.Add<Label>(L"lbl");
    EXPECT_EQ(ErrorNumberOf([&] { label->Move(0, 0, -1, 10); }), 380);
    EXPECT_EQ(ErrorNumberOf([&] { label->SetBorderStyle(2); }), 380);
    auto check = form.Add<CheckBox>(L"chk");
    EXPECT_EQ(ErrorNumberOf([&] { check->SetValue(3); }), 380);
    auto text = form.Add<TextBox>(L"txt");
    EXPECT_EQ(ErrorNumberOf([&] { text->SetScrollBars(4); }), 380);
    EXPECT_EQ(ErrorNumberOf([&] { text->SetPasswordChar(L"**"); }), 380);
    form.Load();
    EXPECT_EQ(ErrorNumberOf([&] { text->SetMultiLine(true); }), 382);
}

}  // namespace
}  // namespace zv::test
