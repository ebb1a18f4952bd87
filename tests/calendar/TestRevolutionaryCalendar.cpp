// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/LocalCalendar.h"
#include "calendar/RevolutionaryCalendar.h"
#include "tests/support/LocalTime.h"
#include "tests/support/ScopedTimeZone.h"

#include <QTest>

#include <ctime>

Q_DECLARE_METATYPE(RevolutionaryDate)

namespace {

// The calendar as it was defined, walked one year at a time: the reference the fast
// conversion must agree with.
RevolutionaryDate referenceDate(std::int64_t daysSinceEpoch)
{
    if (daysSinceEpoch < 0) {
        return {1, 1, 1, 1};
    }
    std::int64_t year = 1;
    std::int64_t remaining = daysSinceEpoch;
    for (;;) {
        const std::int64_t length = (year + 1) % 4 == 0 ? 366 : 365;
        if (remaining < length) {
            break;
        }
        remaining -= length;
        ++year;
    }
    if (remaining < 360) {
        return {year, remaining / 30 + 1, remaining % 30 + 1, remaining % 30 % 10 + 1};
    }
    return {year, 13, remaining - 359, remaining % 30 % 10 + 1};
}

struct CivilDay
{
    int year, month, day;
};

bool isGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

CivilDay nextDay(CivilDay date)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int length = lengths[date.month - 1] + (date.month == 2 && isGregorianLeapYear(date.year) ? 1 : 0);
    if (++date.day > length) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    }
    return date;
}

// The instant at which the C library's local clock shows the given time, or none when that
// day or time does not exist in the zone.
std::optional<Instant> libraryInstant(CivilDay date, int hour, int minute, int second)
{
    std::tm parts{};
    parts.tm_year = date.year - 1900;
    parts.tm_mon = date.month - 1;
    parts.tm_mday = date.day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&parts);
    std::tm check{};
    if (!localtime_r(&seconds, &check) || check.tm_year != date.year - 1900 || check.tm_mon != date.month - 1 ||
        check.tm_mday != date.day) {
        return std::nullopt;
    }
    return Instant{std::chrono::seconds{seconds}};
}

} // namespace

class TestRevolutionaryCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownDates_data();
    void knownDates();
    void agreesWithYearByYearReference_data();
    void agreesWithYearByYearReference();
    void instantsBeforeTheEpoch();
    void complementaryDaysEndTheYear();
    void skippedCivilDay();
    void zoneChangeTakesEffectAtNextCall();
    void romanNumerals_data();
    void romanNumerals();
    void romanNumeralsRoundTrip();
    void extremeInstants();
};

void TestRevolutionaryCalendar::knownDates_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<RevolutionaryDate>("expected");
    QTest::addColumn<QString>("formatted");

    struct Row
    {
        int year, month, day;
        RevolutionaryDate expected;
        const char* formatted;
    };
    const Row rows[] = {
        {1792, 9, 21, {1, 1, 1, 1}, "1 Vendémiaire an I"},
        {1700, 1, 1, {1, 1, 1, 1}, "1 Vendémiaire an I"},
        {1792, 9, 22, {1, 1, 1, 1}, "1 Vendémiaire an I"},
        {1792, 10, 1, {1, 1, 10, 10}, "10 Vendémiaire an I"},
        {1792, 10, 2, {1, 1, 11, 1}, "11 Vendémiaire an I"},
        {1793, 9, 16, {1, 12, 30, 10}, "30 Fructidor an I"},
        {1793, 9, 17, {1, 13, 1, 1}, "1 Sansculottides an I"},
        {1793, 9, 21, {1, 13, 5, 5}, "5 Sansculottides an I"},
        {1793, 9, 22, {2, 1, 1, 1}, "1 Vendémiaire an II"},
        {1794, 9, 22, {3, 1, 1, 1}, "1 Vendémiaire an III"},
        {1795, 9, 22, {3, 13, 6, 6}, "6 Sansculottides an III"},
        {1795, 9, 23, {4, 1, 1, 1}, "1 Vendémiaire an IV"},
        {1799, 11, 9, {8, 2, 18, 8}, "18 Brumaire an VIII"},
        {2000, 1, 1, {208, 4, 9, 9}, "9 Nivôse an CCVIII"},
        {2026, 9, 22, {234, 13, 4, 4}, "4 Sansculottides an CCXXXIV"},
        {2026, 9, 23, {234, 13, 5, 5}, "5 Sansculottides an CCXXXIV"},
        {2026, 9, 24, {235, 1, 1, 1}, "1 Vendémiaire an CCXXXV"},
        {2026, 12, 7, {235, 3, 15, 5}, "15 Frimaire an CCXXXV"},
    };
    for (const char* zone : {"UTC", "Europe/Paris", "Pacific/Kiritimati", "Pacific/Pago_Pago"}) {
        for (const Row& row : rows) {
            QTest::addRow("%s %04d-%02d-%02d", zone, row.year, row.month, row.day)
                << QString::fromLatin1(zone) << row.year << row.month << row.day << row.expected
                << QString::fromUtf8(row.formatted);
        }
    }
}

