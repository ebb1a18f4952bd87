// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/GenmonText.h"

#include "app/state/TitleText.h"
#include "app/state/TitleTooltip.h"
#include "calendar/RevolutionaryCalendar.h"

namespace GenmonText {

std::string render(Instant now, MenuBarFormat format, LeapRule rule, SourceTexts::Translate lookUp)
{
    const RevolutionaryDate today = RevolutionaryCalendar::fromGregorian(now, rule);
    const DecimalTime time = RevolutionaryCalendar::toDecimalTime(now);
    return "<txt>" + escaped(TitleText::menuBarText(today, time, format)) + "</txt><tool>" +
           escaped(TitleTooltip::text(today, time, rule, lookUp)) + "</tool><txtclick>" + clickCommand +
           "</txtclick>";
}

std::string escaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char character : text) {
        switch (character) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            result += character;
        }
    }
    return result;
}

} // namespace GenmonText
