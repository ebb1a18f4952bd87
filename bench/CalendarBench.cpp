#include "calendar/RevolutionaryCalendar.h"

#include <benchmark/benchmark.h>

namespace {

// The two conversions every tick of the program makes.
void convertInstant(benchmark::State& state)
{
    Instant instant = currentInstant();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RevolutionaryCalendar::fromGregorian(instant));
        benchmark::DoNotOptimize(RevolutionaryCalendar::toDecimalTime(instant));
        instant += std::chrono::milliseconds{864};
    }
}
BENCHMARK(convertInstant);

} // namespace

BENCHMARK_MAIN();
