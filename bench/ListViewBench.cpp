// A report list view of 10,000 and 100,000 items in four columns on the
// headless backend: inserting them all with redraw off, sorting them,
// scrolling to the end, and painting one screen. Goals: t(100k)/t(10k) at
// most 12 for inserting and 14 for sorting, and a screen painted at 100k
// items in at most 1.2 times the time at 1k.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "platform/driver/Driver.h"
#include "platform/win/GdiApi.h"
#include "platform/win/ListViewConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace {

using namespace zv::win;

constexpr int kColumns = 4;

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(hwnd, message, wParam, lParam);
}

// A fresh desktop with a list view of four columns on a plain pop-up.
HWND CreateList() {
    zv::driver::ResetWindowSystem();
    WNDCLASSA parentClass;
    parentClass.lpfnWndProc = DefWindowProcA;
    parentClass.lpszClassName = "ZvBenchParent";
    RegisterClassA(&parentClass);
    const HWND parent = CreateWindowExA(0, "ZvBenchParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                                        480, 0, 0, 0, nullptr);
    const HWND list =
        CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT, 0, 0,
                        640, 480, parent, 1, 0, nullptr);
    for (int column = 0; column < kColumns; ++column) {
        LVCOLUMNA fields;
        fields.mask = LVCF_WIDTH;
        fields.cx = 150;
        Send(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
             reinterpret_cast<LPARAM>(&fields));
    }
    return list;
}

// Items in a scrambled order of their data, with a text in every column.
void Fill(HWND list, int count) {
    Send(list, WM_SETREDRAW, FALSE);
    std::uint32_t scrambled = 12345;
    for (int index = 0; index < count; ++index) {
        scrambled = scrambled * 1664525U + 1013904223U;
        std::string text = "device " + std::to_string(scrambled % 100000U);
        LVITEMA item;
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index;
        item.pszText = text.data();
        item.lParam = static_cast<LPARAM>(scrambled % 1000000U);
        Send(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < kColumns; ++column) {
            LVITEMA sub;
            sub.iSubItem = column;
            sub.pszText = text.data();
            Send(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&sub));
        }
    }
    Send(list, WM_SETREDRAW, TRUE);
}

void BM_InsertWithRedrawOff(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const HWND list = CreateList();
        state.ResumeTiming();
        Fill(list, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(Send(list, LVM_GETITEMCOUNT));
    }
}
BENCHMARK(BM_InsertWithRedrawOff)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int ZV_CALLBACK Ascending(LPARAM first, LPARAM second, LPARAM) {
    return first < second ? -1 : first > second ? 1 : 0;
}

int ZV_CALLBACK Descending(LPARAM first, LPARAM second, LPARAM) {
    return -Ascending(first, second, 0);
}

// Each round sorts the other way round, so that none finds the items in
// order already.
void BM_Sort(benchmark::State& state) {
    const HWND list = CreateList();
    Fill(list, static_cast<int>(state.range(0)));
    bool ascending = true;
    for (auto _ : state) {
        Send(list, LVM_SORTITEMS, 0,
             reinterpret_cast<LPARAM>(ascending ? &Ascending : &Descending));
        ascending = !ascending;
    }
}
BENCHMARK(BM_Sort)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// From the top to the last item and back, each time painted.
void BM_ScrollToTheEnd(benchmark::State& state) {
    const HWND list = CreateList();
    const int count = static_cast<int>(state.range(0));
    Fill(list, count);
    for (auto _ : state) {
        Send(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(count - 1), FALSE);
        UpdateWindow(list);
        Send(list, LVM_ENSUREVISIBLE, 0, FALSE);
        UpdateWindow(list);
    }
    benchmark::DoNotOptimize(Send(list, LVM_GETTOPINDEX));
}
BENCHMARK(BM_ScrollToTheEnd)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_PaintOneScreen(benchmark::State& state) {
    const HWND list = CreateList();
    Fill(list, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        InvalidateRect(list, nullptr, TRUE);
        UpdateWindow(list);
    }
}
BENCHMARK(BM_PaintOneScreen)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
