#include "DemoWindows.h"

namespace zvdemo {

void RegisterDemoClass(const char* name, zv::win::WNDPROC procedure) {
    zv::win::WNDCLASSA demoClass;
    demoClass.lpfnWndProc = procedure;
    demoClass.lpszClassName = name;
    zv::win::RegisterClassA(&demoClass);
}

}  // namespace zvdemo
