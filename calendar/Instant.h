// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <limits>

// A point on the absolute time line. Microseconds keep the range far beyond the years a
// nanosecond clock can hold (1677 to 2262): roughly 292,000 years either side of 1970.
using Instant = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;

// The present instant from the system clock. Read from clock_gettime rather than
// system_clock::now(), whose nanoseconds wrap before 1677 and after 2262-04-11.
inline Instant currentInstant()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    using std::chrono::microseconds;
    constexpr std::int64_t perSecond = 1'000'000;
    constexpr std::int64_t highest = std::numeric_limits<std::int64_t>::max() / perSecond - 1;
    const std::int64_t seconds = std::clamp<std::int64_t>(now.tv_sec, -highest, highest);
    return Instant{microseconds{seconds * perSecond + now.tv_nsec / 1000}};
}
