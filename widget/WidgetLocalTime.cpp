// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/WidgetLocalTime.h"

#include <ctime>

namespace {

constexpr std::int64_t secondsPerDay = 86400;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// The wall clock's reading at a UTC second, as seconds since 1970-01-01 00:00 on that clock.
// A second the C library cannot place (a year beyond its range) is read in UTC.
std::int64_t wallClockAt(std::int64_t utcSecond)
{
    const std::time_t asTimeT = utcSecond;
    std::tm parts{};
    if (!localtime_r(&asTimeT, &parts)) {
        return utcSecond;
    }
    return utcSecond + parts.tm_gmtoff;
}

} // namespace

namespace WidgetLocalTime {

void refreshZone()
{
    tzset();
}

std::int64_t localDay(WidgetInstant instant)
{
    const auto utcSecond = std::chrono::floor<std::chrono::seconds>(instant.time_since_epoch()).count();
    return floorDivide(wallClockAt(utcSecond), secondsPerDay);
}

std::int64_t dayNumber(std::int64_t year, int month, int day)
{
    std::tm parts{};
    parts.tm_year = static_cast<int>(year - 1900);
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    return floorDivide(timegm(&parts), secondsPerDay);
}

WidgetInstant firstInstantFrom(std::int64_t day)
{
    // Every zone's offset lies within a day of UTC, so two days either side of the UTC midnight
    // bracket the local one; the local day only moves forward across that stretch.
    std::int64_t before = day * secondsPerDay - 2 * secondsPerDay; // shows an earlier day
    std::int64_t after = day * secondsPerDay + 2 * secondsPerDay;  // shows `day` or later
    while (after - before > 1) {
        const std::int64_t middle = before + (after - before) / 2;
        if (floorDivide(wallClockAt(middle), secondsPerDay) >= day) {
            after = middle;
        } else {
            before = middle;
        }
    }
    return WidgetInstant{std::chrono::seconds{after}};
}

} // namespace WidgetLocalTime
