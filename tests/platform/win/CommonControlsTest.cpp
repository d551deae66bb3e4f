// The common controls' entry call: which records it accepts.

#include <array>

#include "PlatformTest.h"
#include "platform/win/CommonControlsApi.h"
#include "platform/win/CommonControlsConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class CommonControls : public PlatformTest {};

// Only the record's size is checked; any flags, even none, are accepted.
TEST_F(CommonControls, InitCommonControlsExChecksTheRecordsSize) {
    struct Case {
        DWORD size;
        DWORD classes;
        BOOL answer;
    };
    const std::array kRecords = {
        Case{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES, TRUE},
        Case{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES, TRUE},
        Case{sizeof(INITCOMMONCONTROLSEX), 0, TRUE},
        Case{sizeof(INITCOMMONCONTROLSEX), 0xFFFFFFFF, TRUE},
        Case{0, ICC_PROGRESS_CLASS, FALSE},
        Case{sizeof(INITCOMMONCONTROLSEX) - 1, ICC_PROGRESS_CLASS, FALSE},
        Case{sizeof(INITCOMMONCONTROLSEX) + 4, ICC_PROGRESS_CLASS, FALSE},
    };
    for (const Case& record : kRecords) {
        const INITCOMMONCONTROLSEX init{record.size, record.classes};
        EXPECT_EQ(InitCommonControlsEx(&init), record.answer)
            << record.size << " " << record.classes;
    }
    EXPECT_EQ(InitCommonControlsEx(nullptr), FALSE);
}

}  // namespace
}  // namespace zv::test
