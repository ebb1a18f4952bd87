// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

#include <cstdint>
#include <optional>

// Civil (wall-clock) components of an instant in the local time zone, proleptic Gregorian.
struct CivilDateTime
{
    std::int64_t year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0; // 0 to 59
    int second = 0; // 0 to 59
    bool operator==(const CivilDateTime&) const = default;
};

// The user's calendar in the current time zone: the TZ variable when set, /etc/localtime
// otherwise, as the C library resolves them. Whenever the zone may have changed (TZ was
// set, or /etc/localtime was replaced) call zoneChanged(); every later call then uses the
// new zone.
namespace LocalCalendar {

// Re-reads the time zone and forgets what was cached for the previous one.
void zoneChanged();

// Days from 1970-01-01 to the given proleptic Gregorian date (negative before it).
constexpr std::int64_t dayNumber(std::int64_t year, std::int64_t month, std::int64_t day)
{
    // Howard Hinnant's days_from_civil, in 64 bits so any year an Instant can hold fits.
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The local wall clock of an instant as seconds since 1970-01-01 00:00 on that wall clock
// (so floor(x / 86400) is the local day number and x mod 86400 the second of the local day).
// Fast: the offset is cached for the local day last asked about. Never fails; an instant the
// C library cannot place is read in UTC.
std::int64_t wallClockSeconds(Instant instant);

// Civil components of an instant (fractions of a second dropped).
CivilDateTime components(Instant instant);

// The instant at which the local wall clock shows the given components. A wall time that a
// daylight-saving gap skips resolves to the first instant after the gap (02:30 becomes 03:00);
// a wall time that occurs twice resolves to its first occurrence. Out-of-range fields are
// normalised (month 13 is January of the next year). None when the result lies outside what
// an Instant can hold.
std::optional<Instant> instant(const CivilDateTime& components);

// The instant `days` calendar days after `from`, at the same local time of day (so a day is
// 23 or 25 hours long across a daylight-saving change). Keeps the fraction of a second.
std::optional<Instant> addingDays(Instant from, std::int64_t days);

// The first instant of the local day that contains `instant`.
std::optional<Instant> startOfDay(Instant instant);

// Whole days from `from` to `to`, counted by the calendar and truncated toward zero:
// the largest n with addingDays(from, n) <= to (for to >= from; symmetrically before).
std::optional<std::int64_t> daysBetween(Instant from, Instant to);

} // namespace LocalCalendar
