// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/HostClock.h"

// A clock for the widget host that tests set by hand. The wall clock and the monotonic one
// advance together unless a test makes the wall clock jump.
class FakeHostClock final : public HostClock
{
public:
    explicit FakeHostClock(QDateTime now) : m_now(std::move(now)) {}

    QDateTime now() const override { return m_now; }
    qint64 monotonicMilliseconds() const override { return m_monotonic; }

    void advance(qint64 milliseconds)
    {
        m_now = m_now.addMSecs(milliseconds);
        m_monotonic += milliseconds;
    }
    // The wall clock is set, or the machine slept: only the wall clock moves.
    void jump(qint64 milliseconds) { m_now = m_now.addMSecs(milliseconds); }

private:
    QDateTime m_now;
    qint64 m_monotonic = 0;
};
