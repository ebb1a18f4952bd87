// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/NotificationCenter.h"
#include "calendar/LeapRule.h"

#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class Clock;
class Preferences;

// The morning reminder: one notification a day at the chosen time, naming that day's Republican
// date and its plant, animal, tool or mineral. A rolling window of one-shot requests covers
// today and the next thirteen days and is rebuilt whenever a setting or the date changes.
class NotificationManager final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        std::shared_ptr<Preferences> preferences;
        std::shared_ptr<NotificationCenter> center;
        std::shared_ptr<const Clock> clock;
    };

    static constexpr int horizon = 14;
    static constexpr int firstLaunchHour = 8;
    static constexpr int firstLaunchMinute = 0;

    // Hands the real services to the shared instance; call before its first use. False (and
    // nothing changed) once the shared instance exists.
    static bool configureShared(Services services);
    // The process-wide instance, created on first use.
    static NotificationManager& shared();

    explicit NotificationManager(Services services, QObject* parent = nullptr);

    bool enabled() const { return m_enabled; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }

    // Each publishes, stores the value (unchanged, also when it is the same) and rebuilds the window.
    void setEnabled(bool enabled);
    void setHour(int hour);
    void setMinute(int minute);
    // The rule the reminders' dates are reckoned by; the calendar's, which owns the setting. A
    // new rule rebuilds the window.
    void setLeapRule(LeapRule rule);

    // Asks for permission to notify and rebuilds the window once it is granted.
    void start();

    // Removes every pending reminder, then, if reminders are on, schedules one for each of the
    // next `horizon` days whose reminder time is still ahead.
    void reschedule();

    // What is pending now, in the order it was scheduled.
    std::vector<NotificationRequest> pendingReminders() const;

Q_SIGNALS:
    void changed();

private:
    // That day's reminder, whether its time is ahead or not; none for a day no calendar holds.
    std::optional<NotificationRequest> reminderFor(Instant day) const;

    Services m_services;
    bool m_enabled = false;
    int m_hour = 0;
    int m_minute = 0;
    LeapRule m_leapRule = LeapRule::continuous;
    // Since when permission has been refused, until it is granted.
    std::optional<Instant> m_refusedSince;
};
