// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// A point on the absolute time line. Microseconds keep the range far beyond the years a
// nanosecond clock can hold (1677 to 2262): roughly 292,000 years either side of 1970.
using Instant = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;

// The present instant from the system clock.
inline Instant currentInstant()
{
    return std::chrono::time_point_cast<std::chrono::microseconds>(std::chrono::system_clock::now());
}
