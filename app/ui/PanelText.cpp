// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelText.h"

#include "app/state/CalendarManager.h"
#include "calendar/LocalCalendar.h"
#include "common/CivilDateText.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <array>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(PanelText)
};

} // namespace

namespace PanelText {

QString ordinal(qint64 number)
{
    // Each language has its own rule; English's four forms are the keys ("1er", "2e" in French).
    if (number == 1) {
        return Texts::tr("%1st").arg(number);
    }
    if (number == 2) {
        return Texts::tr("%1nd").arg(number);
    }
    if (number == 3) {
        return Texts::tr("%1rd").arg(number);
    }
    return Texts::tr("%1th").arg(number);
}

QString monthMeaning(qint64 month)
{
    // The calendar's table, in the words of the interface's language.
    static constexpr std::array<const char*, 13> meanings{
        QT_TRANSLATE_NOOP("PanelText", "Month of Grape Harvest"), QT_TRANSLATE_NOOP("PanelText", "Month of Fog"),
        QT_TRANSLATE_NOOP("PanelText", "Month of Frost"),         QT_TRANSLATE_NOOP("PanelText", "Month of Snow"),
        QT_TRANSLATE_NOOP("PanelText", "Month of Rain"),          QT_TRANSLATE_NOOP("PanelText", "Month of Wind"),
        QT_TRANSLATE_NOOP("PanelText", "Month of Germination"),   QT_TRANSLATE_NOOP("PanelText", "Month of Flowers"),
        QT_TRANSLATE_NOOP("PanelText", "Month of Meadows"),       QT_TRANSLATE_NOOP("PanelText", "Month of Harvest"),
        QT_TRANSLATE_NOOP("PanelText", "Month of Heat"),          QT_TRANSLATE_NOOP("PanelText", "Month of Fruit"),
        QT_TRANSLATE_NOOP("PanelText", "Complementary Days")};
    if (month < 1 || month > static_cast<qint64>(meanings.size())) {
        return {};
    }
    const auto index = static_cast<std::size_t>(month - 1);
    const std::string_view source = RevolutionaryCalendar::monthMeanings.at(index);
    // The table above must say what the calendar's does, or the English would change.
    if (source != meanings.at(index)) {
        return fromUtf8(source);
    }
    return Texts::tr(meanings.at(index));
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
    return CivilDateText::longDateWithoutWeekday(QDate(static_cast<int>(civil.year), civil.month, civil.day), locale);
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

QString spokenDate(const CalendarManager& calendar)
{
    const RevolutionaryDate& date = calendar.currentDate();
    //: A screen reader's reading of the day shown: the Republican date, the day of the décade, the civil date.
    return Texts::tr("%1, %2, %3")
        .arg(QString::fromStdString(date.formatted()),
             fromUtf8(RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(date.decadeDay - 1))),
             gregorianDate(calendar.viewedGregorianDate()));
}

} // namespace PanelText
