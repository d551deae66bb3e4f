#include "winmsg/modMousePointer.h"

#include "platform/Application.h"

namespace zv {

void ShowBusyPointer() {
    App().SetMousePointer(mouse_pointer::kHourglass);
}

void HideBusyPointer() {
    App().SetMousePointer(mouse_pointer::kDefault);
}

}  // namespace zv
