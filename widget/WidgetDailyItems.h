// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/WidgetCalendar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The plant, animal, tool or mineral of a day of the twelve months.
struct WidgetDailyItem
{
    std::string_view name;       // English
    std::string_view frenchName; // as the calendar gives it, capitalised and accented
    std::string_view emoji;
    std::string_view category;  // "Plant", "Animal", "Tool" or "Mineral"
    std::int64_t dayOfYear = 0; // 1 to 360 once looked up; 0 in the table

    // The engraving's resource name, such as "day_011_pomme_de_terre".
    std::string imageName() const;

    bool operator==(const WidgetDailyItem&) const = default;
};

namespace WidgetDailyItems {

// The item of a date's month and day; none on the complementary days.
std::optional<WidgetDailyItem> item(const WidgetRevolutionaryDate& date);

// The 360 items in the order of the year, row i for day of year i + 1.
extern const std::array<WidgetDailyItem, 360> allItems;

} // namespace WidgetDailyItems
