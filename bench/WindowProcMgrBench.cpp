// What a message costs once managers watch its window: the registry's two
// look-ups, one call per manager in each pass and the call of the window's
// own procedure, against a message to a window that nobody watches. Goals:
// one manager at most 3 times a bare send, each further manager at most one
// bare send more, and 4,096 subclassed windows at most 1.5 times 16. Beside
// them the same through the subclass chain, which a manager should beat per
// subscriber.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "StackedWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"
#include "winmsg/WindowProcMgr.h"

namespace {

using namespace zv::win;

using zv::bench::CreateBenchWindow;
using zv::bench::CreateWatchingManager;
using zv::bench::WM_UNHANDLED;

std::shared_ptr<zv::WindowProcMgr> CreateSilentManager(HWND hwnd) {
    auto manager = zv::WindowProcMgr::Create();
    manager->Subclass(hwnd);
    return manager;
}

void ReleaseAll(const std::vector<std::shared_ptr<zv::WindowProcMgr>>& managers) {
    for (const auto& manager : managers) {
        manager->UnSubclassAll();
    }
}

void BareSend(benchmark::State& state) {
    const HWND hwnd = CreateBenchWindow();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessageA(hwnd, WM_UNHANDLED, 1, 2));
    }
    DestroyWindow(hwnd);
}
BENCHMARK(BareSend);

void SendThroughManagers(benchmark::State& state) {
    const zv::bench::StackedWindow window(zv::bench::Subscribers::Managers,
                                          static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.Send());
    }
}
BENCHMARK(SendThroughManagers)->Arg(1)->Arg(2)->Arg(8)->Arg(16);

// The same through the subclass chain's subclasses, doing the same work.
void SendThroughSubclasses(benchmark::State& state) {
    const zv::bench::StackedWindow window(zv::bench::Subscribers::Subclasses,
                                          static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.Send());
    }
}
BENCHMARK(SendThroughSubclasses)->Arg(1)->Arg(16);

// The same with managers that no host listens to: what the registry and the
// managers' bookkeeping cost without the events.
void SendThroughSilentManagers(benchmark::State& state) {
    const HWND hwnd = CreateBenchWindow();
    std::vector<std::shared_ptr<zv::WindowProcMgr>> managers;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        managers.push_back(CreateSilentManager(hwnd));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessageA(hwnd, WM_UNHANDLED, 1, 2));
    }
    ReleaseAll(managers);
    DestroyWindow(hwnd);
}
BENCHMARK(SendThroughSilentManagers)->Arg(1)->Arg(16);

// Many subclassed windows, one manager each; every message goes to the same
// one of them.
void SendToOneOfManyWindows(benchmark::State& state) {
    std::vector<HWND> windows;
    std::vector<std::shared_ptr<zv::WindowProcMgr>> managers;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        windows.push_back(CreateBenchWindow());
        managers.push_back(CreateWatchingManager(windows.back()));
    }
    const HWND target = windows[windows.size() / 2];
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessageA(target, WM_UNHANDLED, 1, 2));
    }
    ReleaseAll(managers);
    for (HWND hwnd : windows) {
        DestroyWindow(hwnd);
    }
}
BENCHMARK(SendToOneOfManyWindows)->Arg(16)->Arg(4096);

// The same, with the messages going round all the windows, so that the
// look-ups do not always find the same entries in the cache.
void SendAcrossManyWindows(benchmark::State& state) {
    std::vector<HWND> windows;
    std::vector<std::shared_ptr<zv::WindowProcMgr>> managers;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        windows.push_back(CreateBenchWindow());
        managers.push_back(CreateWatchingManager(windows.back()));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessageA(windows[next], WM_UNHANDLED, 1, 2));
        next = (next + 613) % windows.size();  // a stride that visits every window
    }
    ReleaseAll(managers);
    for (HWND hwnd : windows) {
        DestroyWindow(hwnd);
    }
}
BENCHMARK(SendAcrossManyWindows)->Arg(16)->Arg(4096);

// The same round of windows that nobody watches: what the window system's
// own look-ups cost when the messages spread.
void BareSendAcrossManyWindows(benchmark::State& state) {
    std::vector<HWND> windows;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        windows.push_back(CreateBenchWindow());
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessageA(windows[next], WM_UNHANDLED, 1, 2));
        next = (next + 613) % windows.size();
    }
    for (HWND hwnd : windows) {
        DestroyWindow(hwnd);
    }
}
BENCHMARK(BareSendAcrossManyWindows)->Arg(16)->Arg(4096);

// A manager subscribes to a window that another manager keeps subclassed,
// and releases it again.
void SubscribeAndReleaseOnAWatchedWindow(benchmark::State& state) {
    const HWND hwnd = CreateBenchWindow();
    const auto keeper = CreateWatchingManager(hwnd);
    const auto manager = zv::WindowProcMgr::Create();
    for (auto _ : state) {
        manager->Subclass(hwnd);
        manager->UnSubclass(hwnd);
    }
    keeper->UnSubclassAll();
    DestroyWindow(hwnd);
}
BENCHMARK(SubscribeAndReleaseOnAWatchedWindow);

// The only manager of a window subscribes and releases: the window's
// procedure is replaced and put back each time.
void SubscribeAndReleaseAlone(benchmark::State& state) {
    const HWND hwnd = CreateBenchWindow();
    const auto manager = zv::WindowProcMgr::Create();
    manager->Subclass(hwnd);
    manager->UnSubclass(hwnd);
    for (auto _ : state) {
        manager->Subclass(hwnd);
        manager->UnSubclass(hwnd);
    }
    DestroyWindow(hwnd);
}
BENCHMARK(SubscribeAndReleaseAlone);

}  // namespace
