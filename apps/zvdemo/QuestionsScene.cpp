// Questions: the option box asks which link a panel uses; the scripted user
// picks one and clicks OK. The message box asks whether to upload, with a
// picture and a check box; the scripted user ticks the box and answers.
// The platform's message box, relabelled, asks whether to keep a log and
// answers itself when its count-down runs out. Each box is left as a
// picture (questions.png, dmsgbox.png, zvmsgbox.png) as it was shown.

#include <memory>
#include <string>

#include "Scenes.h"
#include "msgbox/IMessageBox.h"
#include "msgbox/IOptionBox.h"
#include "msgbox/modMessageBox.h"
#include "platform/driver/Driver.h"
#include "platform/driver/ScriptedForms.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/text/WideString.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zvdemo {

namespace {

using zv::driver::AnswerDialog;
using zv::driver::DialogAnswer;

// While it lives, the first form activated is written to a PNG file once it
// has painted.
class SnapshotOnActivate {
  public:
    explicit SnapshotOnActivate(std::filesystem::path file) : m_file(std::move(file)) {
        s_current = this;
        m_hook = zv::win::SetWindowsHookExA(zv::win::WH_CBT, &SnapshotOnActivate::Hook, 0,
                                            zv::win::GetCurrentThreadId());
    }
    ~SnapshotOnActivate() {
        zv::win::UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    SnapshotOnActivate(const SnapshotOnActivate&) = delete;
    SnapshotOnActivate& operator=(const SnapshotOnActivate&) = delete;

    bool Written() const { return m_written; }

  private:
    static zv::win::LRESULT ZV_CALLBACK Hook(int code, zv::win::WPARAM wParam,
                                             zv::win::LPARAM lParam) {
        if (code == zv::win::HCBT_ACTIVATE && s_current != nullptr) {
            s_current->Watch(static_cast<zv::win::HWND>(wParam));
        }
        return zv::win::CallNextHookEx(0, code, wParam, lParam);
    }

    void Watch(zv::win::HWND hwnd) {
        zv::forms::Form* form = zv::forms::Form::FromWindow(hwnd);
        if (form == nullptr || m_watching) {
            return;
        }
        m_watching = true;
        form->Activate.Connect([this, hwnd] {
            if (!m_written) {
                zv::LetPendingMessagesRun();  // it paints
                m_written = zv::driver::SnapshotWindow(hwnd, m_file.string());
            }
        });
    }

    static inline SnapshotOnActivate* s_current = nullptr;
    std::filesystem::path m_file;
    zv::win::HHOOK m_hook = 0;
    bool m_watching = false;
    bool m_written = false;
};

void AskForTheLink(SceneLog& log) {
    const std::wstring options = L"Serial (COM1),Building network,Network through the gateway";
    const std::wstring caption = L"How does the lobby panel reach\r\nthe control processor?";
    log.Line(
        L"Asked with the option box; the scripted user picks the building network and "
        L"clicks OK:");
    log.Value(L"Choices", options);
    log.Value(L"Caption", caption);
    AnswerDialog("Panel link", DialogAnswer::ClickOn("Building network"));
    AnswerDialog("Panel link", DialogAnswer::ClickOn("OK"));
    SnapshotOnActivate snapshot(log.Folder() / "questions.png");
    zv::IOptionBox box;
    const std::int16_t answer = box.OptionBox(options, caption, L"Panel link", L"Serial (COM1)", 1);
    log.Value(L"Answer", std::to_wstring(answer) + L" (the index of the choice)");
    log.Value(L"Snapshot", snapshot.Written() ? L"questions.png written"
                                              : L"questions.png could not be written");
}

// A blue disc with a white bar on magenta, the colour the image control
// leaves transparent.
std::shared_ptr<zv::Picture> QuestionPicture() {
    constexpr int kSize = 32;
    zv::win::HDC screen = zv::win::GetDC(0);
    zv::win::HDC dc = zv::win::CreateCompatibleDC(screen);
    zv::win::HBITMAP bitmap = zv::win::CreateCompatibleBitmap(screen, kSize, kSize);
    zv::win::ReleaseDC(0, screen);
    zv::win::HGDIOBJ previous = zv::win::SelectObject(dc, bitmap);
    const zv::win::RECT all{0, 0, kSize, kSize};
    const zv::win::RECT bar{14, 8, 18, 24};
    zv::win::HBRUSH magenta = zv::win::CreateSolidBrush(zv::win::RGB(255, 0, 255));
    zv::win::HBRUSH blue = zv::win::CreateSolidBrush(zv::win::RGB(30, 80, 200));
    zv::win::HBRUSH white = zv::win::CreateSolidBrush(zv::win::RGB(255, 255, 255));
    zv::win::FillRect(dc, &all, magenta);
    zv::win::HGDIOBJ previousPen =
        zv::win::SelectObject(dc, zv::win::GetStockObject(zv::win::NULL_PEN));
    zv::win::HGDIOBJ previousBrush = zv::win::SelectObject(dc, blue);
    zv::win::Ellipse(dc, 0, 0, kSize, kSize);
    zv::win::FillRect(dc, &bar, white);
    zv::win::SelectObject(dc, previousBrush);
    zv::win::SelectObject(dc, previousPen);
    zv::win::SelectObject(dc, previous);
    zv::win::DeleteDC(dc);
    for (zv::win::HBRUSH brush : {magenta, blue, white}) {
        zv::win::DeleteObject(brush);
    }
    return std::make_shared<zv::Picture>(zv::PictureType::Bitmap, bitmap);
}

void AskToUpload(SceneLog& log) {
    const std::wstring message =
        L"The lobby panel runs an older program than the project.\r\nUpload the new one now?";
    const std::wstring buttons = L"Upload,Later,Cancel";
    const std::wstring checkBox = L"Do not ask again";
    log.Line();
    log.Line(
        L"Asked with the message box, with a picture and a check box; the scripted user "
        L"ticks the box and clicks Upload:");
    log.Value(L"Message", message);
    log.Value(L"Buttons", buttons);
    log.Value(L"Check box", checkBox);
    AnswerDialog("Panel upload", DialogAnswer::ClickOn("Do not ask again"));
    AnswerDialog("Panel upload", DialogAnswer::ClickOn("Upload"));
    SnapshotOnActivate snapshot(log.Folder() / "dmsgbox.png");
    zv::IMessageBox box;
    const std::int16_t answer =
        box.DMsgBox(message, buttons, L"Panel upload", L"Later", QuestionPicture(), checkBox, 0);
    log.Value(L"Answer", std::to_wstring(answer) + L" (the position of the button)");
    log.Value(L"CheckBoxValue", std::to_wstring(box.CheckBoxValue()));
    log.Value(L"Snapshot",
              snapshot.Written() ? L"dmsgbox.png written" : L"dmsgbox.png could not be written");
}

// The active window as a PNG file, taken by a thread timer while a box waits.
std::filesystem::path& TimedSnapshotFile() {
    static std::filesystem::path file;
    return file;
}

bool& TimedSnapshotWritten() {
    static bool written = false;
    return written;
}

void ZV_CALLBACK TakeTimedSnapshot(zv::win::HWND, zv::win::UINT, zv::win::UINT_PTR id,
                                   zv::win::DWORD) {
    zv::win::KillTimer(0, id);
    TimedSnapshotWritten() =
        zv::driver::SnapshotWindow(zv::win::GetActiveWindow(), TimedSnapshotFile().string());
}

void AskToKeepTheLog(SceneLog& log) {
    log.Line();
    log.Line(
        L"Asked with the platform's message box, relabelled Keep and Discard, with a "
        L"5-second count-down; nobody answers, so it answers itself with its default "
        L"button (Discard):");
    TimedSnapshotFile() = log.Folder() / "zvmsgbox.png";
    TimedSnapshotWritten() = false;
    zv::win::SetTimer(0, 0, 2500, TakeTimedSnapshot);  // half-way through the count-down
    std::int16_t seconds = 5;
    const std::int32_t answer =
        zv::ZvMsgBox(0, L"The upload wrote a log of 214 lines.", L"Upload log",
                     static_cast<std::int32_t>(zv::win::MB_ICONQUESTION | zv::win::MB_DEFBUTTON2),
                     true, L"Keep,Discard", seconds);
    log.Value(L"Answer", std::to_wstring(answer) + L" (the position of the caption)");
    log.Value(L"Seconds left", std::to_wstring(seconds));
    log.Value(L"Snapshot", TimedSnapshotWritten() ? L"zvmsgbox.png written, 2.5 s in"
                                                  : L"zvmsgbox.png could not be written");
}

}  // namespace

void RunQuestionsScene(SceneLog& log) {
    zv::driver::ResetWindowSystem();
    zv::driver::LetScriptFindBoxesByLabel();
    AskForTheLink(log);
    AskToUpload(log);
    AskToKeepTheLog(log);
    for (const std::string& problem : zv::driver::TakeScriptProblems()) {
        log.Value(L"Script problem", zv::FromUtf8(problem));
    }
}

}  // namespace zvdemo
