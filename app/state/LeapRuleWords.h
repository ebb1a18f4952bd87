// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/LeapRule.h"

// The words for each leap-year rule in the sources' English, which the catalogs translate in the
// context "LeapRule" (LeapRuleChoice shows them). Apart from Qt so that the title's tooltip can be
// made without it.
namespace LeapRuleWords {

inline constexpr char context[] = "LeapRule";

// "Continuous", "Romme", "von Mädler", "Equinox".
const char* name(LeapRule rule);

// One line on how the rule places the leap years.
const char* explanation(LeapRule rule);

// "Leap years: continuous (3, 7, 11…)".
const char* summary(LeapRule rule);

} // namespace LeapRuleWords
