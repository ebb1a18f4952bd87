// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/AllocationCounter.h"
#include "tests/state/StateHarness.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace std::chrono_literals;

// The panel's rate: the manager wakes on every second while it is open.
constexpr std::chrono::microseconds decimalSecond{864'000};

long long liveAllocations()
{
    return AllocationCounter::live();
}

// The program as launched, chimes off so that the fake player's log does not grow: the chime
// itself is the audio service's business, not the tick's.
std::unique_ptr<StateHarness> launched(Instant at)
{
    auto harness = std::make_unique<StateHarness>();
    harness->preferences->store(PreferenceKeys::hasLaunchedBefore, true);
    harness->launch(at);
    harness->center->answerAuthorization(true);
    return harness;
}

// A tick that changes neither the day, nor the decimal hour, nor the slogan: the clock runs
// through the first 250 seconds after launch, at 10:40 (decimal 4:44), over and over.
void quietTick(benchmark::State& state)
{
    const Instant launch = localInstant(2026, 12, 7, 10, 40);
    const auto harness = launched(launch);
    constexpr int ticksPerRound = 290; // 250 s
    int tick = 1;
    const auto allocationsBefore = AllocationCounter::count();
    for (auto _ : state) {
        harness->tickAt(launch + tick * decimalSecond);
        tick = tick == ticksPerRound ? 1 : tick + 1;
    }
    state.counters["allocations/tick"] = benchmark::Counter(
        static_cast<double>(AllocationCounter::count() - allocationsBefore) / static_cast<double>(state.iterations()));
}
BENCHMARK(quietTick);

// Two whole days of ticks, midnight to midnight; the heap must hold as many blocks at the end of
// the second day as at the end of the first.
void simulatedDay(benchmark::State& state)
{
    for (auto _ : state) {
        const Instant start = localInstant(2026, 12, 7, 0, 0, 1);
        const auto harness = launched(start);
        constexpr int ticksPerDay = 100'000;
        long long liveAfterFirstDay = 0;
        int tick = 1;
        for (; tick <= ticksPerDay; ++tick) {
            harness->tickAt(start + tick * decimalSecond);
        }
        liveAfterFirstDay = liveAllocations();
        for (; tick <= 2 * ticksPerDay; ++tick) {
            harness->tickAt(start + tick * decimalSecond);
        }
        state.counters["heap growth (blocks)"] = static_cast<double>(liveAllocations() - liveAfterFirstDay);
    }
}
BENCHMARK(simulatedDay)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
