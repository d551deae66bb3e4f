// The driver's part that the real window system can do: a fresh desktop for
// the calling thread, and swapping the mouse buttons. The rest of the driver
// (simulated processes and threads, the screen, the virtual clock, the
// scripted user and its dialog answers, snapshots) exists only on the
// headless backend; tests that need it are skipped on this build, so reaching
// one of those functions is a fault in the test and ends the program with a
// message rather than pretending to act.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/automation/Application.h"
#include "platform/driver/Driver.h"
#include "win32/Win32.h"

namespace zv::driver {

namespace {

[[noreturn]] void Unavailable(const char* what) {
    std::fprintf(stderr, "%s exists only on the headless backend: mark the test that reached it\n",
                 what);
    std::fflush(stderr);
    std::abort();
}

}  // namespace

void ResetWindowSystem() {
    win32::ResetThreadState();
    App() = Application();
    win::ClearFileFailures();
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

TypeAhead::TypeAhead() {
    Unavailable("TypeAhead");
}

TypeAhead::~TypeAhead() = default;

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

}  // namespace zv::driver
