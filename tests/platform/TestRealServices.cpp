// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/audio/ApplicationBeep.h"
#include "app/platform/session/DBusNotificationCenter.h"
#include "app/platform/files/FileResourceDirectory.h"
#include "app/platform/audio/LazyAudioPlayer.h"
#include "app/platform/files/SettingsPreferences.h"
#include "app/platform/time/SystemClock.h"
#include "app/platform/time/SystemClockChangeWatcher.h"
#include "app/platform/desktop/SystemRandomSource.h"
#include "app/platform/time/SystemTimeZoneWatcher.h"
#include "app/platform/time/WallClockDeadlineTimer.h"
#include "app/state/CalendarManager.h"
#include "app/state/NotificationManager.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/SoundManager.h"
#include "tests/support/TestNotificationServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

// The state objects over the Linux services, put together as the program's entry does, on a
// private session bus with a test notification server.
class TestRealServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launchRunsOnTheRealServices();
};

void TestRealServices::launchRunsOnTheRealServices()
{
    const TestNotificationServer server;
    QVERIFY(server.isRunning());
    const QTemporaryDir home;
    auto preferences = std::make_shared<SettingsPreferences>(home.filePath(QStringLiteral("Quintaval.conf")));
    auto clock = std::make_shared<SystemClock>();
    auto center = std::make_shared<DBusNotificationCenter>(clock);
    SoundManager sound({preferences,
                        std::make_shared<FileResourceDirectory>(FileResourceDirectory::forRunningProgram()),
                        std::make_shared<LazyAudioPlayer>(QStringLiteral(QUINTAVAL_AUDIO_MODULE)),
                        std::make_shared<ApplicationBeep>()});
    NotificationManager reminders({preferences, center, clock});
    CalendarManager manager({clock, std::make_shared<SystemRandomSource>(), std::make_unique<WallClockDeadlineTimer>(),
                             preferences, std::make_unique<SystemTimeZoneWatcher>(),
                             std::make_shared<SystemClockChangeWatcher>(), nullptr},
                            &sound, &reminders);
    QSignalSpy changed(&manager, &CalendarManager::changed);
    manager.setPanelOpen(true);

    // With the panel open the time updates every second, and permission from the server fills
    // the reminder window.
    QTRY_VERIFY(changed.count() >= 2);
    QTRY_VERIFY(center->pendingRequests().size() >= 13);
    QCOMPARE(server.informationRequests(), 1);
    // What the last update published is at most a second old (midnight may fall between).
    const Instant now = clock->now();
    const auto shown = [&manager](Instant at) {
        return manager.currentTime() == RevolutionaryCalendar::toDecimalTime(at) &&
               manager.todayDate() == RevolutionaryCalendar::fromGregorian(at);
    };
    bool recent = false;
    for (auto back = std::chrono::milliseconds{0}; back <= 2s; back += 1ms) {
        recent = recent || shown(now - back);
    }
    QVERIFY(recent);

    const SettingsPreferences stored(home.filePath(QStringLiteral("Quintaval.conf")));
    QVERIFY(stored.read(PreferenceKeys::hasLaunchedBefore));
    QVERIFY(stored.read(PreferenceKeys::notificationsConfigured));
}

QTEST_GUILESS_MAIN(TestRealServices)
#include "TestRealServices.moc"
