// Forms and their controls as a person meets them: shown modally and
// answered, clicked, closed; events with their arguments; control arrays;
// timers; user controls.

#include <string>
#include <vector>

#include "ErrorNumber.h"
#include "FormsFixture.h"
#include "WindowFacts.h"
#include "platform/automation/Application.h"
#include "platform/driver/Driver.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/forms/UserControl.h"
#include "platform/win/GdiApi.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::forms;
using driver::AnswerDialog;
using driver::DialogAnswer;

// A small sign-in form: a label and its box, a check box, two options in a
// frame, OK (default) and Cancel (cancel), each hiding the form.
struct SignIn {
    Form form{L"frmSignIn"};
    std::shared_ptr<Label> nameLabel;
    std::shared_ptr<TextBox> name;
    std::shared_ptr<CheckBox> remember;
    std::shared_ptr<Frame> link;
    std::shared_ptr<OptionButton> serial;
    std::shared_ptr<OptionButton> network;
    std::shared_ptr<CommandButton> ok;
    std::shared_ptr<CommandButton> cancel;
    std::wstring pressed;

    SignIn() {
        form.SetCaption(L"Sign in");
        form.SetClientSize(4500, 3000);
        form.SetStartUpPosition(StartUpPosition::CenterScreen);
        nameLabel = form.Add<Label>(L"lblName");
        nameLabel->SetCaption(L"&Name:");
        nameLabel->Move(120, 150, 900, 255);
        name = form.Add<TextBox>(L"txtName");
        name->Move(1080, 120, 3000, 315);
        name->SetText(L"");
        remember = form.Add<CheckBox>(L"chkRemember");
        remember->SetCaption(L"&Remember me");
        remember->Move(120, 600, 2400, 255);
        link = form.Add<Frame>(L"fraLink");
        link->SetCaption(L"Link");
        link->Move(120, 960, 3000, 1080);
        serial = form.Add<OptionButton>(L"optSerial", link.get());
        serial->SetCaption(L"&Serial");
        serial->Move(120, 300, 1200, 255);
        serial->SetValue(true);
        network = form.Add<OptionButton>(L"optNetwork", link.get());
        network->SetCaption(L"Ne&twork");
        network->Move(120, 660, 1200, 255);
        ok = form.Add<CommandButton>(L"cmdOK");
        ok->SetCaption(L"OK");
        ok->Move(1800, 2280, 1215, 495);
        ok->SetDefault(true);
        cancel = form.Add<CommandButton>(L"cmdCancel");
        cancel->SetCaption(L"Cancel");
        cancel->Move(3120, 2280, 1215, 495);
        cancel->SetCancel(true);
        ok->Click.Connect([this] { Close(L"OK"); });
        cancel->Click.Connect([this] { Close(L"Cancel"); });
    }

    void Close(const std::wstring& button) {
        pressed = button;
        form.Hide();
    }
};

TEST_F(FormsTest, AModalFormIsAnsweredTheWayAPersonWould) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    SignIn dialog;
    AnswerDialog("Sign in", DialogAnswer::TypeInto("Name:", "Ada"));
    AnswerDialog("Sign in", DialogAnswer::ClickOn("Remember me"));
    AnswerDialog("Sign in", DialogAnswer::ClickOn("Network"));
    AnswerDialog("Sign in", DialogAnswer::ClickOn("OK"));

    dialog.form.Show(FormShow::Modal);

    EXPECT_EQ(dialog.pressed, L"OK");
    EXPECT_FALSE(dialog.form.Visible());
    EXPECT_TRUE(dialog.form.IsLoaded());
    EXPECT_EQ(dialog.name->Text(), L"Ada");
    EXPECT_EQ(dialog.remember->Value(), 1);
    EXPECT_TRUE(dialog.network->Value());
    EXPECT_FALSE(dialog.serial->Value());
}

