#pragma once

// The window-system API through which the library reaches the platform: the
// Win32 subset that the library uses, with the Win32 names and semantics
// (the constants are in WinConstants.h, apart, so that the Win32 backend can
// include this header next to the system's). Window handles are 32-bit signed integers, as on
// 32-bit Windows, and pointer-sized on 64-bit Windows (see HandleValue); message parameters are
// pointer-sized, so that messages can carry the records they point to. Two backends implement it:
// a headless, deterministic window system (the default) and a pass-through to the real Win32 API.

#include <cstddef>
#include <cstdint>

// The platform's calling convention for callbacks: __stdcall on 32-bit
// Windows; 64-bit Windows has a single one, the compiler's own there.
#if defined(_WIN32) && !defined(_WIN64)
#define ZV_CALLBACK __stdcall
#else
#define ZV_CALLBACK
#endif

namespace zv::win {

using BOOL = std::int32_t;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using ATOM = std::uint16_t;

// What a handle is held in. The 64-bit system's records carry handles at
// pointer size, so there they are pointer-sized too and the records keep the
// system's layouts; the system keeps window, menu and drawing handles within
// 32 bits, sign-extended, so NarrowHandle narrows them without loss where the
// library hands a handle on as a 32-bit value.
#if defined(_WIN64)
using HandleValue = std::intptr_t;
#else
using HandleValue = std::int32_t;
#endif

constexpr LONG NarrowHandle(HandleValue handle) {
    return static_cast<LONG>(handle);
}

using HWND = HandleValue;
using HINSTANCE = HandleValue;
using HMENU = HandleValue;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using HANDLE = std::intptr_t;
using HMONITOR = HandleValue;
using HCURSOR = HandleValue;
using SHORT = std::int16_t;
using BYTE = std::uint8_t;
using LPCSTR = const char*;
using LPSTR = char*;

using WNDPROC = LRESULT(ZV_CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void(ZV_CALLBACK*)(HWND, UINT, UINT_PTR, DWORD);
using WNDENUMPROC = BOOL(ZV_CALLBACK*)(HWND, LPARAM);
using HHOOK = HandleValue;
using HOOKPROC = LRESULT(ZV_CALLBACK*)(int, WPARAM, LPARAM);

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

// What WM_GETMINMAXINFO points to in lParam.
struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

// A message taken from a thread's queue.
struct MSG {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

// What a WH_CBT hook's lParam points to for HCBT_ACTIVATE.
struct CBTACTIVATESTRUCT {
    BOOL fMouse = 0;
    HWND hWndActive = 0;  // the window active until now
};

// What WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED point to in lParam;
// x and y are in the parent's client coordinates.
struct WINDOWPOS {
    HWND hwnd = 0;
    HWND hwndInsertAfter = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

// What WM_NCCALCSIZE points to when wParam is TRUE: rgrc[0] holds the new
// window rectangle and receives the new client rectangle.
struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];
    WINDOWPOS* lppos = nullptr;
};

struct MONITORINFO {
    DWORD cbSize = sizeof(MONITORINFO);
    RECT rcMonitor;
    RECT rcWork;  // the monitor less the task bar
    DWORD dwFlags = 0;
};

struct LOGFONTA {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[32] = {};
};

// What SystemParametersInfoA fills for SPI_GETNONCLIENTMETRICS.
struct NONCLIENTMETRICSA {
    UINT cbSize = sizeof(NONCLIENTMETRICSA);
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    LOGFONTA lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    LOGFONTA lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    LOGFONTA lfMenuFont;
    LOGFONTA lfStatusFont;
    LOGFONTA lfMessageFont;
};

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

// WM_DELETEITEM: an item with data that a list or combo box lets go of.
struct DELETEITEMSTRUCT {
    UINT CtlType = 0;  // ODT_LISTBOX or ODT_COMBOBOX
    UINT CtlID = 0;
    UINT itemID = 0;
    HWND hwndItem = 0;
    UINT_PTR itemData = 0;
};

struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = 0;
    HandleValue hIcon = 0;
    HCURSOR hCursor = 0;
    HandleValue hbrBackground = 0;
    LPCSTR lpszMenuName = nullptr;
    LPCSTR lpszClassName = nullptr;
};

// What WM_NCCREATE and WM_CREATE point to in lParam.
struct CREATESTRUCTA {
    void* lpCreateParams = nullptr;
    HINSTANCE hInstance = 0;
    HMENU hMenu = 0;
    HWND hwndParent = 0;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    LPCSTR lpszName = nullptr;
    LPCSTR lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// Window classes and windows
ATOM RegisterClassA(const WNDCLASSA* lpWndClass);
BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance);
HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, void* lpParam);
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);

// Window procedures and messages
// A window procedure itself, so that a class can use it as its own.
LRESULT ZV_CALLBACK DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// Queued messages and timers. GetMessageA waits on the platform; the
// headless backend lets its virtual clock run to the next timer instead, and
// answers -1 when nothing could ever arrive.
BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int nExitCode);
BOOL PeekMessageA(MSG* lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
BOOL GetMessageA(MSG* lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
LRESULT DispatchMessageA(const MSG* lpMsg);
BOOL InSendMessage();
// Posts WM_CHAR for a WM_KEYDOWN of a key that types a character.
BOOL TranslateMessage(const MSG* lpMsg);
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);
DWORD GetTickCount();

// Thread hooks: the last one installed is called first and passes on with
// CallNextHookEx. A WH_GETMESSAGE hook sees every message its thread takes
// from the queue (lParam points to the MSG, which it may rewrite); a WH_CBT
// hook hears of activation (HCBT_ACTIVATE, wParam the window) before it
// happens.
HHOOK SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId);
BOOL UnhookWindowsHookEx(HHOOK hhk);
LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam);
void RtlMoveMemory(void* Destination, const void* Source, std::size_t Length);

