// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/time/WallClockTimer.h"
#include "calendar/Instant.h"

#include <memory>

class TitleSource;

// quintaval-title --follow: prints the line, then a new one each time it reads differently, and
// nothing in between. Sleeps until the line can change, and wakes early when the wall clock is
// set (or the machine resumes), when the time zone changes and when the settings file changes.
class FollowLoop
{
public:
    // What the loop sleeps on: the wall clock, and an alarm on it that also goes off when the
    // clock is set. The real one is a timerfd; tests set the clock and report sets themselves.
    class Clock
    {
    public:
        virtual ~Clock() = default;

        virtual Instant now() const = 0;
        // Polls readable when the alarm is due or the clock was set; -1 when there is no alarm.
        virtual int descriptor() const = 0;
        virtual bool setAlarm(Instant at) = 0;
        virtual WallClockTimer::Wake take() = 0;
    };

    // Without a clock, the system's is used.
    FollowLoop(TitleSource& source, int output, Clock* clock = nullptr);
    ~FollowLoop();

    // Runs until the reader goes away or SIGINT, SIGTERM or SIGHUP arrives, then returns 0; 1
    // when the output fails otherwise or the loop cannot be set up, after saying why on stderr.
    int run();

private:
    TitleSource& m_source;
    int m_output;
    std::unique_ptr<Clock> m_systemClock;
    Clock* m_clock;
};
