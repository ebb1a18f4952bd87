// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"
#include "calendar/RevolutionaryCalendar.h"

#include <cstddef>
#include <string>
#include <string_view>

// The two texts the program hands out: the status-bar title and the text copied to the
// clipboard. Pure functions of the dates and time they are given; UTF-8. Without Qt, so that
// quintaval-title's cheap path makes the same title.
namespace TitleText {

// "4:44": the decimal hour as is, a colon, the decimal minute in two digits.
std::string timeText(const DecimalTime& time);

// The status-bar title of `today` at `time`, led by the month's emoji:
// "🥶 15 Frimaire · Quintidi · 4:44", "🥶 15 Frim.", "🥶 4:44" or "🥶 15".
std::string menuBarText(const RevolutionaryDate& today, const DecimalTime& time, MenuBarFormat format);

// Whether the title in `format` shows the decimal time (otherwise it changes only with the day).
bool showsTime(MenuBarFormat format);

// The text copied for a viewed day at the present decimal time:
// "🥶 15 Frimaire an CCXXXV · 4:44 décimal".
std::string shareableText(const RevolutionaryDate& viewed, const DecimalTime& time);

// The first `count` user-perceived characters of `text`, each a letter with its accents, an emoji
// with its skin tone and the emoji joined to it, or a flag; all of it when shorter.
std::string firstCharacters(std::string_view text, std::size_t count);

} // namespace TitleText
