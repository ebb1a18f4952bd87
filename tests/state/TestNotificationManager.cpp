// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "tests/support/ScopedTimeZone.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {

QStringList identifiers(const std::vector<NotificationRequest>& requests)
{
    QStringList names;
    for (const NotificationRequest& request : requests) {
        names.append(request.identifier);
    }
    return names;
}

const NotificationRequest* requestFor(const std::vector<NotificationRequest>& requests, const QString& identifier)
{
    for (const NotificationRequest& request : requests) {
        if (request.identifier == identifier) {
            return &request;
        }
    }
    return nullptr;
}

// A reminder manager that has been configured before, at `hour`:`minute`.
std::unique_ptr<NotificationManager> configured(StateHarness& harness, Instant now, int hour = 8, int minute = 0)
{
    harness.clock->set(now);
    harness.preferences->store(PreferenceKeys::notificationsConfigured, true);
    harness.preferences->store(PreferenceKeys::notificationsEnabled, true);
    harness.preferences->store(PreferenceKeys::notificationHour, hour);
    harness.preferences->store(PreferenceKeys::notificationMinute, minute);
    return std::make_unique<NotificationManager>(harness.notificationServices());
}

} // namespace

class TestNotificationManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstLaunchWritesTheDefaults();
    void storedSettingsAreRead_data();
    void storedSettingsAreRead();
    void windowStartsTodayWhileTheReminderIsAhead_data();
    void windowStartsTodayWhileTheReminderIsAhead();
    void identifiersTitlesAndBodiesNameTheDayOfFiring();
    void complementaryDaysAndNewYear();
    void reminderTimeSkippedByDaylightSavingStillFiresThatDay();
    void reminderTimeRepeatedByDaylightSavingFiresOnce();
    void switchingOffEmptiesTheWindowAndOnRefillsIt();
    void hourThenMinuteRebuildsTwice();
    void permissionStartsTheWindow();
    void sharedInstanceUsesTheServicesHandedIn();
};

void TestNotificationManager::firstLaunchWritesTheDefaults()
{
    StateHarness harness;
    const NotificationManager reminders(harness.notificationServices());

    QVERIFY(reminders.enabled());
    QCOMPARE(reminders.hour(), 8);
    QCOMPARE(reminders.minute(), 0);
    QCOMPARE(harness.preferences->writtenKeys(),
             (QStringList{QLatin1String(PreferenceKeys::notificationsEnabled.name),
                          QLatin1String(PreferenceKeys::notificationHour.name),
                          QLatin1String(PreferenceKeys::notificationMinute.name),
                          QLatin1String(PreferenceKeys::notificationsConfigured.name)}));
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationsEnabled), QVariant(true));
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationHour), QVariant(8));
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationMinute), QVariant(0));
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationsConfigured), QVariant(true));
    QCOMPARE(harness.center->additions(), 0); // nothing before permission
}

void TestNotificationManager::storedSettingsAreRead_data()
{
    QTest::addColumn<QVariant>("enabled");
    QTest::addColumn<QVariant>("hour");
    QTest::addColumn<QVariant>("minute");
    QTest::addColumn<bool>("expectedEnabled");
    QTest::addColumn<int>("expectedHour");
    QTest::addColumn<int>("expectedMinute");
    QTest::addColumn<int>("expectedPending"); // at 10:40

    QTest::newRow("stored") << QVariant(false) << QVariant(6) << QVariant(45) << false << 6 << 45 << 0;
    QTest::newRow("as text") << QVariant(QStringLiteral("true")) << QVariant(QStringLiteral("7"))
                             << QVariant(QStringLiteral("5")) << true << 7 << 5 << 13;
    QTest::newRow("missing") << QVariant() << QVariant() << QVariant() << false << 0 << 0 << 0;
    QTest::newRow("wrong type") << QVariant(QStringLiteral("abc")) << QVariant(QStringLiteral("abc"))
                                << QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")}) << false << 0 << 0
                                << 0;
    // A time no clock shows means the first launch's 08:00, never midnight or a rolled-over hour.
    QTest::newRow("hour 25") << QVariant(true) << QVariant(25) << QVariant(0) << true << 8 << 0 << 13;
    QTest::newRow("hour 24") << QVariant(true) << QVariant(24) << QVariant(30) << true << 8 << 0 << 13;
    QTest::newRow("negative hour") << QVariant(true) << QVariant(-1) << QVariant(30) << true << 8 << 0 << 13;
    QTest::newRow("minute 99") << QVariant(true) << QVariant(6) << QVariant(99) << true << 8 << 0 << 13;
    QTest::newRow("minute 60") << QVariant(true) << QVariant(11) << QVariant(60) << true << 8 << 0 << 13;
    QTest::newRow("negative minute") << QVariant(true) << QVariant(99) << QVariant(-5) << true << 8 << 0 << 13;
    QTest::newRow("edges") << QVariant(true) << QVariant(23) << QVariant(59) << true << 23 << 59 << 14;
}

