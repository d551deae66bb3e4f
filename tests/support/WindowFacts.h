#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/win/WinApi.h"

namespace zv::test {

// A window's text and class name, as the single-byte functions give them.
std::string TextOf(win::HWND hwnd);
std::string ClassOf(win::HWND hwnd);

// Registers a class of the procedure given, erasing with a system colour
// (by index; -1 for none) and with the class styles given; RegisterClassA's
// answer.
win::ATOM RegisterClassOf(const char* name, win::WNDPROC proc, int colourIndex = -1,
                          win::UINT style = 0);

// A window's rectangle on the screen, and its client area in its own
// coordinates.
win::RECT WindowRectOf(win::HWND hwnd);
win::RECT ClientRectOf(win::HWND hwnd);

// A rectangle's left, top, right and bottom, to compare and print at once.
using Edges = std::array<win::LONG, 4>;
inline Edges EdgesOf(const win::RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Two coordinates packed the way mouse and size messages carry them.
constexpr win::LPARAM MakeLParam(int low, int high) {
    return static_cast<win::LPARAM>(static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(high) << 16) | (static_cast<std::uint32_t>(low) & 0xFFFFu)));
}

}  // namespace zv::test
