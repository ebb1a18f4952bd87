// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/DateQuery.h"

#include "app/state/LeapRuleChoice.h"
#include "calendar/LocalCalendar.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

#include <array>
#include <string_view>
#include <vector>

namespace {

class Messages
{
    Q_DECLARE_TR_FUNCTIONS(DateQuery)
};

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lower case, accents and hyphens gone, one space between words: "Sans-culottides" and
// "sansculottides" meet, as do "Nivôse" and "nivose".
QString folded(const QString& text)
{
    QString plain;
    for (const QChar character : text.normalized(QString::NormalizationForm_D)) {
        if (character.category() == QChar::Mark_NonSpacing || character == u'-') {
            continue;
        }
        plain += (character == u',' || character == u'.') ? QChar(u' ') : character.toLower();
    }
    return plain.simplified();
}

QDate civilDate(std::int64_t dayNumber)
{
    return QDate(1970, 1, 1).addDays(dayNumber);
}

DateReading failure(const QString& message, bool republican = false)
{
    return {std::nullopt, message, republican};
}

// The reading of a day that exists in the calendar it was written in; outside the days shown it
// says which end it passed.
DateReading inRange(std::int64_t dayNumber, LeapRule rule, bool republican, const QLocale& locale)
{
    if (dayNumber < DateQuery::firstDayNumber(rule)) {
        return failure(Messages::tr("%1 is before 1 Vendémiaire an I (%2), the first day of the calendar")
                           .arg(republican ? Messages::tr("This day") : locale.toString(civilDate(dayNumber)),
                                DateQuery::gregorianWords(DateQuery::firstDayNumber(rule), locale)),
                       republican);
    }
    if (dayNumber > DateQuery::lastDayNumber()) {
        return failure(Messages::tr("%1 is after %2, the last day shown")
                           .arg(republican ? Messages::tr("This day") : locale.toString(civilDate(dayNumber)),
                                DateQuery::gregorianWords(DateQuery::lastDayNumber(), locale)),
                       republican);
    }
    return {dayNumber, {}, republican};
}

DateReading civil(int year, int month, int day, int yearDigits, LeapRule rule, const QLocale& locale)
{
    if (yearDigits < 4) {
        return failure(Messages::tr("Write the year in full, with four digits: %1 could be more than one year")
                           .arg(QString::number(year)));
    }
    if (month < 1 || month > 12) {
        return failure(Messages::tr("There is no month %1: the months go from 1 to 12").arg(month));
    }
    const int length = QDate(year, month, 1).daysInMonth();
    if (day < 1 || day > length) {
        //: %1 the month and year in words ("February 2023"), %2 its number of days, %3 the day asked for
        return failure(Messages::tr("%1 has %2 days: there is no day %3")
                           .arg(locale.standaloneMonthName(month) + u' ' + QString::number(year))
                           .arg(length)
                           .arg(day));
    }
    return inRange(LocalCalendar::dayNumber(year, month, day), rule, false, locale);
}

// The locale's numeric short format as a pattern: "dd/MM/yyyy" reads "9/11/1799". Formats with
// month names are left to QLocale::toDate.
struct NumericFormat
{
    QRegularExpression pattern;
    std::array<int, 3> groupOf{}; // capture group of day, month and year
};

std::optional<NumericFormat> numericFormat(const QString& format)
{
    QString pattern = QStringLiteral("^\\s*");
    std::array<int, 3> groupOf{};
    int groups = 0;
    for (qsizetype index = 0; index < format.size();) {
        const QChar letter = format[index];
        qsizetype run = 1;
        while (index + run < format.size() && format[index + run] == letter) {
            ++run;
        }
        index += run;
        if (letter == u'd' && run <= 2) {
            groupOf[0] = ++groups;
            pattern += QStringLiteral("(\\d{1,2})");
        } else if (letter == u'M' && run <= 2) {
            groupOf[1] = ++groups;
            pattern += QStringLiteral("(\\d{1,2})");
        } else if (letter == u'y') {
            groupOf[2] = ++groups;
            pattern += QStringLiteral("(\\d{1,4})");
        } else if (letter.isLetter() || letter == u'\'') {
            return std::nullopt;
        } else {
            pattern += QRegularExpression::escape(QString(run, letter));
        }
    }
    if (groups != 3) {
        return std::nullopt;
    }
    return NumericFormat{QRegularExpression(pattern + QStringLiteral("\\s*$")), groupOf};
}

std::optional<DateReading> gregorian(const QString& text, LeapRule rule, const QLocale& locale)
{
    static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{1,6})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    if (const auto match = iso.match(text); match.hasMatch()) {
        return civil(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                     static_cast<int>(match.captured(1).size()), rule, locale);
    }
    if (const auto format = numericFormat(locale.dateFormat(QLocale::ShortFormat))) {
        if (const auto match = format->pattern.match(text); match.hasMatch()) {
            const auto part = [&](int which) { return match.captured(format->groupOf.at(which)); };
            return civil(part(2).toInt(), part(1).toInt(), part(0).toInt(), static_cast<int>(part(2).size()), rule,
                         locale);
        }
    }
    // Long formats as the locale writes them, with and without the day of the week.
    std::vector<QString> formats;
    for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QString format = locale.dateFormat(type);
        formats.push_back(format);
        QString weekless = format;
        weekless.remove(QRegularExpression(QStringLiteral("d{3,4}[,\\s]*")));
        formats.push_back(weekless.trimmed());
    }
    formats.push_back(QStringLiteral("d MMMM yyyy"));
    formats.push_back(QStringLiteral("MMMM d yyyy"));
    formats.push_back(QStringLiteral("MMMM d, yyyy"));
    for (const QString& format : formats) {
        const QDate date = locale.toDate(text.simplified(), format);
        if (date.isValid()) {
            return civil(date.year(), date.month(), date.day(), 4, rule, locale);
        }
    }
    return std::nullopt;
}

