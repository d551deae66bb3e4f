// What the backend remembers of the classes and window-less timers
// registered through the API, so that a fresh desktop for the calling thread
// can undo them, and that fresh desktop itself.

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "win32/Win32.h"

namespace zv::win32 {

namespace {

struct Registrations {
    std::vector<std::pair<std::string, ::HINSTANCE>> classes;
    std::vector<UINT_PTR> threadTimers;
};

// Used from the user-interface thread only, like the rest of the library.
Registrations& Registered() {
    static Registrations registered;
    return registered;
}

bool SameClass(const std::pair<std::string, ::HINSTANCE>& entry, const char* name,
               ::HINSTANCE instance) {
    return entry.second == instance && ::lstrcmpiA(entry.first.c_str(), name) == 0;
}

BOOL CALLBACK CollectWindow(::HWND hwnd, ::LPARAM windows) {
    reinterpret_cast<std::vector<::HWND>*>(windows)->push_back(hwnd);
    return TRUE;
}

// Destroying a window takes its children and owned windows along, so each
// is checked again before it is destroyed.
void DestroyThreadWindows() {
    std::vector<::HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow,
                        reinterpret_cast<::LPARAM>(&windows));
    for (::HWND hwnd : windows) {
        if (::IsWindow(hwnd)) {
            ::DestroyWindow(hwnd);
        }
    }
}

// Posted messages, input and a quit left over from the last scene.
void EmptyQueue() {
    ::MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace

void RememberClass(const char* name, ::HINSTANCE instance) {
    if (HIWORD(reinterpret_cast<std::uintptr_t>(name)) != 0) {
        Registered().classes.emplace_back(name, instance);
    }
}

void ForgetClass(const char* name, ::HINSTANCE instance) {
    if (HIWORD(reinterpret_cast<std::uintptr_t>(name)) != 0) {
        std::erase_if(Registered().classes,
                      [&](const auto& entry) { return SameClass(entry, name, instance); });
    }
}

void RememberThreadTimer(UINT_PTR id) {
    Registered().threadTimers.push_back(id);
}

void ForgetThreadTimer(UINT_PTR id) {
    std::erase(Registered().threadTimers, id);
}

namespace {

void UndoRegistrations() {
    Registrations& registered = Registered();
    for (UINT_PTR id : registered.threadTimers) {
        ::KillTimer(nullptr, id);
    }
    for (const auto& [name, instance] : registered.classes) {
        ::UnregisterClassA(name.c_str(), instance);
    }
    registered = Registrations{};
}

}  // namespace

void ResetThreadState() {
    ::ReleaseCapture();
    ::SwapMouseButton(FALSE);
    DestroyThreadWindows();
    UndoRegistrations();
    EmptyQueue();
}

}  // namespace zv::win32
