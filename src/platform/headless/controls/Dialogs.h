#pragma once

// What the backend's own dialogs share (the message box, the save dialog):
// a dialog window of class "#32770" with its controls, placed in the work
// area, run modally over its owner. Internal to the backend.

#include <functional>
#include <string>

#include "headless/core/WindowSystem.h"

namespace zv::headless {

// A dialog being run: its own share of its messages (true when a message is
// taken) and how it ended.
struct DialogRun {
    std::function<bool(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)> handle;
    HWND firstFocus = 0;  // the control that has the focus first; else the default button
    int result = 0;
    bool done = false;

    void End(int id) {
        if (id != 0 && !done) {
            result = id;
            done = true;
        }
    }
};

HWND CreateDialogWindow(HWND owner, const std::string& caption, DWORD exStyle);

HWND CreateControl(const char* className, const char* text, DWORD style, HWND parent, int id,
                   RECT where);

// Sizes the dialog around a client area and centres it in the work area of
// the owner's monitor (the primary one without owner).
void PlaceDialog(HWND dialog, HWND owner, int clientWidth, int clientHeight);

// Shows the dialog with its owner disabled (or, task-modal without owner,
// every window of the thread), runs it with the dialog keys until it ends,
// then enables what it disabled and destroys it. A dialog that would wait
// forever on the headless backend ends without an answer and is reported to
// the script. Returns the result it ended with, 0 for none.
int RunDialog(HWND dialog, HWND owner, bool taskModal, DialogRun& run);

}  // namespace zv::headless
