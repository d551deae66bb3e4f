// Forms: a settings form with every intrinsic control is shown modally and
// answered by the scripted user, saved to its readable text file
// (forms.frm), loaded into a new form and left as a picture (forms.png).

#include <string>

#include "DemoPictures.h"
#include "Scenes.h"
#include "platform/automation/AutomationError.h"
#include "platform/driver/Driver.h"
#include "platform/driver/ScriptedForms.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Shape.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/MessagePump.h"

namespace zvdemo {

namespace {

using namespace zv::forms;
using zv::driver::AnswerDialog;
using zv::driver::DialogAnswer;
using zv::driver::LetScriptFindBoxesByLabel;

template <typename T>
std::shared_ptr<T> Place(Form& form, const wchar_t* name, std::int32_t left, std::int32_t top,
                         std::int32_t width, std::int32_t height,
                         ControlContainer* container = nullptr) {
    auto control = form.Add<T>(name, container);
    control->Move(left, top, width, height);
    return control;
}

// A 32 by 32 picture of a touch panel: a dark frame, a blue screen, a
// green light.
std::shared_ptr<zv::Picture> PanelPicture() {
    using zv::win::RECT;
    using zv::win::RGB;
    return FilledPicture(32, 32,
                         {{RECT{0, 0, 32, 32}, RGB(212, 208, 200)},
                          {RECT{2, 4, 30, 28}, RGB(40, 40, 48)},
                          {RECT{5, 7, 27, 22}, RGB(60, 120, 220)},
                          {RECT{14, 24, 18, 26}, RGB(40, 220, 80)}});
}

void BuildSettings(Form& form) {
    form.SetCaption(L"Device settings");
    form.SetBorderStyle(BorderStyle::FixedDialog);
    form.SetStartUpPosition(StartUpPosition::CenterScreen);
    form.SetClientSize(8520, 4560);
    form.Font()->SetName(L"Tahoma");

    Place<Label>(form, L"lblName", 120, 165, 900, 255)->SetCaption(L"&Name:");
    Place<TextBox>(form, L"txtName", 1080, 120, 2400, 315)->SetText(L"");
    Place<CheckBox>(form, L"chkRemember", 120, 600, 3360, 255)->SetCaption(L"&Remember settings");

    auto link = Place<Frame>(form, L"fraLink", 120, 960, 3360, 1095);
    link->SetCaption(L"Link");
    auto serial = Place<OptionButton>(form, L"optSerial", 180, 300, 1400, 255, link.get());
    serial->SetCaption(L"&Serial");
    serial->SetValue(true);
    Place<OptionButton>(form, L"optNetwork", 180, 660, 1400, 255, link.get())
        ->SetCaption(L"Ne&twork");
    auto port = Place<ComboBox>(form, L"cboPort", 1740, 300, 1440, 315, link.get());
    port->SetStyle(2);
    for (const wchar_t* name : {L"COM1", L"COM2", L"COM3"}) {
        port->AddItem(name);
    }
    port->SetListIndex(0);

    auto devices = Place<ListBox>(form, L"lstDevices", 3720, 120, 2760, 1935);
    devices->SetSorted(true);
    for (const wchar_t* name :
         {L"Touch panel 7\"", L"Control processor", L"Keypad", L"Amplifier"}) {
        devices->AddItem(name);
    }
    devices->SetListIndex(1);

    Place<Label>(form, L"lblNotes", 120, 2220, 1400, 255)->SetCaption(L"N&otes:");
    auto notes = Place<TextBox>(form, L"txtNotes", 120, 2490, 6360, 1200);
    notes->SetMultiLine(true);
    notes->SetScrollBars(2);
    notes->SetText(L"Lobby, north wall.\r\nUploaded from the service laptop.");

    Place<Timer>(form, L"tmrPoll", 0, 0, 420, 420)->SetInterval(1000);

    auto preview = Place<PictureBox>(form, L"picPreview", 6660, 120, 1740, 1935);
    preview->SetBackColor(0x00FFFFFF);
    auto image = Place<Image>(form, L"imgPanel", 390, 180, 480, 480, preview.get());
    image->SetPicture(PanelPicture());
    image->SetStretch(true);
    image->Move(390, 180, 960, 960);
    auto caption = Place<Label>(form, L"lblPreview", 60, 1260, 1560, 255, preview.get());
    caption->SetCaption(L"Touch panel");
    caption->SetAlignment(Alignment::Center);
    caption->SetBackStyle(0);
    auto light = Place<Shape>(form, L"shpOnline", 6660, 2220, 300, 300);
    light->SetKind(ShapeKind::Circle);
    light->SetFillStyle(0);
    light->SetFillColor(0x0050DC28);
    Place<Label>(form, L"lblOnline", 7020, 2250, 1380, 255)->SetCaption(L"Online");
    auto rule = Place<Line>(form, L"linRule", 0, 0, 0, 0);
    rule->SetEnds(120, 3780, 8400, 3780);
    rule->SetBorderColor(0x80000010);

    auto ok = Place<CommandButton>(form, L"cmdOK", 5880, 3900, 1215, 435);
    ok->SetCaption(L"OK");
    ok->SetDefault(true);
    auto cancel = Place<CommandButton>(form, L"cmdCancel", 7185, 3900, 1215, 435);
    cancel->SetCaption(L"Cancel");
    cancel->SetCancel(true);
    ok->Click.Connect([&form] { form.Hide(); });
    cancel->Click.Connect([&form] { form.Hide(); });
}

void LogAnswers(const Form& form, SceneLog& log) {
    log.Value(L"Name", form.Get<TextBox>(L"txtName").Text());
    log.Value(L"Remember settings",
              form.Get<CheckBox>(L"chkRemember").Value() == 1 ? L"ticked" : L"not ticked");
    log.Value(L"Link", form.Get<OptionButton>(L"optNetwork").Value() ? L"network" : L"serial");
    log.Value(L"Port", form.Get<ComboBox>(L"cboPort").Text());
    log.Value(L"Device", form.Get<ListBox>(L"lstDevices").Text());
}

}  // namespace

void RunFormsScene(SceneLog& log) {
    zv::driver::ResetWindowSystem();
    LetScriptFindBoxesByLabel();
    try {
        Form settings(L"frmSettings");
        BuildSettings(settings);
        log.Line(
            L"Shown modally; the scripted user types a name, ticks a box, picks an option, "
            L"chooses a port and clicks OK:");
        AnswerDialog("Device settings", DialogAnswer::TypeInto("Name:", "Lobby panel"));
        AnswerDialog("Device settings", DialogAnswer::ClickOn("Remember settings"));
        AnswerDialog("Device settings", DialogAnswer::ClickOn("Network"));
        AnswerDialog("Device settings", DialogAnswer::ClickOn("OK"));
        settings.Show(FormShow::Modal);
        LogAnswers(settings, log);
        for (const std::string& problem : zv::driver::TakeScriptProblems()) {
            log.Value(L"Script problem", zv::FromUtf8(problem));
        }

        const auto file = log.Folder() / "forms.frm";
        settings.SaveFile(file);
        log.Value(L"Saved",
                  L"forms.frm, " + std::to_wstring(std::filesystem::file_size(file)) + L" bytes");

        Form loaded;
        loaded.LoadFile(file);
        zv::PropertyBag before(L"Form", settings.Name());
        zv::PropertyBag after(L"Form", loaded.Name());
        settings.WriteTo(before);
        loaded.WriteTo(after);
        log.Value(L"Loaded again", zv::WriteFormText(before) == zv::WriteFormText(after)
                                       ? L"the same properties, control for control"
                                       : L"DIFFERENT from what was saved");
        loaded.Show();
        zv::LetPendingMessagesRun();  // it paints
        LogAnswers(loaded, log);
        const auto picture = log.Folder() / "forms.png";
        const bool written = zv::driver::SnapshotWindow(loaded.hWnd(), picture.string());
        log.Value(L"Snapshot", written ? L"forms.png written" : L"forms.png could not be written");
    } catch (const zv::AutomationError& error) {
        log.Value(L"Error", std::to_wstring(error.Number()) + L" " + error.Description());
    }
}

}  // namespace zvdemo
