// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/DateQuery.h"

#include "calendar/RevolutionaryCalendar.h"

#include <QDate>
#include <QTest>

Q_DECLARE_METATYPE(LeapRule)

namespace {

QString isoOf(std::int64_t dayNumber)
{
    return QDate(1970, 1, 1).addDays(dayNumber).toString(Qt::ISODate);
}

} // namespace

class TestDateQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsBothWays_data();
    void readsBothWays();
    void refusesWhatDoesNotExist_data();
    void refusesWhatDoesNotExist();
    void romanNumeralsOnlyAsWritten();
};

// Each valid row is read both ways: the text gives the civil day, and that day, shown in the
// other calendar, gives the date the row expects.
void TestDateQuery::readsBothWays_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LeapRule>("rule");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("iso");
    QTest::addColumn<QString>("republican");

    const auto add = [](const char* name, const char* text, LeapRule rule, const char* locale, const char* iso,
                        const char* republican) {
        QTest::newRow(name) << QString::fromUtf8(text) << rule << locale << iso << QString::fromUtf8(republican);
    };
    add("coup of Brumaire", "18 Brumaire an VIII", LeapRule::continuous, "en_GB", "1799-11-09", "18 Brumaire an VIII");
    add("lower case, Arabic year", "18 brumaire 8", LeapRule::romme, "en_GB", "1799-11-09", "18 Brumaire an VIII");
    add("with the day of the décade", "Octidi 18 Brumaire an VIII", LeapRule::equinox, "en_GB", "1799-11-09",
        "18 Brumaire an VIII");
    add("first day", "1er Vendémiaire an I", LeapRule::continuous, "en_GB", "1792-09-22", "1 Vendémiaire an I");
    add("first day, ISO", "1792-09-22", LeapRule::madler, "en_GB", "1792-09-22", "1 Vendémiaire an I");
    add("no accents", "12 nivose an II", LeapRule::continuous, "en_GB", "1794-01-01", "12 Nivôse an II");
    add("hyphenated complementary day", "3 Sans-culottides an 3", LeapRule::continuous, "en_GB", "1795-09-19",
        "3 Sansculottides an III");
    add("sixth day of a leap year", "6 SANSCULOTTIDES AN III", LeapRule::equinox, "en_GB", "1795-09-22",
        "6 Sansculottides an III");
    add("19 leap when continuous", "6 Sansculottides an XIX", LeapRule::continuous, "en_GB", "1811-09-23",
        "6 Sansculottides an XIX");
    add("20 leap under Romme", "6 Sansculottides an XX", LeapRule::romme, "en_GB", "1812-09-22",
        "6 Sansculottides an XX");
    add("20 leap under von Mädler", "6 Sansculottides an XX", LeapRule::madler, "en_GB", "1812-09-22",
        "6 Sansculottides an XX");
    add("this century", "5 Sansculottides an CCXXXIV", LeapRule::continuous, "en_GB", "2026-09-23",
        "5 Sansculottides an CCXXXIV");
    add("British short format", "09/11/1799", LeapRule::continuous, "en_GB", "1799-11-09", "18 Brumaire an VIII");
    add("American short format", "11/9/1799", LeapRule::continuous, "en_US", "1799-11-09", "18 Brumaire an VIII");
    add("French short format", "09/11/1799", LeapRule::continuous, "fr_FR", "1799-11-09", "18 Brumaire an VIII");
    add("German short format", "9.11.1799", LeapRule::continuous, "de_DE", "1799-11-09", "18 Brumaire an VIII");
    add("French long format", "9 novembre 1799", LeapRule::continuous, "fr_FR", "1799-11-09", "18 Brumaire an VIII");
    add("English long format", "9 November 1799", LeapRule::continuous, "en_GB", "1799-11-09", "18 Brumaire an VIII");
    add("last day", "9999-12-31", LeapRule::continuous, "en_GB", "9999-12-31",
        RevolutionaryCalendar::fromDayNumber(2932896, LeapRule::continuous).formatted().c_str());
}

