// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// The host's sense of time: the wall clock, and a monotonic one that stands still while the
// machine sleeps, so that comparing the two tells when the wall clock jumped or the machine
// woke up.
class HostClock
{
public:
    virtual ~HostClock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMilliseconds() const = 0;
};

class SystemHostClock final : public HostClock
{
public:
    SystemHostClock() { m_started.start(); }
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    qint64 monotonicMilliseconds() const override { return m_started.elapsed(); }

private:
    QElapsedTimer m_started;
};
