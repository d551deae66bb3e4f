#pragma once

#include "platform/win/WinApi.h"

namespace zv {

// Lets pending window messages run: every message waiting in the calling
// thread's queue (and every timer that is due) is dispatched before it
// returns. A WM_QUIT found on the way is put back and ends the run, so that
// the thread's own loop still sees it. Handlers run inside this call and may
// re-enter whatever called it.
void LetPendingMessagesRun();

// A modal loop (of a form or a dialog) found that nothing could ever end
// it: the headless backend reports the window to the scripted user's
// problems, so that the test fails naming it. The platform never gets here.
void ReportUnansweredWindow(win::HWND window);

}  // namespace zv
