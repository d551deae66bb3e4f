// Window plumbing: two window procedure managers watch one window of the
// host. Both see its messages before the window does and hear its answers
// afterwards; the first one swallows a message; a manager lets go; and
// destroying the window releases it by itself.

#include <memory>
#include <string>

#include "DemoWindows.h"
#include "Scenes.h"
#include "platform/automation/Collection.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"
#include "winmsg/WindowProcMgr.h"

namespace zvdemo {

namespace {

using namespace zv::win;

constexpr UINT WM_REFRESH = WM_USER + 1;  // the window answers wParam + lParam
constexpr UINT WM_QUERY = WM_USER + 2;    // the first manager answers it instead
constexpr LRESULT kQueryAnswer = 42;
constexpr const char* kDemoClass = "ZvDemoPlumbing";

// Window procedures are plain functions: this one finds the scene's log here.
SceneLog* g_log = nullptr;

std::wstring MessageName(UINT message) {
    switch (message) {
        case WM_REFRESH:
            return L"WM_REFRESH";
        case WM_QUERY:
            return L"WM_QUERY";
        case WM_DESTROY:
            return L"WM_DESTROY";
        case WM_NCDESTROY:
            return L"WM_NCDESTROY";
        default:
            return {};
    }
}

std::wstring Parameters(WPARAM wParam, LPARAM lParam) {
    return L" (" + std::to_wstring(wParam) + L", " + std::to_wstring(lParam) + L")";
}

void Show(const std::wstring& who, const std::wstring& what, UINT message,
          const std::wstring& tail) {
    if (g_log == nullptr || MessageName(message).empty()) {
        return;  // the scene follows only the messages it sends and destruction
    }
    std::wstring line = L"    " + who;
    line.resize(22, L' ');
    line += what;
    line.resize(44, L' ');
    g_log->Line(line + MessageName(message) + tail);
}

LRESULT ZV_CALLBACK DemoWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Show(L"window", L"own procedure", message, Parameters(wParam, lParam));
    if (message == WM_REFRESH || message == WM_QUERY) {
        return static_cast<LRESULT>(wParam) + lParam;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::shared_ptr<zv::WindowProcMgr> CreateManager(const std::wstring& name) {
    auto manager = zv::WindowProcMgr::Create();
    manager->OnMessage.Connect(
        [name](HWND, UINT message, WPARAM wParam, LPARAM lParam, bool&, LRESULT&) {
            Show(name, L"OnMessage", message, Parameters(wParam, lParam));
        });
    manager->OnMessageProcessed.Connect([name](HWND, UINT message, WPARAM, LPARAM, LRESULT answer) {
        Show(name, L"OnMessageProcessed", message, L" answered " + std::to_wstring(answer));
    });
    return manager;
}

void Send(SceneLog& log, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    log.Line(L"  send " + MessageName(message) + Parameters(wParam, lParam));
    const LRESULT answer = SendMessageA(hwnd, message, wParam, lParam);
    log.Value(L"  answer", std::to_wstring(answer));
}

void ShowSubclassedWindows(SceneLog& log) {
    zv::Collection<std::int32_t> windows;
    const bool any = zv::WindowProcMgr::AnySubclassedWindowsRemaining(&windows);
    log.Value(L"  subclassed windows remaining",
              any ? std::to_wstring(windows.Count()) : std::wstring(L"none"));
}

}  // namespace

void RunWindowPlumbingScene(SceneLog& log) {
    RegisterDemoClass(kDemoClass, DemoWindowProc);
    const HWND hwnd =
        CreateWindowExA(0, kDemoClass, "Properties", WS_POPUP, 10, 10, 200, 300, 0, 0, 0, nullptr);
    g_log = &log;

    log.Heading(L"Two managers watch one window");
    const auto first = CreateManager(L"first manager");
    const auto second = CreateManager(L"second manager");
    first->Subclass(hwnd);
    second->Subclass(hwnd);
    first->Subclass(hwnd);  // again: still one subscription
    ShowSubclassedWindows(log);
    Send(log, hwnd, WM_REFRESH, 2, 3);

    log.Heading(L"The first manager swallows a message");
    first->OnMessage.Connect(
        [](HWND, UINT message, WPARAM, LPARAM, bool& bHandled, LRESULT& nWndProcReturnValue) {
            if (message == WM_QUERY) {
                bHandled = true;
                nWndProcReturnValue = kQueryAnswer;
            }
        });
    Send(log, hwnd, WM_QUERY, 7, 0);

    log.Heading(L"The second manager lets go");
    second->UnSubclass(hwnd);
    Send(log, hwnd, WM_REFRESH, 4, 5);

    log.Heading(L"Destroying the window releases it");
    log.Line(L"  destroy the window");
    DestroyWindow(hwnd);
    ShowSubclassedWindows(log);

    g_log = nullptr;
    first->UnSubclassAll();
    second->UnSubclassAll();
}

}  // namespace zvdemo
