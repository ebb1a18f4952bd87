// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelText.h"

#include "calendar/LocalCalendar.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace PanelText {

QString ordinal(qint64 number)
{
    const char* suffix = "th";
    if (number == 1) {
        suffix = "st";
    } else if (number == 2) {
        suffix = "nd";
    } else if (number == 3) {
        suffix = "rd";
    }
    return QString::number(number) + QLatin1String(suffix);
}

QString decimalClock(const DecimalTime& time)
{
    return QString::asprintf("%lld:%02lld:%02lld", static_cast<long long>(time.hours),
                             static_cast<long long>(time.minutes), static_cast<long long>(time.seconds));
}

QString eventYear(qint64 year)
{
    return QStringLiteral("(An %1)").arg(QString::fromStdString(RevolutionaryCalendar::toRoman(year)));
}

QString gregorianDate(Instant instant, const QLocale& locale)
{
    const CivilDateTime civil = LocalCalendar::components(instant);
    const QDate date(static_cast<int>(civil.year), civil.month, civil.day);
    // The long style spells the month out; the weekday it may carry is not wanted here.
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[,.]?\\s*|\\s*,?\\s*d{4}"));
    format.remove(weekday);
    return locale.toString(date, format.trimmed());
}

QString standardTime(Instant instant, const QLocale& locale)
{
    const CivilDateTime civil = LocalCalendar::components(instant);
    return locale.toString(QTime(civil.hour, civil.minute), shortTimeFormat(locale));
}

QString shortTimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    // Some locales' short style still shows seconds.
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    format.remove(seconds);
    return format;
}

QString groupedNumber(qint64 number, const QLocale& locale)
{
    if (locale.language() == QLocale::C) {
        return QLocale(QLocale::English, QLocale::UnitedStates).toString(number);
    }
    return locale.toString(number);
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace PanelText
