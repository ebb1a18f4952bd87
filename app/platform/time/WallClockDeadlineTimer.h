// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/DeadlineTimer.h"
#include "app/platform/time/WallClockTimer.h"

#include <QSocketNotifier>
#include <QTimer>

#include <optional>

// An absolute alarm on the wall clock: it comes at the right wall time also after a suspend or
// a clock change, which an interval timer on the monotonic clock would not. Where the kernel
// has no timerfd, a precise QTimer stands in.
class WallClockDeadlineTimer final : public DeadlineTimer
{
public:
    WallClockDeadlineTimer();

    void wakeAt(Instant at, std::function<void()> due) override;

private:
    void fire();

    WallClockTimer m_timer{false};
    std::optional<QSocketNotifier> m_notifier;
    QTimer m_fallback;
    std::function<void()> m_due;
};