TEST_F(FormsTest, AGreyedCheckBoxShowsSoAndAClickChecksIt) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    SignIn dialog;
    dialog.remember->SetValue(2);
    int clicks = 0;
    dialog.remember->Click.Connect([&] { ++clicks; });
    std::vector<win::LRESULT> shown;
    dialog.ok->Click.Connect([&] {
        shown.push_back(win::SendMessageA(dialog.remember->hWnd(), win::BM_GETCHECK, 0, 0));
    });
    AnswerDialog("Sign in", DialogAnswer::ClickOn("OK"));
    AnswerDialog("Sign in", DialogAnswer::ClickOn("Remember me"));
    AnswerDialog("Sign in", DialogAnswer::ClickOn("OK"));

    dialog.form.Show(FormShow::Modal);
    EXPECT_EQ(shown.front(), static_cast<win::LRESULT>(win::BST_INDETERMINATE));
    dialog.form.Show(FormShow::Modal);

    EXPECT_EQ(dialog.remember->Value(), 1);
    EXPECT_EQ(shown.back(), static_cast<win::LRESULT>(win::BST_CHECKED));
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    SignIn first;
    AnswerDialog("Sign in", DialogAnswer::Press(win::VK_RETURN));
    first.form.Show(FormShow::Modal);
    EXPECT_EQ(first.pressed, L"OK");

    first.pressed.clear();
    AnswerDialog("Sign in", DialogAnswer::Press(win::VK_ESCAPE));
    first.form.Show(FormShow::Modal);
    EXPECT_EQ(first.pressed, L"Cancel");
}

TEST_F(FormsTest, AModalFormDisablesTheOtherFormsUntilItHidesAndTheOwnerIsActiveAgain) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    Form main(L"frmMain");
    main.SetCaption(L"Main");
    main.Show();
    SignIn dialog;
    bool mainEnabledMeanwhile = true;
    dialog.ok->MouseDown.Connect([&](std::int16_t, std::int16_t, float, float) {
        mainEnabledMeanwhile = win::IsWindowEnabled(main.hWnd());
    });
    AnswerDialog("Sign in", DialogAnswer::ClickOn("OK"));

    dialog.form.Show(FormShow::Modal, &main);

    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_TRUE(win::IsWindowEnabled(main.hWnd()));
    EXPECT_EQ(win::GetActiveWindow(), main.hWnd());  // enabled before the form hid
    EXPECT_EQ(win::GetWindowLongA(dialog.form.hWnd(), win::GWL_HWNDPARENT),
              static_cast<win::LONG>(main.hWnd()));
}

// Hosts give their own windows as owners: the form is owned by the window
// and centred over it.
TEST_F(FormsTest, AFormCentresOverAnOwnerWindowThatIsNoForm) {
    const win::HWND host = CreateRecorder("host", win::WS_POPUP | win::WS_VISIBLE);
    win::MoveWindow(host, 100, 100, 400, 300, win::TRUE);
    Form form(L"frmOwned");
    form.SetStartUpPosition(StartUpPosition::CenterOwner);
    form.Move(0, 0, TwipsX(200), TwipsY(100));

    form.Show(FormShow::Modeless, host);

    EXPECT_EQ(win::GetWindowLongA(form.hWnd(), win::GWL_HWNDPARENT), static_cast<win::LONG>(host));
    EXPECT_EQ(WindowRectOf(form.hWnd()).left, 100 + (400 - 200) / 2);
    EXPECT_EQ(WindowRectOf(form.hWnd()).top, 100 + (300 - 100) / 2);
}

TEST_F(FormsTest, AModalFormNobodyAnswersFailsByNameInsteadOfHanging) {
    ZV_REQUIRES_HEADLESS("the scripted user, whose modal loops end when nothing is left to do");
    SignIn dialog;
    dialog.form.Show(FormShow::Modal);

    const std::vector<std::string> problems = driver::TakeScriptProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("'Sign in'"), std::string::npos);
    EXPECT_FALSE(dialog.form.Visible());
}

TEST_F(FormsTest, ClosingFromTheSystemMenuAsksQueryUnloadWhichMayRefuse) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    SignIn dialog;
    std::vector<std::wstring> heard;
    std::int16_t refuse = 1;
    dialog.form.QueryUnload.Connect([&](std::int16_t& cancel, std::int16_t mode) {
        heard.push_back(L"QueryUnload " + std::to_wstring(mode));
        cancel = refuse;
    });
    dialog.form.OnUnload.Connect([&](std::int16_t&) { heard.push_back(L"Unload"); });
    AnswerDialog("Sign in", DialogAnswer::CloseFromSystemMenu());
    AnswerDialog("Sign in", DialogAnswer::CloseFromSystemMenu());
    dialog.form.QueryUnload.Connect([&](std::int16_t&, std::int16_t) { refuse = 0; });

    dialog.form.Show(FormShow::Modal);

    EXPECT_EQ(heard, (std::vector<std::wstring>{L"QueryUnload 0", L"QueryUnload 0", L"Unload"}));
    EXPECT_FALSE(dialog.form.IsLoaded());
    // The controls stay: the form loads again with them.
    dialog.form.Show();
    EXPECT_NE(dialog.ok->hWnd(), 0);
}

