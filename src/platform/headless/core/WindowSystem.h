#pragma once

// The headless backend's model of the window system: windows in a table of
// slots addressed by handles that carry a generation, window classes,
// window procedures known by 32-bit values, and simulated processes and
// threads. Only the backend's own units include this header.

#include <any>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/ProcedureTable.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

using namespace zv::win;

struct WindowClass {
    std::string name;
    WNDCLASSA info;
    ATOM atom = 0;
};

// What SetWindowSubclass stacked on a window (HeadlessSubclass).
struct SubclassChain;

struct Window {
    HWND handle = 0;
    const WindowClass* windowClass = nullptr;  // null for the desktop
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HINSTANCE instance = 0;
    LONG id = 0;
    LONG userData = 0;
    HWND parent = 0;  // the desktop for top-level windows
    HWND owner = 0;
    std::vector<HWND> children;  // z-order, topmost first
    std::string text;
    std::vector<std::pair<std::string, HANDLE>> props;  // names folded to upper case
    DWORD thread = 0;
    DWORD process = 0;
    RECT rect;                               // screen coordinates
    RECT client;                             // screen coordinates
    std::array<SCROLLINFO, 2> scrollBars{};  // SB_HORZ, SB_VERT
    int controlState = 0;                    // what a system control keeps in its extra bytes
    HANDLE controlFont = 0;                  // what WM_SETFONT gave a system control
    std::any controlData;                    // the rest of a system control's state
    std::shared_ptr<SubclassChain> subclasses;
    bool destroying = false;
    bool needSize = false;  // WM_SIZE and WM_MOVE wait for the first showing
};

struct Timer {
    HWND hwnd = 0;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC proc = nullptr;
    std::uint64_t due = 0;  // on the virtual clock
    DWORD thread = 0;
};

// A thread hook. Handles grow with every installation, so a chain runs from
// the largest handle down.
struct Hook {
    HHOOK handle = 0;
    int type = 0;
    HOOKPROC proc = nullptr;
    DWORD thread = 0;
};

// A hook procedure being called: where CallNextHookEx goes on from.
struct HookCall {
    int type = 0;
    HHOOK handle = 0;
};

// The active and focus windows and the key state, shared by threads whose
// input is attached. The key state changes as the thread takes input
// messages from its queue: bit 0x80 while a key is down, bit 0x01 toggled by
// each press. Mouse buttons are kept as the logical ones.
struct InputState {
    HWND active = 0;
    HWND focus = 0;
    HWND capture = 0;
    std::array<BYTE, 256> keys{};

    bool KeyDown(int vk) const { return (keys[static_cast<std::size_t>(vk & 0xFF)] & 0x80) != 0; }
};

// The last press of a mouse button in a client area, to tell double clicks.
struct ButtonPress {
    HWND hwnd = 0;
    UINT message = 0;
    std::uint64_t time = 0;
    POINT point;
};

// A hardware event waiting to become window messages: the thread that owns
// the window it reaches turns it into messages when it reads its queue.
struct RawInput {
    enum class Kind { MouseMove, ButtonDown, ButtonUp, KeyDown, KeyUp };
    Kind kind = Kind::MouseMove;
    POINT point;  // mouse events: where, in screen coordinates
    int key = 0;  // the physical button's or the key's virtual-key code
};

struct Thread {
    DWORD id = 0;
    DWORD process = 0;
    InputState ownInput;
    DWORD inputOf = 0;      // the thread whose input state this one uses
    std::deque<MSG> queue;  // posted messages, oldest first
    bool quitPosted = false;
    int quitCode = 0;
    int sendsFromOtherThreads = 0;    // depth of messages being received from them
    std::vector<HookCall> hookCalls;  // innermost last
};

// One display: its rectangle and its work area (less the task bar), in
// virtual-screen coordinates.
struct Monitor {
    RECT monitor;
    RECT work;
};

class WindowSystem {
  public:
    static WindowSystem& Instance();

    // Back to a fresh desktop: no windows, no classes, one process with one
    // thread that is current.
    void Reset();

    // The window, or nullptr for a handle that is not (or no longer) one.
    Window* Find(HWND hwnd);
    Window& Desktop();

    // A new window record, or nullptr when every handle is in use.
    Window* Allocate();
    void Free(HWND hwnd);

    // Classes
    const WindowClass* FindClass(const std::string& name) const;
    ATOM AddClass(const WNDCLASSA& info);
    bool RemoveClass(const std::string& name);

    // Window procedures travel as 32-bit values; each procedure gets one.
    LONG ProcToLong(WNDPROC proc) { return m_procedures.ToLong(proc); }
    WNDPROC LongToProc(LONG value) const { return m_procedures.FromLong(value); }

    // The displays, the primary first.
    const std::vector<Monitor>& Monitors() const { return m_monitors; }
    void SetMonitors(std::vector<Monitor> monitors);

