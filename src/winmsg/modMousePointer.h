#pragma once

namespace zv {

// The hourglass as the application-wide pointer.
void ShowBusyPointer();

// The default pointer, whatever was in force before the hourglass.
void HideBusyPointer();

}  // namespace zv