TEST_F(FormsTest, LoadRaisesLoadOnceAndMakesTheControlsWindowsAndAShownFormIsNoModalOne) {
    SignIn dialog;
    int loads = 0;
    dialog.form.OnLoad.Connect([&] { ++loads; });
    EXPECT_EQ(dialog.ok->hWnd(), 0);
    dialog.form.Load();
    dialog.form.Load();
    EXPECT_EQ(loads, 1);
    EXPECT_NE(dialog.ok->hWnd(), 0);
    EXPECT_EQ(win::GetParent(dialog.serial->hWnd()), dialog.link->hWnd());
    EXPECT_EQ(dialog.nameLabel->hWnd(), 0);  // labels have no window
    EXPECT_EQ(EdgesOf(ClientRectOf(dialog.form.hWnd())),
              (Edges{0, 0, PixelsX(4500), PixelsY(3000)}));
    EXPECT_EQ(dialog.form.ScaleWidth(), 4500);

    // Showing a visible form modally is an error.
    dialog.form.Show();
    EXPECT_EQ(ErrorNumberOf([&] { dialog.form.Show(FormShow::Modal); }), 400);
}

TEST_F(FormsTest, AClickOnALabelReachesItWithTheMouseInTwips) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    SignIn dialog;
    dialog.form.Move(0, 0, 6000, 4500);
    dialog.form.Show();
    std::vector<float> downAt;
    int clicks = 0;
    dialog.nameLabel->MouseDown.Connect([&](std::int16_t button, std::int16_t, float x, float y) {
        downAt = {static_cast<float>(button), x, y};
    });
    dialog.nameLabel->Click.Connect([&] { ++clicks; });
    win::POINT origin{0, 0};
    win::ClientToScreen(dialog.form.hWnd(), &origin);

    driver::Click(origin.x + PixelsX(120) + 3, origin.y + PixelsY(150) + 2);

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downAt, (std::vector<float>{1.0f, 45.0f, 30.0f}));
}

TEST_F(FormsTest, TheApplicationPointerShowsOverForms) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    SignIn dialog;
    dialog.form.Show();
    const win::RECT rect = WindowRectOf(dialog.ok->hWnd());
    App().SetMousePointer(mouse_pointer::kHourglass);
    driver::MoveMouse(rect.left + 5, rect.top + 5);
    EXPECT_EQ(win::GetCursor(), win::LoadCursorA(0, reinterpret_cast<win::LPCSTR>(win::IDC_WAIT)));
    App().SetMousePointer(mouse_pointer::kDefault);
}

// Resize follows Activate: the platform sizes a window for the first time
// at the end of its first showing.
TEST_F(FormsTest, ShowingRaisesLoadActivateResizeAndPaintAndAnotherFormDeactivatesIt) {
    Form form(L"frmEvents");
    form.SetCaption(L"Events");
    std::vector<std::wstring> heard;
    form.OnLoad.Connect([&] { heard.push_back(L"Load"); });
    form.Activate.Connect([&] { heard.push_back(L"Activate"); });
    form.Deactivate.Connect([&] { heard.push_back(L"Deactivate"); });
    form.Resize.Connect([&] { heard.push_back(L"Resize"); });
    form.Paint.Connect([&] {
        heard.push_back(L"Paint");
        EXPECT_NE(form.hDC(), 0);
    });

    form.Show();
    LetPendingMessagesRun();
    Form other(L"frmOther");
    other.Show();

    EXPECT_EQ(heard, (std::vector<std::wstring>{L"Load", L"Activate", L"Resize", L"Paint",
                                                L"Deactivate"}));
    EXPECT_EQ(form.hDC(), 0);  // only while painting
}

