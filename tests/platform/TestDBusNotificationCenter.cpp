// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/session/DBusNotificationCenter.h"

#include "app/state/NotificationManager.h"
#include "app/state/PreferenceKeys.h"
#include "calendar/LocalCalendar.h"
#include "calendar/RevolutionaryCalendar.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeClockChangeWatcher.h"
#include "tests/support/FakePreferences.h"
#include "tests/support/StandardOutputCapture.h"
#include "tests/support/TestNotificationServer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace std::chrono_literals;

namespace {

NotificationRequest request(const QString& identifier, const CivilDateTime& at)
{
    return {identifier, QStringLiteral("Title of ") + identifier, QStringLiteral("Body of ") + identifier,
            NotificationTrigger{at.year, at.month, at.day, at.hour, at.minute}};
}

Instant localInstant(const CivilDateTime& at)
{
    return LocalCalendar::instant(at).value();
}

QStringList summaries(const TestNotificationServer& server)
{
    QStringList names;
    for (const auto& notification : server.notifications()) {
        names.append(notification.summary);
    }
    return names;
}

// Run in a child process with no session bus at all: asks for permission, delivers one request
// and reports through its exit code; it must print nothing.
int runWithoutSessionBus(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const CivilDateTime minute{2026, 12, 7, 8, 0, 0};
    auto clock = std::make_shared<FakeClock>(localInstant(minute) + 10s);
    DBusNotificationCenter center(clock);
    int answer = -1;
    center.requestAuthorization(&app, [&answer](bool granted) { answer = granted ? 1 : 0; });
    center.add(request(QStringLiteral("daily-2026-12-7"), minute));
    QTimer::singleShot(300, &app, &QCoreApplication::quit);
    app.exec();
    return answer == 0 && center.pendingRequests().empty() ? 0 : 2;
}

} // namespace

class TestDBusNotificationCenter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void permissionIsGrantedWhenAServerAnswers();
    void answerForAContextGoneIsDropped();
    void serverStartedLaterGetsTodaysReminder();
    void reminderWaitsForALateServer_data();
    void reminderWaitsForALateServer();
    void deliveredAtItsMinute();
    void missedTriggerOnWaking_data();
    void missedTriggerOnWaking();
    void sleepsUntilTheEarliestTrigger();
    void noServerIsAbsorbedSilently();
    void noSessionBusIsAbsorbedSilently();

private:
    std::shared_ptr<FakeClock> m_clock;
};

void TestDBusNotificationCenter::init()
{
    m_clock = std::make_shared<FakeClock>();
}

void TestDBusNotificationCenter::permissionIsGrantedWhenAServerAnswers()
{
    const TestNotificationServer server;
    QVERIFY(server.isRunning());
    DBusNotificationCenter center(m_clock);
    QObject context;
    std::optional<bool> answer;
    center.requestAuthorization(&context, [&answer](bool granted) { answer = granted; });
    QVERIFY(!answer); // the server answers later
    QTRY_VERIFY(answer.has_value());
    QVERIFY(*answer);
    QCOMPARE(server.informationRequests(), 1);
}

void TestDBusNotificationCenter::answerForAContextGoneIsDropped()
{
    const TestNotificationServer server;
    DBusNotificationCenter center(m_clock);
    auto context = std::make_unique<QObject>();
    bool answered = false;
    center.requestAuthorization(context.get(), [&answered](bool) { answered = true; });
    context.reset();
    QTRY_COMPARE(server.informationRequests(), 1);
    QTest::qWait(50);
    QVERIFY(!answered);
}

void TestDBusNotificationCenter::serverStartedLaterGetsTodaysReminder()
{
    const CivilDateTime reminderTime{2026, 12, 7, 8, 0, 0};
    m_clock->set(localInstant(reminderTime) - 30min);
    auto center = std::make_shared<DBusNotificationCenter>(m_clock);
    auto preferences = std::make_shared<FakePreferences>();
    NotificationManager reminders({preferences, center, m_clock});
    reminders.start();
    // Asked at start, before the desktop's server is up: no server, no permission yet.
    QTest::qWait(200);
    QVERIFY(center->pendingRequests().empty());

    const TestNotificationServer server;
    QVERIFY(server.isRunning());
    QTRY_COMPARE(center->pendingRequests().size(), std::size_t(NotificationManager::horizon));

    m_clock->set(localInstant(reminderTime));
    center->deliverDue();
    QTRY_COMPARE(server.notifications().size(), 1u);
    QCOMPARE(server.notifications().front().summary,
             QString::fromStdString(RevolutionaryCalendar::fromGregorian(localInstant(reminderTime)).formatted()));
}

