#pragma once

// Pictures of windows as the screen shows them, written as PNG files.

#include <string>

#include "platform/win/WinApi.h"

namespace zv::headless {

using namespace zv::win;

// A window with its visible children, frame and caption included; false
// when there is no such window or the file cannot be written.
bool SnapshotWindow(HWND hwnd, const std::string& path);

// Numbered PNGs of every repaint, when ZV_DUMP_PAINTS names a folder.
void DumpRepaint(HWND hwnd);

}  // namespace zv::headless