// Compares two texts (Windows-1252) as the system sorts them for the user,
// without regard to case: below, equal to or above zero. Hyphens and
// apostrophes count only where the texts are otherwise alike, symbols come
// before digits and digits before letters, accented letters and ligatures
// sort with their letters.
int lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2);

// Window longs. The window procedure travels as a 32-bit value: use
// WndProcToLong and LongToWndProc to convert.
LONG GetWindowLongA(HWND hWnd, int nIndex);
LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong);
LONG WndProcToLong(WNDPROC proc);
WNDPROC LongToWndProc(LONG value);

// Positions, sizes and visibility. Rectangles are in screen coordinates
// unless said otherwise.
BOOL GetWindowRect(HWND hWnd, RECT* lpRect);
BOOL GetClientRect(HWND hWnd, RECT* lpRect);  // the client area's own coordinates
BOOL ScreenToClient(HWND hWnd, POINT* lpPoint);
BOOL ClientToScreen(HWND hWnd, POINT* lpPoint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsWindowEnabled(HWND hWnd);
int GetSystemMetrics(int nIndex);

// Focus, activation and the foreground window. Active and focus windows
// belong to a thread's input state, which attached threads share.
HWND GetFocus();
HWND SetFocus(HWND hWnd);
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hWnd);
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND hWnd);
BOOL BringWindowToTop(HWND hWnd);
BOOL AttachThreadInput(DWORD idAttach, DWORD idAttachTo, BOOL fAttach);

// Monitors and system settings
HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags);
HMONITOR MonitorFromRect(const RECT* lprc, DWORD dwFlags);
BOOL GetMonitorInfoA(HMONITOR hMonitor, MONITORINFO* lpmi);
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni);

// The cursor, the mouse buttons and the keyboard
BOOL GetCursorPos(POINT* lpPoint);
BOOL SetCursorPos(int X, int Y);
HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
SHORT GetAsyncKeyState(int vKey);
SHORT GetKeyState(int nVirtKey);
UINT GetDoubleClickTime();
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND WindowFromPoint(POINT Point);

// Repainting of one window at a time can be held back.
BOOL LockWindowUpdate(HWND hWndLock);

// Scroll bars of a window (SB_HORZ, SB_VERT)
int SetScrollInfo(HWND hwnd, int nBar, const SCROLLINFO* lpsi, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int nBar, SCROLLINFO* lpsi);
BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow);
int ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT* prcScroll, const RECT* prcClip,
                   HANDLE hrgnUpdate, RECT* prcUpdate, UINT flags);

// Window relations
HWND GetDesktopWindow();
HWND GetParent(HWND hWnd);
// Whether hWnd is a child window below hWndParent, at any depth.
BOOL IsChild(HWND hWndParent, HWND hWnd);
HWND GetWindow(HWND hWnd, UINT uCmd);
HWND SetParent(HWND hWndChild, HWND hWndNewParent);
BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam);
HWND FindWindowExA(HWND hWndParent, HWND hWndChildAfter, LPCSTR lpszClass, LPCSTR lpszWindow);

// Dialogs: the platform's message box, and the controls of a dialog by
// identifier.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
BOOL SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString);
UINT GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);

// What GetSaveFileNameA reads and fills. lpstrFilter holds pairs of texts
// (a description and its patterns, "Text files\0*.txt\0"), ending with an
// empty one; lpstrFile holds the suggested name and receives the full path.
struct OPENFILENAMEA {
    DWORD lStructSize = sizeof(OPENFILENAMEA);
    HWND hwndOwner = 0;
    HINSTANCE hInstance = 0;
    LPCSTR lpstrFilter = nullptr;
    LPSTR lpstrCustomFilter = nullptr;
    DWORD nMaxCustFilter = 0;
    DWORD nFilterIndex = 0;  // 1-based; 0 for the first
    LPSTR lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPSTR lpstrFileTitle = nullptr;
    DWORD nMaxFileTitle = 0;
    LPCSTR lpstrInitialDir = nullptr;
    LPCSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    std::uint16_t nFileOffset = 0;
    std::uint16_t nFileExtension = 0;
    LPCSTR lpstrDefExt = nullptr;
    LPARAM lCustData = 0;
    void* lpfnHook = nullptr;
    LPCSTR lpTemplateName = nullptr;
};

// The save dialog: TRUE with the chosen path in lpstrFile, FALSE when the
// user cancels (or the path does not fit the buffer).
BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn);

// Window properties
BOOL SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData);
HANDLE GetPropA(HWND hWnd, LPCSTR lpString);
HANDLE RemovePropA(HWND hWnd, LPCSTR lpString);

// Window texts and classes
int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
int GetWindowTextLengthA(HWND hWnd);
BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString);
int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount);

// Processes and threads
DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId);
DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();
// The handle of a running process (the alive test), or 0.
HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId);
BOOL CloseHandle(HANDLE hObject);
// The full path of the running program's file for hModule 0; the length
// copied, 0 on failure.
DWORD GetModuleFileNameA(HINSTANCE hModule, LPSTR lpFilename, DWORD nSize);

}  // namespace zv::win
