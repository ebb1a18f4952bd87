// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/TitleTooltip.h"

#include "app/state/DailyItemWords.h"
#include "app/state/LeapRuleWords.h"
#include "app/state/TitleText.h"
#include "calendar/DailyItems.h"

namespace TitleTooltip {

std::string text(const RevolutionaryDate& date, const DecimalTime& time, LeapRule rule,
                 SourceTexts::Translate lookUp)
{
    std::string text{RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(date.decadeDay - 1))};
    text += ' ';
    text += date.formatted();
    text += '\n';
    text += TitleText::timeText(time);
    text += " d\u00E9cimal\n";
    if (const auto item = DailyItems::item(date)) {
        text += item->emoji;
        text += ' ';
        text += DailyItemWords::nameLine(*item, lookUp);
    } else {
        text += RevolutionaryCalendar::monthEmojis.at(static_cast<std::size_t>(date.month - 1));
        text += ' ';
        text += RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(date.day - 1));
    }
    text += '\n';
    text += lookUp(LeapRuleWords::context, LeapRuleWords::summary(rule));
    return text;
}

} // namespace TitleTooltip
