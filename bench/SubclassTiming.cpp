// A message through 1 and 16 window procedure managers against the same
// through 1 and 16 subclasses of the subclass chain, timed with a plain
// loop: the Windows build has no Google Benchmark, and this is how the
// system's own subclass chain is measured beside the managers, under Wine.
// Prints the time per message and what each further subscriber adds.
//
//   zvtiming_subclass [messages per run]   (default 200000)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "StackedWindow.h"

namespace {

using zv::bench::StackedWindow;
using zv::bench::Subscribers;

// The fastest of a few runs, in nanoseconds per message: the others met
// interruptions.
double NanosecondsPerMessage(Subscribers kind, int count, long messages) {
    const StackedWindow window(kind, count);
    for (long i = 0; i < messages / 10; ++i) {
        window.Send();
    }
    double best = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < messages; ++i) {
            window.Send();
        }
        const std::chrono::duration<double, std::nano> spent =
            std::chrono::steady_clock::now() - start;
        const double each = spent.count() / static_cast<double>(messages);
        best = run == 0 ? each : std::min(best, each);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const long messages = argc > 1 ? std::max(1L, std::strtol(argv[1], nullptr, 10)) : 200000;
    std::printf("%-12s %14s %14s %16s\n", "subscribers", "1 (ns/msg)", "16 (ns/msg)",
                "each more (ns)");
    for (const auto& [kind, name] : {std::pair{Subscribers::Managers, "managers"},
                                     std::pair{Subscribers::Subclasses, "subclasses"}}) {
        const double one = NanosecondsPerMessage(kind, 1, messages);
        const double sixteen = NanosecondsPerMessage(kind, 16, messages);
        std::printf("%-12s %14.1f %14.1f %16.1f\n", name, one, sixteen, (sixteen - one) / 15);
    }
    return 0;
}
