// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SystemClockChangeWatcher.h"
#include "app/platform/WallClockTimer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

#include <poll.h>

// The private session bus of the test stands in for the system bus, with the test as logind.
class TestSystemClockChangeWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void resumeIsReportedAndSleepIsNot();
    void alarmComesAtItsInstantAndNotBefore();
};

void TestSystemClockChangeWatcher::initTestCase()
{
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", qgetenv("DBUS_SESSION_BUS_ADDRESS"));
}

void TestSystemClockChangeWatcher::resumeIsReportedAndSleepIsNot()
{
    SystemClockChangeWatcher watcher;
    QSignalSpy changes(&watcher, &ClockChangeWatcher::clockChanged);
    QDBusConnection logind = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("logind"));
    QVERIFY(logind.interface()->registerService(QStringLiteral("org.freedesktop.login1")).isValid());
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

void TestSystemClockChangeWatcher::alarmComesAtItsInstantAndNotBefore()
{
    WallClockTimer timer(true);
    QVERIFY(timer.valid());
    const Instant at = currentInstant() + std::chrono::milliseconds(150);
    QVERIFY(timer.setAlarm(at));
    QCOMPARE(timer.take(), WallClockTimer::Wake::none);
    pollfd wait{timer.descriptor(), POLLIN, 0};
    QCOMPARE(::poll(&wait, 1, 2000), 1);
    QVERIFY(currentInstant() >= at);
    QCOMPARE(timer.take(), WallClockTimer::Wake::due);
}

QTEST_GUILESS_MAIN(TestSystemClockChangeWatcher)
#include "TestSystemClockChangeWatcher.moc"
