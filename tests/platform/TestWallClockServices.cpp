// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/SystemClockChangeWatcher.h"
#include "app/platform/time/WallClockDeadlineTimer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

// The Linux clock services on the real wall clock; the private session bus of the test stands in
// for the system bus, with the test as logind. Setting the clock itself is out of reach.
class TestWallClockServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void resumeIsReportedAndSleepIsNot();
    void deadlineComesAtItsInstantAndOnlyTheLastOne();
};

void TestWallClockServices::initTestCase()
{
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", qgetenv("DBUS_SESSION_BUS_ADDRESS"));
}

void TestWallClockServices::resumeIsReportedAndSleepIsNot()
{
    // logind is there before the watcher, as in a session: a name that appears only after the
    // watcher subscribed is learnt of asynchronously, and a signal sent at once could go unmatched.
    QDBusConnection logind = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("logind"));
    QVERIFY(logind.interface()->registerService(QStringLiteral("org.freedesktop.login1")).isValid());
    SystemClockChangeWatcher watcher;
    QSignalSpy changes(&watcher, &ClockChangeWatcher::clockChanged);
    const auto prepareForSleep = [&logind](bool sleeping) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << sleeping;
        QVERIFY(logind.send(signal));
    };

    prepareForSleep(true);
    prepareForSleep(false);
    QTRY_COMPARE(changes.count(), 1);
    QTest::qWait(100);
    QCOMPARE(changes.count(), 1);
}

void TestWallClockServices::deadlineComesAtItsInstantAndOnlyTheLastOne()
{
    WallClockDeadlineTimer timer;
    QList<Instant> calls;
    timer.wakeAt(currentInstant() + 100ms, [&calls] { calls.append(Instant::min()); });
    const Instant at = currentInstant() + 300ms;
    timer.wakeAt(at, [&calls] { calls.append(currentInstant()); });
    QTRY_COMPARE(calls.size(), 1);
    QVERIFY(calls.first() >= at);
    QVERIFY(calls.first() < at + 50ms);

    // A past instant is due at once.
    timer.wakeAt(at - 1s, [&calls] { calls.append(currentInstant()); });
    QTRY_COMPARE(calls.size(), 2);
    QTest::qWait(100);
    QCOMPARE(calls.size(), 2);
}

QTEST_GUILESS_MAIN(TestWallClockServices)
#include "TestWallClockServices.moc"