void TestDateQuery::readsBothWays()
{
    QFETCH(QString, text);
    QFETCH(LeapRule, rule);
    QFETCH(QString, locale);
    QFETCH(QString, iso);
    QFETCH(QString, republican);
    const DateReading reading = DateQuery::read(text, rule, QLocale(locale));
    QVERIFY2(reading.dayNumber, qPrintable(reading.error));
    QCOMPARE(isoOf(*reading.dayNumber), iso);
    QCOMPARE(QString::fromStdString(RevolutionaryCalendar::fromDayNumber(*reading.dayNumber, rule).formatted()),
             republican);
    // And back: the Republican date, read, is the same day.
    const DateReading back = DateQuery::read(republican, rule, QLocale(locale));
    QCOMPARE(back.dayNumber, reading.dayNumber);
    QVERIFY(back.republican);
}

void TestDateQuery::refusesWhatDoesNotExist_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LeapRule>("rule");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("says");

    const auto add = [](const char* name, const char* text, LeapRule rule, const char* locale, const char* says) {
        QTest::newRow(name) << QString::fromUtf8(text) << rule << locale << QString::fromUtf8(says);
    };
    add("31 Brumaire", "31 Brumaire an VIII", LeapRule::continuous, "en_GB", "30 days: there is no 31 Brumaire");
    add("seventh complementary day", "7 Sansculottides an III", LeapRule::continuous, "en_GB", "six in a leap year");
    add("6th in a common year", "6 Sansculottides an IV", LeapRule::continuous, "en_GB",
        "An IV is a common year under the Continuous rule");
    add("19 common under Romme", "6 Sansculottides an XIX", LeapRule::romme, "en_GB",
        "An XIX is a common year under the Romme rule");
    add("20 common when continuous", "6 Sansculottides an XX", LeapRule::continuous, "en_GB", "An XX is a common year");
    add("128 common under von Mädler", "6 sansculottides an 128", LeapRule::madler, "en_GB",
        "An CXXVIII is a common year under the von Mädler rule");
    add("year zero", "1 Vendémiaire an 0", LeapRule::continuous, "en_GB", "before 1 Vendémiaire an I");
    add("the day before", "1792-09-21", LeapRule::equinox, "en_GB", "before 1 Vendémiaire an I");
    add("after the last day", "10000-01-01", LeapRule::continuous, "en_GB", "after Friday 31 December 9999");
    add("Republican after the last day", "1 Vendémiaire an 9000", LeapRule::romme, "en_GB",
        "after Friday 31 December 9999");
    add("unknown month", "18 Brumair an VIII", LeapRule::continuous, "en_GB", "'brumair' is not a month");
    add("bad numeral", "18 Brumaire an IIX", LeapRule::continuous, "en_GB", "'IIX' is not a Roman numeral");
    add("wrong day of the décade", "Primidi 18 Brumaire an VIII", LeapRule::continuous, "en_GB",
        "18 Brumaire falls on Octidi, not on Primidi");
    add("30 February", "1800-02-30", LeapRule::continuous, "en_GB", "February 1800 has 28 days");
    add("31 April, French short format", "31/04/2026", LeapRule::continuous, "fr_FR", "avril 2026 has 30 days");
    add("month 13", "2026-13-01", LeapRule::continuous, "en_GB", "There is no month 13");
    add("two-digit year", "9/11/99", LeapRule::continuous, "en_GB", "four digits");
    add("words", "next Tuesday", LeapRule::continuous, "en_GB", "Cannot read 'next Tuesday' as a date");
    add("nothing", "  ", LeapRule::continuous, "en_GB", "Type a date");
}

void TestDateQuery::refusesWhatDoesNotExist()
{
    QFETCH(QString, text);
    QFETCH(LeapRule, rule);
    QFETCH(QString, locale);
    QFETCH(QString, says);
    const DateReading reading = DateQuery::read(text, rule, QLocale(locale));
    QVERIFY(!reading.dayNumber);
    QVERIFY2(reading.error.contains(says), qPrintable(reading.error));
}

void TestDateQuery::romanNumeralsOnlyAsWritten()
{
    QCOMPARE(DateQuery::romanValue(QStringLiteral("CCXXXIV")), 234);
    QCOMPARE(DateQuery::romanValue(QStringLiteral("MMMMCMXCIX")), 4999);
    QCOMPARE(DateQuery::romanValue(QStringLiteral("IIII")), std::nullopt);
    QCOMPARE(DateQuery::romanValue(QStringLiteral("VX")), std::nullopt);
}

QTEST_GUILESS_MAIN(TestDateQuery)
#include "TestDateQuery.moc"
