// Hosts start with their command line and may pass long lists of files to
// other programs: reading options and list values must grow linearly.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "util/CmdLineParser.h"

namespace {

// A command line of `count` options: plain, lone and quoted values in turn.
std::wstring MakeCommandLine(std::int64_t count) {
    std::wstring line;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::wstring name = L" /option" + std::to_wstring(i);
        switch (i % 3) {
            case 0:
                line += name + L":value" + std::to_wstring(i);
                break;
            case 1:
                line += name;
                break;
            default:
                line += name + L":\"a quoted value\"";
                break;
        }
    }
    return line;
}

// A list value of `count` items, every other one quoted because it holds the
// delimiter.
std::wstring MakeListValue(std::int64_t count) {
    std::wstring value;
    for (std::int64_t i = 0; i < count; ++i) {
        value += (i % 2 == 0 ? L"'file" + std::to_wstring(i) + L",v2'" : L"file.txt");
        value += L",";
    }
    return value;
}

void Load(benchmark::State& state) {
    const std::wstring line = MakeCommandLine(state.range(0));
    for (auto _ : state) {
        zv::CmdLineParser parser;
        benchmark::DoNotOptimize(parser.Load(line));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(Load)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

void GetOptionValues(benchmark::State& state) {
    zv::CmdLineParser parser;
    parser.AddOption(L"files", MakeListValue(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.GetOptionValues(L"files").Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(GetOptionValues)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

}  // namespace
