// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"
#include "calendar/LeapRule.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

// The Republican days as an iCalendar file (RFC 5545) that calendar programs import: one all-day
// event per day, its summary the date and the day's item, its UID the civil date and the rule, so
// that importing again replaces the days instead of doubling them.
namespace IcsCalendar {

// The last day that may be written with `first`: a hundred years on, less a day. A century of
// days is about 12 MB of text; more would be a mistake rather than a wish.
std::int64_t lastAllowed(std::int64_t first);

// Why the days from `first` to `last` (local day numbers, both included) cannot be written; empty
// when they can.
QString rangeError(std::int64_t first, std::int64_t last);

// The calendar, CRLF line ends, lines folded at 75 octets. `stamp` is the DTSTAMP of every event.
std::string write(std::int64_t first, std::int64_t last, LeapRule rule, Instant stamp);

// `line` folded as RFC 5545 asks: at most 75 octets a line, never inside a UTF-8 character, each
// continuation led by a space; every line ends with CRLF.
std::string folded(std::string_view line);

} // namespace IcsCalendar
