// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/SystemHostClock.h"

#include "app/platform/ClockChangeWatcher.h"
#include "app/platform/TimeZoneWatcher.h"

SystemHostClock::SystemHostClock(const ClockChangeWatcher& clockChanges, const TimeZoneWatcher& zoneChanges,
                                 QObject* parent)
    : HostClock(parent)
{
    connect(&clockChanges, &ClockChangeWatcher::clockChanged, this, &HostClock::changed);
    connect(&zoneChanges, &TimeZoneWatcher::changed, this, &HostClock::changed);
}

QDateTime SystemHostClock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

void SystemHostClock::arm(const QDateTime& at)
{
    if (!at.isValid()) {
        m_timer.wakeAt(Instant::max(), nullptr);
        return;
    }
    m_timer.wakeAt(Instant{std::chrono::milliseconds{at.toMSecsSinceEpoch()}}, [this] { ring(); });
}
