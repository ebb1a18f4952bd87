// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// How leap years are reckoned. continuous (years 3, 7, 11, 15, 19, …) is the default and
// gives today's results; the others are chosen in the settings.
//   romme:      3, 7, 11, 15, then every year divisible by 4 from 20 on, except the
//               centuries not divisible by 400 (Romme's proposal of an III).
//   madler:     3, 7, 11, 15, then every year divisible by 4 from 20 on, except the
//               multiples of 128 (Mädler's refinement, 365 + 31/128 days a year).
//   equinox:    the decree's own rule: each year begins on the day, in Paris apparent solar
//               time, on which the true autumn equinox falls.
enum class LeapRule { continuous, romme, madler, equinox };

// Stable names for the settings file; never translate them.
inline constexpr std::array<std::string_view, 4> leapRuleNames{"continuous", "romme", "madler", "equinox"};

constexpr std::string_view leapRuleName(LeapRule rule)
{
    return leapRuleNames.at(static_cast<std::size_t>(rule));
}

// None for any other text, so that a stale or hand-edited setting falls back to the caller's default.
constexpr std::optional<LeapRule> leapRuleFromName(std::string_view name)
{
    for (std::size_t i = 0; i < leapRuleNames.size(); ++i) {
        if (leapRuleNames[i] == name) {
            return static_cast<LeapRule>(i);
        }
    }
    return std::nullopt;
}
