// The common controls' entry call on the Win32 backend, passed straight
// through to the system's library of them.

#include "platform/win/CommonControlsApi.h"
#include "win32/Win32.h"

// After the system headers that Win32.h includes.
#include <commctrl.h>

#include <cstddef>

static_assert(sizeof(zv::win::INITCOMMONCONTROLSEX) == sizeof(::INITCOMMONCONTROLSEX));
static_assert(offsetof(zv::win::INITCOMMONCONTROLSEX, dwICC) ==
              offsetof(::INITCOMMONCONTROLSEX, dwICC));

namespace zv::win {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
    return ::InitCommonControlsEx(win32::RecordCast<::INITCOMMONCONTROLSEX>(picce));
}

}  // namespace zv::win
