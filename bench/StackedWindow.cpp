#include "StackedWindow.h"

#include <cstdint>

#include "platform/win/SubclassApi.h"

namespace zv::bench {

namespace {

using namespace zv::win;

// Where the handlers leave what they read, so that no call is optimised away.
volatile std::uintptr_t g_sink = 0;

LRESULT ZV_CALLBACK BenchWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) {
        return 1;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT ZV_CALLBACK WatchingSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) {
    g_sink = wParam;
    const LRESULT answer = DefSubclassProc(hwnd, message, wParam, lParam);
    g_sink = static_cast<std::uintptr_t>(answer);
    return answer;
}

}  // namespace

HWND CreateBenchWindow() {
    static const bool registered = [] {
        WNDCLASSA benchClass;
        benchClass.lpfnWndProc = BenchWindowProc;
        benchClass.lpszClassName = "ZvBench";
        return RegisterClassA(&benchClass) != 0;
    }();
    (void)registered;
    return CreateWindowExA(0, "ZvBench", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
}

std::shared_ptr<WindowProcMgr> CreateWatchingManager(HWND hwnd) {
    auto manager = WindowProcMgr::Create();
    manager->OnMessage.Connect(
        [](HWND, UINT, WPARAM wParam, LPARAM, bool&, LRESULT&) { g_sink = wParam; });
    manager->OnMessageProcessed.Connect([](HWND, UINT, WPARAM, LPARAM, LRESULT answer) {
        g_sink = static_cast<std::uintptr_t>(answer);
    });
    manager->Subclass(hwnd);
    return manager;
}

StackedWindow::StackedWindow(Subscribers kind, int count) : m_hwnd(CreateBenchWindow()) {
    for (int i = 0; i < count; ++i) {
        if (kind == Subscribers::Managers) {
            m_managers.push_back(CreateWatchingManager(m_hwnd));
        } else {
            SetWindowSubclass(m_hwnd, WatchingSubclass, static_cast<UINT_PTR>(i), 0);
            ++m_subclasses;
        }
    }
}

StackedWindow::~StackedWindow() {
    for (const auto& manager : m_managers) {
        manager->UnSubclassAll();
    }
    for (int i = 0; i < m_subclasses; ++i) {
        RemoveWindowSubclass(m_hwnd, WatchingSubclass, static_cast<UINT_PTR>(i));
    }
    DestroyWindow(m_hwnd);
}

LRESULT StackedWindow::Send() const {
    return SendMessageA(m_hwnd, WM_UNHANDLED, 1, 2);
}

}  // namespace zv::bench
