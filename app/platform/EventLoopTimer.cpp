// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/EventLoopTimer.h"

EventLoopTimer::EventLoopTimer()
{
    // A coarse timer may drift by 5% of 864 ms, enough to skip a decimal second now and then.
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (m_tick) {
            m_tick();
        }
    });
}

void EventLoopTimer::start(std::chrono::milliseconds interval, std::function<void()> tick)
{
    m_tick = std::move(tick);
    m_timer.start(interval);
}
