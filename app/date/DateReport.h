// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/LeapRule.h"

#include <QLocale>

#include <cstdint>
#include <string>

// What quintaval-date prints of one day, UTF-8 with a final newline.
namespace DateReport {

// A civil date asked for: "Octidi 18 Brumaire an VIII" and the day's item on the next line.
std::string republican(std::int64_t dayNumber, LeapRule rule, const QLocale& locale);

// A Republican date asked for: "1799-11-09", then "Saturday 9 November 1799".
std::string gregorian(std::int64_t dayNumber, const QLocale& locale);

// Both sides as one JSON object on one line, the same whichever way the date was given.
std::string json(std::int64_t dayNumber, LeapRule rule, const QLocale& locale);

} // namespace DateReport
