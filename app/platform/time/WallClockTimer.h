// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

// An alarm at an instant of the wall clock, as a descriptor to poll (a timerfd on
// CLOCK_REALTIME). The kernel keeps absolute wall-clock alarms right across suspend and clock
// changes; with `reportClockSet` the descriptor also becomes readable as soon as the clock is set
// or the machine resumes, which nothing else tells a sleeping program.
class WallClockTimer
{
public:
    enum class Wake {
        none,     // nothing happened yet
        due,      // the alarm's instant has come
        clockSet, // the clock was set (or the machine resumed) since the last arming
    };

    explicit WallClockTimer(bool reportClockSet);
    WallClockTimer(const WallClockTimer&) = delete;
    WallClockTimer& operator=(const WallClockTimer&) = delete;
    ~WallClockTimer();

    // False when the kernel has no timerfd (the descriptor is then -1).
    bool valid() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }

    // Arms the alarm for `at` (Instant::max() for never), replacing the previous one. False
    // when the kernel refuses, with errno set.
    bool setAlarm(Instant at);

    // Reads what woke the descriptor, without blocking. A clock set since the last arming is
    // reported first, once, even when the alarm has come too: the caller's deadline is stale.
    Wake take();

private:
    int m_fd = -1;
    bool m_reportClockSet = false;
};
