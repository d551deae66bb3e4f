#pragma once

// The driver, outside the window-system API: what tests and the sample host
// use to set the scene (a fresh desktop, other processes and threads, the
// screen, the clock) and to play the user. It is not part of the library.
// The headless backend does all of it. The Win32 backend gives a fresh
// desktop for the calling thread, swaps the mouse buttons and reports no
// script problems; the rest needs the headless backend, and a test that
// reaches it there ends the program with a message naming the call (tests
// say so first with ZV_REQUIRES_HEADLESS).

#include <functional>
#include <string>
#include <vector>

#include "platform/win/FileFaults.h"
#include "platform/win/WinApi.h"

namespace zv::driver {

// A fresh desktop: every window and class is gone, one process with one
// thread is current, and the application object (App()) is as that process
// starts it.
void ResetWindowSystem();

// A new simulated process with its first thread; returns that thread.
win::DWORD StartProcess();

// A new simulated thread of the current process; returns it.
win::DWORD StartThread();

// One display of the screen: its rectangle and its work area (the rectangle
// less the task bar, which may sit on any edge), in virtual-screen
// coordinates. The first is the primary display.
struct Display {
    win::RECT monitor;
    win::RECT work;
};
void ConfigureScreen(const std::vector<Display>& displays);

// Changes a system metric (GetSystemMetrics index) for the windows made or
// sized after it, as a change of the display settings would.
void SetSystemMetric(int index, int value);

// The virtual clock: sets the tick count (tests start it just below the
// 32-bit wrap), or lets time pass. Passing time fires every timer that falls
// due, in order of due time, each on its own thread with the clock at its
// due time and the pending messages of that thread let run.
void SetTickCount(win::DWORD ticks);
void AdvanceClock(win::DWORD milliseconds);

// The scripted user. Each action enters hardware events as a person makes
// them and lets them run: the thread that owns the window an event reaches
// turns it into messages, so a window that captures the mouse (a move or size
// loop, a drag) sees the rest of the action. Points are in screen
// coordinates; buttons are the physical ones (with swapped buttons the left
// one is the secondary button).
enum class MouseButton { Left, Right, Middle };
void MoveMouse(int x, int y);
void PressButton(MouseButton button = MouseButton::Left);
void ReleaseButton(MouseButton button = MouseButton::Left);
void Click(int x, int y, MouseButton button = MouseButton::Left);
// Presses at the first point, moves in even steps to the second, releases.
void Drag(int fromX, int fromY, int toX, int toY, int steps = 4);
void PressKey(int vk);
void ReleaseKey(int vk);
// Types text on a United States keyboard: each character with its key,
// shift held where the layout needs it.
void TypeText(const std::string& text);
void SwapMouseButtons(bool swapped);

// While it lasts, the scripted user's actions are entered but do not run, as
// when a person acts faster than the program reads its input: they run,
// in order, when it ends.
class TypeAhead {
  public:
    TypeAhead();
    ~TypeAhead();
    TypeAhead(const TypeAhead&) = delete;
    TypeAhead& operator=(const TypeAhead&) = delete;
};

// Answers to dialogs, registered before the dialog opens. When a thread
// waits for input and its active window has the caption given, the user
// takes the first answer registered for that caption, as a person would:
// clicking the control with this caption (a button, a box to tick, an option
// to pick), typing into the edit box that follows a label, pressing a key,
// or closing the window from its system menu. Answers for one caption are
// taken in the order registered; one answer, one step.
class DialogAnswer {
  public:
    static DialogAnswer ClickOn(std::string controlCaption);
    static DialogAnswer TypeInto(std::string boxLabel, std::string text);
    static DialogAnswer Press(int vk);
    static DialogAnswer CloseFromSystemMenu();

    // What the answer does, for reports.
    const std::string& Description() const { return m_description; }

    // Gives the answer to the dialog: its input is entered, not yet run.
    void GiveTo(win::HWND dialog) const;

  private:
    enum class Kind { ClickOn, TypeInto, Press, Close };
    DialogAnswer(Kind kind, std::string target, std::string text, int vk);

    Kind m_kind;
    std::string m_target;
    std::string m_text;
    int m_vk;
    std::string m_description;
};

void AnswerDialog(const std::string& caption, DialogAnswer answer);

// Where TypeInto looks when no window of the dialog bears the label: for
// labels drawn by their container (a form's labels have no window). Given
// the dialog and the label's caption, the box's window, or 0. One finder,
// kept across fresh desktops.
using LabelledBoxFinder = std::function<win::HWND(win::HWND dialog, const std::string& label)>;
void SetLabelledBoxFinder(LabelledBoxFinder finder);

// What went wrong with the script since the last call, one line each: a
// dialog that waited for an answer nobody registered (a modal loop then ends
// it as if nobody were there), an answer naming a control the dialog does
// not have, and answers never taken.
std::vector<std::string> TakeScriptProblems();

// The process of a simulated thread.
win::DWORD ProcessOf(win::DWORD thread);

// Ends a process: its windows vanish without a word, as when a program is
// killed, and OpenProcess no longer finds it.
void EndProcess(win::DWORD process);

// Writes a picture of a window with its visible children, as the screen
// shows it (frame and caption included), to a PNG file; false when there is
// no such window or the file cannot be written. With the environment
// variable ZV_DUMP_PAINTS naming a folder, every repaint (each EndPaint)
// writes the picture of its top-level window there, numbered in order.
bool SnapshotWindow(win::HWND hwnd, const std::string& path);

// Makes the occurrence-th file operation of this kind from now fail (1 = the
// next), once, as the platform fails it: an open as access denied, a write as
// a full disk, a close as a fault (the file is let go all the same). A fresh
// desktop forgets the plan. Works on both backends.
void FailFileOperation(win::FileOperation operation, int occurrence = 1);

// Runs the calls of its lifetime as the given simulated thread (and so its
// process), then returns to the thread that was current.
class ThreadScope {
  public:
    explicit ThreadScope(win::DWORD thread);
    ~ThreadScope();
    ThreadScope(const ThreadScope&) = delete;
    ThreadScope& operator=(const ThreadScope&) = delete;

  private:
    win::DWORD m_previous;
};

}  // namespace zv::driver
