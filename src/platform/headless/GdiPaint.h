#pragma once

// The painting state of the headless backend's windows: each window's update
// rectangle, whether it needs erasing, and the surface its DCs draw on; and
// the entry points through which the other units report what makes a window
// need painting. Internal to the backend.

#include <optional>

#include "platform/GdiApi.h"
#include "platform/headless/Raster.h"

namespace zv::headless {

using namespace zv::win;

struct WindowPaint {
    RECT update;  // client coordinates; empty when valid
    bool erase = false;
    Raster surface;  // the whole window, sized to its window rectangle
};

// The window's painting record (made on first use), or nullptr when there is
// no such window.
WindowPaint* PaintOf(HWND hwnd);

// The window's surface, sized to its window rectangle now.
Raster* SurfaceOf(HWND hwnd);

// Whether a window's updates are held back (it or an ancestor is locked).
bool UpdatesHeldBack(HWND hwnd);

// Adds to a window's update rectangle (client coordinates, null for all of
// it) and, unless it clips its children, to theirs where they overlap.
void Invalidate(HWND hwnd, const RECT* rect, bool erase);

// After SetWindowPos changed a window: showing it invalidates it, hiding,
// moving or sizing it exposes what it covered in its parent, and a grown
// client area (or any size change with CS_HREDRAW/CS_VREDRAW) is invalid.
void RepaintAfterPositionChange(HWND hwnd, const RECT& oldRect, const RECT& oldClient,
                                bool wasVisible, UINT flags);

// The thread's next window to paint, parents first (the window filter as in
// PeekMessageA), or none.
std::optional<HWND> NextWindowToPaint(DWORD thread, HWND filter);

// What remains invalid after a WM_PAINT was dispatched is validated, so that
// a procedure that never calls BeginPaint does not get WM_PAINT forever.
void ValidateAfterPaintMessage(HWND hwnd);

// Invalidates a window and its descendants whole, to be erased: what an
// ended update lock held back is repainted so, at once.
void InvalidateWhole(HWND hwnd);

// Numbered PNGs of every repaint, when ZV_DUMP_PAINTS names a folder.
void DumpRepaint(HWND hwnd);

}  // namespace zv::headless
