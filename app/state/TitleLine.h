// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"
#include "calendar/Instant.h"
#include "calendar/LeapRule.h"
#include "calendar/RevolutionaryCalendar.h"

#include <string>

// The line quintaval-title prints for an instant, and when that line can next read differently.
namespace TitleLine {

// The status-bar title of `now` in `format`, its date reckoned by `rule`, or with `json` waybar's
// object {"text": title, "tooltip": ..., "class": month}. One line, no newline at the end; UTF-8.
std::string render(Instant now, MenuBarFormat format, bool json, LeapRule rule);

// TitleTooltip::text in the interface's language.
std::string tooltip(const RevolutionaryDate& date, const DecimalTime& time, LeapRule rule);

// The month's name in lower-case ASCII, for style sheets: "frimaire", "nivose", "sansculottides".
std::string monthClass(std::int64_t month);

// Whether the line shows the decimal time (the JSON tooltip always does).
bool showsTime(MenuBarFormat format, bool json);

// The first instant after `now` at which a line that shows the time (or, with !showsTime, the
// date only) can read differently: the next decimal minute or the next local midnight, or sooner
// when the zone's offset changes in between, since the wall clock jumps then.
Instant nextChange(Instant now, bool showsTime);

} // namespace TitleLine
