// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/LeapRule.h"
#include "calendar/RevolutionaryCalendar.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// What a date typed by the user came to: a local day, or why there is none.
struct DateReading
{
    std::optional<std::int64_t> dayNumber; // days since 1970-01-01, as LocalCalendar counts them
    QString error;                         // one sentence, translated; empty when dayNumber is set
    bool republican = false;               // whether the text named a Republican date
};

// Dates as people type them, both ways: Gregorian in ISO 8601 or the locale's short and long
// formats, Republican as "18 Brumaire an VIII", "18 brumaire 8" or "3 Sans-culottides an 3", accents,
// case, and Roman or Arabic years free. Days are read by the leap-year rule given, so the sixth
// complementary day exists only in the years that rule makes leap.
namespace DateQuery {

// The first day that can be read: 1 Vendémiaire an I (22 September 1792).
std::int64_t firstDayNumber(LeapRule rule);
// The last: 31 December 9999, the last day the program's clock shows.
std::int64_t lastDayNumber();

DateReading read(const QString& text, LeapRule rule, const QLocale& locale = QLocale());

// The Roman numeral's value; none unless it is written as toRoman writes it (no "IIII", no "VX").
std::optional<std::int64_t> romanValue(const QString& numeral);

// "Saturday 9 November 1799" in the locale's words.
QString gregorianWords(std::int64_t dayNumber, const QLocale& locale = QLocale());

} // namespace DateQuery
