// SPDX-License-Identifier: GPL-3.0-or-later
// When the title can next change, checked against the title itself second by second.

#include "app/state/TitleLine.h"
#include "tests/support/LocalTime.h"
#include "tests/support/ScopedTimeZone.h"

#include <QDateTime>
#include <QTest>

#include <chrono>

using std::chrono::seconds;

class TestTitleLine final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextChange_data();
    void nextChange();
    void nextChangeIsTheFirstChange_data();
    void nextChangeIsTheFirstChange();
    void monthClassIsPlainAscii();
};

void TestTitleLine::nextChange_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("start"); // local wall clock; a repeated hour is read the first time
    QTest::addColumn<bool>("showsTime");
    QTest::addColumn<int>("secondsLater");
    const auto at = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
    };

    // 10:40:00 is decimal 4:44.44; 4:45 begins at 38448 s, 4:46 at 38534.4 s, read in whole seconds.
    QTest::newRow("next decimal minute") << QByteArray("Europe/Paris") << at(2026, 12, 7, 10, 40, 0) << true << 48;
    QTest::newRow("right on a change") << QByteArray("Europe/Paris") << at(2026, 12, 7, 10, 40, 48) << true << 87;
    QTest::newRow("9:99 ends at midnight") << QByteArray("Europe/Paris") << at(2026, 12, 7, 23, 59, 59) << true << 1;
    QTest::newRow("date only: midnight") << QByteArray("Europe/Paris") << at(2026, 12, 7, 10, 40, 0) << false << 48000;
    QTest::newRow("half-hour zone") << QByteArray("Asia/Kolkata") << at(2026, 12, 7, 23, 59, 30) << false << 30;
    // At 02:00 the clock jumps to 03:00, decimal 0:83 to 1:25, well before 0:84 would have come.
    QTest::newRow("clocks go forward") << QByteArray("Europe/Paris") << at(2027, 3, 28, 1, 59, 40) << true << 20;
    // The date stays, but the wall clock jumps back from 03:00 to 02:00: look again then.
    QTest::newRow("clocks go back, date only")
        << QByteArray("Europe/Paris") << at(2027, 10, 31, 0, 30, 0) << false << 9000;
    QTest::newRow("after going back") << QByteArray("Europe/Paris") << at(2027, 10, 31, 3, 30, 0) << false << 73800;
    // São Paulo skipped midnight when its clocks went forward: the day began at 01:00.
    QTest::newRow("midnight skipped") << QByteArray("America/Sao_Paulo") << at(2018, 11, 3, 23, 30, 0) << false << 1800;
}

void TestTitleLine::nextChange()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, start);
    QFETCH(bool, showsTime);
    QFETCH(int, secondsLater);
    const ScopedTimeZone local(zone.constData());
    const Instant now = localInstant(start.date().year(), start.date().month(), start.date().day(), start.time().hour(),
                                     start.time().minute(), start.time().second());
    QCOMPARE(std::chrono::duration_cast<seconds>(TitleLine::nextChange(now, showsTime) - now).count(), secondsLater);
}

void TestTitleLine::nextChangeIsTheFirstChange_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("day");
    QTest::newRow("an ordinary day") << QByteArray("Europe/Paris") << QDate(2026, 12, 7);
    QTest::newRow("clocks go forward") << QByteArray("Europe/Paris") << QDate(2027, 3, 28);
    QTest::newRow("clocks go back") << QByteArray("Europe/Paris") << QDate(2027, 10, 31);
    QTest::newRow("a quarter-hour zone") << QByteArray("Asia/Kathmandu") << QDate(2026, 12, 7);
}

void TestTitleLine::nextChangeIsTheFirstChange()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, day);
    const ScopedTimeZone local(zone.constData());
    const Instant midnight = localInstant(day.year(), day.month(), day.day(), 0, 0, 0);
    const auto title = [](Instant instant) {
        return TitleLine::render(instant, MenuBarFormat::decimalTime, false, LeapRule::continuous);
    };
    // From starts spread over the first hours of the day (the clock changes fall there), walk the
    // seconds: the title holds until the predicted instant and changes right then.
    for (Instant start = midnight + std::chrono::microseconds{250000}; start < midnight + std::chrono::hours{4};
         start += seconds{37}) {
        const Instant next = TitleLine::nextChange(start, true);
        QVERIFY(next > start);
        const std::string before = title(start);
        for (Instant probe = std::chrono::ceil<seconds>(start); probe < next; probe += seconds{1}) {
            QCOMPARE(title(probe), before);
        }
        QVERIFY2(title(next) != before, qPrintable(localText(next)));
    }
}

void TestTitleLine::monthClassIsPlainAscii()
{
    QStringList classes;
    for (std::int64_t month = 1; month <= 13; ++month) {
        classes << QString::fromStdString(TitleLine::monthClass(month));
    }
    QCOMPARE(classes, QStringList({"vendemiaire", "brumaire", "frimaire", "nivose", "pluviose", "ventose", "germinal",
                                   "floreal", "prairial", "messidor", "thermidor", "fructidor", "sansculottides"}));
}

QTEST_GUILESS_MAIN(TestTitleLine)
#include "TestTitleLine.moc"
