// The application-wide pointer held by guards and set by the busy-pointer
// routines.

#include <memory>

#include "PlatformTest.h"
#include "platform/automation/Application.h"
#include "platform/automation/AutomationError.h"
#include "support/ErrorNumber.h"
#include "winmsg/modAutoMousePointer.h"
#include "winmsg/modMousePointer.h"

namespace zv::test {
namespace {

namespace pointer = zv::mouse_pointer;

class AutoMousePointerTest : public PlatformTest {};

TEST_F(AutoMousePointerTest, GuardsRestoreInReverseOrderOnceTheLastHolderLetsGo) {
    App().SetMousePointer(pointer::kIBeam);
    auto busy = NewAutoMousePointer(pointer::kHourglass);
    EXPECT_EQ(App().MousePointer(), pointer::kHourglass);
    auto normal = NewAutoMousePointer(pointer::kDefault);
    EXPECT_EQ(App().MousePointer(), pointer::kDefault);

    normal.reset();
    EXPECT_EQ(App().MousePointer(), pointer::kHourglass);
    busy.reset();
    EXPECT_EQ(App().MousePointer(), pointer::kIBeam);

    // A shared guard restores when the last holder lets go.
    auto guard = NewAutoMousePointer(pointer::kHourglass);
    auto other = guard;
    guard.reset();
    EXPECT_EQ(App().MousePointer(), pointer::kHourglass);
    other.reset();
    EXPECT_EQ(App().MousePointer(), pointer::kIBeam);

    // An unknown pointer is refused and changes nothing.
    EXPECT_EQ(ErrorNumberOf([] { NewAutoMousePointer(42); }), err::kInvalidPropertyValue);
    EXPECT_EQ(App().MousePointer(), pointer::kIBeam);
}

TEST_F(AutoMousePointerTest, TheBusyPointerComesAndGoesWhateverWasBefore) {
    App().SetMousePointer(pointer::kCrosshair);
    ShowBusyPointer();
    EXPECT_EQ(App().MousePointer(), pointer::kHourglass);
    HideBusyPointer();
    EXPECT_EQ(App().MousePointer(), pointer::kDefault);
}

}  // namespace
}  // namespace zv::test