std::optional<int> republicanMonth(const QString& word)
{
    for (std::size_t index = 0; index < RevolutionaryCalendar::monthNames.size(); ++index) {
        if (folded(fromUtf8(RevolutionaryCalendar::monthNames[index])) == word) {
            return static_cast<int>(index + 1);
        }
    }
    return std::nullopt;
}

std::optional<DateReading> republican(const QString& text, LeapRule rule, const QLocale& locale)
{
    // An optional day of the décade, the day ("1er" too), the month, and the year with or without "an".
    static const QRegularExpression pattern(
        QStringLiteral("^(?:([a-z]+idi) )?(\\d{1,3})(?:er)? ([a-z]+) (?:(?:de l' ?)?an )?(\\d{1,5}|[ivxlcdm]+)$"));
    const QRegularExpressionMatch match = pattern.match(folded(text));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const std::optional<int> month = republicanMonth(match.captured(3));
    if (!month) {
        return failure(Messages::tr("'%1' is not a month of the Republican calendar (Vendémiaire to Fructidor, "
                                    "then the Sansculottides)")
                           .arg(match.captured(3)),
                       true);
    }
    const QString yearText = match.captured(4);
    const bool digits = yearText.front().isDigit();
    const std::optional<std::int64_t> year =
        digits ? std::optional<std::int64_t>(yearText.toLongLong()) : DateQuery::romanValue(yearText.toUpper());
    if (!year) {
        return failure(Messages::tr("'%1' is not a Roman numeral as years are written (an VIII, an CCXXXIV)")
                           .arg(yearText.toUpper()),
                       true);
    }
    const int day = match.captured(2).toInt();
    const QString monthName = fromUtf8(RevolutionaryCalendar::monthNames.at(static_cast<std::size_t>(*month - 1)));
    if (*year < 1) {
        return inRange(DateQuery::firstDayNumber(rule) - 1, rule, true, locale);
    }
    if (*year > RevolutionaryCalendar::lastYear) {
        return inRange(DateQuery::lastDayNumber() + 1, rule, true, locale);
    }
    if (*month == 13 && (day < 1 || day > 6)) {
        return failure(Messages::tr("There are five complementary days, six in a leap year: there is no %1 %2")
                           .arg(day)
                           .arg(monthName),
                       true);
    }
    if (*month == 13 && day == 6 && !RevolutionaryCalendar::isLeapYear(*year, rule)) {
        //: %1 the year ("an III"), %2 the leap-year rule's name
        return failure(Messages::tr("An %1 is a common year under the %2 rule: it has five complementary days, "
                                    "not six")
                           .arg(fromUtf8(RevolutionaryCalendar::toRoman(*year)), LeapRuleChoice::displayName(rule)),
                       true);
    }
    if (*month < 13 && (day < 1 || day > 30)) {
        return failure(Messages::tr("Every month has 30 days: there is no %1 %2").arg(day).arg(monthName), true);
    }
    const std::int64_t decadeDay = (day - 1) % 10 + 1;
    if (const QString given = match.captured(1); !given.isEmpty()) {
        const auto nameOf = [](std::int64_t index) {
            return fromUtf8(RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(index - 1)));
        };
        std::int64_t named = 0;
        for (std::int64_t index = 1; index <= 10; ++index) {
            named = folded(nameOf(index)) == given ? index : named;
        }
        if (named == 0) {
            return failure(Messages::tr("'%1' is not a day of the décade (Primidi to Décadi)").arg(given), true);
        }
        if (named != decadeDay) {
            //: "18 Brumaire falls on Octidi, not on Primidi"
            return failure(Messages::tr("%1 %2 falls on %3, not on %4")
                               .arg(QString::number(day), monthName, nameOf(decadeDay), nameOf(named)),
                           true);
        }
    }
    const auto number = RevolutionaryCalendar::dayNumber({*year, *month, day, decadeDay}, rule);
    if (!number) {
        return inRange(DateQuery::lastDayNumber() + 1, rule, true, locale);
    }
    return inRange(*number, rule, true, locale);
}

} // namespace