    // The cursor, the physical state of keys and mouse buttons (as the user
    // left them, whatever the threads have taken yet), the window whose
    // updates are held back.
    POINT& Cursor() { return m_cursor; }
    HCURSOR& CursorShape() { return m_cursorShape; }
    bool& KeyDown(int vk) { return m_keysDown[static_cast<std::size_t>(vk & 0xFF)]; }
    HWND& LockedWindow() { return m_lockedWindow; }
    std::deque<RawInput>& RawInputQueue() { return m_rawInput; }
    ButtonPress& LastPress() { return m_lastPress; }

    // System metrics by GetSystemMetrics index.
    int Metric(int index) const;
    void SetMetric(int index, int value);

    // Processes and threads
    DWORD CurrentThread() const { return m_currentThread; }
    DWORD CurrentProcess() const { return m_currentProcess; }
    DWORD NewProcess();
    DWORD NewThread(DWORD process);
    void SetCurrentThread(DWORD thread);
    std::optional<DWORD> ProcessOfThread(DWORD thread) const;
    bool IsProcessRunning(DWORD process) const;
    // Ends a process: its threads stop and its windows vanish without a word.
    void EndProcess(DWORD process);
    Thread* FindThread(DWORD thread);
    InputState& InputOf(DWORD thread);

    HWND Foreground() const { return m_foreground; }
    void SetForeground(HWND hwnd) { m_foreground = hwnd; }

    // Timers and the virtual millisecond clock (64 bits inside; the platform
    // reads the low 32 bits, so it wraps as the real tick count does).
    std::vector<Timer>& Timers() { return m_timers; }
    std::uint64_t Now() const { return m_now; }
    void SetNow(std::uint64_t now) { m_now = now; }
    UINT_PTR NextTimerId() { return ++m_lastTimerId; }

    // Thread hooks, in order of installation.
    std::vector<Hook>& Hooks() { return m_hooks; }
    HHOOK NextHookHandle() { return ++m_lastHook; }

    // Forgets what belongs to a window that goes: its timers and its queued
    // messages.
    void ForgetWindow(HWND hwnd);

  private:
    WindowSystem();
    void DropTree(HWND hwnd);

    struct Slot {
        std::uint16_t generation = 0;
        std::unique_ptr<Window> window;
    };
    std::vector<Slot> m_slots;  // index 0 unused: handle 0 is no window
    std::vector<std::uint16_t> m_freeSlots;
    std::vector<std::unique_ptr<WindowClass>> m_classes;
    ATOM m_nextAtom = 0xC000;
    ProcedureTable m_procedures;
    std::deque<Thread> m_threads;  // stable addresses
    std::vector<DWORD> m_endedProcesses;
    DWORD m_nextId = 0;
    DWORD m_currentThread = 0;
    DWORD m_currentProcess = 0;
    HWND m_desktop = 0;
    HWND m_foreground = 0;
    std::vector<Timer> m_timers;
    std::vector<std::pair<int, int>> m_metrics;
    std::vector<Monitor> m_monitors;
    POINT m_cursor;
    HCURSOR m_cursorShape = 0;
    std::array<bool, 256> m_keysDown{};
    HWND m_lockedWindow = 0;
    std::deque<RawInput> m_rawInput;
    ButtonPress m_lastPress;
    std::uint64_t m_now = 0;
    UINT_PTR m_lastTimerId = 0;
    std::vector<Hook> m_hooks;
    HHOOK m_lastHook = 0;  // never reset: a stale hook handle names no hook
};

// Shortcuts shared by the backend's units.
inline WindowSystem& System() {
    return WindowSystem::Instance();
}
inline InputState& CurrentInput() {
    return System().InputOf(System().CurrentThread());
}
inline bool IsChild(const Window& window) {
    return (window.style & WS_CHILD) != 0;
}

// The top-level window that a window belongs to (itself if it is one).
HWND TopLevelOf(HWND hwnd);

// Whether hwnd is the ancestor itself or one of its descendants.
bool IsSelfOrDescendant(HWND ancestor, HWND hwnd);

// Runs the calls of its lifetime as another simulated thread (and so its
// process), then makes the thread that was current current again.
class OnThread {
  public:
    explicit OnThread(DWORD thread);
    ~OnThread();
    OnThread(const OnThread&) = delete;
    OnThread& operator=(const OnThread&) = delete;

  private:
    DWORD m_previous;
};

// Names of classes, windows and properties compare without regard to case.
std::string FoldName(const std::string& name);

// A window's text, empty for a handle that is no window.
std::string WindowText(HWND hwnd);

// A window's class name; the desktop's is "#32769".
std::string ClassNameOf(const Window& window);

// Message parameter packing and rectangle arithmetic shared by the units.
LPARAM MakeLParam(LONG low, LONG high);
RECT Offset(RECT rect, LONG dx, LONG dy);

// Calls the calling thread's chain of hooks of a type, newest first, and
// answers what the first one answered (0 without hooks).
LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam);

// The earliest timer of a thread (of any thread for 0), or none.
std::optional<Timer> NextTimer(DWORD thread);

}  // namespace zv::headless