void TestDBusNotificationCenter::reminderWaitsForALateServer_data()
{
    QTest::addColumn<bool>("serverAtStart");
    QTest::addColumn<CivilDateTime>("serverBackAt");
    QTest::addColumn<int>("shown");
    QTest::newRow("server first comes after the minute") << false << CivilDateTime{2026, 12, 7, 8, 0, 25} << 1;
    QTest::newRow("server away over the minute") << true << CivilDateTime{2026, 12, 7, 8, 0, 25} << 1;
    QTest::newRow("server back the next morning") << true << CivilDateTime{2026, 12, 8, 7, 0, 0} << 0;
}

void TestDBusNotificationCenter::reminderWaitsForALateServer()
{
    QFETCH(bool, serverAtStart);
    QFETCH(CivilDateTime, serverBackAt);
    QFETCH(int, shown);
    const CivilDateTime reminderTime{2026, 12, 7, 8, 0, 0};
    m_clock->set(localInstant(reminderTime) - 15s);
    auto center = std::make_shared<DBusNotificationCenter>(m_clock);
    NotificationManager reminders({std::make_shared<FakePreferences>(), center, m_clock});
    std::optional<TestNotificationServer> server;
    if (serverAtStart) {
        server.emplace();
    }
    reminders.start();
    if (serverAtStart) {
        QTRY_COMPARE(center->pendingRequests().size(), std::size_t(NotificationManager::horizon));
        server.reset();
    }
    QTest::qWait(200);

    // The minute passes with nobody there to show the reminder.
    m_clock->set(localInstant(reminderTime));
    center->deliverDue();
    QTest::qWait(200);

    m_clock->set(localInstant(serverBackAt));
    server.emplace();
    QVERIFY(server->isRunning());
    QTRY_COMPARE(int(server->notifications().size()), shown);
    QTest::qWait(300); // and only once
    QCOMPARE(int(server->notifications().size()), shown);
    if (shown > 0) {
        QCOMPARE(server->notifications().front().summary,
                 QString::fromStdString(RevolutionaryCalendar::fromGregorian(localInstant(reminderTime)).formatted()));
    }
}

void TestDBusNotificationCenter::deliveredAtItsMinute()
{
    const TestNotificationServer server;
    DBusNotificationCenter center(m_clock);
    const CivilDateTime minute{2026, 12, 7, 8, 0, 0};
    m_clock->set(localInstant(minute) - 1s);
    NotificationRequest reminder = request(QStringLiteral("daily-2026-12-7"), minute);
    reminder.title = QStringLiteral("15 Frimaire an CCXXXV");
    reminder.body = QStringLiteral("🐐 Aujourd'hui : Chèvre — Goat");
    center.add(reminder);

    QTest::qWait(100);
    QVERIFY(server.notifications().empty());
    QCOMPARE(center.pendingRequests().size(), 1u);
    QVERIFY(center.nextCheckIn().has_value() && *center.nextCheckIn() <= 1000ms);

    m_clock->set(localInstant(minute));
    QTRY_COMPARE(server.notifications().size(), 1u);
    const auto& shown = server.notifications().front();
    QCOMPARE(shown.appName, QStringLiteral("Quintaval"));
    QCOMPARE(shown.summary, QStringLiteral("15 Frimaire an CCXXXV"));
    QCOMPARE(shown.body, QStringLiteral("🐐 Aujourd'hui : Chèvre — Goat"));
    QCOMPARE(shown.hints.value(QStringLiteral("sound-name")), QVariant(QStringLiteral("message-new-instant")));
    QVERIFY(center.pendingRequests().empty());
    QVERIFY(!center.nextCheckIn());
}

