// The scripted user's turns. Answers wait until a thread waits for input
// with a window of their caption active; then the user acts through the
// same hardware events as the rest of the driver, so the dialog sees clicks
// and keys, not calls.

#include <algorithm>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "headless/core/Keyboard.h"
#include "headless/core/Script.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

struct ScriptState {
    std::deque<ScriptedAnswer> answers;
    std::vector<std::string> problems;
};

ScriptState& Script() {
    static ScriptState state;
    return state;
}

}  // namespace

void QueueAnswer(ScriptedAnswer answer) {
    Script().answers.push_back(std::move(answer));
}

void AddScriptProblem(std::string text) {
    Script().problems.push_back(std::move(text));
}

std::vector<std::string> TakeScriptProblems() {
    std::vector<std::string> problems = std::exchange(Script().problems, {});
    for (const ScriptedAnswer& pending : Script().answers) {
        problems.push_back("dialog '" + pending.caption + "' never came to " + pending.description);
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
    const auto found = std::find_if(answers.begin(), answers.end(), [&](const ScriptedAnswer& a) {
        return FoldName(a.caption) == caption;
    });
    if (found == answers.end()) {
        return false;
    }
    const ScriptedAnswer answer = std::move(*found);
    answers.erase(found);
    answer.give(active);
    return true;
}

void EnterRawInput(RawInput::Kind kind, POINT point, int key) {
    RawInput event;
    event.kind = kind;
    event.point = point;
    event.key = key;
    // The hardware's state changes at once; a thread's when it takes the event.
    if (kind != RawInput::Kind::MouseMove) {
        System().KeyDown(key) =
            kind == RawInput::Kind::KeyDown || kind == RawInput::Kind::ButtonDown;
    }
    System().RawInputQueue().push_back(event);
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
    headless::AddScriptProblem("dialog '" + headless::WindowText(window) +
                               "' waited for an answer that nobody gave");
}

}  // namespace zv
