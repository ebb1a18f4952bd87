// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/LeapRule.h"

#include <optional>
#include <string>
#include <vector>

// What quintaval-date was asked to do: one date shown the other way, or a span of days as an
// iCalendar file. The dates stay text here; they are read once the leap-year rule is known.
struct DateOptions
{
    std::optional<LeapRule> leapRule; // none: the one stored in the settings
    std::string date;                 // the words of the date, joined by spaces
    std::optional<std::string> icsFrom, icsTo;
    bool json = false;
    bool help = false;
    bool version = false;
};

struct ParsedDateOptions
{
    DateOptions options;
    std::optional<std::string> error;
};

namespace DateOptionsParser {

// Reads the arguments that follow the program name; "--leap-rule VALUE" and "--leap-rule=VALUE" alike.
ParsedDateOptions parse(const std::vector<std::string>& arguments);

} // namespace DateOptionsParser