void TestDBusNotificationCenter::missedTriggerOnWaking_data()
{
    QTest::addColumn<CivilDateTime>("trigger");
    QTest::addColumn<CivilDateTime>("wokeAt");
    QTest::addColumn<bool>("shown");

    QTest::newRow("a few minutes late") << CivilDateTime{2026, 12, 7, 8, 0, 0} << CivilDateTime{2026, 12, 7, 8, 5, 0}
                                        << true;
    QTest::newRow("an hour late") << CivilDateTime{2026, 12, 7, 8, 0, 0} << CivilDateTime{2026, 12, 7, 9, 0, 0} << true;
    QTest::newRow("opened at 09:15") << CivilDateTime{2026, 12, 7, 8, 0, 0} << CivilDateTime{2026, 12, 7, 9, 15, 0}
                                     << true;
    QTest::newRow("late evening") << CivilDateTime{2026, 12, 7, 8, 0, 0} << CivilDateTime{2026, 12, 7, 23, 59, 0}
                                  << true;
    QTest::newRow("next morning") << CivilDateTime{2026, 12, 7, 8, 0, 0} << CivilDateTime{2026, 12, 8, 7, 0, 0}
                                  << false;
    QTest::newRow("the day after") << CivilDateTime{2026, 12, 7, 23, 55, 0} << CivilDateTime{2026, 12, 8, 0, 5, 0}
                                   << false;
}

void TestDBusNotificationCenter::missedTriggerOnWaking()
{
    QFETCH(CivilDateTime, trigger);
    QFETCH(CivilDateTime, wokeAt);
    QFETCH(bool, shown);
    const TestNotificationServer server;
    auto clockChanges = std::make_shared<FakeClockChangeWatcher>();
    DBusNotificationCenter center(m_clock, clockChanges);
    m_clock->set(localInstant(trigger) - 1h);
    center.add(request(QStringLiteral("missed"), trigger));
    // Due the minute the machine wakes: once it arrives, the missed one has arrived before it or
    // never will.
    center.add(request(QStringLiteral("now"), wokeAt));
    QTRY_VERIFY(center.nextCheckIn() > 59min);

    // Asleep: the timer's clock stands still while the wall clock runs on.
    m_clock->set(localInstant(wokeAt));
    clockChanges->reportChange();
    QTRY_VERIFY(summaries(server).contains(QStringLiteral("Title of now")));
    QCOMPARE(summaries(server).contains(QStringLiteral("Title of missed")), shown);
    QVERIFY(center.pendingRequests().empty());
}

void TestDBusNotificationCenter::sleepsUntilTheEarliestTrigger()
{
    DBusNotificationCenter center(m_clock);
    const CivilDateTime morning{2026, 12, 7, 8, 0, 0};
    m_clock->set(localInstant(morning) - 5h);
    center.add(request(QStringLiteral("later"), morning));
    center.add(request(QStringLiteral("later"), morning)); // the same identifier replaces
    center.add(request(QStringLiteral("tomorrow"), {2026, 12, 8, 8, 0, 0}));
    QCOMPARE(center.pendingRequests().size(), 2u);
    QTRY_VERIFY(center.nextCheckIn() > 5h - 1s);
    QVERIFY(center.nextCheckIn() <= 5h);

    m_clock->set(localInstant(morning) - 10s);
    center.deliverDue();
    QVERIFY(center.nextCheckIn() <= 10s && center.nextCheckIn() > 9s);
    QCOMPARE(center.pendingRequests().size(), 2u);

    center.removeAllPending();
    QVERIFY(center.pendingRequests().empty());
    QVERIFY(!center.nextCheckIn());
}

void TestDBusNotificationCenter::noServerIsAbsorbedSilently()
{
    const StandardOutputCapture output;
    const StandardOutputCapture errors(STDERR_FILENO);
    DBusNotificationCenter center(m_clock);
    const CivilDateTime minute{2026, 12, 7, 8, 0, 0};
    m_clock->set(localInstant(minute));
    QObject context;
    std::optional<bool> answer;
    center.requestAuthorization(&context, [&answer](bool granted) { answer = granted; });
    center.add(request(QStringLiteral("daily-2026-12-7"), minute));
    QTRY_VERIFY(answer.has_value());
    QVERIFY(!*answer);
    QVERIFY(center.pendingRequests().empty());
    QTest::qWait(100);
    QCOMPARE(output.text(), QByteArray());
    QCOMPARE(errors.text(), QByteArray());
}

void TestDBusNotificationCenter::noSessionBusIsAbsorbedSilently()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.remove(QStringLiteral("DISPLAY")); // nor a way to start one
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--without-session-bus")});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput(), QByteArray());
    QCOMPARE(child.readAllStandardError(), QByteArray());
}

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--without-session-bus") == 0) {
        return runWithoutSessionBus(argc, argv);
    }
    QCoreApplication app(argc, argv);
    TestDBusNotificationCenter test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestDBusNotificationCenter.moc"
