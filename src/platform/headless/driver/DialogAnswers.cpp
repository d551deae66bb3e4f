// The scripted user's answers to dialogs: which control of the dialog an
// answer names, and the input that gives it.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "headless/core/Script.h"
#include "headless/core/WindowSystem.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::driver {

using namespace zv::headless;

namespace {

// A caption as a person reads it: without the access-key marks.
std::string Readable(std::string caption) {
    std::erase(caption, '&');
    return FoldName(caption);
}

bool IsUsable(HWND hwnd) {
    return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

// The dialog's descendants in z-order, depth first.
void CollectDescendants(HWND parent, std::vector<HWND>& into) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != 0;
         child = GetWindow(child, GW_HWNDNEXT)) {
        into.push_back(child);
        CollectDescendants(child, into);
    }
}

std::vector<HWND> Descendants(HWND dialog) {
    std::vector<HWND> windows;
    CollectDescendants(dialog, windows);
    return windows;
}

HWND ControlWithCaption(HWND dialog, const std::string& caption) {
    for (HWND hwnd : Descendants(dialog)) {
        if (IsUsable(hwnd) && Readable(WindowText(hwnd)) == Readable(caption)) {
            return hwnd;
        }
    }
    return 0;
}

bool IsEditBox(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return FoldName(name) == "EDIT";
}

LabelledBoxFinder& BoxFinder() {
    static LabelledBoxFinder finder;
    return finder;
}

// The edit box after the label with that caption, or the dialog's first
// edit box for an empty label; else what the finder knows of labels
// without windows.
HWND EditBoxAfter(HWND dialog, const std::string& label) {
    bool labelSeen = label.empty();
    for (HWND hwnd : Descendants(dialog)) {
        if (labelSeen && IsEditBox(hwnd) && IsUsable(hwnd)) {
            return hwnd;
        }
        labelSeen = labelSeen || Readable(WindowText(hwnd)) == Readable(label);
    }
    return BoxFinder() ? BoxFinder()(dialog, label) : 0;
}

}  // namespace

DialogAnswer::DialogAnswer(Kind kind, std::string target, std::string text, int vk)
    : m_kind(kind), m_target(std::move(target)), m_text(std::move(text)), m_vk(vk) {
    switch (kind) {
        case Kind::ClickOn:
            m_description = "click on '" + m_target + "'";
            break;
        case Kind::TypeInto:
            m_description = "type '" + m_text + "' into the box '" + m_target + "'";
            break;
        case Kind::Press:
            m_description = "press key " + std::to_string(vk);
            break;
        case Kind::Close:
            m_description = "close from the system menu";
            break;
    }
}

DialogAnswer DialogAnswer::ClickOn(std::string controlCaption) {
    return DialogAnswer(Kind::ClickOn, std::move(controlCaption), {}, 0);
}

DialogAnswer DialogAnswer::TypeInto(std::string boxLabel, std::string text) {
    return DialogAnswer(Kind::TypeInto, std::move(boxLabel), std::move(text), 0);
}

DialogAnswer DialogAnswer::Press(int vk) {
    return DialogAnswer(Kind::Press, {}, {}, vk);
}

DialogAnswer DialogAnswer::CloseFromSystemMenu() {
    return DialogAnswer(Kind::Close, {}, {}, 0);
}

void DialogAnswer::GiveTo(HWND dialog) const {
    const std::string where = "dialog '" + WindowText(dialog) + "': cannot " + m_description;
    switch (m_kind) {
        case Kind::ClickOn:
            if (const HWND control = ControlWithCaption(dialog, m_target)) {
                EnterClickAt(control);
            } else {
                AddScriptProblem(where + ": no such control");
            }
            break;
        case Kind::TypeInto:
            if (const HWND box = EditBoxAfter(dialog, m_target)) {
                // Into the box, everything selected (Ctrl+End, then Shift
                // with Ctrl+Home, whatever line the click left the caret
                // on), then the new text.
                EnterClickAt(box);
                EnterRawInput(RawInput::Kind::KeyDown, System().Cursor(), VK_CONTROL);
                EnterKeyStroke(VK_END);
                EnterRawInput(RawInput::Kind::KeyDown, System().Cursor(), VK_SHIFT);
                EnterKeyStroke(VK_HOME);
                EnterRawInput(RawInput::Kind::KeyUp, System().Cursor(), VK_SHIFT);
                EnterRawInput(RawInput::Kind::KeyUp, System().Cursor(), VK_CONTROL);
                EnterTyping(m_text);
            } else {
                AddScriptProblem(where + ": no such box");
            }
            break;
        case Kind::Press:
            EnterKeyStroke(m_vk);
            break;
        case Kind::Close:
            // The system menu is not drawn here: its command comes as the
            // menu would send it.
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
    }
}

void SetLabelledBoxFinder(LabelledBoxFinder finder) {
    BoxFinder() = std::move(finder);
}

void AnswerDialog(const std::string& caption, DialogAnswer answer) {
    std::string description = answer.Description();
    QueueAnswer(
        ScriptedAnswer{caption, std::move(description),
                       [answer = std::move(answer)](HWND dialog) { answer.GiveTo(dialog); }});
}

std::vector<std::string> TakeScriptProblems() {
    return headless::TakeScriptProblems();
}

}  // namespace zv::driver
