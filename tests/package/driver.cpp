// Sets the scene as a host's test would: a fresh desktop and the clock.
#include "platform/driver/Driver.h"

#include <iostream>

#include "platform/win/WinApi.h"

int main() {
    zv::driver::ResetWindowSystem();
    zv::driver::SetTickCount(1000);
    zv::driver::AdvanceClock(234);
    std::cout << "tick count " << zv::win::GetTickCount() << '\n';
    return zv::win::GetTickCount() == 1234 ? 0 : 1;
}
