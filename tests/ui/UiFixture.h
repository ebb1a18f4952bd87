// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/files/FileResourceDirectory.h"
#include "app/state/CalendarManager.h"
#include "app/state/NotificationManager.h"
#include "app/state/SoundManager.h"
#include "app/ui/DropDown.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/SettingsView.h"
#include "tests/support/FakeAudioPlayer.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDeadlineTimer.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeLoginItem.h"
#include "tests/support/FakeModifierKeys.h"
#include "tests/support/FakeNotificationCenter.h"
#include "tests/support/FakePreferences.h"
#include "tests/support/FakeRandomSource.h"
#include "tests/support/FakeSystemBeep.h"
#include "tests/support/FakeTimeZoneWatcher.h"
#include "tests/support/LocalTime.h"
#include "tests/support/ScopedTimeZone.h"

#include <memory>

// The program's state objects on fakes, at a chosen instant in Paris, with the real resource
// directory of the build tree (or another folder, to see what a missing file does). The
// preferences are kept in memory unless a real store is given.
struct UiFixture
{
    explicit UiFixture(Instant start, const QString& resourceRoot = QStringLiteral(QUINTAVAL_BUILD_RESOURCES),
                       std::shared_ptr<Preferences> store = nullptr)
        : clock(std::make_shared<FakeClock>(start)), resources(std::make_shared<FileResourceDirectory>(resourceRoot))
    {
        const std::shared_ptr<Preferences> kept = store ? store : std::shared_ptr<Preferences>(preferences);
        auto timerOwned = std::make_unique<FakeDeadlineTimer>();
        timer = timerOwned.get();
        sound = std::make_unique<SoundManager>(SoundManager::Services{kept, resources, player, beep});
        notifications = std::make_unique<NotificationManager>(NotificationManager::Services{kept, center, clock});
        calendar = std::make_unique<CalendarManager>(
            CalendarManager::Services{clock, random, std::move(timerOwned), kept,
                                      std::make_unique<FakeTimeZoneWatcher>(), nullptr, nullptr},
            sound.get(), notifications.get());
    }

    MenuBarView::Services panelServices() { return {*calendar, *sound, *clock, *resources, clipboard, modifiers}; }
    DropDown::Services dropDownServices() { return {workArea, inputFocus, pointer}; }
    SettingsView::Services settingsServices() { return {*calendar, *notifications, *sound, loginItem, *clock}; }

    // Moves the clock and lets the manager tick once.
    void tickAt(Instant instant)
    {
        clock->set(instant);
        timer->fire();
    }

    ScopedTimeZone zone{"Europe/Paris"};
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<FileResourceDirectory> resources;
    std::shared_ptr<FakePreferences> preferences = std::make_shared<FakePreferences>();
    std::shared_ptr<FakeRandomSource> random = std::make_shared<FakeRandomSource>();
    std::shared_ptr<FakeAudioPlayer> player = std::make_shared<FakeAudioPlayer>();
    std::shared_ptr<FakeSystemBeep> beep = std::make_shared<FakeSystemBeep>();
    std::shared_ptr<FakeNotificationCenter> center = std::make_shared<FakeNotificationCenter>();
    FakeDeadlineTimer* timer = nullptr;
    std::unique_ptr<SoundManager> sound;
    std::unique_ptr<NotificationManager> notifications;
    std::unique_ptr<CalendarManager> calendar;
    FakeClipboard clipboard;
    FakeModifierKeys modifiers;
    FakeLoginItem loginItem;
    FakeWorkArea workArea;
    FakeInputFocus inputFocus;
    FakePointerLocator pointer;
};
