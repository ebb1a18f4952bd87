// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/date/DateReport.h"

#include "app/state/DailyItemTexts.h"
#include "app/state/DateQuery.h"
#include "calendar/DailyItems.h"
#include "calendar/RevolutionaryCalendar.h"

#include <QDate>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString isoDate(std::int64_t dayNumber)
{
    return QDate(1970, 1, 1).addDays(dayNumber).toString(Qt::ISODate);
}

QString dayName(const RevolutionaryDate& date)
{
    return fromUtf8(RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(date.decadeDay - 1)));
}

} // namespace

namespace DateReport {

std::string republican(std::int64_t dayNumber, LeapRule rule, const QLocale&)
{
    const RevolutionaryDate date = RevolutionaryCalendar::fromDayNumber(dayNumber, rule);
    QString text = dayName(date) + u' ' + QString::fromStdString(date.formatted()) + u'\n';
    if (const auto item = DailyItems::item(date)) {
        text += fromUtf8(item->emoji) + u' ' + DailyItemTexts::nameLine(*item);
    } else {
        text += fromUtf8(RevolutionaryCalendar::monthEmojis.back()) + u' ' +
                fromUtf8(RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(date.day - 1)));
    }
    return (text + u'\n').toStdString();
}

std::string gregorian(std::int64_t dayNumber, const QLocale& locale)
{
    return (isoDate(dayNumber) + u'\n' + DateQuery::gregorianWords(dayNumber, locale) + u'\n').toStdString();
}

std::string json(std::int64_t dayNumber, LeapRule rule, const QLocale& locale)
{
    const RevolutionaryDate date = RevolutionaryCalendar::fromDayNumber(dayNumber, rule);
    QJsonObject object{{QStringLiteral("gregorian"), isoDate(dayNumber)},
                       {QStringLiteral("gregorianText"), DateQuery::gregorianWords(dayNumber, locale)},
                       {QStringLiteral("republican"), QString::fromStdString(date.formatted())},
                       {QStringLiteral("year"), static_cast<qint64>(date.year)},
                       {QStringLiteral("month"), static_cast<qint64>(date.month)},
                       {QStringLiteral("day"), static_cast<qint64>(date.day)},
                       {QStringLiteral("dayOfDecade"), dayName(date)},
                       {QStringLiteral("leapRule"), fromUtf8(leapRuleName(rule))}};
    if (const auto item = DailyItems::item(date)) {
        object.insert(QStringLiteral("item"),
                      QJsonObject{{QStringLiteral("frenchName"), fromUtf8(item->frenchName)},
                                  {QStringLiteral("name"), fromUtf8(item->name)},
                                  {QStringLiteral("category"), fromUtf8(DailyItems::categoryText(item->category))},
                                  {QStringLiteral("emoji"), fromUtf8(item->emoji)}});
    } else {
        object.insert(QStringLiteral("festival"),
                      fromUtf8(RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(date.day - 1))));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + '\n';
}

} // namespace DateReport
