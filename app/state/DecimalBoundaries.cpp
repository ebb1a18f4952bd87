// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/DecimalBoundaries.h"

#include "calendar/LocalCalendar.h"

#include <chrono>

namespace {

using std::chrono::seconds;

constexpr std::int64_t secondsPerDay = 86400;

std::int64_t floorMod(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

Instant wholeSecond(Instant instant)
{
    return std::chrono::floor<seconds>(instant);
}

std::int64_t utcOffset(Instant instant)
{
    const Instant second = wholeSecond(instant);
    return LocalCalendar::wallClockSeconds(second) -
           std::chrono::duration_cast<seconds>(second.time_since_epoch()).count();
}

// The first whole second in (from, until] whose UTC offset differs from the one at `from`, given
// that the offset at `until` does.
Instant offsetChange(Instant from, Instant until)
{
    const std::int64_t before = utcOffset(from);
    Instant low = wholeSecond(from);
    Instant high = wholeSecond(until);
    while (high - low > seconds{1}) {
        const Instant middle = low + std::chrono::floor<seconds>((high - low) / 2);
        (utcOffset(middle) == before ? low : high) = middle;
    }
    return high;
}

} // namespace

namespace DecimalBoundaries {

Instant next(Instant now, Unit unit)
{
    // Unit k of the day begins at the first civil second s with s * perDay >= k * 86400.
    const auto perDay = static_cast<std::int64_t>(unit);
    const std::int64_t secondOfDay = floorMod(LocalCalendar::wallClockSeconds(now), secondsPerDay);
    const std::int64_t current = secondOfDay * perDay / secondsPerDay;
    const std::int64_t nextSecond = ((current + 1) * secondsPerDay + perDay - 1) / perDay;
    const Instant candidate = wholeSecond(now) + seconds{nextSecond - secondOfDay};
    return utcOffset(candidate) == utcOffset(now) ? candidate : offsetChange(now, candidate);
}

} // namespace DecimalBoundaries
