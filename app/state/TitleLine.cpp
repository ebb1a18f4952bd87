// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/TitleLine.h"

#include "app/state/DailyItemTexts.h"
#include "app/state/DecimalBoundaries.h"
#include "app/state/LeapRuleChoice.h"
#include "app/state/TitleText.h"
#include "calendar/DailyItems.h"

#include <QChar>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

namespace TitleLine {

std::string render(Instant now, MenuBarFormat format, bool json, LeapRule rule)
{
    const RevolutionaryDate today = RevolutionaryCalendar::fromGregorian(now, rule);
    const DecimalTime time = RevolutionaryCalendar::toDecimalTime(now);
    const std::string title = TitleText::menuBarText(today, time, format);
    if (!json) {
        return title;
    }
    const QJsonObject object{{QStringLiteral("text"), fromUtf8(title)},
                             {QStringLiteral("tooltip"), fromUtf8(tooltip(today, time, rule))},
                             {QStringLiteral("class"), fromUtf8(monthClass(today.month))}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string tooltip(const RevolutionaryDate& date, const DecimalTime& time, LeapRule rule)
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
        text += DailyItemTexts::nameLine(*item).toStdString();
    } else {
        text += RevolutionaryCalendar::monthEmojis.at(static_cast<std::size_t>(date.month - 1));
        text += ' ';
        text += RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(date.day - 1));
    }
    text += '\n';
    text += LeapRuleChoice::summary(rule).toStdString();
    return text;
}

std::string monthClass(std::int64_t month)
{
    const QString decomposed = fromUtf8(RevolutionaryCalendar::monthNames.at(static_cast<std::size_t>(month - 1)))
                                   .normalized(QString::NormalizationForm_D);
    std::string name;
    for (const QChar character : decomposed) {
        if (character.unicode() < 0x80) {
            name += static_cast<char>(character.toLower().unicode());
        }
    }
    return name;
}

bool showsTime(MenuBarFormat format, bool json)
{
    return json || TitleText::showsTime(format);
}

Instant nextChange(Instant now, bool showsTime)
{
    return DecimalBoundaries::next(now, showsTime ? DecimalBoundaries::Unit::minute : DecimalBoundaries::Unit::day);
}

} // namespace TitleLine
