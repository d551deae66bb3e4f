// Keyed collections hold thousands of records (error lists, per-window
// stores): adding and finding by key must stay linear and constant-time.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "Growth.h"
#include "platform/automation/Collection.h"

namespace {

std::vector<std::wstring> MakeKeys(std::int64_t count) {
    std::vector<std::wstring> keys;
    for (std::int64_t i = 0; i < count; ++i) {
        keys.push_back(L"Window" + std::to_wstring(i * 7919));
    }
    return keys;
}

void AddKeyed(benchmark::State& state) {
    const auto keys = MakeKeys(state.range(0));
    for (auto _ : state) {
        zv::Collection<int> collection;
        for (const auto& key : keys) {
            collection.Add(1, key);
        }
        benchmark::DoNotOptimize(collection.Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(AddKeyed)->RangeMultiplier(10)->Range(100, 100000)->Complexity();

// Adding keys grows linearly: the ratio of 100,000 keys to 10,000 stays near
// 10 and a key costs the same at either size.
void AddKeyedGrowth(benchmark::State& state) {
    const auto keys = MakeKeys(state.range(1));
    zv::bench::MeasureGrowth(state, [&](std::int64_t count) {
        zv::Collection<int> collection;
        for (std::int64_t i = 0; i < count; ++i) {
            collection.Add(1, keys[static_cast<std::size_t>(i)]);
        }
        benchmark::DoNotOptimize(collection.Count());
    });
}
BENCHMARK(AddKeyedGrowth)->Args({10000, 100000})->Iterations(20)->Unit(benchmark::kMillisecond);

void FindByKey(benchmark::State& state) {
    const auto keys = MakeKeys(state.range(0));
    zv::Collection<int> collection;
    for (const auto& key : keys) {
        collection.Add(1, key);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(collection.Item(keys[next]));
        next = (next + 1) % keys.size();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(FindByKey)->RangeMultiplier(10)->Range(100, 100000)->Complexity();

void EnumerateInOrder(benchmark::State& state) {
    zv::Collection<int> collection;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        collection.Add(static_cast<int>(i));
    }
    for (auto _ : state) {
        long long sum = 0;
        for (int value : collection) {
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(EnumerateInOrder)->RangeMultiplier(10)->Range(100, 100000)->Complexity();

}  // namespace
