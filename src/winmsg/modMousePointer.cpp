#include "winmsg/modMousePointer.h"

#include "platform/automation/Application.h"

namespace zv {

void ShowBusyPointer() {
    App().SetMousePointer(mouse_pointer::kHourglass);
}

void HideBusyPointer() {
    App().SetMousePointer(mouse_pointer::kDefault);
}

}  // namespace zv
