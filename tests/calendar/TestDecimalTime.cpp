// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/LocalCalendar.h"
#include "calendar/RevolutionaryCalendar.h"
#include "tests/support/LocalTime.h"
#include "tests/support/ScopedTimeZone.h"

#include <QTest>

Q_DECLARE_METATYPE(DecimalTime)

namespace {

std::int64_t decimalSeconds(const DecimalTime& time)
{
    return time.hours * 10000 + time.minutes * 100 + time.seconds;
}

} // namespace

class TestDecimalTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownTimes_data();
    void knownTimes();
    void everyCivilSecondOfADay_data();
    void everyCivilSecondOfADay();
    void followsTheWallClockAcrossDaylightSaving_data();
    void followsTheWallClockAcrossDaylightSaving();
    void fractionsOfASecondAreDropped();
};

void TestDecimalTime::knownTimes_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<DecimalTime>("expected");
    QTest::newRow("midnight") << 0 << 0 << 0 << DecimalTime{0, 0, 0};
    QTest::newRow("00:00:06") << 0 << 0 << 6 << DecimalTime{0, 0, 6};
    QTest::newRow("00:00:07 skips 7") << 0 << 0 << 7 << DecimalTime{0, 0, 8};
    QTest::newRow("01:00") << 1 << 0 << 0 << DecimalTime{0, 41, 66};
    QTest::newRow("02:24") << 2 << 24 << 0 << DecimalTime{1, 0, 0};
    QTest::newRow("06:00") << 6 << 0 << 0 << DecimalTime{2, 50, 0};
    QTest::newRow("10:40") << 10 << 40 << 0 << DecimalTime{4, 44, 44};
    QTest::newRow("noon") << 12 << 0 << 0 << DecimalTime{5, 0, 0};
    QTest::newRow("14:24") << 14 << 24 << 0 << DecimalTime{6, 0, 0};
    QTest::newRow("18:00") << 18 << 0 << 0 << DecimalTime{7, 50, 0};
    QTest::newRow("23:59:59") << 23 << 59 << 59 << DecimalTime{9, 99, 98};
}

void TestDecimalTime::knownTimes()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(DecimalTime, expected);
    for (const char* zone : {"UTC", "Europe/Paris", "Asia/Kathmandu", "America/St_Johns"}) {
        const ScopedTimeZone timeZone(zone);
        QCOMPARE(RevolutionaryCalendar::toDecimalTime(localInstant(2026, 12, 7, hour, minute, second)), expected);
    }
}

void TestDecimalTime::everyCivilSecondOfADay_data()
{
    QTest::addColumn<QString>("zone");
    QTest::newRow("UTC") << QStringLiteral("UTC");
    QTest::newRow("Kathmandu") << QStringLiteral("Asia/Kathmandu");
}

void TestDecimalTime::everyCivilSecondOfADay()
{
    QFETCH(QString, zone);
    const ScopedTimeZone timeZone(zone.toLatin1().constData());
    const Instant midnight = localInstant(2026, 12, 7, 0, 0, 0);
    std::int64_t previous = -1;
    for (int civil = 0; civil < 86400; ++civil) {
        const DecimalTime time = RevolutionaryCalendar::toDecimalTime(midnight + std::chrono::seconds{civil});
        QVERIFY(time.minutes >= 0 && time.minutes <= 99 && time.seconds >= 0 && time.seconds <= 99);
        const std::int64_t value = decimalSeconds(time);
        // A civil second is 1.157 decimal seconds: each step advances by one or two.
        if (civil > 0) {
            QVERIFY2(value - previous == 1 || value - previous == 2, qPrintable(QString::number(civil)));
        }
        // Each decimal hour starts exactly on a multiple of 2 h 24 min.
        const bool hourStarts = civil == 0 || time.hours != previous / 10000;
        QCOMPARE(hourStarts, civil % 8640 == 0);
        QCOMPARE(time.hours, civil / 8640);
        previous = value;
    }
    QCOMPARE(previous, 99998);
}

void TestDecimalTime::followsTheWallClockAcrossDaylightSaving_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<qint64>("transition"); // UTC seconds of the change
    QTest::addColumn<DecimalTime>("justBefore");
    QTest::addColumn<DecimalTime>("atChange");
    // Paris springs forward at 02:00 to 03:00 and falls back at 03:00 to 02:00.
    QTest::newRow("Paris spring") << QStringLiteral("Europe/Paris") << qint64{1774746000} << DecimalTime{0, 83, 32}
                                  << DecimalTime{1, 25, 0};
    QTest::newRow("Paris autumn") << QStringLiteral("Europe/Paris") << qint64{1792890000} << DecimalTime{1, 24, 98}
                                  << DecimalTime{0, 83, 33};
    // Lord Howe Island moves by half an hour, at 02:00.
    QTest::newRow("Lord Howe spring") << QStringLiteral("Australia/Lord_Howe") << qint64{1791041400}
                                      << DecimalTime{0, 83, 32} << DecimalTime{1, 4, 16};
    QTest::newRow("New York spring") << QStringLiteral("America/New_York") << qint64{1772953200}
                                     << DecimalTime{0, 83, 32} << DecimalTime{1, 25, 0};
}

void TestDecimalTime::followsTheWallClockAcrossDaylightSaving()
{
    QFETCH(QString, zone);
    QFETCH(qint64, transition);
    QFETCH(DecimalTime, justBefore);
    QFETCH(DecimalTime, atChange);
    const ScopedTimeZone timeZone(zone.toLatin1().constData());
    const Instant change{std::chrono::seconds{transition}};
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(change - std::chrono::seconds{1}), justBefore);
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(change), atChange);
    // Midnight is 0:00:00 on both neighbouring days, whatever the length of the day.
    const auto dayStart = LocalCalendar::startOfDay(change);
    QVERIFY(dayStart);
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(*dayStart), (DecimalTime{0, 0, 0}));
    const auto nextDay = LocalCalendar::addingDays(*dayStart, 1);
    QVERIFY(nextDay);
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(*nextDay - std::chrono::seconds{1}), (DecimalTime{9, 99, 98}));
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(*nextDay), (DecimalTime{0, 0, 0}));
}

void TestDecimalTime::fractionsOfASecondAreDropped()
{
    const ScopedTimeZone timeZone("UTC");
    const Instant instant = localInstant(2026, 12, 7, 0, 0, 6);
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(instant + std::chrono::microseconds{999'999}),
             (DecimalTime{0, 0, 6}));
    // Before 1970 the seconds still floor, not truncate toward zero.
    const Instant old = localInstant(1900, 1, 1, 0, 0, 6);
    QCOMPARE(RevolutionaryCalendar::toDecimalTime(old - std::chrono::microseconds{1}), (DecimalTime{0, 0, 5}));
}

QTEST_APPLESS_MAIN(TestDecimalTime)
#include "TestDecimalTime.moc"
