// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/RevolutionaryCalendar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The plant, animal, tool or mineral to which a day of the twelve months is dedicated.
struct DailyItem
{
    enum class Category { plant, animal, tool, mineral };

    std::string_view name;       // English
    std::string_view frenchName; // as the calendar gives it, capitalised and accented
    Category category = Category::plant;
    std::string_view emoji;
    std::int64_t dayOfYear = 0; // 1 to 360 in an item returned by DailyItems::item; 0 in the table

    // The engraving's resource name, "day_011_pomme_de_terre": lower-case ASCII letters,
    // digits, '_' and '-' only. Meaningful only once dayOfYear is filled in.
    std::string imageName() const;

    bool operator==(const DailyItem&) const = default;
};

namespace DailyItems {

// The category's label: "Plant", "Animal", "Tool" or "Mineral".
std::string_view categoryText(DailyItem::Category category);

// The category with exactly that label (case-sensitive), or none.
std::optional<DailyItem::Category> categoryFromText(std::string_view text);

// The item of a date's month and day; none for the complementary days.
std::optional<DailyItem> item(const RevolutionaryDate& date);

// The 360 items in the order of the year, entry i for day of year i + 1, dayOfYear left 0.
extern const std::array<DailyItem, 360> allItems;

} // namespace DailyItems