TEST_F(FormsTest, TextIsMeasuredInTheFormsFontInTwips) {
    Form form(L"frmText");
    form.Font()->SetName(L"Tahoma");
    const win::HDC dc = win::GetDC(0);
    const win::HGDIOBJ old = win::SelectObject(dc, form.Font()->Handle());
    win::SIZE one{};
    win::GetTextExtentPoint32A(dc, "Upload", 6, &one);
    win::SelectObject(dc, old);
    win::ReleaseDC(0, dc);

    EXPECT_EQ(form.TextWidth(L"Upload"), TwipsX(one.cx));
    EXPECT_EQ(form.TextHeight(L"Upload"), TwipsY(one.cy));
    EXPECT_EQ(form.TextWidth(L"Upload\nUp"), TwipsX(one.cx));  // the longest line
    EXPECT_EQ(form.TextHeight(L"Upload\nUp"), 2 * TwipsY(one.cy));
    EXPECT_EQ(form.TextHeight(L""), TwipsY(one.cy));
    form.Font()->SetBold(true);
    EXPECT_GT(form.TextWidth(L"Upload"), TwipsX(one.cx));
}

TEST_F(FormsTest, TheFrontWindowlessControlTakesTheClickAndZOrderChangesWhichIsInFront) {
    ZV_REQUIRES_HEADLESS("the scripted user");
    Form form(L"frmStack");
    form.Move(0, 0, 6000, 4500);
    auto back = form.Add<Label>(L"lblBack");
    back->Move(0, 0, 1500, 600);
    auto front = form.Add<Label>(L"lblFront");
    front->Move(0, 0, 1500, 600);
    front->ZOrder(0);
    form.Show();
    std::vector<std::wstring> clicked;
    back->Click.Connect([&] { clicked.push_back(L"back"); });
    front->Click.Connect([&] { clicked.push_back(L"front"); });
    back->DblClick.Connect([&] { clicked.push_back(L"back twice"); });
    win::POINT origin{0, 0};
    win::ClientToScreen(form.hWnd(), &origin);

    driver::Click(origin.x + 10, origin.y + 10);
    front->ZOrder(1);
    driver::AdvanceClock(1000);
    driver::Click(origin.x + 10, origin.y + 10);
    driver::Click(origin.x + 10, origin.y + 10);

    EXPECT_EQ(clicked, (std::vector<std::wstring>{L"front", L"back", L"back twice"}));
}

TEST_F(FormsTest, ControlArraysGrowAsCopiesOfTheirFirstMemberAndShrink) {
    Form form(L"frmArray");
    auto first = form.Add<CommandButton>(L"cmdStep", nullptr, 0);
    first->SetCaption(L"Step");
    first->SetTag(L"steps");
    form.Load();

    auto second = form.LoadArrayMember(L"cmdStep", 1);
    auto* copy = dynamic_cast<CommandButton*>(second.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption(), L"Step");
    EXPECT_EQ(copy->Tag(), L"steps");
    EXPECT_EQ(copy->Index(), 1);
    EXPECT_FALSE(copy->Visible());
    EXPECT_NE(copy->hWnd(), 0);
    EXPECT_EQ(&form.Get<CommandButton>(L"CMDSTEP", 1), copy);
    EXPECT_EQ(ErrorNumberOf([&] { form.LoadArrayMember(L"cmdStep", 1); }), 360);
    EXPECT_EQ(ErrorNumberOf([&] { form.LoadArrayMember(L"cmdNone", 1); }), 340);

    const win::HWND gone = copy->hWnd();
    form.Remove(*copy);
    EXPECT_EQ(form.Find(L"cmdStep", 1), nullptr);
    EXPECT_FALSE(win::IsWindow(gone));
}

TEST_F(FormsTest, ATimerTicksOnTheFormWhileEnabled) {
    ZV_REQUIRES_HEADLESS("the virtual clock");
    Form form(L"frmTick");
    auto timer = form.Add<Timer>(L"tmrPoll");
    timer->SetInterval(100);
    int ticks = 0;
    timer->OnTimer.Connect([&] { ++ticks; });
    driver::AdvanceClock(500);
    EXPECT_EQ(ticks, 0);  // not loaded yet

    form.Load();
    driver::AdvanceClock(350);
    EXPECT_EQ(ticks, 3);
    timer->SetEnabled(false);
    driver::AdvanceClock(300);
    EXPECT_EQ(ticks, 3);
    timer->SetEnabled(true);
    timer->SetInterval(0);
    driver::AdvanceClock(300);
    EXPECT_EQ(ticks, 3);
}

