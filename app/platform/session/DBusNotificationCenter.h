// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/NotificationCenter.h"
#include "app/platform/TimeZoneWatcher.h"

#include <QDBusServiceWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class Clock;
class ClockChangeWatcher;

// Notifications held by the program and shown through org.freedesktop.Notifications on the
// session bus. One timer aims at the earliest trigger. It runs on the monotonic clock, which
// stands still while the machine sleeps and knows nothing of the wall clock or the zone, so the
// pending requests are looked at again whenever the wall clock is set, the machine wakes or the
// zone changes.
//
// A trigger missed while the machine slept is still shown on waking if that is on the same local
// day: the laptop opened at 09:15 shows that morning's 08:00 reminder. One for a day already over
// would only confuse, so it is dropped. One that no notification server was there to take waits
// for the next server to come on that same day.
class DBusNotificationCenter final : public QObject, public NotificationCenter
{
    Q_OBJECT

public:
    // Either watcher may be left out where nothing can change (tests).
    explicit DBusNotificationCenter(std::shared_ptr<const Clock> clock,
                                    std::shared_ptr<ClockChangeWatcher> clockChanges = nullptr,
                                    std::shared_ptr<TimeZoneWatcher> zoneChanges = nullptr, QObject* parent = nullptr);
    ~DBusNotificationCenter() override;

    void requestAuthorization(QObject* context, std::function<void(bool granted)> answer) override;
    void add(const NotificationRequest& request) override;
    void removeAllPending() override;
    std::vector<NotificationRequest> pendingRequests() const override;

    // Shows what is due, drops what is too late, and sets the timer for the rest.
    void deliverDue();

    // How long until the next look at the pending requests; none while nothing is pending.
    std::optional<std::chrono::milliseconds> nextCheckIn() const;

private:
    void deliver(const NotificationRequest& request);
    void recheckSoon();
    void serverAppeared();

    std::shared_ptr<const Clock> m_clock;
    std::shared_ptr<ClockChangeWatcher> m_clockChanges;
    std::shared_ptr<TimeZoneWatcher> m_zoneChanges;
    std::vector<NotificationRequest> m_pending;
    // Due but refused for want of a server; the next server to come the same day shows them.
    std::vector<NotificationRequest> m_held;
    // What went out today: the same reminder handed in again after its minute is not shown twice.
    std::vector<NotificationRequest> m_sent;
    // Counts the times everything was forgotten, so that a refusal answered after that holds nothing.
    int m_generation = 0;
    QTimer m_timer;
    QDBusServiceWatcher m_serverWatcher;
    // Everyone who asked for permission hears again when a notification server comes later.
    std::vector<std::pair<QPointer<QObject>, std::function<void(bool)>>> m_askers;
};
