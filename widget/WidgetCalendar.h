// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/WidgetLocalTime.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A day of the French Republican calendar; month 13 holds the complementary days.
struct WidgetRevolutionaryDate
{
    std::int64_t year, month, day, decadeDay;
    bool operator==(const WidgetRevolutionaryDate&) const = default;
};

// The widget's own copy of the Republican calendar conversion.
namespace WidgetCalendar {

// Civil date and time components, with no time zone attached.
struct DateComponents
{
    std::int64_t year;
    int month, day, hour, minute, second;
};

// 22 September 1792, 00:00, the first day of year 1; read as local midnight in whatever zone
// is current.
const DateComponents& epochComponents();

// The Republican date of the local day containing `date`; 1 Vendémiaire an I before the epoch.
WidgetRevolutionaryDate fromGregorian(WidgetInstant date);

// Roman numeral of `number`; empty for zero and below, no upper limit.
std::string toRoman(std::int64_t number);

// Indexed by month - 1.
inline constexpr std::array<std::string_view, 13> monthNames{
    "Vendémiaire", "Brumaire", "Frimaire", "Nivôse",    "Pluviôse",  "Ventôse",       "Germinal",
    "Floréal",     "Prairial", "Messidor", "Thermidor", "Fructidor", "Sansculottides"};

// Indexed by decadeDay - 1.
inline constexpr std::array<std::string_view, 10> dayNames{"Primidi", "Duodi",   "Tridi",  "Quartidi", "Quintidi",
                                                           "Sextidi", "Septidi", "Octidi", "Nonidi",   "Décadi"};

} // namespace WidgetCalendar
