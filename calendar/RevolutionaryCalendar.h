// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

#include <array>
#include <cstdint>
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

// The Republican date of the local calendar day containing `date`. Year 1 begins on
// 22 September 1792; every instant before that gives 1 Vendémiaire an I.
RevolutionaryDate fromGregorian(Instant date);

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
