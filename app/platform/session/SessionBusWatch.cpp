// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/session/SessionBusWatch.h"

#include <QDBusConnection>

SessionBusWatch::SessionBusWatch(QObject* parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    // libdbus tells its own connection, through a signal that never crosses the bus, when the
    // bus closes it. Qt delivers it by the string-based connect only.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"), QStringLiteral("org.freedesktop.DBus.Local"),
                QStringLiteral("Disconnected"), this, SLOT(disconnected()));
}

void SessionBusWatch::disconnected()
{
    Q_EMIT lost();
}