void TestRevolutionaryCalendar::knownDates()
{
    QFETCH(QString, zone);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(RevolutionaryDate, expected);
    QFETCH(QString, formatted);

    ScopedTimeZone timeZone(zone.toLatin1().constData());
    // Any time of the local day gives the same date.
    for (const auto& [hour, minute, second] : {std::tuple{0, 0, 0}, {10, 40, 0}, {23, 59, 59}}) {
        const RevolutionaryDate date =
            RevolutionaryCalendar::fromGregorian(localInstant(year, month, day, hour, minute, second));
        QCOMPARE(date, expected);
        QCOMPARE(QString::fromStdString(date.formatted()), formatted);
    }
}

void TestRevolutionaryCalendar::agreesWithYearByYearReference_data()
{
    QTest::addColumn<QString>("zone");
    for (const char* zone :
         {"UTC", "Europe/Paris", "America/New_York", "Australia/Lord_Howe", "Asia/Kathmandu", "Pacific/Apia"}) {
        QTest::newRow(zone) << QString::fromLatin1(zone);
    }
}

void TestRevolutionaryCalendar::agreesWithYearByYearReference()
{
    QFETCH(QString, zone);
    ScopedTimeZone timeZone(zone.toLatin1().constData());

    std::int64_t daysSinceEpoch = -21; // 1792-09-01
    int checked = 0;
    int missingDays = 0;
    for (CivilDay date{1792, 9, 1}; date.year <= 2400; date = nextDay(date), ++daysSinceEpoch) {
        const RevolutionaryDate expected = referenceDate(daysSinceEpoch);
        int missingTimes = 0;
        for (const auto& [hour, minute, second] : {std::tuple{0, 0, 0}, {12, 0, 0}, {23, 59, 59}}) {
            // Some times never happen: Paris long sprang forward from 23:00 to midnight.
            const auto instant = libraryInstant(date, hour, minute, second);
            if (!instant) {
                ++missingTimes;
                continue;
            }
            const RevolutionaryDate actual = RevolutionaryCalendar::fromGregorian(*instant);
            if (actual != expected) {
                QFAIL(qPrintable(QStringLiteral("%1-%2-%3 %4:%5:%6 gave %7 instead of %8")
                                     .arg(date.year)
                                     .arg(date.month)
                                     .arg(date.day)
                                     .arg(hour)
                                     .arg(minute)
                                     .arg(second)
                                     .arg(QString::fromStdString(actual.formatted()),
                                          QString::fromStdString(expected.formatted()))));
            }
            ++checked;
        }
        missingDays += missingTimes == 3 ? 1 : 0;
    }
    // 222,000-odd days, three times each; only Apia's 30 December 2011 never happened at all.
    QCOMPARE(missingDays, zone == QLatin1String("Pacific/Apia") ? 1 : 0);
    QVERIFY(checked > 660'000);
}

void TestRevolutionaryCalendar::instantsBeforeTheEpoch()
{
    for (const char* zone : {"UTC", "Europe/Paris", "Asia/Kathmandu"}) {
        ScopedTimeZone timeZone(zone);
        const Instant epoch = localInstant(1792, 9, 22, 0, 0, 0);
        const RevolutionaryDate first{1, 1, 1, 1};
        QCOMPARE(RevolutionaryCalendar::fromGregorian(epoch), first);
        QCOMPARE(RevolutionaryCalendar::fromGregorian(epoch - std::chrono::minutes{3}), first);
        QCOMPARE(RevolutionaryCalendar::fromGregorian(epoch - std::chrono::microseconds{1}), first);
        QCOMPARE(RevolutionaryCalendar::fromGregorian(epoch - std::chrono::days{400 * 365}), first);
        QCOMPARE(RevolutionaryCalendar::fromGregorian(epoch + std::chrono::days{1}), (RevolutionaryDate{1, 1, 2, 2}));
    }
}

void TestRevolutionaryCalendar::complementaryDaysEndTheYear()
{
    // Walk the first 40 years day by day: the day after the last complementary day is always
    // 1 Vendémiaire of the next year, and only years 3, 7, 11, ... have a sixth one.
    const ScopedTimeZone timeZone("Europe/Paris");
    std::optional<Instant> day = localInstant(1792, 9, 22);
    RevolutionaryDate previous = RevolutionaryCalendar::fromGregorian(*day);
    int sixthDays = 0;
    for (int step = 0; step < 40 * 366; ++step) {
        day = LocalCalendar::addingDays(*day, 1);
        QVERIFY(day);
        const RevolutionaryDate date = RevolutionaryCalendar::fromGregorian(*day);
        if (previous.month == 13 && (previous.day == 6 || (previous.day == 5 && (previous.year + 1) % 4 != 0))) {
            QCOMPARE(date, (RevolutionaryDate{previous.year + 1, 1, 1, 1}));
        } else if (previous.month < 13 && previous.day == 30) {
            QCOMPARE(date, (RevolutionaryDate{previous.year, previous.month + 1, 1, 1}));
        } else {
            QCOMPARE(date,
                     (RevolutionaryDate{previous.year, previous.month, previous.day + 1, previous.decadeDay % 10 + 1}));
        }
        if (date.month == 13 && date.day == 6) {
            QCOMPARE(date.year % 4, 3);
            ++sixthDays;
        }
        previous = date;
    }
    QCOMPARE(sixthDays, 10);
}

void TestRevolutionaryCalendar::skippedCivilDay()
{
    // Samoa moved across the date line: 29 December 2011 was followed by the 31st.
    const ScopedTimeZone timeZone("Pacific/Apia");
    const Instant lastBefore = localInstant(2011, 12, 29, 23, 59, 59);
    const RevolutionaryDate before = RevolutionaryCalendar::fromGregorian(lastBefore);
    const RevolutionaryDate after = RevolutionaryCalendar::fromGregorian(lastBefore + std::chrono::seconds{1});
    QCOMPARE(before, (RevolutionaryDate{220, 4, 6, 6}));
    QCOMPARE(after, (RevolutionaryDate{220, 4, 8, 8}));
}

void TestRevolutionaryCalendar::zoneChangeTakesEffectAtNextCall()
{
    // 2026-12-07 23:30 in Paris is already the 8th in Kiritimati (UTC+14) and in Kathmandu;
    // the conversion must follow the zone at once, whatever it cached for the previous one.
    const ScopedTimeZone paris("Europe/Paris");
    const Instant instant = localInstant(2026, 12, 7, 23, 30, 0);
    QCOMPARE(RevolutionaryCalendar::fromGregorian(instant).day, 15);
    {
        const ScopedTimeZone kiribati("Pacific/Kiritimati");
        QCOMPARE(RevolutionaryCalendar::fromGregorian(instant).day, 16);
        QCOMPARE(RevolutionaryCalendar::toDecimalTime(instant), (DecimalTime{5, 20, 83}));
    }
    QCOMPARE(RevolutionaryCalendar::fromGregorian(instant).day, 15);

    // A plain tzset() after changing TZ, as any library might do, is noticed too.
    setenv("TZ", "Asia/Kathmandu", 1);
    tzset();
    QCOMPARE(RevolutionaryCalendar::fromGregorian(instant).day, 16);
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(instant), (DecimalTime{1, 77, 8}));
    setenv("TZ", "Europe/Paris", 1);
    tzset();
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(instant), (DecimalTime{9, 79, 16}));
}

