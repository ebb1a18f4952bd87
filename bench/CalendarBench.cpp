// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/AllocationCounter.h"
#include "calendar/DailyItems.h"
#include "calendar/HistoricalData.h"
#include "calendar/LocalCalendar.h"
#include "calendar/RevolutionaryCalendar.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

// Reports heap allocations per iteration next to the timing.
class AllocationsPerIteration
{
public:
    explicit AllocationsPerIteration(benchmark::State& state) : m_state(state), m_before(AllocationCounter::count()) {}
    ~AllocationsPerIteration()
    {
        m_state.counters["allocs/iter"] = benchmark::Counter(
            static_cast<double>(AllocationCounter::count() - m_before) / static_cast<double>(m_state.iterations()));
    }

private:
    benchmark::State& m_state;
    std::size_t m_before;
};

void useZone(const char* zone)
{
    setenv("TZ", zone, 1);
    LocalCalendar::zoneChanged();
}

// A tick's instant: the present day, moving on by one decimal second each call.
Instant presentDay()
{
    return Instant{std::chrono::seconds{1'796'636'400}}; // 2026-12-07 10:40 in Paris
}

// The leap rule is the benchmark's argument, its name the label.
LeapRule ruleOf(benchmark::State& state)
{
    const auto rule = static_cast<LeapRule>(state.range(0));
    state.SetLabel(std::string(leapRuleName(rule)));
    return rule;
}

void fromGregorian(benchmark::State& state)
{
    useZone("Europe/Paris");
    const LeapRule rule = ruleOf(state);
    Instant instant = presentDay();
    const AllocationsPerIteration allocations(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RevolutionaryCalendar::fromGregorian(instant, rule));
        instant += std::chrono::microseconds{864'000};
    }
}
BENCHMARK(fromGregorian)->DenseRange(0, leapRuleNames.size() - 1);

// Every call on another day of the next three years: the cost when the local day is not cached.
void fromGregorianNewDayEachCall(benchmark::State& state)
{
    useZone("Europe/Paris");
    const LeapRule rule = ruleOf(state);
    std::int64_t step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RevolutionaryCalendar::fromGregorian(presentDay() + std::chrono::hours{25 * (step % 1000)}, rule));
        ++step;
    }
}
BENCHMARK(fromGregorianNewDayEachCall)->DenseRange(0, leapRuleNames.size() - 1);

void toDecimalTime(benchmark::State& state)
{
    useZone("Europe/Paris");
    Instant instant = presentDay();
    const AllocationsPerIteration allocations(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RevolutionaryCalendar::toDecimalTime(instant));
        instant += std::chrono::microseconds{864'000};
    }
}
BENCHMARK(toDecimalTime);

void dailyItem(benchmark::State& state)
{
    std::int64_t day = 0;
    const AllocationsPerIteration allocations(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DailyItems::item({235, day / 30 % 12 + 1, day % 30 + 1, day % 10 + 1}));
        ++day;
    }
}
BENCHMARK(dailyItem);

void historicalEvents(benchmark::State& state)
{
    std::int64_t day = 0;
    const AllocationsPerIteration allocations(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(HistoricalData::events({235, day / 30 % 12 + 1, day % 30 + 1, day % 10 + 1}));
        ++day;
    }
}
BENCHMARK(historicalEvents);

} // namespace

BENCHMARK_MAIN();
