#pragma once

// Growth goals read off one run: a workload timed at two sizes, its best
// time at each (the least disturbed by other work on the machine), reported
// as the ratio of the times and the cost per item at the larger size. A
// linear workload shows a ratio near the ratio of the sizes.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <limits>

namespace zv::bench {

template <typename Work>
void MeasureGrowth(benchmark::State& state, Work work) {
    const std::int64_t small = state.range(0);
    const std::int64_t large = state.range(1);
    double best[2] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    for (auto _ : state) {
        for (int i = 0; i < 2; ++i) {
            const std::clock_t start = std::clock();
            work(i == 0 ? small : large);
            best[i] = std::min(best[i], static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        }
    }
    state.counters["ratio"] = best[1] / std::max(best[0], 1e-9);
    state.counters["ns_per_item"] = best[1] * 1e9 / static_cast<double>(large);
}

}  // namespace zv::bench
