#pragma once

#include <string>

#include "platform/win/WinApi.h"

namespace zv::test {

// A window's text and class name, as the single-byte functions give them.
std::string TextOf(win::HWND hwnd);
std::string ClassOf(win::HWND hwnd);

}  // namespace zv::test