void TestNotificationManager::storedSettingsAreRead()
{
    QFETCH(QVariant, enabled);
    QFETCH(QVariant, hour);
    QFETCH(QVariant, minute);
    QFETCH(bool, expectedEnabled);
    QFETCH(int, expectedHour);
    QFETCH(int, expectedMinute);
    QFETCH(int, expectedPending);
    StateHarness harness;
    harness.preferences->store(PreferenceKeys::notificationsConfigured, true);
    for (const auto& [key, value] :
         {std::pair{PreferenceKeys::notificationHour, hour}, std::pair{PreferenceKeys::notificationMinute, minute}}) {
        if (value.isValid()) {
            harness.preferences->store(key, value);
        }
    }
    if (enabled.isValid()) {
        harness.preferences->store(PreferenceKeys::notificationsEnabled, enabled);
    }

    NotificationManager reminders(harness.notificationServices());
    QCOMPARE(reminders.enabled(), expectedEnabled);
    QCOMPARE(reminders.hour(), expectedHour);
    QCOMPARE(reminders.minute(), expectedMinute);
    QVERIFY(harness.preferences->writtenKeys().isEmpty());

    harness.clock->set(localInstant(2026, 12, 7, 10, 40));
    reminders.reschedule();
    QCOMPARE(harness.center->removals(), 1);
    QCOMPARE(harness.center->pendingCount(), static_cast<std::size_t>(expectedPending));
    for (const NotificationRequest& request : harness.center->pendingRequests()) {
        QCOMPARE(request.trigger.hour, expectedHour);
        QCOMPARE(request.trigger.minute, expectedMinute);
    }
}

void TestNotificationManager::windowStartsTodayWhileTheReminderIsAhead_data()
{
    QTest::addColumn<Instant>("now");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("07:59") << localInstant(2026, 12, 7, 7, 59) << "daily-2026-12-7"
                           << "daily-2026-12-20";
    QTest::newRow("07:59:59.999") << localInstant(2026, 12, 7, 7, 59, 59) + 999ms << "daily-2026-12-7"
                                  << "daily-2026-12-20";
    QTest::newRow("08:00") << localInstant(2026, 12, 7, 8, 0) << "daily-2026-12-8"
                           << "daily-2026-12-20";
    QTest::newRow("23:59") << localInstant(2026, 12, 7, 23, 59) << "daily-2026-12-8"
                           << "daily-2026-12-20";
}

void TestNotificationManager::windowStartsTodayWhileTheReminderIsAhead()
{
    QFETCH(Instant, now);
    QFETCH(QString, first);
    QFETCH(QString, last);
    StateHarness harness;
    const auto reminders = configured(harness, now);

    reminders->reschedule();
    const auto pending = reminders->pendingReminders();
    QCOMPARE(pending.size(), first.endsWith(QLatin1String("-7")) ? 14u : 13u);
    QCOMPARE(pending.front().identifier, first);
    QCOMPARE(pending.back().identifier, last);
    for (const NotificationRequest& request : pending) {
        QCOMPARE(request.trigger.hour, 8);
        QCOMPARE(request.trigger.minute, 0);
        QVERIFY(*request.trigger.fireInstant() > now);
    }
}

