// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/DBusSignalNow.h"

#include <QDBusMessage>

#include <dbus/dbus.h>

#include <memory>
#include <vector>

namespace DBusSignalNow {

namespace {

struct MessageRelease
{
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};

bool sendThroughLibdbus(DBusConnection* connection, const QString& path, const QString& interface,
                        const QString& name, const QStringList& arguments)
{
    const std::unique_ptr<DBusMessage, MessageRelease> message(
        dbus_message_new_signal(path.toUtf8().constData(), interface.toUtf8().constData(), name.toUtf8().constData()));
    if (!message) {
        return false;
    }
    std::vector<QByteArray> texts;
    texts.reserve(static_cast<std::size_t>(arguments.size()));
    DBusMessageIter iter;
    dbus_message_iter_init_append(message.get(), &iter);
    for (const QString& argument : arguments) {
        const char* text = texts.emplace_back(argument.toUtf8()).constData();
        // libdbus refuses text that is not UTF-8; QString's encoding always is.
        if (!dbus_message_iter_append_basic(&iter, DBUS_TYPE_STRING, static_cast<const void*>(&text))) {
            return false;
        }
    }
    // Written at once unless the socket is full; then QtDBus's thread is asked to finish the write.
    return dbus_connection_send(connection, message.get(), nullptr) != 0;
}

} // namespace

void send(const QDBusConnection& connection, const QString& path, const QString& interface, const QString& name,
          const QStringList& arguments)
{
    auto* raw = static_cast<DBusConnection*>(connection.internalPointer());
    if (raw && connection.isConnected() && sendThroughLibdbus(raw, path, interface, name, arguments)) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
    for (const QString& argument : arguments) {
        signal << argument;
    }
    connection.send(signal);
}

} // namespace DBusSignalNow
