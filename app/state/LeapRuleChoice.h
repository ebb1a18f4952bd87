// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/LeapRule.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

class Preferences;

// The leap-year rule as the user chooses and sees it: its words in the interface, and the rule
// stored in the settings.
namespace LeapRuleChoice {

// In the order the settings window offers them, the default first.
inline constexpr std::array<LeapRule, 4> allCases{LeapRule::continuous, LeapRule::romme, LeapRule::madler,
                                                  LeapRule::equinox};

// "Continuous", "Romme", "von Mädler", "Equinox".
QString displayName(LeapRule rule);

// One line on how the rule places the leap years, for the settings window and tooltips.
QString explanation(LeapRule rule);

// The short line the panel and the title's tooltip show: "Leap years: continuous (3, 7, 11…)".
QString summary(LeapRule rule);

// The rule stored in `preferences`; the key's default when none is stored or the stored value names
// no rule. A value that names none is said on standard error, unless it is `reported`, which then
// holds it: a program that reads the settings again says it once. The store is never written.
LeapRule read(const Preferences& preferences, std::optional<std::string>& reported);

} // namespace LeapRuleChoice
