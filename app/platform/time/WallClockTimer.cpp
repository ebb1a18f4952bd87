// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/WallClockTimer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>

namespace {

itimerspec alarmAt(Instant instant)
{
    itimerspec alarm{};
    if (instant == Instant::max()) {
        // Far enough never to come, and still a valid time for every kernel; a zero value would
        // disarm the timer, and a disarmed timer is not told of clock changes on every kernel.
        alarm.it_value.tv_sec = std::numeric_limits<std::int32_t>::max() * time_t{8};
        return alarm;
    }
    const auto sinceEpoch = instant.time_since_epoch();
    if (sinceEpoch <= std::chrono::microseconds::zero()) {
        alarm.it_value.tv_nsec = 1; // past, and the kernel takes no time before the epoch: due at once
        return alarm;
    }
    const auto whole = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    alarm.it_value.tv_sec = static_cast<time_t>(whole.count());
    alarm.it_value.tv_nsec = static_cast<long>(std::chrono::nanoseconds{sinceEpoch - whole}.count());
    return alarm;
}

} // namespace

WallClockTimer::WallClockTimer(bool reportClockSet)
    : m_fd(timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK)), m_reportClockSet(reportClockSet)
{
    // Armed from the start, so that a clock set before the first real alarm is not missed.
    if (m_fd >= 0 && m_reportClockSet) {
        setAlarm(Instant::max());
    }
}

WallClockTimer::~WallClockTimer()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool WallClockTimer::setAlarm(Instant at)
{
    const itimerspec alarm = alarmAt(at);
    const int flags = TFD_TIMER_ABSTIME | (m_reportClockSet ? TFD_TIMER_CANCEL_ON_SET : 0);
    return m_fd >= 0 && timerfd_settime(m_fd, flags, &alarm, nullptr) == 0;
}

WallClockTimer::Wake WallClockTimer::take()
{
    std::uint64_t expirations = 0;
    const ssize_t count = ::read(m_fd, &expirations, sizeof expirations);
    if (count == static_cast<ssize_t>(sizeof expirations)) {
        return expirations > 0 ? Wake::due : Wake::none;
    }
    // Arming again clears the readable state of a clock set but not the set itself: the read
    // after arming still reports it, which is how a set between two armings is caught.
    return count < 0 && errno == ECANCELED ? Wake::clockSet : Wake::none;
}
