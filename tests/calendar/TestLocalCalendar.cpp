// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/LocalCalendar.h"
#include "tests/support/LocalTime.h"
#include "tests/support/ScopedTimeZone.h"

#include <QTest>

Q_DECLARE_METATYPE(CivilDateTime)

namespace {

qint64 utcSeconds(Instant instant)
{
    return std::chrono::floor<std::chrono::seconds>(instant.time_since_epoch()).count();
}

Instant fromUtcSeconds(qint64 seconds)
{
    return Instant{std::chrono::seconds{seconds}};
}

} // namespace

class TestLocalCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void componentsRoundTrip();
    void skippedWallTimeResolvesAfterTheGap_data();
    void skippedWallTimeResolvesAfterTheGap();
    void repeatedWallTimeResolvesToTheFirst();
    void addingDaysKeepsTheLocalTime_data();
    void addingDaysKeepsTheLocalTime();
    void startOfDay_data();
    void startOfDay();
    void daysBetweenTruncatesTowardZero();
    void outOfRangeFieldsAreNormalised();
};

void TestLocalCalendar::componentsRoundTrip()
{
    for (const char* zone : {"UTC", "Europe/Paris", "Asia/Kathmandu", "Australia/Lord_Howe", "America/Santiago"}) {
        const ScopedTimeZone timeZone(zone);
        // Every six hours and a bit through ten years: the components of an instant lead back to it,
        // except in the repeated hour of an autumn change (which resolves to its first occurrence).
        for (qint64 seconds = 1'700'000'000; seconds < 2'015'000'000; seconds += 21'601) {
            const Instant instant = fromUtcSeconds(seconds);
            const auto back = LocalCalendar::instant(LocalCalendar::components(instant));
            QVERIFY(back);
            if (*back != instant) {
                QVERIFY2(*back < instant && localText(*back) == localText(instant), qPrintable(localText(instant)));
            }
        }
    }
}

void TestLocalCalendar::skippedWallTimeResolvesAfterTheGap_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<CivilDateTime>("wanted");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("Paris 02:30") << QStringLiteral("Europe/Paris") << CivilDateTime{2026, 3, 29, 2, 30, 0}
                                 << QStringLiteral("2026-03-29 03:00:00");
    QTest::newRow("Lord Howe 02:15") << QStringLiteral("Australia/Lord_Howe") << CivilDateTime{2026, 10, 4, 2, 15, 0}
                                     << QStringLiteral("2026-10-04 02:30:00");
    // Chile springs forward at midnight: the day starts at 01:00.
    QTest::newRow("Santiago midnight") << QStringLiteral("America/Santiago") << CivilDateTime{2026, 9, 6, 0, 0, 0}
                                       << QStringLiteral("2026-09-06 01:00:00");
    // A whole civil day that never happened.
    QTest::newRow("Apia 2011-12-30") << QStringLiteral("Pacific/Apia") << CivilDateTime{2011, 12, 30, 8, 0, 0}
                                     << QStringLiteral("2011-12-31 00:00:00");
}

void TestLocalCalendar::skippedWallTimeResolvesAfterTheGap()
{
    QFETCH(QString, zone);
    QFETCH(CivilDateTime, wanted);
    QFETCH(QString, resolved);
    const ScopedTimeZone timeZone(zone.toLatin1().constData());
    const auto instant = LocalCalendar::instant(wanted);
    QVERIFY(instant);
    QCOMPARE(localText(*instant), resolved);
    // It is the first instant after the gap: the second before shows a time before the wanted one.
    const QString wantedText = QString::asprintf("%04lld-%02d-%02d %02d:%02d:%02d", static_cast<long long>(wanted.year),
                                                 wanted.month, wanted.day, wanted.hour, wanted.minute, wanted.second);
    QVERIFY(localText(*instant - std::chrono::seconds{1}) < wantedText);
}

void TestLocalCalendar::repeatedWallTimeResolvesToTheFirst()
{
    const ScopedTimeZone timeZone("Europe/Paris");
    // 02:30 happens twice on 25 October 2026: first in summer time (00:30 UTC), then 01:30 UTC.
    const auto instant = LocalCalendar::instant({2026, 10, 25, 2, 30, 0});
    QVERIFY(instant);
    QCOMPARE(utcSeconds(*instant), qint64{1792888200});
}

void TestLocalCalendar::addingDaysKeepsTheLocalTime_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<CivilDateTime>("from");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qint64>("elapsedHours");
    QTest::newRow("Paris over spring") << QStringLiteral("Europe/Paris") << CivilDateTime{2026, 3, 28, 10, 40, 0}
                                       << qint64{1} << QStringLiteral("2026-03-29 10:40:00") << qint64{23};
    QTest::newRow("Paris over autumn") << QStringLiteral("Europe/Paris") << CivilDateTime{2026, 10, 24, 23, 59, 0}
                                       << qint64{1} << QStringLiteral("2026-10-25 23:59:00") << qint64{25};
    QTest::newRow("Paris back a week") << QStringLiteral("Europe/Paris") << CivilDateTime{2026, 4, 2, 0, 30, 0}
                                       << qint64{-7} << QStringLiteral("2026-03-26 00:30:00") << qint64{-167};
    QTest::newRow("Lord Howe half hour") << QStringLiteral("Australia/Lord_Howe")
                                         << CivilDateTime{2026, 10, 3, 12, 0, 0} << qint64{1}
                                         << QStringLiteral("2026-10-04 12:00:00") << qint64{23};
    QTest::newRow("Apia over the skip") << QStringLiteral("Pacific/Apia") << CivilDateTime{2011, 12, 29, 10, 0, 0}
                                        << qint64{2} << QStringLiteral("2011-12-31 10:00:00") << qint64{24};
    QTest::newRow("into a gap") << QStringLiteral("Europe/Paris") << CivilDateTime{2026, 3, 28, 2, 30, 0} << qint64{1}
                                << QStringLiteral("2026-03-29 03:00:00") << qint64{23};
}

