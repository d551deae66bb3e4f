#pragma once

// The scripted user's side of waiting for input: what the backend asks when
// a thread would wait, and the input the user enters. Modal loops report a
// dialog that nobody answered with ReportUnansweredWindow (MessagePump.h).
// Internal to the backend; tests script through the driver.

#include <functional>
#include <string>
#include <vector>

#include "headless/core/WindowSystem.h"

namespace zv::headless {

// An answer to a dialog, waiting for a window of its caption to be active
// while a thread waits for input; giving it enters the user's input.
struct ScriptedAnswer {
    std::string caption;
    std::string description;
    std::function<void(HWND dialog)> give;
};
void QueueAnswer(ScriptedAnswer answer);

// When the calling thread would wait for input: if an answer is registered
// for the caption of its active window, the user gives it (its input waits
// in the queue) and the result is true.
bool TakeScriptedTurn();

// Enters hardware events without letting them run: one event, a click at a
// window's centre, a key stroke, or the key strokes that type letters,
// digits and the keys that type themselves (capitals with shift held).
void EnterRawInput(RawInput::Kind kind, POINT point, int key);
void EnterClickAt(HWND hwnd);
void EnterKeyStroke(int vk);
void EnterTyping(const std::string& text);

// What went wrong with the script: problems reported, then the answers
// never taken (which are forgotten).
void AddScriptProblem(std::string text);
std::vector<std::string> TakeScriptProblems();

// Forgets every answer and report, for a fresh desktop.
void ResetScript();

}  // namespace zv::headless
