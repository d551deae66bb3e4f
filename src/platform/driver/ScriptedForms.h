#pragma once

// Lets the scripted user of the headless backend find a form's text boxes
// by the labels before them, which the form draws without windows of their
// own, as it finds the boxes of dialogs.

namespace zv::driver {

void LetScriptFindBoxesByLabel();

}  // namespace zv::driver
