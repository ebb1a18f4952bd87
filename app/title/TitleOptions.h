// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"
#include "calendar/Instant.h"
#include "calendar/LeapRule.h"

#include <optional>
#include <string>
#include <vector>

// What quintaval-title was asked to do.
struct TitleOptions
{
    std::optional<MenuBarFormat> format = {}; // none: the one stored in the settings
    std::optional<LeapRule> leapRule = {};    // none: the one stored in the settings
    std::optional<Instant> at = {};           // none: the present instant
    // The line a bar shows now: print the next one that differs, then exit.
    std::optional<std::string> changedFrom = {};
    bool follow = false;
    bool json = false;
    bool genmon = false; // XFCE's genmon plugin's text instead of a line
    bool help = false;
    bool version = false;
};

// The options, or the one-line reason they cannot be used.
struct ParsedTitleOptions
{
    TitleOptions options;
    std::optional<std::string> error;
};

namespace TitleOptionsParser {

// Reads the arguments that follow the program name. "--format VALUE" and "--format=VALUE" are
// both accepted; a later option of the same kind wins.
ParsedTitleOptions parse(const std::vector<std::string>& arguments);

// "dateAndTime, date, decimalTime or dayNumber".
std::string formatChoices();

// "continuous, romme, madler or equinox".
std::string leapRuleChoices();

// The first and last local days --at takes: the calendar's first day and the last the
// program's clock shows.
inline constexpr char firstAtDate[] = "1792-09-22";
inline constexpr char lastAtDate[] = "9999-12-31";

} // namespace TitleOptionsParser
