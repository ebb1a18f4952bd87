// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/TitleText.h"

#include <QString>
#include <QTextBoundaryFinder>

#include <cstdio>

namespace {

constexpr std::string_view separator = " \u00B7 "; // space, middle dot, space

std::size_t tableIndex(std::int64_t oneBased)
{
    return static_cast<std::size_t>(oneBased - 1);
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
    const QString whole = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, whole);
    qsizetype end = 0;
    for (std::size_t taken = 0; taken < count; ++taken) {
        const qsizetype next = clusters.toNextBoundary();
        if (next < 0) {
            return std::string{text};
        }
        end = next;
    }
    return whole.left(end).toStdString();
}

} // namespace TitleText