void TestLocalCalendar::addingDaysKeepsTheLocalTime()
{
    QFETCH(QString, zone);
    QFETCH(CivilDateTime, from);
    QFETCH(qint64, days);
    QFETCH(QString, expected);
    QFETCH(qint64, elapsedHours);
    const ScopedTimeZone timeZone(zone.toLatin1().constData());
    const auto start = LocalCalendar::instant(from);
    QVERIFY(start);
    const Instant withFraction = *start + std::chrono::microseconds{250'000};
    const auto moved = LocalCalendar::addingDays(withFraction, days);
    QVERIFY(moved);
    QCOMPARE(localText(*moved), expected);
    QCOMPARE(std::chrono::floor<std::chrono::hours>(*moved - withFraction).count(), elapsedHours);
    QCOMPARE((*moved - std::chrono::floor<std::chrono::seconds>(*moved)).count(), 250'000);
}

void TestLocalCalendar::startOfDay_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<CivilDateTime>("during");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Paris") << QStringLiteral("Europe/Paris") << CivilDateTime{2026, 12, 7, 10, 40, 0}
                           << QStringLiteral("2026-12-07 00:00:00");
    QTest::newRow("Paris spring day") << QStringLiteral("Europe/Paris") << CivilDateTime{2026, 3, 29, 23, 0, 0}
                                      << QStringLiteral("2026-03-29 00:00:00");
    QTest::newRow("Santiago, no midnight") << QStringLiteral("America/Santiago") << CivilDateTime{2026, 9, 6, 12, 0, 0}
                                           << QStringLiteral("2026-09-06 01:00:00");
    QTest::newRow("Apia after the skip") << QStringLiteral("Pacific/Apia") << CivilDateTime{2011, 12, 31, 5, 0, 0}
                                         << QStringLiteral("2011-12-31 00:00:00");
}

void TestLocalCalendar::startOfDay()
{
    QFETCH(QString, zone);
    QFETCH(CivilDateTime, during);
    QFETCH(QString, expected);
    const ScopedTimeZone timeZone(zone.toLatin1().constData());
    const auto instant = LocalCalendar::instant(during);
    QVERIFY(instant);
    const auto start = LocalCalendar::startOfDay(*instant);
    QVERIFY(start);
    QCOMPARE(localText(*start), expected);
    QVERIFY(LocalCalendar::components(*start - std::chrono::seconds{1}).day != during.day);
}

void TestLocalCalendar::daysBetweenTruncatesTowardZero()
{
    const ScopedTimeZone timeZone("Europe/Paris");
    const auto day = [](int month, int date, int hour) {
        return *LocalCalendar::instant({2026, month, date, hour, 0, 0});
    };
    QCOMPARE(LocalCalendar::daysBetween(day(12, 7, 10), day(12, 7, 23)), std::optional<std::int64_t>{0});
    QCOMPARE(LocalCalendar::daysBetween(day(12, 7, 10), day(12, 8, 9)), std::optional<std::int64_t>{0});
    QCOMPARE(LocalCalendar::daysBetween(day(12, 7, 10), day(12, 8, 10)), std::optional<std::int64_t>{1});
    QCOMPARE(LocalCalendar::daysBetween(day(12, 7, 10), day(12, 6, 11)), std::optional<std::int64_t>{0});
    QCOMPARE(LocalCalendar::daysBetween(day(12, 7, 10), day(12, 6, 10)), std::optional<std::int64_t>{-1});
    // Across daylight saving a calendar day is 23 or 25 hours: still one day.
    QCOMPARE(LocalCalendar::daysBetween(day(3, 28, 12), day(3, 29, 12)), std::optional<std::int64_t>{1});
    QCOMPARE(LocalCalendar::daysBetween(day(10, 24, 12), day(10, 25, 12)), std::optional<std::int64_t>{1});
    QCOMPARE(LocalCalendar::daysBetween(day(1, 1, 0), day(12, 31, 23)), std::optional<std::int64_t>{364});
}

void TestLocalCalendar::outOfRangeFieldsAreNormalised()
{
    const ScopedTimeZone timeZone("UTC");
    QCOMPARE(localText(*LocalCalendar::instant({2026, 13, 1, 0, 0, 0})), QStringLiteral("2027-01-01 00:00:00"));
    QCOMPARE(localText(*LocalCalendar::instant({2026, 0, 31, 0, 0, 0})), QStringLiteral("2025-12-31 00:00:00"));
    QCOMPARE(localText(*LocalCalendar::instant({2024, 2, 30, 25, 0, 0})), QStringLiteral("2024-03-02 01:00:00"));
    QCOMPARE(localText(*LocalCalendar::instant({2026, 1, -1, 0, 0, 0})), QStringLiteral("2025-12-30 00:00:00"));
}

QTEST_APPLESS_MAIN(TestLocalCalendar)
#include "TestLocalCalendar.moc"
