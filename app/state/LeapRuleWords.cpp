// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/LeapRuleWords.h"

#include "app/state/SourceTexts.h"

#include <array>
#include <cstddef>

namespace {

struct RuleTexts
{
    const char* name;
    const char* explanation;
    const char* summary;
};

// Indexed by the rule. Romme's and von Mädler's years part from the continuous ones at 19/20, which
// is where their summaries start counting.
constexpr std::array<RuleTexts, 4> texts{{
    {QT_TRANSLATE_NOOP("LeapRule", "Continuous"),
     QT_TRANSLATE_NOOP("LeapRule", "Years 3, 7, 11, 15… every fourth year, with no century rule (the default)"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: continuous (3, 7, 11…)")},
    {QT_TRANSLATE_NOOP("LeapRule", "Romme"),
     QT_TRANSLATE_NOOP("LeapRule",
                       "Years 3, 7, 11, 15, then every fourth year from 20; centuries only when divisible by 400"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: Romme (20, 24, 28…)")},
    {QT_TRANSLATE_NOOP("LeapRule", "von Mädler"),
     QT_TRANSLATE_NOOP("LeapRule", "Years 3, 7, 11, 15, then every fourth year from 20, except every 128th"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: von Mädler (20, 24, 28…)")},
    {QT_TRANSLATE_NOOP("LeapRule", "Equinox"),
     QT_TRANSLATE_NOOP("LeapRule",
                       "Each year begins on the day of the autumn equinox at Paris, as the decree of 1793 said"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: by the equinox at Paris")},
}};

const RuleTexts& textsOf(LeapRule rule)
{
    return texts.at(static_cast<std::size_t>(rule));
}

} // namespace

namespace LeapRuleWords {

const char* name(LeapRule rule)
{
    return textsOf(rule).name;
}

const char* explanation(LeapRule rule)
{
    return textsOf(rule).explanation;
}

const char* summary(LeapRule rule)
{
    return textsOf(rule).summary;
}

} // namespace LeapRuleWords
