// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"
#include "calendar/LeapRule.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A day of the French Republican calendar. Month 13 holds the five or six complementary days.
struct RevolutionaryDate
{
    std::int64_t year, month, day, decadeDay;

    // "15 Frimaire an CCXXXV"; month must be 1 to 13.
    std::string formatted() const;
    bool operator==(const RevolutionaryDate&) const = default;
};

// Ten hours of a hundred minutes of a hundred seconds per day.
struct DecimalTime
{
    std::int64_t hours, minutes, seconds;
    bool operator==(const DecimalTime&) const = default;
};

namespace RevolutionaryCalendar {

// The Republican date of the local calendar day containing `date`, its years reckoned by `rule`.
// Year 1 begins on 22 September 1792; every instant before that gives 1 Vendémiaire an I.
RevolutionaryDate fromGregorian(Instant date, LeapRule rule = LeapRule::continuous);

// Years past this are not reckoned: a million years is far beyond what an Instant holds, and
// keeps every day count well inside 64 bits.
inline constexpr std::int64_t lastYear = 1'000'000;

// Whether `year` has a sixth complementary day; years outside 1 to lastYear are read as the
// nearest of the two.
bool isLeapYear(std::int64_t year, LeapRule rule);

// 365 or 366, `year` read as isLeapYear does.
std::int64_t daysInYear(std::int64_t year, LeapRule rule);

// The local day number (days since 1970-01-01, as LocalCalendar::dayNumber counts) of
// 1 Vendémiaire of `year`, which is clamped to 1 to lastYear + 1.
//
// Under the equinox rule the equinoxes are computed up to the year 10000 (an 8209, each once and
// kept); past that ΔT is pure guesswork, so later years follow the romme rule's lengths.
std::int64_t firstDayNumber(std::int64_t year, LeapRule rule);

// The Republican date of a local day number. Days before 1 Vendémiaire an I give that day; days
// after the last of lastYear give that last day.
RevolutionaryDate fromDayNumber(std::int64_t dayNumber, LeapRule rule);

// The local day number of `date`; none when no such day exists: a year outside 1 to lastYear, a
// month outside 1 to 13, a day outside 1 to 30 or past the year's complementary days, or a
// decadeDay that does not match the day.
std::optional<std::int64_t> dayNumber(const RevolutionaryDate& date, LeapRule rule);

// The local wall-clock time of `date` in decimal time.
DecimalTime toDecimalTime(Instant date);

// Roman numeral of `number`; empty for zero and negative numbers, no upper limit (4000 is MMMM).
std::string toRoman(std::int64_t number);

// Indexed by month - 1.
inline constexpr std::array<std::string_view, 13> monthNames{
    "Vendémiaire", "Brumaire", "Frimaire", "Nivôse",    "Pluviôse",  "Ventôse",       "Germinal",
    "Floréal",     "Prairial", "Messidor", "Thermidor", "Fructidor", "Sansculottides"};

inline constexpr std::array<std::string_view, 13> monthMeanings{
    "Month of Grape Harvest", "Month of Fog",         "Month of Frost",    "Month of Snow",    "Month of Rain",
    "Month of Wind",          "Month of Germination", "Month of Flowers",  "Month of Meadows", "Month of Harvest",
    "Month of Heat",          "Month of Fruit",       "Complementary Days"};

// Several carry the variation selector U+FE0F.
inline constexpr std::array<std::string_view, 13> monthEmojis{"🍇", "🌫️", "🥶", "☃️", "🌧️", "💨", "🌱",
                                                              "🌸", "🌾",       "🌻",    "☀️", "🍎",       "🎉"};

// Indexed by decadeDay - 1.
inline constexpr std::array<std::string_view, 10> dayNames{"Primidi", "Duodi",   "Tridi",  "Quartidi", "Quintidi",
                                                           "Sextidi", "Septidi", "Octidi", "Nonidi",   "Décadi"};

// The festivals of the complementary days, indexed by day - 1.
inline constexpr std::array<std::string_view, 6> sansculottidesNames{
    "La Fête de la Vertu",  "La Fête du Génie",        "La Fête du Travail",
    "La Fête de l'Opinion", "La Fête des Récompenses", "La Fête de la Révolution"};

} // namespace RevolutionaryCalendar
