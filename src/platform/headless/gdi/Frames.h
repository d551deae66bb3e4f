#pragma once

// The frame that the platform draws around a window's client area: edges and
// borders, the caption with its title, scroll bars and the client edge.
// Internal to the headless backend.

#include <string>

#include "platform/win/GdiApi.h"

namespace zv::headless {

struct Window;

// Draws the window's frame on a DC of the whole window, with the title given.
void DrawFrame(win::HDC hdc, const Window& window, const std::string& title);

// Whether the window has a frame at all.
bool HasFrame(const Window& window);

}  // namespace zv::headless
