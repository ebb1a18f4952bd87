// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "calendar/LocalCalendar.h"

Instant localInstant(std::int64_t year, int month, int day, int hour, int minute, int second)
{
    return LocalCalendar::instant({year, month, day, hour, minute, second}).value();
}

StateHarness::StateHarness()
{
    resources->add(QStringLiteral("marseillaise.wav"));
}

SoundManager::Services StateHarness::soundServices() const
{
    return {store, resources, player, beep};
}

NotificationManager::Services StateHarness::notificationServices() const
{
    return {store, center, clock};
}

void StateHarness::launch(Instant now)
{
    clock->set(now);
    // As the program does: a first launch's writes go to the store in one save.
    store->holdSaves();
    sound = std::make_unique<SoundManager>(soundServices());
    notifications = std::make_unique<NotificationManager>(notificationServices());
    auto fakeTimer = std::make_unique<FakeDeadlineTimer>();
    auto fakeWatcher = std::make_unique<FakeTimeZoneWatcher>();
    timer = fakeTimer.get();
    timeZoneWatcher = fakeWatcher.get();
    calendar = std::make_unique<CalendarManager>(
        CalendarManager::Services{clock, random, std::move(fakeTimer), store, std::move(fakeWatcher), clockChanges,
                                  colorScheme},
        sound.get(), notifications.get());
    store->releaseSaves();
}

void StateHarness::tickAt(Instant now)
{
    clock->set(now);
    timer->fire();
}

void StateHarness::sleepUntil(Instant end)
{
    while (timer->deadline() && *timer->deadline() <= end) {
        clock->set(std::max(*timer->deadline(), clock->now()));
        timer->fire();
    }
    clock->set(end);
}
