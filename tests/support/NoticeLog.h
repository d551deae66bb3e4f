#pragma once

// The parent of the common controls under test: it logs the WM_NOTIFY
// notices they send, as WM_NOTIFY entries of the message log whose wParam is
// the notification code and whose lParam is what the case keeps of the
// notice (its summary), and answers the codes a case chooses. Notices about
// painting are left out, as the sequences leave painting out.

#include "MessageLog.h"
#include "platform/win/CommonControlsApi.h"
#include "platform/win/WinConstants.h"

namespace zv::test {

// What the log keeps of a notice besides its code.
using NoticeSummary = win::LPARAM (*)(const win::NMHDR& notice);

// A visible pop-up named "parent" that logs its controls' notices with the
// summary given; it answers every notice 0 until Answer says otherwise.
win::HWND CreateNoticeParent(NoticeSummary summary, int width = 300, int height = 300);

// From now on the parent answers notices of that code with the value.
void AnswerNotice(win::UINT code, win::LRESULT answer);

// The entry of an expected sequence for a notice.
constexpr ExpectedMessage Notice(win::UINT code, win::LPARAM summary) {
    return ExpectedMessage{"parent", win::WM_NOTIFY, kBothParams, code, summary};
}

}  // namespace zv::test
