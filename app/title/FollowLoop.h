// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/time/WallClockTimer.h"
#include "calendar/Instant.h"

#include <memory>
#include <optional>
#include <string>

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
    // Prints the first line that reads otherwise than `shown` (at once when the present one
    // does), then returns 0; ends as run() does otherwise. The caller's line, not the moment it
    // was read, is the reference: a change between two calls is never missed.
    int runUntilChanged(const std::string& shown);

private:
    int loop(std::optional<std::string> shown, bool once);

    TitleSource& m_source;
    int m_output;
    std::unique_ptr<Clock> m_systemClock;
    Clock* m_clock;
};
