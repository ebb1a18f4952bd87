// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/RevolutionaryCalendar.h"

#include "calendar/LocalCalendar.h"

#include <utility>

namespace {

// 1 Vendémiaire an I, 22 September 1792, as a local day number.
constexpr std::int64_t epochDayNumber = LocalCalendar::dayNumber(1792, 9, 22);

// Years 3, 7, 11, ... have 366 days and there is no century rule, so every run of four years
// (4k+1 to 4k+4) is 1461 days long with the long year third.
constexpr std::int64_t daysPerFourYears = 4 * 365 + 1;
constexpr std::array<std::int64_t, 4> fourYearStarts{0, 365, 730, 1096};

constexpr std::int64_t secondsPerDay = 86400;

constexpr std::array<std::pair<std::int64_t, std::string_view>, 13> romanNumerals{{{1000, "M"},
                                                                                   {900, "CM"},
                                                                                   {500, "D"},
                                                                                   {400, "CD"},
                                                                                   {100, "C"},
                                                                                   {90, "XC"},
                                                                                   {50, "L"},
                                                                                   {40, "XL"},
                                                                                   {10, "X"},
                                                                                   {9, "IX"},
                                                                                   {5, "V"},
                                                                                   {4, "IV"},
                                                                                   {1, "I"}}};

} // namespace

std::string RevolutionaryDate::formatted() const
{
    std::string text = std::to_string(day);
    text += ' ';
    text += RevolutionaryCalendar::monthNames.at(static_cast<std::size_t>(month - 1));
    text += " an ";
    text += RevolutionaryCalendar::toRoman(year);
    return text;
}

namespace RevolutionaryCalendar {

RevolutionaryDate fromGregorian(Instant date)
{
    const std::int64_t wall = LocalCalendar::wallClockSeconds(date);
    const std::int64_t localDay = wall / secondsPerDay - (wall % secondsPerDay < 0 ? 1 : 0);
    const std::int64_t days = localDay - epochDayNumber;
    if (days < 0) {
        return {1, 1, 1, 1};
    }
    const std::int64_t cycle = days / daysPerFourYears;
    const std::int64_t dayOfCycle = days % daysPerFourYears;
    std::int64_t yearOfCycle = 3;
    while (dayOfCycle < fourYearStarts[static_cast<std::size_t>(yearOfCycle)]) {
        --yearOfCycle;
    }
    const std::int64_t year = cycle * 4 + yearOfCycle + 1;
    const std::int64_t remaining = dayOfCycle - fourYearStarts[static_cast<std::size_t>(yearOfCycle)];
    const std::int64_t decadeDay = remaining % 30 % 10 + 1;
    if (remaining < 360) {
        return {year, remaining / 30 + 1, remaining % 30 + 1, decadeDay};
    }
    return {year, 13, remaining - 359, decadeDay};
}

DecimalTime toDecimalTime(Instant date)
{
    const std::int64_t wall = LocalCalendar::wallClockSeconds(date);
    const std::int64_t civilSeconds = wall % secondsPerDay + (wall % secondsPerDay < 0 ? secondsPerDay : 0);
    const std::int64_t decimalSeconds = civilSeconds * 100000 / secondsPerDay;
    return {decimalSeconds / 10000, decimalSeconds % 10000 / 100, decimalSeconds % 100};
}

std::string toRoman(std::int64_t number)
{
    std::string numeral;
    for (const auto& [value, letters] : romanNumerals) {
        while (number >= value) {
            numeral += letters;
            number -= value;
        }
    }
    return numeral;
}

} // namespace RevolutionaryCalendar