void TestNotificationManager::identifiersTitlesAndBodiesNameTheDayOfFiring()
{
    StateHarness harness;
    // Late in the evening: the reminders start tomorrow and run into the next year.
    const auto reminders = configured(harness, localInstant(2026, 12, 25, 22, 0), 7, 5);
    reminders->reschedule();
    const auto pending = reminders->pendingReminders();

    QCOMPARE(identifiers(pending).mid(0, 8),
             (QStringList{"daily-2026-12-26", "daily-2026-12-27", "daily-2026-12-28", "daily-2026-12-29",
                          "daily-2026-12-30", "daily-2026-12-31", "daily-2027-1-1", "daily-2027-1-2"}));
    const NotificationRequest* newYear = requestFor(pending, QStringLiteral("daily-2027-1-1"));
    QVERIFY(newYear);
    QCOMPARE(newYear->trigger, (NotificationTrigger{2027, 1, 1, 7, 5}));
    QCOMPARE(newYear->title, QStringLiteral("10 Nivôse an CCXXXV"));
    const auto item = DailyItems::item(RevolutionaryDate{235, 4, 10, 10}).value();
    QCOMPARE(newYear->body, QStringLiteral("%1 Aujourd'hui : %2 — %3")
                                .arg(QString::fromUtf8(item.emoji.data()), QString::fromUtf8(item.frenchName.data()),
                                     QString::fromUtf8(item.name.data())));
}

void TestNotificationManager::complementaryDaysAndNewYear()
{
    StateHarness harness;
    // Year CCXXXV is a long one: its complementary days run from 19 to 24 September 2027.
    const auto reminders = configured(harness, localInstant(2027, 9, 15, 12, 0));
    reminders->reschedule();
    const auto pending = reminders->pendingReminders();

    const NotificationRequest* festival = requestFor(pending, QStringLiteral("daily-2027-9-24"));
    QVERIFY(festival);
    QCOMPARE(festival->title, QStringLiteral("6 Sansculottides an CCXXXV"));
    QCOMPARE(festival->body, QStringLiteral("🎉 La Fête de la Révolution"));
    const NotificationRequest* firstFestival = requestFor(pending, QStringLiteral("daily-2027-9-19"));
    QVERIFY(firstFestival);
    QCOMPARE(firstFestival->body, QStringLiteral("🎉 La Fête de la Vertu"));
    const NotificationRequest* newYear = requestFor(pending, QStringLiteral("daily-2027-9-25"));
    QVERIFY(newYear);
    QCOMPARE(newYear->title, QStringLiteral("1 Vendémiaire an CCXXXVI"));
    QCOMPARE(newYear->body, QStringLiteral("🍇 Aujourd'hui : Raisin — Grape"));
}

void TestNotificationManager::reminderTimeSkippedByDaylightSavingStillFiresThatDay()
{
    const ScopedTimeZone paris("Europe/Paris");
    StateHarness harness;
    // On 29 March 2026 Paris clocks go from 02:00 straight to 03:00.
    const auto reminders = configured(harness, localInstant(2026, 3, 27, 12, 0), 2, 30);
    reminders->reschedule();
    const auto pending = reminders->pendingReminders();
    QCOMPARE(pending.size(), 13u);
    QCOMPARE(identifiers(pending).count(QStringLiteral("daily-2026-3-29")), 1);

    QCOMPARE(harness.center->deliverDue(localInstant(2026, 3, 29, 1, 59, 59)).size(), 1u); // the 28th's
    const auto fired = harness.center->deliverDue(localInstant(2026, 3, 29, 3, 0));
    QCOMPARE(fired.size(), 1u);
    QCOMPARE(fired.front().identifier, QStringLiteral("daily-2026-3-29"));
    QCOMPARE(fired.front().title,
             QString::fromStdString(RevolutionaryCalendar::fromGregorian(localInstant(2026, 3, 29, 12)).formatted()));
}

