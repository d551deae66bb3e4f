// Painting on the headless backend: each window's update rectangle (one
// rectangle bounding what is invalid) and whether its frame and background
// need painting; WM_PAINT when its thread has nothing else to do; WM_NCPAINT
// and WM_ERASEBKGND from BeginPaint, or at once as windows are shown, hidden
// and sized; and the surfaces that window DCs draw on.

#include "headless/gdi/GdiPaint.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "headless/core/WindowSystem.h"
#include "headless/gdi/GdiObjects.h"
#include "headless/gdi/Snapshot.h"

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

// What a child uncovered (screen coordinates) becomes invalid in its
// parent's client area. Top-level windows keep their own surfaces, so what
// one uncovers needs no repainting.
void Expose(const Window& window, const RECT& screenRect) {
    const Window* parent = System().Find(window.parent);
    if (parent == nullptr || !IsChild(window)) {
        return;
    }
    const RECT area = Offset(screenRect, -parent->client.left, -parent->client.top);
    Invalidate(parent->handle, &area, true);
}

bool SameSize(const RECT& a, const RECT& b) {
    return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

void InvalidateArea(HWND hwnd, const RECT* rect, bool erase, bool frame);

// A sized client area: all of it with CS_HREDRAW or CS_VREDRAW for the
// dimension that changed, else what it grew by; the frame with it.
void InvalidateResized(const Window& window, const RECT& oldClient) {
    const LONG oldWidth = oldClient.right - oldClient.left;
    const LONG oldHeight = oldClient.bottom - oldClient.top;
    const RECT bounds = ClientBounds(window);
    const UINT classStyle = window.windowClass != nullptr ? window.windowClass->info.style : 0;
    if (((classStyle & CS_HREDRAW) != 0 && bounds.right != oldWidth) ||
        ((classStyle & CS_VREDRAW) != 0 && bounds.bottom != oldHeight)) {
        InvalidateArea(window.handle, nullptr, true, true);
        return;
    }
    const RECT right{oldWidth, 0, bounds.right, bounds.bottom};
    const RECT bottom{0, oldHeight, bounds.right, bounds.bottom};
    InvalidateArea(window.handle, &right, true, true);
    InvalidateArea(window.handle, &bottom, true, true);
}

bool WantsPaint(const Window& window, DWORD thread, HWND filter) {
    const auto record = Records().find(window.handle);
    if (window.thread != thread || record == Records().end() || IsEmpty(record->second.update) ||
        !IsVisible(window.handle)) {
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

// A DC of the window's client area limited to a rectangle.
HDC ClippedDc(HWND hwnd, const RECT& clip) {
    const HDC hdc = GetDC(hwnd);
    if (DeviceContext* dc = Gdi().Find<DeviceContext>(hdc)) {
        dc->paintClip = clip;
    }
    return hdc;
}

// Sends WM_ERASEBKGND with a DC limited to the update rectangle; true when
// the window erased (a non-zero answer).
bool SendErase(HWND hwnd, const RECT& update) {
    const HDC hdc = ClippedDc(hwnd, update);
    const bool erased = SendMessageA(hwnd, WM_ERASEBKGND, static_cast<WPARAM>(hdc), 0) != 0;
    Gdi().Remove(hdc);
    return erased;
}

// Sends WM_NCPAINT when the window's frame is marked. The headless backend
// keeps no regions, so the message always names the whole window.
void PaintFrame(HWND hwnd, WindowPaint& record) {
    if (std::exchange(record.frame, false)) {
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    }
}

// Whether an ancestor that does not clip its children still has to paint:
// its painting would cover what the window erased now.
bool PaintedOverLater(const Window& window) {
    for (const Window* current = &window; IsChild(*current);) {
        const Window* parent = System().Find(current->parent);
        if (parent == nullptr || (parent->style & WS_CLIPCHILDREN) != 0) {
            return false;
        }
        const auto record = Records().find(parent->handle);
        if (record != Records().end() && !IsEmpty(record->second.update)) {
            return true;
        }
        current = parent;
    }
    return false;
}

// The part of the window's client area (client coordinates) that its
// ancestors' client areas leave visible.
RECT VisibleClientBounds(const Window& window) {
    RECT visible = window.client;
    for (const Window* current = &window; IsChild(*current);) {
        const Window* parent = System().Find(current->parent);
        if (parent == nullptr) {
            break;
        }
        visible = Intersection(visible, parent->client);
        current = parent;
    }
    return Offset(visible, -window.client.left, -window.client.top);
}

// Adds to the window's update (see Invalidate); frame marks its frame too.
void InvalidateArea(HWND hwnd, const RECT* rect, bool erase, bool frame) {
    const Window* window = System().Find(hwnd);
    // The desktop is painted by a process of its own.
    if (window == nullptr || hwnd == System().Desktop().handle || !IsVisible(hwnd)) {
        return;
    }
    const RECT visible = VisibleClientBounds(*window);
    const RECT area = Intersection(rect != nullptr ? *rect : visible, visible);
    if (IsEmpty(area)) {
        return;
    }
    WindowPaint& record = Records()[hwnd];
    record.update = Union(record.update, area);
    record.erase = record.erase || erase;
    record.frame = record.frame || frame;
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
            InvalidateArea(child, &inChild, true, true);
        }
    }
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
    InvalidateArea(hwnd, rect, erase, false);
}

void MarkFrame(HWND hwnd) {
    if (WindowPaint* record = PaintOf(hwnd)) {
        record->frame = true;
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

void EraseAfterPositionChange(HWND hwnd, const RECT& oldRect, bool wasVisible, UINT flags) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || (flags & (SWP_NOREDRAW | SWP_DEFERERASE)) != 0) {
        return;
    }
    const bool visible = (window->style & WS_VISIBLE) != 0;
    const bool reshaped = !SameSize(window->rect, oldRect) || (flags & SWP_NOZORDER) == 0 ||
                          (flags & (SWP_NOCLIENTSIZE | SWP_FRAMECHANGED)) != SWP_NOCLIENTSIZE;
    if ((wasVisible && !visible) || (visible == wasVisible && reshaped)) {
        EraseNow(IsChild(*window) ? window->parent : hwnd);
    }
    if (visible && !wasVisible) {
        EraseNow(hwnd);
    }
}

void EraseNow(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    const auto found = Records().find(hwnd);
    if (window == nullptr || found == Records().end() || !IsVisible(hwnd) ||
        IsEmpty(found->second.update) || PaintedOverLater(*window)) {
        return;
    }
    WindowPaint& record = found->second;  // kept as long as its window is
    PaintFrame(hwnd, record);
    if (IsWindow(hwnd) && std::exchange(record.erase, false)) {
        SendErase(hwnd, record.update);
    }
}

void InvalidateWhole(HWND hwnd) {
    InvalidateArea(hwnd, nullptr, true, true);
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

void PaintNow(HWND hwnd) {
    const WindowPaint* record = PaintOf(hwnd);
    if (record != nullptr && !headless::IsEmpty(record->update) && IsWindowVisible(hwnd)) {
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
    if (bErase != FALSE) {
        headless::EraseNow(hWnd);
    }
    return TRUE;
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint) {
    WindowPaint* record = PaintOf(hWnd);
    if (record == nullptr || lpPaint == nullptr) {
        return 0;
    }
    headless::PaintFrame(hWnd, *record);
    if (!IsWindow(hWnd)) {
        return 0;
    }
    const RECT update = std::exchange(record->update, RECT{});
    const bool erase = std::exchange(record->erase, false);
    const HDC hdc = headless::ClippedDc(hWnd, update);
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = hdc;
    lpPaint->rcPaint = update;
    const bool erased =
        erase && SendMessageA(hWnd, WM_ERASEBKGND, static_cast<WPARAM>(hdc), 0) != 0;
    lpPaint->fErase = erase && !erased ? TRUE : FALSE;
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