namespace DateQuery {

std::int64_t firstDayNumber(LeapRule rule)
{
    return RevolutionaryCalendar::firstDayNumber(1, rule);
}

std::int64_t lastDayNumber()
{
    return LocalCalendar::dayNumber(9999, 12, 31);
}

DateReading read(const QString& text, LeapRule rule, const QLocale& locale)
{
    if (text.trimmed().isEmpty()) {
        return failure(Messages::tr("Type a date, such as 1799-11-09 or 18 Brumaire an VIII"));
    }
    if (auto reading = gregorian(text, rule, locale)) {
        return *reading;
    }
    if (auto reading = republican(text, rule, locale)) {
        return *reading;
    }
    //: %1 what was typed, %2 the locale's short date format ("dd/MM/yyyy")
    return failure(Messages::tr("Cannot read '%1' as a date: write 1799-11-09, %2 or 18 Brumaire an VIII")
                       .arg(text.trimmed(), locale.dateFormat(QLocale::ShortFormat)));
}

std::optional<std::int64_t> romanValue(const QString& numeral)
{
    static constexpr std::array<std::pair<char16_t, int>, 7> values{
        {{u'I', 1}, {u'V', 5}, {u'X', 10}, {u'L', 50}, {u'C', 100}, {u'D', 500}, {u'M', 1000}}};
    const auto valueOf = [](QChar letter) {
        for (const auto& [symbol, value] : values) {
            if (letter == QChar(symbol)) {
                return value;
            }
        }
        return 0;
    };
    if (numeral.isEmpty() || numeral.size() > 40) {
        return std::nullopt;
    }
    std::int64_t total = 0;
    for (qsizetype index = 0; index < numeral.size(); ++index) {
        const int value = valueOf(numeral[index]);
        if (value == 0) {
            return std::nullopt;
        }
        const int next = index + 1 < numeral.size() ? valueOf(numeral[index + 1]) : 0;
        total += next > value ? -value : value;
    }
    // Only the numeral toRoman writes for that value: "IIII" and "IC" say nothing clearly.
    if (total < 1 || fromUtf8(RevolutionaryCalendar::toRoman(total)) != numeral) {
        return std::nullopt;
    }
    return total;
}

QString gregorianWords(std::int64_t dayNumber, const QLocale& locale)
{
    return locale.toString(civilDate(dayNumber), QStringLiteral("dddd d MMMM yyyy"));
}

} // namespace DateQuery
