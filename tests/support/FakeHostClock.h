// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/HostClock.h"

// A clock for the widget host that tests move by hand. The alarm comes as the clock passes it.
class FakeHostClock final : public HostClock
{
public:
    explicit FakeHostClock(QDateTime now) : m_now(std::move(now)) {}

    QDateTime now() const override { return m_now; }

    // Time passes: the alarm rings if it is reached.
    void advance(qint64 milliseconds)
    {
        m_now = m_now.addMSecs(milliseconds);
        if (alarm().isValid() && alarm() <= m_now) {
            ring();
        }
    }
    // The clock is set, or the machine slept, and the watchers say so.
    void jump(qint64 milliseconds)
    {
        m_now = m_now.addMSecs(milliseconds);
        Q_EMIT changed();
    }
    // The time zone changed, and the watcher says so.
    void reportZoneChange() { Q_EMIT changed(); }

protected:
    void arm(const QDateTime&) override {}

private:
    QDateTime m_now;
};
