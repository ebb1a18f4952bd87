// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/SystemClock.h"
#include "calendar/LocalCalendar.h"
#include "tests/support/ChildRun.h"

#include <QRegularExpression>
#include <QTest>

// The clock read of the program with the system clock set far away by libfaketime, each case in a
// child process of its own.
class TestSystemClock final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void farClocksReadRightOrHeldWithAWord_data()
    {
        QTest::addColumn<QString>("systemClock"); // local time, or seconds since 1970 after an @
        QTest::addColumn<QString>("shownDate");   // local, as the program takes it
        QTest::addColumn<bool>("held");
        QTest::newRow("past 2262-04-11") << "2300-01-01 12:00:00"
                                         << "2300-01-01" << false;
        QTest::newRow("before 1677") << "1600-01-01 12:00:00"
                                     << "1792-09-22" << true;
        QTest::newRow("9999") << "9999-12-31 12:00:00"
                              << "9999-12-31" << false;
        QTest::newRow("after 9999") << "@253402387200"
                                    << "9999-12-31" << true;
    }

    void farClocksReadRightOrHeldWithAWord()
    {
        QFETCH(QString, systemClock);
        QFETCH(QString, shownDate);
        QFETCH(bool, held);
        if (!ChildRun::inChild()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAKETIME_LIBRARY));
            // Years of five digits only go as seconds.
            if (systemClock.startsWith(QLatin1Char('@'))) {
                environment.insert(QStringLiteral("FAKETIME_FMT"), QStringLiteral("%s"));
            }
            environment.insert(QStringLiteral("FAKETIME"),
                               systemClock.startsWith(QLatin1Char('@')) ? systemClock : QLatin1Char('@') + systemClock);
            environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
            const ProgramRun run = ChildRun::again(environment);
            QVERIFY2(run.exitCode == 0, qPrintable(ChildRun::describe(run)));
            return;
        }
        if (held) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("outside the days Quintaval shows")));
        }
        const SystemClock clock;
        const CivilDateTime shown = LocalCalendar::components(clock.now());
        QCOMPARE(QStringLiteral("%1-%2-%3")
                     .arg(shown.year)
                     .arg(shown.month, 2, 10, QLatin1Char('0'))
                     .arg(shown.day, 2, 10, QLatin1Char('0')),
                 shownDate);
        clock.now(); // said once
    }
};

QTEST_GUILESS_MAIN(TestSystemClock)
#include "TestSystemClock.moc"
