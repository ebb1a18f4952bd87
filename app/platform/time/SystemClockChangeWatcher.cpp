// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/SystemClockChangeWatcher.h"

#include <QDBusConnection>

SystemClockChangeWatcher::SystemClockChangeWatcher(QObject* parent) : ClockChangeWatcher(parent)
{
    if (m_timer.valid()) {
        m_notifier.emplace(m_timer.descriptor(), QSocketNotifier::Read);
        connect(&*m_notifier, &QSocketNotifier::activated, this, &SystemClockChangeWatcher::clockSetReadable);
    }
    // Without a system bus (containers, some sessions) resumes still arrive as clock sets.
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                         QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void SystemClockChangeWatcher::prepareForSleep(bool sleeping)
{
    if (!sleeping) {
        Q_EMIT clockChanged();
    }
}

void SystemClockChangeWatcher::clockSetReadable()
{
    if (m_timer.take() != WallClockTimer::Wake::clockSet) {
        return;
    }
    // The alarm never comes; arming it again is what keeps the kernel telling us of sets.
    m_timer.setAlarm(Instant::max());
    Q_EMIT clockChanged();
}
