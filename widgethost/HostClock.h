// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>

#include <map>

// The host's sense of time: the wall clock, one alarm on it for every placed widget, and word
// of when the wall clock jumped (set by hand, or the machine woke up) or the time zone changed.
// One alarm at the earliest instant any widget waits for means that widgets which all turn over
// at midnight wake the host once then, and nothing wakes it in between.
class HostClock : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QDateTime now() const = 0;

    // `waiter` wants due() at `at`, or never for an invalid `at`; this replaces what it asked
    // for before. A waiter that goes away asks for never.
    void wakeAt(const QObject* waiter, const QDateTime& at);
    // When the alarm comes; invalid while nobody waits.
    QDateTime alarm() const { return m_alarm; }

Q_SIGNALS:
    // The alarm came: every waiter looks at the clock and asks again for its next instant.
    void due();
    // The wall clock jumped or the time zone changed: whatever was reckoned from it is stale.
    void changed();

protected:
    // Sets the one alarm for `at`, or none for an invalid `at`; ring() when it comes.
    virtual void arm(const QDateTime& at) = 0;
    void ring();

private:
    void rearm();

    std::map<const QObject*, QDateTime> m_waits;
    QDateTime m_alarm;
};
