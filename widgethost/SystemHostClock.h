// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/time/WallClockDeadlineTimer.h"
#include "widgethost/HostClock.h"

class ClockChangeWatcher;
class TimeZoneWatcher;

// The system's wall clock, with its alarm on the wall clock itself (a timerfd, as the program
// has), so that it comes at the right wall time after a suspend too. Clock sets, resumes and zone
// changes come from the watchers the host keeps, one of each for all its widgets.
class SystemHostClock final : public HostClock
{
    Q_OBJECT

public:
    SystemHostClock(const ClockChangeWatcher& clockChanges, const TimeZoneWatcher& zoneChanges,
                    QObject* parent = nullptr);

    QDateTime now() const override;

protected:
    void arm(const QDateTime& at) override;

private:
    WallClockDeadlineTimer m_timer;
};
