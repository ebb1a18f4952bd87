// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/TitleText.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr std::string_view separator = " \u00B7 "; // space, middle dot, space

std::size_t tableIndex(std::int64_t oneBased)
{
    return static_cast<std::size_t>(oneBased - 1);
}

// The code point that starts at `at` in valid UTF-8, and moves `at` past it.
char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t point = trailing == 0 ? lead : lead & (0x3Fu >> trailing);
    for (int index = 0; index < trailing && at < text.size(); ++index) {
        point = (point << 6) | (static_cast<unsigned char>(text[at++]) & 0x3Fu);
    }
    return point;
}

// Marks that belong to the character before them: combining accents, variation selectors (the
// emoji presentation), skin tones, the tags of subdivision flags and the zero-width joiner.
bool extendsCharacter(char32_t point)
{
    return (point >= 0x0300 && point <= 0x036F) || (point >= 0x1AB0 && point <= 0x1AFF) ||
           (point >= 0x1DC0 && point <= 0x1DFF) || (point >= 0x20D0 && point <= 0x20FF) ||
           (point >= 0xFE00 && point <= 0xFE0F) || (point >= 0xFE20 && point <= 0xFE2F) ||
           (point >= 0x1F3FB && point <= 0x1F3FF) || (point >= 0xE0020 && point <= 0xE007F) ||
           (point >= 0xE0100 && point <= 0xE01EF) || point == 0x200D;
}

bool isRegionalIndicator(char32_t point)
{
    return point >= 0x1F1E6 && point <= 0x1F1FF;
}

} // namespace

namespace TitleText {

std::string timeText(const DecimalTime& time)
{
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(time.hours),
                  static_cast<long long>(time.minutes));
    return text;
}

std::string menuBarText(const RevolutionaryDate& today, const DecimalTime& time, MenuBarFormat format)
{
    std::string text{RevolutionaryCalendar::monthEmojis.at(tableIndex(today.month))};
    text += ' ';
    const std::string_view monthName = RevolutionaryCalendar::monthNames.at(tableIndex(today.month));
    switch (format) {
    case MenuBarFormat::dateAndTime:
        text += std::to_string(today.day);
        text += ' ';
        text += monthName;
        text += separator;
        text += RevolutionaryCalendar::dayNames.at(tableIndex(today.decadeDay));
        text += separator;
        text += timeText(time);
        break;
    case MenuBarFormat::date:
        text += std::to_string(today.day);
        text += ' ';
        text += firstCharacters(monthName, 4);
        text += '.';
        break;
    case MenuBarFormat::decimalTime:
        text += timeText(time);
        break;
    case MenuBarFormat::dayNumber:
        text += std::to_string(today.day);
        break;
    }
    return text;
}

bool showsTime(MenuBarFormat format)
{
    return format == MenuBarFormat::dateAndTime || format == MenuBarFormat::decimalTime;
}

std::string shareableText(const RevolutionaryDate& viewed, const DecimalTime& time)
{
    std::string text{RevolutionaryCalendar::monthEmojis.at(tableIndex(viewed.month))};
    text += ' ';
    text += viewed.formatted();
    text += separator;
    text += timeText(time);
    text += " d\u00E9cimal";
    return text;
}

std::string firstCharacters(std::string_view text, std::size_t count)
{
    // Counted without Qt, so that quintaval-title's cheap path makes the same title: the clusters
    // of Latin text and of emoji, which is what the titles hold.
    std::size_t at = 0;
    std::size_t taken = 0;
    char32_t previous = 0;
    bool pairOpen = false; // a regional indicator waiting for the second half of its flag
    while (at < text.size()) {
        const std::size_t start = at;
        const char32_t point = nextCodePoint(text, at);
        const bool joins = extendsCharacter(point) || previous == 0x200D || (pairOpen && isRegionalIndicator(point));
        if (!joins) {
            if (taken == count) {
                return std::string{text.substr(0, start)};
            }
            ++taken;
        }
        pairOpen = isRegionalIndicator(point) && !(pairOpen && joins);
        previous = point;
    }
    return std::string{text};
}

} // namespace TitleText
