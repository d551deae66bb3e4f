// The common controls' entry call on the headless backend. Their classes are
// there from the start, as in a process that has loaded the system's library
// of them, so only the record is checked.

#include "platform/win/CommonControlsApi.h"
#include "platform/win/WinConstants.h"

namespace zv::win {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
    return picce != nullptr && picce->dwSize == sizeof(INITCOMMONCONTROLSEX) ? TRUE : FALSE;
}

}  // namespace zv::win