TEST_F(FormsTest, ListsKeepTheirItemsSortedAndTellOfTheUsersChoice) {
    Form form(L"frmLists");
    auto list = form.Add<ListBox>(L"lstDevices");
    list->SetSorted(true);
    list->AddItem(L"panel");
    list->AddItem(L"Amplifier");
    list->AddItem(L"keypad");
    EXPECT_EQ(list->NewIndex(), 1);
    list->SetItemData(1, 42);
    EXPECT_EQ(list->List(0), L"Amplifier");
    EXPECT_EQ(list->List(2), L"panel");
    list->AddItem(L"key-pad");  // as the system sorts: after its hyphenless twin
    EXPECT_EQ(list->NewIndex(), 2);
    list->RemoveItem(2);
    EXPECT_EQ(ErrorNumberOf([&] { list->RemoveItem(3); }), 381);
    EXPECT_EQ(ErrorNumberOf([&] { list->SetListIndex(5); }), 380);
    list->Move(120, 120, 2400, 1200);
    form.Show();
    int clicks = 0;
    list->Click.Connect([&] { ++clicks; });
    list->SetListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list->Text(), L"keypad");
    EXPECT_EQ(list->ItemData(list->ListIndex()), 42);
    EXPECT_EQ(ErrorNumberOf([&] { list->SetSorted(false); }), 382);

    auto combo = form.Add<ComboBox>(L"cboPort");
    combo->Move(120, 1500, 2400, 315);
    EXPECT_EQ(ErrorNumberOf([&] { combo->SetStyle(2); }), 382);  // its window is made
    combo->AddItem(L"COM1");
    combo->AddItem(L"COM2");
    combo->SetText(L"COM9");
    EXPECT_EQ(combo->Text(), L"COM9");
    combo->SetListIndex(1);
    EXPECT_EQ(combo->Text(), L"COM2");
}

// A user control of the kind the library builds its controls on: a
// caption of its own persisted with a default, a label inside.
class Badge : public UserControl {
  public:
    Badge(Form& form, std::wstring name, std::int16_t index)
        : UserControl(form, std::move(name), index, 1500, 600) {}
    std::wstring TypeName() const override { return L"Badge"; }

    const std::wstring& Text() const { return m_text; }
    void SetText(std::wstring text) {
        m_text = std::move(text);
        if (m_label) {
            m_label->SetCaption(m_text);
        }
        PropertyChanged(L"Text");
    }
    std::shared_ptr<Label> m_label;
    std::vector<std::wstring> calls;

  protected:
    void Initialize() override {
        m_label = Parent().Add<Label>(Name() + L"_text", this);
        calls.push_back(L"Initialize");
    }
    void InitProperties() override {
        calls.push_back(L"InitProperties");
        SetText(L"new");
    }
    void ReadUserProperties(const PropertyBag& bag) override {
        calls.push_back(L"ReadProperties");
        SetText(bag.ReadProperty(L"Text", L"new").ToText());
    }
    void WriteUserProperties(PropertyBag& bag) const override {
        bag.WriteProperty(L"Text", m_text, L"new");
    }

  private:
    std::wstring m_text;
};

TEST_F(FormsTest, AUserControlPersistsWhatItChoosesAndHoldsItsOwnControls) {
    Form form(L"frmHost");
    form.Font()->SetName(L"Tahoma");
    auto badge = form.Add<Badge>(L"badge1");
    EXPECT_EQ(badge->calls, (std::vector<std::wstring>{L"Initialize", L"InitProperties"}));
    EXPECT_TRUE(badge->HasChanges());
    EXPECT_EQ(&badge->m_label->Container(), static_cast<ControlContainer*>(badge.get()));
    EXPECT_EQ(badge->Ambient().font->Name(), L"Tahoma");
    EXPECT_EQ(badge->Ambient().displayName, L"badge1");
    badge->SetText(L"Online");

    PropertyBag bag(L"Form", L"frmHost");
    form.WriteTo(bag);
    ASSERT_EQ(bag.Children().size(), 1u);  // the label inside is the badge's own
    EXPECT_EQ(bag.Children()[0]->ReadProperty(L"Text").ToText(), L"Online");

    RegisterControlType<Badge>(L"Badge");
    Form again(L"frmHost");
    again.ReadFrom(bag);
    auto* loaded = &again.Get<Badge>(L"badge1");
    EXPECT_EQ(loaded->calls, (std::vector<std::wstring>{L"Initialize", L"ReadProperties"}));
    EXPECT_EQ(loaded->Text(), L"Online");
    EXPECT_EQ(loaded->m_label->Caption(), L"Online");
    EXPECT_FALSE(loaded->HasChanges());
}

}  // namespace
}  // namespace zv::test
