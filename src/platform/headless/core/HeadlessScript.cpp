// The scripted user's answers to dialogs. Answers wait until a thread waits
// for input with a window of their caption active; then the user acts
// through the same hardware events as the rest of the driver, so the dialog
// sees clicks and keys, not calls.

#include <algorithm>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "headless/core/Keyboard.h"
#include "headless/core/Script.h"
#include "headless/core/WindowSystem.h"
#include "platform/driver/Driver.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

struct PendingAnswer {
    std::string caption;
    DialogAnswer answer;
};

struct ScriptState {
    std::deque<PendingAnswer> answers;
    std::vector<std::string> problems;
};

ScriptState& Script() {
    static ScriptState state;
    return state;
}

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

void EnterClickAt(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    EnterRawInput(RawInput::Kind::MouseMove, centre, 0);
    EnterRawInput(RawInput::Kind::ButtonDown, centre, VK_LBUTTON);
    EnterRawInput(RawInput::Kind::ButtonUp, centre, VK_LBUTTON);
}

void EnterKeyStroke(int vk) {
    const POINT cursor = System().Cursor();
    EnterRawInput(RawInput::Kind::KeyDown, cursor, vk);
    EnterRawInput(RawInput::Kind::KeyUp, cursor, vk);
}

void Problem(std::string text) {
    Script().problems.push_back(std::move(text));
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
                Problem(where + ": no such control");
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
                Problem(where + ": no such box");
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
    Script().answers.push_back(PendingAnswer{caption, std::move(answer)});
}

std::vector<std::string> TakeScriptProblems() {
    std::vector<std::string> problems = std::exchange(Script().problems, {});
    for (const PendingAnswer& pending : Script().answers) {
        problems.push_back("dialog '" + pending.caption + "' never came to " +
                           pending.answer.Description());
    }
    Script().answers.clear();
    return problems;
}

bool TakeScriptedTurn() {
    const HWND active = GetActiveWindow();
    if (active == 0) {
        return false;
    }
    const std::string caption = FoldName(WindowText(active));
    auto& answers = Script().answers;
    const auto found = std::find_if(answers.begin(), answers.end(), [&](const PendingAnswer& p) {
        return FoldName(p.caption) == caption;
    });
    if (found == answers.end()) {
        return false;
    }
    const DialogAnswer answer = found->answer;
    answers.erase(found);
    answer.GiveTo(active);
    return true;
}

void EnterRawInput(RawInput::Kind kind, POINT point, int key) {
    RawInput event;
    event.kind = kind;
    event.point = point;
    event.key = key;
    System().RawInputQueue().push_back(event);
}

void EnterTyping(const std::string& text) {
    const POINT cursor = System().Cursor();
    for (const char ch : text) {
        const auto stroke = KeyForCharacter(ch);
        if (!stroke) {
            continue;  // no key of the keyboard types it
        }
        if (stroke->shift) {
            EnterRawInput(RawInput::Kind::KeyDown, cursor, VK_SHIFT);
        }
        EnterKeyStroke(stroke->vk);
        if (stroke->shift) {
            EnterRawInput(RawInput::Kind::KeyUp, cursor, VK_SHIFT);
        }
    }
}

void ResetScript() {
    Script() = ScriptState{};
}

}  // namespace zv::headless

namespace zv {

void ReportUnansweredWindow(win::HWND window) {
    headless::Problem("dialog '" + headless::WindowText(window) +
                      "' waited for an answer that nobody gave");
}

}  // namespace zv
