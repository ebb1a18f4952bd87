// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/EventLoopTimer.h"

#include <QElapsedTimer>
#include <QTest>

using namespace std::chrono_literals;

class TestEventLoopTimer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void repeatsAtItsIntervalUntilRestarted();
};

void TestEventLoopTimer::repeatsAtItsIntervalUntilRestarted()
{
    EventLoopTimer timer;
    QElapsedTimer clock;
    clock.start();
    int first = 0;
    timer.start(30ms, [&first] { ++first; });
    QTRY_VERIFY(first >= 5);
    QVERIFY(clock.elapsed() >= first * 30);

    const int firstAtRestart = first;
    int second = 0;
    timer.start(10ms, [&second] { ++second; });
    QTRY_VERIFY(second >= 3);
    QCOMPARE(first, firstAtRestart);
}

QTEST_GUILESS_MAIN(TestEventLoopTimer)
#include "TestEventLoopTimer.moc"
