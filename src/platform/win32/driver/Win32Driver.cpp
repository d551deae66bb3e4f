// The driver's part that the real window system can do: a fresh desktop for
// the calling thread, and swapping the mouse buttons. The rest of the driver
// (simulated processes and threads, the screen, the virtual clock, the
// scripted user and its dialog answers, snapshots) exists only on the
// headless backend; tests that need it are skipped on this build, so reaching
// one of those functions is a fault in the test and ends the program with a
// message rather than pretending to act.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation/Application.h"
#include "platform/driver/Driver.h"
#include "platform/win/MessagePump.h"
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

}  // namespace zv::win32

namespace zv::headless {

namespace {

[[noreturn]] void Unavailable(const char* what) {
    std::fprintf(stderr, "%s exists only on the headless backend: mark the test that reached it\n",
                 what);
    std::fflush(stderr);
    std::abort();
}

}  // namespace

void ResetWindowSystem() {
    ::ReleaseCapture();
    ::SwapMouseButton(FALSE);
    win32::DestroyThreadWindows();
    win32::UndoRegistrations();
    win32::EmptyQueue();
    App() = Application();
}

win::DWORD StartProcess() {
    Unavailable("StartProcess");
}

void ConfigureScreen(const std::vector<Display>&) {
    Unavailable("ConfigureScreen");
}

void SetSystemMetric(int, int) {
    Unavailable("SetSystemMetric");
}

void SetTickCount(win::DWORD) {
    Unavailable("SetTickCount");
}

void AdvanceClock(win::DWORD) {
    Unavailable("AdvanceClock");
}

void MoveMouse(int, int) {
    Unavailable("MoveMouse");
}

void PressButton(MouseButton) {
    Unavailable("PressButton");
}

void ReleaseButton(MouseButton) {
    Unavailable("ReleaseButton");
}

void Click(int, int, MouseButton) {
    Unavailable("Click");
}

void Drag(int, int, int, int, int) {
    Unavailable("Drag");
}

void PressKey(int) {
    Unavailable("PressKey");
}

void ReleaseKey(int) {
    Unavailable("ReleaseKey");
}

void TypeText(const std::string&) {
    Unavailable("TypeText");
}

void SwapMouseButtons(bool swapped) {
    ::SwapMouseButton(swapped ? TRUE : FALSE);
}

win::DWORD ProcessOf(win::DWORD) {
    Unavailable("ProcessOf");
}

void EndProcess(win::DWORD) {
    Unavailable("EndProcess");
}

// The real dialogs are answered by a real user: there is nothing to find.
void SetLabelledBoxFinder(LabelledBoxFinder) {}

DialogAnswer DialogAnswer::ClickOn(std::string) {
    Unavailable("DialogAnswer");
}

DialogAnswer DialogAnswer::TypeInto(std::string, std::string) {
    Unavailable("DialogAnswer");
}

DialogAnswer DialogAnswer::Press(int) {
    Unavailable("DialogAnswer");
}

DialogAnswer DialogAnswer::CloseFromSystemMenu() {
    Unavailable("DialogAnswer");
}

void DialogAnswer::GiveTo(win::HWND) const {
    Unavailable("DialogAnswer");
}

void AnswerDialog(const std::string&, DialogAnswer) {
    Unavailable("AnswerDialog");
}

// Nothing is scripted on the real window system, so nothing went wrong.
std::vector<std::string> TakeScriptProblems() {
    return {};
}

bool SnapshotWindow(win::HWND, const std::string&) {
    Unavailable("SnapshotWindow");
}

ThreadScope::ThreadScope(win::DWORD) : m_previous(0) {
    Unavailable("ThreadScope");
}

ThreadScope::~ThreadScope() = default;

}  // namespace zv::headless

namespace zv {

// GetMessageA fails on the platform only for bad arguments, which no loop of
// the library passes: there is nothing to report.
void ReportUnansweredWindow(win::HWND) {}

}  // namespace zv
