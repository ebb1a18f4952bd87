// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/HostClock.h"

void HostClock::wakeAt(const QObject* waiter, const QDateTime& at)
{
    if (at.isValid()) {
        m_waits[waiter] = at;
    } else {
        m_waits.erase(waiter);
    }
    rearm();
}

void HostClock::ring()
{
    // Those whose instant came ask again from due() if they still want something; the others
    // keep theirs. The alarm is spent either way.
    const QDateTime now = this->now();
    std::erase_if(m_waits, [&now](const auto& wait) { return wait.second <= now; });
    m_alarm = QDateTime();
    Q_EMIT due();
    rearm();
}

void HostClock::rearm()
{
    QDateTime earliest;
    for (const auto& [_, instant] : m_waits) {
        if (!earliest.isValid() || instant < earliest) {
            earliest = instant;
        }
    }
    // Every waiter asks again after each alarm, mostly for what it asked before: the alarm is
    // set again only when the earliest instant moved.
    if (earliest != m_alarm) {
        m_alarm = earliest;
        arm(earliest);
    }
}
