// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/WidgetCalendar.h"

namespace {

// Years 3, 7, 11, ... are the long ones, so the calendar repeats every four years.
constexpr std::int64_t daysInFourYears = 1461;

constexpr std::int64_t lengthOfYear(std::int64_t year)
{
    return (year + 1) % 4 == 0 ? 366 : 365;
}

} // namespace

namespace WidgetCalendar {

const DateComponents& epochComponents()
{
    static const DateComponents epoch{1792, 9, 22, 0, 0, 0};
    return epoch;
}

WidgetRevolutionaryDate fromGregorian(WidgetInstant date)
{
    const DateComponents& epoch = epochComponents();
    // Counting local calendar days keeps daylight-saving changes out of the count.
    const std::int64_t days =
        WidgetLocalTime::localDay(date) - WidgetLocalTime::dayNumber(epoch.year, epoch.month, epoch.day);
    if (days < 0) {
        return {1, 1, 1, 1};
    }
    // Whole four-year runs at once; the walk below then takes at most three steps.
    std::int64_t year = 1 + days / daysInFourYears * 4;
    std::int64_t dayOfYear = days % daysInFourYears;
    while (dayOfYear >= lengthOfYear(year)) {
        dayOfYear -= lengthOfYear(year);
        ++year;
    }
    const std::int64_t decadeDay = dayOfYear % 30 % 10 + 1;
    if (dayOfYear >= 360) {
        return {year, 13, dayOfYear - 359, decadeDay};
    }
    return {year, dayOfYear / 30 + 1, dayOfYear % 30 + 1, decadeDay};
}

std::string toRoman(std::int64_t number)
{
    static constexpr std::int64_t values[] = {1000, 900, 500, 400, 100, 90, 50, 40, 10, 9, 5, 4, 1};
    static constexpr std::string_view numerals[] = {"M",  "CM", "D",  "CD", "C",  "XC", "L",
                                                    "XL", "X",  "IX", "V",  "IV", "I"};
    std::string text;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        for (; number >= values[i]; number -= values[i]) {
            text += numerals[i];
        }
    }
    return text;
}

} // namespace WidgetCalendar
