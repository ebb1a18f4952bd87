// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"
#include "calendar/RevolutionaryCalendar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Events of the Revolution remembered on their Republican day, the slogans, and the days
// since the last execution by guillotine in France.
namespace HistoricalData {

struct HistoricalEvent
{
    struct Day
    {
        std::int64_t month, day;
        bool operator==(const Day&) const = default;
    } revolutionaryDate;
    std::optional<std::int64_t> year; // Republican year; none for the yearly festivals
    std::string_view title;
    std::string_view description;
    std::string_view emoji; // one emoji, possibly joined
    bool operator==(const HistoricalEvent&) const = default;
};

// The events on a date's month and day, in table order, whatever the year.
std::vector<HistoricalEvent> events(const RevolutionaryDate& date);

// Whole local calendar days from 10 September 1977 (the last execution, in Marseille) to now.
std::int64_t daysSinceLastGuillotine();
std::int64_t daysSinceLastGuillotine(Instant now);

// Local midnight at the start of 10 September 1977, resolved once in the zone current then.
Instant lastGuillotineExecution();

extern const std::array<HistoricalEvent, 38> allEvents;

inline constexpr std::array<std::string_view, 10> slogans{
    "Liberté, Égalité, Fraternité",
    "Vivre libre ou mourir",
    "La République une et indivisible",
    "Guerre aux tyrans, paix aux chaumières",
    "Le peuple français reconnaît l'Être suprême",
    "Unité, Indivisibilité de la République",
    "Les aristocrates à la lanterne!",
    "Ça ira, ça ira, ça ira",
    "La patrie en danger!",
    "Aux armes, citoyens!",
};

} // namespace HistoricalData