void TestNotificationManager::reminderTimeRepeatedByDaylightSavingFiresOnce()
{
    const ScopedTimeZone paris("Europe/Paris");
    StateHarness harness;
    // On 25 October 2026 Paris clocks show 02:00 to 03:00 twice.
    const auto reminders = configured(harness, localInstant(2026, 10, 24, 12, 0), 2, 30);
    reminders->reschedule();
    QCOMPARE(identifiers(reminders->pendingReminders()).count(QStringLiteral("daily-2026-10-25")), 1);

    const Instant firstPass = localInstant(2026, 10, 25, 2, 30);
    const auto fired = harness.center->deliverDue(firstPass);
    QCOMPARE(identifiers(fired), QStringList{QStringLiteral("daily-2026-10-25")});
    QVERIFY(harness.center->deliverDue(firstPass + 1h).empty());
}

void TestNotificationManager::switchingOffEmptiesTheWindowAndOnRefillsIt()
{
    StateHarness harness;
    const auto reminders = configured(harness, localInstant(2026, 12, 7, 6, 0));
    reminders->reschedule();
    QSignalSpy changed(reminders.get(), &NotificationManager::changed);

    reminders->setEnabled(false);
    QCOMPARE(harness.center->pendingCount(), 0u);
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationsEnabled), QVariant(false));
    reminders->setEnabled(true);
    QCOMPARE(harness.center->pendingCount(), 14u);
    QCOMPARE(changed.count(), 2);
}

void TestNotificationManager::hourThenMinuteRebuildsTwice()
{
    StateHarness harness;
    const auto reminders = configured(harness, localInstant(2026, 12, 7, 6, 0));
    const int removalsBefore = harness.center->removals();
    QSignalSpy changed(reminders.get(), &NotificationManager::changed);

    reminders->setHour(9);
    QCOMPARE(harness.center->removals(), removalsBefore + 1);
    reminders->setMinute(15);
    QCOMPARE(harness.center->removals(), removalsBefore + 2);
    QCOMPARE(changed.count(), 2);

    const auto pending = reminders->pendingReminders();
    QCOMPARE(pending.size(), 14u);
    for (const NotificationRequest& request : pending) {
        QCOMPARE(request.trigger.hour, 9);
        QCOMPARE(request.trigger.minute, 15);
    }
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationHour), QVariant(9));
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationMinute), QVariant(15));
}

void TestNotificationManager::permissionStartsTheWindow()
{
    StateHarness harness;
    auto reminders = configured(harness, localInstant(2026, 12, 7, 6, 0));
    reminders->start();
    QCOMPARE(harness.center->authorizationRequests(), 1);
    harness.center->answerAuthorization(false);
    QCOMPARE(harness.center->additions(), 0);
    QVERIFY(reminders->enabled());

    reminders->start();
    harness.center->answerAuthorization(true);
    QCOMPARE(harness.center->pendingCount(), 14u);

    // An answer that comes after the manager is gone finds nothing to do.
    reminders->start();
    reminders.reset();
    harness.center->answerAuthorization(true);
    QCOMPARE(harness.center->removals(), 1);
}

void TestNotificationManager::sharedInstanceUsesTheServicesHandedIn()
{
    StateHarness harness;
    QVERIFY(NotificationManager::configureShared(harness.notificationServices()));
    NotificationManager& shared = NotificationManager::shared();
    QCOMPARE(&NotificationManager::shared(), &shared);
    QCOMPARE(harness.preferences->stored(PreferenceKeys::notificationsConfigured), QVariant(true));
    QVERIFY(!NotificationManager::configureShared(harness.notificationServices()));
}

QTEST_GUILESS_MAIN(TestNotificationManager)
#include "TestNotificationManager.moc"