void TestRevolutionaryCalendar::romanNumerals_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("numeral");
    QTest::newRow("0") << qint64{0} << QString();
    QTest::newRow("-1") << qint64{-1} << QString();
    QTest::newRow("min") << std::numeric_limits<qint64>::min() << QString();
    QTest::newRow("1") << qint64{1} << QStringLiteral("I");
    QTest::newRow("4") << qint64{4} << QStringLiteral("IV");
    QTest::newRow("9") << qint64{9} << QStringLiteral("IX");
    QTest::newRow("14") << qint64{14} << QStringLiteral("XIV");
    QTest::newRow("40") << qint64{40} << QStringLiteral("XL");
    QTest::newRow("90") << qint64{90} << QStringLiteral("XC");
    QTest::newRow("235") << qint64{235} << QStringLiteral("CCXXXV");
    QTest::newRow("400") << qint64{400} << QStringLiteral("CD");
    QTest::newRow("1999") << qint64{1999} << QStringLiteral("MCMXCIX");
    QTest::newRow("3888") << qint64{3888} << QStringLiteral("MMMDCCCLXXXVIII");
    QTest::newRow("4000") << qint64{4000} << QStringLiteral("MMMM");
}

void TestRevolutionaryCalendar::romanNumerals()
{
    QFETCH(qint64, number);
    QFETCH(QString, numeral);
    QCOMPARE(QString::fromStdString(RevolutionaryCalendar::toRoman(number)), numeral);
}

