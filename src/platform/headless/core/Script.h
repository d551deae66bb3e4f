#pragma once

// The scripted user's side of waiting for input: what the backend asks when
// a thread would wait (modal loops report a dialog that nobody answered
// with ReportUnansweredWindow, in MessagePump.h). Internal to the backend; tests script through
// Driver.h.

#include <string>

#include "headless/core/WindowSystem.h"

namespace zv::headless {

// When the calling thread would wait for input: if an answer is registered
// for the caption of its active window, the user gives it (its input waits
// in the queue) and the result is true.
bool TakeScriptedTurn();

// Enters one hardware event without letting it run.
void EnterRawInput(RawInput::Kind kind, POINT point, int key);

// Enters the key strokes that type letters, digits and the keys that type
// themselves (capitals with shift held), without letting them run.
void EnterTyping(const std::string& text);

// Forgets every answer and report, for a fresh desktop.
void ResetScript();

}  // namespace zv::headless
