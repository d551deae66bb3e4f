// Painting on the headless backend: each window's update rectangle (one
// rectangle bounding what is invalid), WM_PAINT when its thread has nothing
// else to do, BeginPaint with WM_ERASEBKGND, and the surfaces that window
// DCs draw on.

#include "platform/headless/GdiPaint.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/headless/GdiObjects.h"
#include "platform/headless/WindowSystem.h"

namespace zv::headless {

namespace {

std::map<HWND, WindowPaint>& Records() {
    static std::map<HWND, WindowPaint> records;
    return records;
}

// Forgets the records of windows that are gone (handles are never reused).
void ForgetGoneWindows() {
    std::erase_if(Records(),
                  [](const auto& entry) { return System().Find(entry.first) == nullptr; });
}

RECT ClientBounds(const Window& window) {
    return RECT{0, 0, window.client.right - window.client.left,
                window.client.bottom - window.client.top};
}

bool IsVisible(HWND hwnd) {
    return IsWindowVisible(hwnd) != FALSE;
}

// The child's client area in its parent's client coordinates.
RECT ChildClientInParent(const Window& child, const Window& parent) {
    return Offset(child.client, -parent.client.left, -parent.client.top);
}

// What a window uncovered (screen coordinates) becomes invalid in the
// windows that it covered: its parent's client area, or for a top-level
// window the top-level windows below it.
void Expose(const Window& window, const RECT& screenRect) {
    const Window* parent = System().Find(window.parent);
    if (parent == nullptr) {
        return;
    }
    if (IsChild(window)) {
        const RECT area = Offset(screenRect, -parent->client.left, -parent->client.top);
        Invalidate(parent->handle, &area, true);
        return;
    }
    bool below = false;
    for (HWND sibling : std::vector<HWND>(parent->children)) {
        const Window* other = System().Find(sibling);
        if (sibling == window.handle || other == nullptr) {
            below = below || sibling == window.handle;
            continue;
        }
        if (below) {
            const RECT area = Offset(screenRect, -other->client.left, -other->client.top);
            Invalidate(sibling, &area, true);
        }
    }
}

bool SameSize(const RECT& a, const RECT& b) {
    return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// A sized client area: all of it with CS_HREDRAW or CS_VREDRAW for the
// dimension that changed, else what it grew by.
void InvalidateResized(const Window& window, const RECT& oldClient) {
    const LONG oldWidth = oldClient.right - oldClient.left;
    const LONG oldHeight = oldClient.bottom - oldClient.top;
    const RECT bounds = ClientBounds(window);
    const UINT classStyle = window.windowClass != nullptr ? window.windowClass->info.style : 0;
    if (((classStyle & CS_HREDRAW) != 0 && bounds.right != oldWidth) ||
        ((classStyle & CS_VREDRAW) != 0 && bounds.bottom != oldHeight)) {
        Invalidate(window.handle, nullptr, true);
        return;
    }
    const RECT right{oldWidth, 0, bounds.right, bounds.bottom};
    const RECT bottom{0, oldHeight, bounds.right, bounds.bottom};
    Invalidate(window.handle, &right, true);
    Invalidate(window.handle, &bottom, true);
}

bool WantsPaint(const Window& window, DWORD thread, HWND filter) {
    const auto record = Records().find(window.handle);
    if (window.thread != thread || record == Records().end() || IsEmpty(record->second.update) ||
        UpdatesHeldBack(window.handle) || !IsVisible(window.handle)) {
        return false;
    }
    if (filter == -1 || filter == 1) {
        return false;  // thread messages only
    }
    return filter == 0 || IsSelfOrDescendant(filter, window.handle);
}

// Parents before their children, top-level windows in z-order.
std::optional<HWND> FirstToPaint(const Window& window, DWORD thread, HWND filter) {
    if (WantsPaint(window, thread, filter)) {
        return window.handle;
    }
    for (HWND child : window.children) {
        if (const Window* found = System().Find(child)) {
            if (const auto hwnd = FirstToPaint(*found, thread, filter)) {
                return hwnd;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

WindowPaint* PaintOf(HWND hwnd) {
    return System().Find(hwnd) == nullptr ? nullptr : &Records()[hwnd];
}

Raster* SurfaceOf(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    Raster& surface = Records()[hwnd].surface;
    const int width = window->rect.right - window->rect.left;
    const int height = window->rect.bottom - window->rect.top;
    if (surface.Width() != width || surface.Height() != height) {
        surface.Resize(width, height, GetSysColor(COLOR_WINDOW));
    }
    return &surface;
}

bool UpdatesHeldBack(HWND hwnd) {
    const HWND locked = System().LockedWindow();
    return locked != 0 && IsSelfOrDescendant(locked, hwnd);
}

void Invalidate(HWND hwnd, const RECT* rect, bool erase) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || !IsVisible(hwnd)) {
        return;
    }
    const RECT area =
        Intersection(rect != nullptr ? *rect : ClientBounds(*window), ClientBounds(*window));
    if (IsEmpty(area)) {
        return;
    }
    WindowPaint& record = Records()[hwnd];
    record.update = Union(record.update, area);
    record.erase = record.erase || erase;
    if ((window->style & WS_CLIPCHILDREN) != 0) {
        return;
    }
    for (HWND child : std::vector<HWND>(window->children)) {
        const Window* childWindow = System().Find(child);
        const Window* self = System().Find(hwnd);
        if (childWindow == nullptr || self == nullptr) {
            continue;
        }
        const RECT inChild = Offset(Intersection(area, ChildClientInParent(*childWindow, *self)),
                                    self->client.left - childWindow->client.left,
                                    self->client.top - childWindow->client.top);
        if (!IsEmpty(inChild)) {
            Invalidate(child, &inChild, erase);
        }
    }
}

void RepaintAfterPositionChange(HWND hwnd, const RECT& oldRect, const RECT& oldClient,
                                bool wasVisible, UINT flags) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || (flags & SWP_NOREDRAW) != 0) {
        return;
    }
    const bool visible = (window->style & WS_VISIBLE) != 0;
    if (visible && !wasVisible) {
        InvalidateWhole(hwnd);
        return;
    }
    if (wasVisible && (!visible || !Contains(window->rect, oldRect))) {
        Expose(*window, oldRect);
    }
    if (visible && !SameSize(window->client, oldClient)) {
        InvalidateResized(*window, oldClient);
    }
}

std::optional<HWND> NextWindowToPaint(DWORD thread, HWND filter) {
    ForgetGoneWindows();
    for (const auto& [hwnd, record] : Records()) {
        if (!IsEmpty(record.update)) {
            return FirstToPaint(System().Desktop(), thread, filter);
        }
    }
    return std::nullopt;
}

void ValidateAfterPaintMessage(HWND hwnd) {
    if (const auto record = Records().find(hwnd); record != Records().end()) {
        record->second.update = RECT{};
        record->second.erase = false;
    }
}

void InvalidateWhole(HWND hwnd) {
    Invalidate(hwnd, nullptr, true);
    if (const Window* window = System().Find(hwnd)) {
        for (HWND child : std::vector<HWND>(window->children)) {
            InvalidateWhole(child);
        }
    }
}

}  // namespace zv::headless

namespace zv::win {

namespace {

using headless::DeviceContext;
using headless::Gdi;
using headless::PaintOf;
using headless::System;
using headless::WindowPaint;

// A DC of the window's client area limited to a rectangle.
HDC ClippedDc(HWND hwnd, const RECT& clip) {
    const HDC hdc = GetDC(hwnd);
    if (DeviceContext* dc = Gdi().Find<DeviceContext>(hdc)) {
        dc->paintClip = clip;
    }
    return hdc;
}

// Sends WM_ERASEBKGND with a DC limited to the rectangle; true when the
// window erased (a non-zero answer).
bool SendErase(HWND hwnd, HDC hdc) {
    return SendMessageA(hwnd, WM_ERASEBKGND, static_cast<WPARAM>(hdc), 0) != 0;
}

void PaintNow(HWND hwnd) {
    const WindowPaint* record = PaintOf(hwnd);
    if (record != nullptr && !headless::IsEmpty(record->update) &&
        !headless::UpdatesHeldBack(hwnd) && IsWindowVisible(hwnd)) {
        SendMessageA(hwnd, WM_PAINT, 0, 0);
    }
    if (const headless::Window* window = System().Find(hwnd)) {
        for (HWND child : std::vector<HWND>(window->children)) {
            PaintNow(child);
        }
    }
}

}  // namespace

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    if (hWnd == 0) {
        for (HWND top : std::vector<HWND>(System().Desktop().children)) {
            headless::InvalidateWhole(top);
        }
        return TRUE;
    }
    if (System().Find(hWnd) == nullptr) {
        return FALSE;
    }
    headless::Invalidate(hWnd, lpRect, bErase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
    WindowPaint* record = PaintOf(hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    RECT& update = record->update;
    const RECT cut = lpRect != nullptr ? *lpRect : update;
    // One rectangle holds the update area, so only a cut across it shrinks it.
    if (cut.left <= update.left && cut.right >= update.right) {
        if (cut.top <= update.top) {
            update.top = std::max(update.top, cut.bottom);
        } else if (cut.bottom >= update.bottom) {
            update.bottom = std::min(update.bottom, cut.top);
        }
    } else if (cut.top <= update.top && cut.bottom >= update.bottom) {
        if (cut.left <= update.left) {
            update.left = std::max(update.left, cut.right);
        } else if (cut.right >= update.right) {
            update.right = std::min(update.right, cut.left);
        }
    }
    if (headless::IsEmpty(update)) {
        update = RECT{};
        record->erase = false;
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    if (System().Find(hWnd) == nullptr) {
        return FALSE;
    }
    PaintNow(hWnd);
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, RECT* lpRect, BOOL bErase) {
    WindowPaint* record = PaintOf(hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    const RECT update = record->update;
    if (lpRect != nullptr) {
        *lpRect = update;
    }
    if (headless::IsEmpty(update)) {
        return FALSE;
    }
    if (bErase != FALSE && record->erase && !headless::UpdatesHeldBack(hWnd)) {
        record->erase = false;
        const HDC hdc = ClippedDc(hWnd, update);
        SendErase(hWnd, hdc);
        Gdi().Remove(hdc);
    }
    return TRUE;
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint) {
    WindowPaint* record = PaintOf(hWnd);
    if (record == nullptr || lpPaint == nullptr) {
        return 0;
    }
    const RECT update = record->update;
    const bool erase = record->erase;
    record->update = RECT{};
    record->erase = false;
    const HDC hdc = ClippedDc(hWnd, update);
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = hdc;
    lpPaint->rcPaint = update;
    lpPaint->fErase = erase && !SendErase(hWnd, hdc) ? TRUE : FALSE;
    return hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (lpPaint == nullptr) {
        return FALSE;
    }
    if (Gdi().Find<DeviceContext>(lpPaint->hdc) != nullptr) {
        Gdi().Remove(lpPaint->hdc);
    }
    headless::DumpRepaint(hWnd);
    return TRUE;
}

}  // namespace zv::win
