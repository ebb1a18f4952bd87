// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/EntryTexts.h"

#include "common/CivilDateText.h"

#include <QCoreApplication>

namespace {

// Values made by the conversion are always in range; anything else shows nothing.
template <typename Table>
QString tableText(const Table& table, std::int64_t number)
{
    if (number < 1 || number > static_cast<std::int64_t>(table.size())) {
        return {};
    }
    return EntryTexts::fromUtf8(table[static_cast<std::size_t>(number - 1)]);
}

} // namespace

namespace EntryTexts {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString dayText(const WidgetRevolutionaryDate& date)
{
    return QString::asprintf("%lld", static_cast<long long>(date.day));
}

QString monthText(const WidgetRevolutionaryDate& date)
{
    return tableText(RevolutionaryCalendar::monthNames, date.month);
}

QString yearText(const WidgetRevolutionaryDate& date)
{
    return QStringLiteral("An ") + fromUtf8(RevolutionaryCalendar::toRoman(date.year));
}

QString weekdayText(const WidgetRevolutionaryDate& date)
{
    return tableText(RevolutionaryCalendar::dayNames, date.decadeDay);
}

QString civilDateText(const QDate& date, const QLocale& locale)
{
    return CivilDateText::longDateWithoutWeekday(date, locale);
}

QString categoryText(const WidgetDailyItem& item)
{
    // The words and their context are the program's, so one translation serves both.
    switch (item.category) {
    case DailyItem::Category::plant:
        return QCoreApplication::translate("DailyItem", "Plant").toLower();
    case DailyItem::Category::animal:
        return QCoreApplication::translate("DailyItem", "Animal").toLower();
    case DailyItem::Category::tool:
        return QCoreApplication::translate("DailyItem", "Tool").toLower();
    case DailyItem::Category::mineral:
        return QCoreApplication::translate("DailyItem", "Mineral").toLower();
    }
    return {};
}

bool showsEnglishName()
{
    return QCoreApplication::translate("DailyItem", "ENGLISH_NAME_SHOWN") != QLatin1String("no");
}

} // namespace EntryTexts
