// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/RevolutionaryCalendar.h"

#include "calendar/Equinox.h"
#include "calendar/LocalCalendar.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace {

// 1 Vendémiaire an I, 22 September 1792, as a local day number.
constexpr std::int64_t epochDayNumber = LocalCalendar::dayNumber(1792, 9, 22);

constexpr std::int64_t secondsPerDay = 86400;

// Leap years among 1 to year - 1 under a rule that counts them. The reformed rules keep the
// four leap years the Republic actually had (3, 7, 11, 15) and start counting from year 20.
constexpr std::int64_t leapYearsBefore(std::int64_t year, LeapRule rule)
{
    if (rule == LeapRule::continuous) {
        return year / 4;
    }
    if (year <= 20) {
        return std::min<std::int64_t>(year / 4, 4);
    }
    const std::int64_t previous = year - 1;
    if (rule == LeapRule::madler) {
        return previous / 4 - previous / 128;
    }
    return previous / 4 - previous / 100 + previous / 400;
}

// Days from 1 Vendémiaire an I to 1 Vendémiaire of `year`, by counting.
constexpr std::int64_t countedYearStart(std::int64_t year, LeapRule rule)
{
    return (year - 1) * 365 + leapYearsBefore(year, rule);
}

// An 8209 begins in September of the year 10000.
constexpr std::int64_t lastEquinoxYear = 8209;

// Each year's start (days after the epoch, plus one so that zero means not yet computed),
// filled as years are asked for: a few microseconds per equinox, so nothing at start-up. Two
// threads that both miss compute the same value, so relaxed stores are enough.
constinit std::array<std::atomic<std::int32_t>, lastEquinoxYear + 1> equinoxYearStarts{};

std::int64_t equinoxYearStart(std::int64_t year)
{
    const std::int64_t computed = std::min(year, lastEquinoxYear);
    std::atomic<std::int32_t>& slot = equinoxYearStarts[static_cast<std::size_t>(computed)];
    std::int32_t stored = slot.load(std::memory_order_relaxed);
    if (stored == 0) {
        stored = static_cast<std::int32_t>(Equinox::parisApparentDay(1791 + computed) - epochDayNumber + 1);
        slot.store(stored, std::memory_order_relaxed);
    }
    return stored - 1 + countedYearStart(year, LeapRule::romme) - countedYearStart(computed, LeapRule::romme);
}

std::int64_t yearStart(std::int64_t year, LeapRule rule)
{
    return rule == LeapRule::equinox ? equinoxYearStart(year) : countedYearStart(year, rule);
}

// A rule's mean year, as whole years to whole days: from it a day's year is found to within one.
struct MeanYear
{
    std::int64_t years, days;
};

constexpr MeanYear meanYear(LeapRule rule)
{
    if (rule == LeapRule::continuous) {
        return {4, 1461};
    }
    if (rule == LeapRule::madler) {
        return {128, 46751};
    }
    return {400, 146097}; // romme's; the equinox years stray from it by days, never by a year
}

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

RevolutionaryDate fromGregorian(Instant date, LeapRule rule)
{
    const std::int64_t wall = LocalCalendar::wallClockSeconds(date);
    return fromDayNumber(wall / secondsPerDay - (wall % secondsPerDay < 0 ? 1 : 0), rule);
}

std::int64_t daysInYear(std::int64_t year, LeapRule rule)
{
    const std::int64_t clamped = std::clamp<std::int64_t>(year, 1, lastYear);
    return yearStart(clamped + 1, rule) - yearStart(clamped, rule);
}

bool isLeapYear(std::int64_t year, LeapRule rule)
{
    return daysInYear(year, rule) == 366;
}

std::int64_t firstDayNumber(std::int64_t year, LeapRule rule)
{
    return epochDayNumber + yearStart(std::clamp<std::int64_t>(year, 1, lastYear + 1), rule);
}

RevolutionaryDate fromDayNumber(std::int64_t dayNumber, LeapRule rule)
{
    const std::int64_t lastDay = yearStart(lastYear + 1, rule) - 1;
    const std::int64_t days = std::clamp(dayNumber, epochDayNumber, epochDayNumber + lastDay) - epochDayNumber;
    const MeanYear mean = meanYear(rule);
    std::int64_t year = std::min(1 + days * mean.years / mean.days, lastYear);
    std::int64_t start = yearStart(year, rule);
    while (start > days) {
        start = yearStart(--year, rule);
    }
    for (std::int64_t next = yearStart(year + 1, rule); next <= days; next = yearStart(year + 1, rule)) {
        ++year;
        start = next;
    }
    const std::int64_t remaining = days - start;
    const std::int64_t decadeDay = remaining % 30 % 10 + 1;
    if (remaining < 360) {
        return {year, remaining / 30 + 1, remaining % 30 + 1, decadeDay};
    }
    return {year, 13, remaining - 359, decadeDay};
}

std::optional<std::int64_t> dayNumber(const RevolutionaryDate& date, LeapRule rule)
{
    if (date.year < 1 || date.year > lastYear || date.month < 1 || date.month > 13 || date.day < 1 ||
        date.day > (date.month == 13 ? daysInYear(date.year, rule) - 360 : 30) ||
        date.decadeDay != (date.day - 1) % 10 + 1) {
        return std::nullopt;
    }
    return firstDayNumber(date.year, rule) + (date.month - 1) * 30 + date.day - 1;
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