void TestRevolutionaryCalendar::romanNumeralsRoundTrip()
{
    // Reading each numeral back with the subtractive rule gives the number, and no letter
    // repeats more than three times in a row below 4000.
    const auto value = [](char letter) {
        switch (letter) {
        case 'I':
            return 1;
        case 'V':
            return 5;
        case 'X':
            return 10;
        case 'L':
            return 50;
        case 'C':
            return 100;
        case 'D':
            return 500;
        case 'M':
            return 1000;
        default:
            return -100000;
        }
    };
    for (std::int64_t number = 1; number <= 4000; ++number) {
        const std::string numeral = RevolutionaryCalendar::toRoman(number);
        std::int64_t total = 0;
        for (std::size_t i = 0; i < numeral.size(); ++i) {
            const int current = value(numeral[i]);
            const int next = i + 1 < numeral.size() ? value(numeral[i + 1]) : 0;
            total += current < next ? -current : current;
        }
        QCOMPARE(total, number);
        if (number < 4000) {
            QVERIFY2(numeral.find("IIII") == std::string::npos && numeral.find("XXXX") == std::string::npos &&
                         numeral.find("CCCC") == std::string::npos && numeral.find("MMMM") == std::string::npos,
                     numeral.c_str());
        }
    }
}

void TestRevolutionaryCalendar::extremeInstants()
{
    // The ends of what an Instant holds, and their neighbours: no crash, no undefined behaviour
    // (the sanitizer build runs this too), and sensible answers.
    for (const char* zone : {"UTC", "Europe/Paris", "Pacific/Apia"}) {
        const ScopedTimeZone timeZone(zone);
        for (const Instant instant : {Instant::min(), Instant::min() + std::chrono::microseconds{1}, Instant::max(),
                                      Instant::max() - std::chrono::hours{30}, Instant{}}) {
            const RevolutionaryDate date = RevolutionaryCalendar::fromGregorian(instant);
            QVERIFY(date.year >= 1 && date.month >= 1 && date.month <= 13 && date.day >= 1 && date.day <= 30);
            QVERIFY(date.decadeDay >= 1 && date.decadeDay <= 10);
            QVERIFY(!date.formatted().empty());
            const DecimalTime time = RevolutionaryCalendar::toDecimalTime(instant);
            QVERIFY(time.hours >= 0 && time.hours <= 9 && time.minutes >= 0 && time.minutes <= 99);
            QVERIFY(time.seconds >= 0 && time.seconds <= 99);
            (void)LocalCalendar::components(instant);
            (void)LocalCalendar::startOfDay(instant);
            (void)LocalCalendar::addingDays(instant, 1);
            (void)LocalCalendar::addingDays(instant, -1);
            (void)LocalCalendar::addingDays(instant, std::numeric_limits<std::int64_t>::max());
            (void)LocalCalendar::addingDays(instant, std::numeric_limits<std::int64_t>::min());
            (void)LocalCalendar::daysBetween(Instant::min(), instant);
            (void)LocalCalendar::daysBetween(instant, Instant::max());
        }
        QCOMPARE(RevolutionaryCalendar::fromGregorian(Instant::min()), (RevolutionaryDate{1, 1, 1, 1}));
        QVERIFY(RevolutionaryCalendar::fromGregorian(Instant::max()).year > 290'000);
        QVERIFY(!LocalCalendar::addingDays(Instant::max() - std::chrono::hours{1}, 2));
        QVERIFY(!LocalCalendar::instant({std::numeric_limits<std::int64_t>::max(), 1, 1, 0, 0, 0}));
        QVERIFY(!LocalCalendar::instant({2026, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                                         std::numeric_limits<int>::max(), 0, 0}));
    }
}

QTEST_APPLESS_MAIN(TestRevolutionaryCalendar)
#include "TestRevolutionaryCalendar.moc"
