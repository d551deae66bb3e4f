#pragma once

// The subclass registry, one per thread: it replaces a window's procedure
// once, keeps the procedure it replaced, and hands every message of the
// window to the window's subscribers in the order in which they subscribed.
// WindowProcMgr is its client; a window is subclassed while it has at least
// one subscriber, and the registry holds a counted reference to each.

#include <cstdint>
#include <memory>

#include "platform/automation/Collection.h"
#include "platform/win/WinApi.h"

namespace zv {

class IWindowProcMgr;

namespace modWindowProcMgr {

// Subscribes callback to the messages of a window of the calling thread,
// subclassing the window for its first subscriber. False, with nothing
// recorded, when the window cannot be subclassed (it does not exist or
// belongs to another thread). Subscribing the same object again changes
// nothing.
bool SubclassWindow(win::HWND hwnd, std::shared_ptr<IWindowProcMgr> callback);

// Ends the subscription of that very object, if it has one; when the last
// subscriber leaves, the window's own procedure is put back.
void UnSubclassWindow(win::HWND hwnd, const IWindowProcMgr* callback);

// Whether the calling thread has subclassed windows; their handles are
// appended to the collection, if one is given, in the order in which they
// were first subclassed.
bool GetSubclassedWindows(Collection<std::int32_t>* collection);

// The window procedure of every subclassed window. Subscribers see the
// message in turn until one handles it, then the window's own procedure
// answers unless one did, then every subscriber hears the answer.
win::LRESULT ZV_CALLBACK SubclassedWindowProc(win::HWND hwnd, win::UINT uMsg, win::WPARAM wParam,
                                              win::LPARAM lParam);

// The number of the innermost message that SubclassedWindowProc is
// delivering, 0 outside any. Each message gets a larger number than all
// before it, so that a subscriber can tell the nested messages of one window
// apart.
std::uint64_t CurrentMessage() noexcept;

// Whether a message of the window is inside the subscriber: it has reached
// the subscriber's WindowProc, and the subscriber has not yet heard its answer
// to the end.
bool IsMessageInside(win::HWND hwnd, const IWindowProcMgr* subscriber) noexcept;

// The same, asked from the subscriber's WindowProcDone, leaving out the
// message whose answer it is hearing there.
bool IsAnotherMessageInside(win::HWND hwnd, const IWindowProcMgr* subscriber) noexcept;

}  // namespace modWindowProcMgr
}  // namespace zv
