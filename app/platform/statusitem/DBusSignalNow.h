// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QStringList>

namespace DBusSignalNow {

// Sends a signal whose arguments are strings on the connection, from the calling thread. QtDBus
// hands every message it sends from another thread to its own thread first, which wakes that
// thread; libdbus, underneath it, writes from any thread. Falls back to QtDBus when the
// connection has no libdbus connection under it.
void send(const QDBusConnection& connection, const QString& path, const QString& interface, const QString& name,
          const QStringList& arguments = {});

} // namespace DBusSignalNow
