// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/WallClockDeadlineTimer.h"

#include <algorithm>
#include <utility>

WallClockDeadlineTimer::WallClockDeadlineTimer()
{
    if (m_timer.valid()) {
        m_notifier.emplace(m_timer.descriptor(), QSocketNotifier::Read);
        QObject::connect(&*m_notifier, &QSocketNotifier::activated, &*m_notifier, [this] {
            if (m_timer.take() == WallClockTimer::Wake::due) {
                fire();
            }
        });
    }
    m_fallback.setSingleShot(true);
    m_fallback.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_fallback, &QTimer::timeout, &m_fallback, [this] { fire(); });
}

void WallClockDeadlineTimer::wakeAt(Instant at, std::function<void()> due)
{
    m_due = std::move(due);
    m_fallback.stop();
    if (m_timer.setAlarm(at)) {
        return;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(at - currentInstant());
    m_fallback.start(std::max(left, std::chrono::milliseconds::zero()));
}

void WallClockDeadlineTimer::fire()
{
    // The callback usually asks for the next wake, which replaces m_due: call a copy.
    const std::function<void()> due = std::exchange(m_due, nullptr);
    if (due) {
        due();
    }
}
