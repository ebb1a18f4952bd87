// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/EntryTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

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
    return tableText(WidgetCalendar::monthNames, date.month);
}

QString yearText(const WidgetRevolutionaryDate& date)
{
    return QStringLiteral("An ") + fromUtf8(WidgetCalendar::toRoman(date.year));
}

QString weekdayText(const WidgetRevolutionaryDate& date)
{
    return tableText(WidgetCalendar::dayNames, date.decadeDay);
}

QString civilDateText(const QDate& date, const QLocale& locale)
{
    // Qt's long format leads (or, in some locales, ends) with the weekday, which a plain date
    // style leaves out.
    static const QRegularExpression weekday(QStringLiteral("\\s*dddd[,.]?\\s*"));
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.replace(weekday, QStringLiteral(" "));
    format = format.trimmed();
    return locale.toString(date, format);
}

QString categoryText(const WidgetDailyItem& item)
{
    // The words and their context are the program's, so one translation serves both.
    static constexpr std::array<const char*, 4> categories{
        QT_TRANSLATE_NOOP("DailyItem", "Plant"), QT_TRANSLATE_NOOP("DailyItem", "Animal"),
        QT_TRANSLATE_NOOP("DailyItem", "Tool"), QT_TRANSLATE_NOOP("DailyItem", "Mineral")};
    for (const char* category : categories) {
        if (item.category == category) {
            return QCoreApplication::translate("DailyItem", category).toLower();
        }
    }
    return fromUtf8(item.category).toLower();
}

bool showsEnglishName()
{
    return QCoreApplication::translate("DailyItem", "ENGLISH_NAME_SHOWN") != QLatin1String("no");
}

} // namespace EntryTexts
