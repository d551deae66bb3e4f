#pragma once

// The painting state of the headless backend's windows: each window's update
// rectangle, whether it needs erasing, and the surface its DCs draw on; and
// the entry points through which the other units report what makes a window
// need painting. Internal to the backend.

#include <optional>

#include "headless/gdi/Raster.h"
#include "platform/win/GdiApi.h"

namespace zv::headless {

using namespace zv::win;

struct WindowPaint {
    RECT update;  // client coordinates; empty when valid
    bool erase = false;
    bool frame = false;  // the frame needs WM_NCPAINT before the next erasing
    Raster surface;      // the whole window, sized to its window rectangle
};

// The window's painting record (made on first use), or nullptr when there is
// no such window.
WindowPaint* PaintOf(HWND hwnd);

// The window's surface, sized to its window rectangle now.
Raster* SurfaceOf(HWND hwnd);

// Whether what a window's DCs draw is held back (it or an ancestor is
// locked): it still hears WM_PAINT, but its drawing reaches nothing.
bool UpdatesHeldBack(HWND hwnd);

// Adds to a window's update rectangle (client coordinates, null for all of
// it) and, unless it clips its children, to theirs where they overlap. A
// child reached through its parent is invalid frame and all: it is erased
// and hears WM_NCPAINT, whatever the parent was asked.
void Invalidate(HWND hwnd, const RECT* rect, bool erase);

// Marks a window's frame for painting with its next update, as a change of
// its style does.
void MarkFrame(HWND hwnd);

// After SetWindowPos changed a window: showing it invalidates it, hiding,
// moving or sizing it exposes what it covered in its parent, and a grown
// client area (or any size change with CS_HREDRAW/CS_VREDRAW) is invalid.
// Top-level windows keep their own surfaces, so they expose nothing.
void RepaintAfterPositionChange(HWND hwnd, const RECT& oldRect, const RECT& oldClient,
                                bool wasVisible, UINT flags);

// Then, before WM_WINDOWPOSCHANGED: a shown window is erased at once, and so
// is the parent of a window hidden, sized or restacked (a top-level window
// itself), unless SWP_NOREDRAW or SWP_DEFERERASE says otherwise.
void EraseAfterPositionChange(HWND hwnd, const RECT& oldRect, bool wasVisible, UINT flags);

// Sends the WM_NCPAINT and WM_ERASEBKGND that a window has pending, unless
// an ancestor that paints over it still has to paint: then they wait for the
// window's BeginPaint.
void EraseNow(HWND hwnd);

// The thread's next window to paint, parents first (the window filter as in
// PeekMessageA), or none.
std::optional<HWND> NextWindowToPaint(DWORD thread, HWND filter);

// Invalidates a window and its descendants whole, to be erased: what an
// ended update lock held back is repainted so, at once.
void InvalidateWhole(HWND hwnd);

}  // namespace zv::headless
