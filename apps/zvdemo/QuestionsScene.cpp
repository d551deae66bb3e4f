// Questions: the option box asks which link a panel uses; the scripted user
// picks one and clicks OK. The box is left as a picture (questions.png) as
// it was shown.

#include <string>

#include "Scenes.h"
#include "msgbox/IOptionBox.h"
#include "platform/MessagePump.h"
#include "platform/WideString.h"
#include "platform/WinApi.h"
#include "platform/WinConstants.h"
#include "platform/forms/Form.h"
#include "platform/forms/ScriptedForms.h"
#include "platform/headless/Driver.h"

namespace zvdemo {

namespace {

using zv::headless::AnswerDialog;
using zv::headless::DialogAnswer;

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
                m_written = zv::headless::SnapshotWindow(hwnd, m_file.string());
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

}  // namespace

void RunQuestionsScene(SceneLog& log) {
    zv::headless::ResetWindowSystem();
    zv::forms::LetScriptFindBoxesByLabel();
    AskForTheLink(log);
    for (const std::string& problem : zv::headless::TakeScriptProblems()) {
        log.Value(L"Script problem", zv::FromUtf8(problem));
    }
}

}  // namespace zvdemo
