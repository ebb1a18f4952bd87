// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

// What the status-bar title shows. Stored in the preferences by its raw value.
enum class MenuBarFormat { dateAndTime, date, decimalTime, dayNumber };

namespace MenuBarFormats {

// In the order the settings window offers them.
inline constexpr std::array<MenuBarFormat, 4> allCases{MenuBarFormat::dateAndTime, MenuBarFormat::date,
                                                       MenuBarFormat::decimalTime, MenuBarFormat::dayNumber};

// "dateAndTime", "date", "decimalTime", "dayNumber".
std::string_view rawValue(MenuBarFormat format);

// The label of the settings window, "Date & decimal time" and so on, in English; its translation
// is in the context "MenuBarFormat".
std::string_view displayName(MenuBarFormat format);

// The format whose raw value is exactly `raw` (case-sensitive), or none.
std::optional<MenuBarFormat> fromRawValue(std::string_view raw);

} // namespace MenuBarFormats
