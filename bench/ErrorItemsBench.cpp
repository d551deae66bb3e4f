// Upload jobs gather a record per device and message; collecting, merging and
// copying them must grow linearly with the number of records.

#include <benchmark/benchmark.h>

#include "Growth.h"
#include "errors/ErrorItems.h"

namespace {

zv::ErrorItems MakeCollection(std::int64_t count) {
    zv::ErrorItems items;
    zv::ErrorItem record;
    for (std::int64_t i = 0; i < count; ++i) {
        record.Init(L"Device " + std::to_wstring(i) + L" did not answer.", zv::errWarning,
                    static_cast<std::int32_t>(i), L"Timed out", L"Check the cable.");
        items.Add(record);
    }
    return items;
}

void AddRecords(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeCollection(state.range(0)).Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(AddRecords)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

void MergeCollections(benchmark::State& state) {
    const zv::ErrorItems source = MakeCollection(state.range(0));
    for (auto _ : state) {
        zv::ErrorItems target;
        target.AddItems(source);
        benchmark::DoNotOptimize(target.Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(MergeCollections)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

// Merging grows linearly: ten times the records, about ten times the time.
void MergeGrowth(benchmark::State& state) {
    const zv::ErrorItems small = MakeCollection(state.range(0));
    const zv::ErrorItems large = MakeCollection(state.range(1));
    zv::bench::MeasureGrowth(state, [&](std::int64_t count) {
        zv::ErrorItems target;
        target.AddItems(count == state.range(0) ? small : large);
        benchmark::DoNotOptimize(target.Count());
    });
}
BENCHMARK(MergeGrowth)
    ->Args({1000, 10000})
    ->Args({10000, 100000})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void FormatEveryRecord(benchmark::State& state) {
    const zv::ErrorItems items = MakeCollection(state.range(0));
    for (auto _ : state) {
        std::size_t length = 0;
        for (const auto& item : items) {
            length += item->FormatMsg().size();
        }
        benchmark::DoNotOptimize(length);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(FormatEveryRecord)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

}  // namespace
