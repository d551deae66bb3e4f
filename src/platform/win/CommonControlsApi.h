#pragma once

// What the common controls (list views, headers, tool tips, progress bars,
// image lists) share in the window-system API: the record every WM_NOTIFY
// notice starts with, and the call that asks for their classes. Each control's own records and
// calls are in a header of its own name beside this one; the constants in the matching
// *Constants.h.

#include "platform/win/WinApi.h"

namespace zv::win {

// The head of every WM_NOTIFY notice: who sends it and what it says.
struct NMHDR {
    HWND hwndFrom = 0;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// Which classes InitCommonControlsEx is to make ready (ICC_* flags).
struct INITCOMMONCONTROLSEX {
    DWORD dwSize = sizeof(INITCOMMONCONTROLSEX);
    DWORD dwICC = 0;
};

// Makes the classes of the flags ready. FALSE for a missing record or one
// whose dwSize is not the record's size; the flags themselves are not checked.
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);

}  // namespace zv::win
