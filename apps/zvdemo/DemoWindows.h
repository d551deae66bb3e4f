#pragma once

#include "platform/win/WinApi.h"

namespace zvdemo {

// Registers a window class of the sample host with its procedure; a scene
// that runs again finds it registered already.
void RegisterDemoClass(const char* name, zv::win::WNDPROC procedure);

}  // namespace zvdemo
