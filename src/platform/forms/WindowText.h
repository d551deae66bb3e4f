#pragma once

#include <string>

#include "platform/win/WinApi.h"

namespace zv::forms {

// A window's text, read through the single-byte window functions.
std::wstring WindowTextOf(win::HWND hwnd);

}  // namespace zv::forms
