// Hooks, forwarders, timers and pointer guards: a message hook rewrites
// queued messages before an editor window gets them; a tool panel moved into
// a dock pane keeps its former parent informed of its children and of the
// user's clicks; a timer with no form ticks on the virtual clock; and nested
// pointer guards put the application's pointer back in reverse order.

#include <memory>
#include <string>

#include "DemoWindows.h"
#include "Scenes.h"
#include "platform/automation/Application.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"
#include "winmsg/ParentMsgForwarder.h"
#include "winmsg/TimerNoUI.h"
#include "winmsg/WindowHookMgr.h"
#include "winmsg/modAutoMousePointer.h"

namespace zvdemo {

namespace {

using namespace zv::win;

constexpr const char* kDemoClass = "ZvDemoHooks";
constexpr int kButtonId = 1001;

// Window procedures are plain functions: this one finds the scene's log here.
SceneLog* g_log = nullptr;

std::wstring Describe(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_CHAR:
            return L"WM_CHAR '" + std::wstring(1, static_cast<wchar_t>(wParam)) + L"'";
        case WM_NULL:
            return L"WM_NULL";
        case WM_PARENTNOTIFY:
            return L"WM_PARENTNOTIFY";
        default:
            return L"message " + std::to_wstring(message);
    }
}

// The demo windows report the typing and the notices they get.
LRESULT ZV_CALLBACK DemoWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_log != nullptr && (message == WM_CHAR || message == WM_NULL)) {
        g_log->Line(L"    editor gets " + Describe(message, wParam));
    }
    if (g_log != nullptr && message == WM_PARENTNOTIFY) {
        std::string caption(64, '\0');
        caption.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, caption.data(), 64)));
        g_log->Line(L"    " + std::wstring(caption.begin(), caption.end()) +
                    L" gets WM_PARENTNOTIFY notice " + std::to_wstring(wParam & 0xFFFF));
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateDemoWindow(const char* caption, DWORD style, HWND parent, int id, RECT where) {
    return CreateWindowExA(0, kDemoClass, caption, style, where.left, where.top,
                           where.right - where.left, where.bottom - where.top, parent, id, 0,
                           nullptr);
}

void LetQueueRun() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

void ShowHookRewriting(SceneLog& log) {
    log.Heading(L"A message hook rewrites what the editor takes from its queue");
    const HWND editor =
        CreateDemoWindow("Editor", WS_POPUP | WS_VISIBLE, 0, 0, RECT{20, 20, 320, 220});
    const auto hook = zv::WindowHookMgr::Create();
    hook->OnMessage.Connect([&log](HWND, UINT& uMsg, WPARAM& wParam, LPARAM&) {
        log.Line(L"    hook sees " + Describe(uMsg, wParam));
        if (uMsg == WM_CHAR && wParam >= 'a' && wParam <= 'z') {
            wParam -= 'a' - 'A';  // the editor wants capitals
        } else if (uMsg == WM_CHAR && wParam == '#') {
            uMsg = WM_NULL;  // and never a '#'
        }
    });
    hook->Hook(editor);
    for (const char typed : std::string("a#b")) {
        log.Line(L"  queue WM_CHAR '" + std::wstring(1, static_cast<wchar_t>(typed)) + L"'");
        PostMessageA(editor, WM_CHAR, static_cast<WPARAM>(typed), 1);
        LetQueueRun();
    }
    hook->UnhookAll();
    DestroyWindow(editor);
}

void ShowForwarding(SceneLog& log) {
    log.Heading(L"A tool panel moves into a dock pane; its former parent still hears");
    const HWND mainForm =
        CreateDemoWindow("Main form", WS_POPUP | WS_VISIBLE, 0, 0, RECT{0, 0, 600, 400});
    const HWND dockPane =
        CreateDemoWindow("Dock pane", WS_POPUP | WS_VISIBLE, 0, 0, RECT{620, 0, 820, 400});
    const HWND panel =
        CreateDemoWindow("Tool panel", WS_CHILD | WS_VISIBLE, mainForm, 1, RECT{10, 10, 190, 300});
    log.Line(L"  move the tool panel into the dock pane");
    SetParent(panel, dockPane);

    zv::ParentMsgForwarder forwarder;
    forwarder.OnCreate.Connect([&log](std::int32_t childID, HWND, bool&, UINT, WPARAM, LPARAM) {
        log.Line(L"    forwarder OnCreate: child " + std::to_wstring(childID));
    });
    forwarder.OnMouseDown.Connect(
        [&log](std::int16_t button, std::int16_t x, std::int16_t y, bool&, UINT, WPARAM, LPARAM) {
            log.Line(L"    forwarder OnMouseDown: button message " + std::to_wstring(button) +
                     L" at (" + std::to_wstring(x) + L", " + std::to_wstring(y) + L")");
        });
    HWND current = dockPane;
    HWND old = mainForm;
    forwarder.StartForwarding(current, old);

    log.Line(L"  create a button (id 1001) in the dock pane");
    const HWND button = CreateDemoWindow("Apply", WS_CHILD | WS_VISIBLE, dockPane, kButtonId,
                                         RECT{20, 320, 120, 350});
    log.Line(L"  the user clicks the button");
    zv::driver::Click(620 + 40, 320 + 10);
    log.Line(L"  stop forwarding, close the windows");
    forwarder.StopForwarding();
    DestroyWindow(button);
    DestroyWindow(dockPane);
    DestroyWindow(mainForm);
}

void ShowTimer(SceneLog& log) {
    log.Heading(L"A timer with no form ticks on the virtual clock");
    zv::driver::SetTickCount(10000);
    zv::TimerNoUI timer;
    timer.OnTimer.Connect(
        [&log] { log.Line(L"    OnTimer at tick " + std::to_wstring(GetTickCount())); });
    log.Line(L"  start every 250 ms, let one second pass");
    timer.StartTimer(250);
    zv::driver::AdvanceClock(1000);
    log.Line(L"  stop, let another second pass");
    timer.StopTimer();
    zv::driver::AdvanceClock(1000);
}

void ShowPointer(SceneLog& log, const wchar_t* when) {
    log.Value(std::wstring(L"    pointer ") + when, std::to_wstring(zv::App().MousePointer()));
}

void ShowPointerGuards(SceneLog& log) {
    log.Heading(L"Nested pointer guards put the pointer back in reverse order");
    ShowPointer(log, L"at first");
    {
        const auto busy = zv::NewAutoMousePointer(zv::mouse_pointer::kHourglass);
        ShowPointer(log, L"with the hourglass guard");
        {
            const auto normal = zv::NewAutoMousePointer(zv::mouse_pointer::kDefault);
            ShowPointer(log, L"with the default guard inside it");
        }
        ShowPointer(log, L"after the inner guard");
    }
    ShowPointer(log, L"after the outer guard");
}

}  // namespace

void RunHooksScene(SceneLog& log) {
    RegisterDemoClass(kDemoClass, DemoWindowProc);
    g_log = &log;
    ShowHookRewriting(log);
    ShowForwarding(log);
    ShowTimer(log);
    ShowPointerGuards(log);
    g_log = nullptr;
}

}  // namespace zvdemo
