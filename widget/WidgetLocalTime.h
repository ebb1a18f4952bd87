// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

// A point on the absolute time line, in microseconds since 1970 (UTC).
using WidgetInstant = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;

// The extension's view of the local calendar, on the C library's localtime_r and timegm, so
// that TZ and /etc/localtime are honoured. Days are numbered from 1970-01-01 (day 0) on the
// proleptic Gregorian calendar.
namespace WidgetLocalTime {

// Makes the C library read the time zone again, so that a changed TZ takes effect.
void refreshZone();

// The number of the civil day that the local wall clock shows at `instant`.
std::int64_t localDay(WidgetInstant instant);

// The number of a civil date; months and days out of range are carried over (month 13 is
// January of the next year).
std::int64_t dayNumber(std::int64_t year, int month, int day);

// The first instant at which the local calendar shows day `day` or a later one. It lies on
// day `day` itself unless the zone skipped that whole day.
WidgetInstant firstInstantFrom(std::int64_t day);

} // namespace WidgetLocalTime
