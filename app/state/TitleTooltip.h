// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/SourceTexts.h"
#include "calendar/LeapRule.h"
#include "calendar/RevolutionaryCalendar.h"

#include <string>

// The tooltip that goes with the status-bar title in the bars that show one (waybar's JSON,
// XFCE's genmon plugin). Without Qt, so that quintaval-title's cheap path makes the same one.
namespace TitleTooltip {

// Four lines: "Quintidi 15 Frimaire an CCXXXV", "4:44 décimal", the day's item
// "🐖 Cochon — Pig" ("🐖 Cochon — Animal" in French) or the festival of a complementary day, and
// the rule `date` was reckoned by, "Leap years: continuous (3, 7, 11…)": dates a day or two apart
// from another calendar's are then no mystery. The words come through `lookUp`.
std::string text(const RevolutionaryDate& date, const DecimalTime& time, LeapRule rule,
                 SourceTexts::Translate lookUp);

} // namespace TitleTooltip
