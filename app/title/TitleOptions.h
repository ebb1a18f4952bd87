// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"

#include <optional>
#include <string>
#include <vector>

// What quintaval-title was asked to do.
struct TitleOptions
{
    std::optional<MenuBarFormat> format; // none: the one stored in the settings
    bool follow = false;
    bool json = false;
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

} // namespace TitleOptionsParser
