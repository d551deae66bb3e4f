#pragma once

// The system's window classes that every fresh desktop has: the controls
// (HeadlessControls) and the dialog class (HeadlessDialogs). Internal to the
// backend.

#include "platform/headless/WindowSystem.h"

namespace zv::headless {

// "Button", "Static" and "Edit".
void RegisterControlClasses(WindowSystem& system);

// "#32770", the class of dialogs and message boxes.
void RegisterDialogClass(WindowSystem& system);

}  // namespace zv::headless
