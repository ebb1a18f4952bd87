// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/CalendarManager.h"
#include "app/state/NotificationManager.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/SoundManager.h"
#include "tests/support/FakeAudioPlayer.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeClockChangeWatcher.h"
#include "tests/support/FakeDeadlineTimer.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeNotificationCenter.h"
#include "tests/support/FakePreferences.h"
#include "tests/support/FakeRandomSource.h"
#include "tests/support/FakeResourceDirectory.h"
#include "tests/support/FakeSystemBeep.h"
#include "tests/support/FakeTimeZoneWatcher.h"

#include <memory>

// The local instant of a civil date and time; the test's zone must hold it.
Instant localInstant(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The three state objects of the program over fakes of every service, as a launch builds them.
struct StateHarness
{
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<FakeRandomSource> random = std::make_shared<FakeRandomSource>();
    std::shared_ptr<FakePreferences> preferences = std::make_shared<FakePreferences>();
    // What the managers store their settings in: `preferences` unless a test puts a real store here.
    std::shared_ptr<Preferences> store = preferences;
    std::shared_ptr<FakeResourceDirectory> resources = std::make_shared<FakeResourceDirectory>();
    std::shared_ptr<FakeAudioPlayer> player = std::make_shared<FakeAudioPlayer>();
    std::shared_ptr<FakeSystemBeep> beep = std::make_shared<FakeSystemBeep>();
    std::shared_ptr<FakeNotificationCenter> center = std::make_shared<FakeNotificationCenter>();
    FakeDeadlineTimer* timer = nullptr;
    std::shared_ptr<FakeClockChangeWatcher> clockChanges = std::make_shared<FakeClockChangeWatcher>();
    FakeTimeZoneWatcher* timeZoneWatcher = nullptr;

    std::unique_ptr<SoundManager> sound;
    std::unique_ptr<NotificationManager> notifications;
    std::shared_ptr<FakeColorScheme> colorScheme = std::make_shared<FakeColorScheme>();
    std::unique_ptr<CalendarManager> calendar;

    StateHarness();

    SoundManager::Services soundServices() const;
    NotificationManager::Services notificationServices() const;

    // Builds the managers in the program's order at `now`, with the chime resource present.
    void launch(Instant now);
    // Moves the clock to `now` and wakes the manager there, whatever it asked for.
    void tickAt(Instant now);
    // Lets the manager sleep as it asks: moves the clock to each instant it wants to wake at,
    // up to `end`, and wakes it there; then leaves the clock at `end`.
    void sleepUntil(Instant end);
};
