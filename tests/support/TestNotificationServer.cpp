// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestNotificationServer.h"

namespace {

const QString connectionName = QStringLiteral("quintaval-test-notification-server");
const QString service = QStringLiteral("org.freedesktop.Notifications");

} // namespace

TestNotificationServer::TestNotificationServer()
    : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName))
{
    m_running = m_connection.isConnected() &&
                m_connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                            QDBusConnection::ExportAllSlots) &&
                m_connection.registerService(service);
}

TestNotificationServer::~TestNotificationServer()
{
    if (m_connection.isConnected()) {
        m_connection.unregisterService(service);
        m_connection.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    }
    QDBusConnection::disconnectFromBus(connectionName);
}

uint TestNotificationServer::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                                    const QString& summary, const QString& body, const QStringList& actions,
                                    const QVariantMap& hints, int expireTimeout)
{
    m_notifications.push_back({appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
    return static_cast<uint>(m_notifications.size());
}

QString TestNotificationServer::GetServerInformation(QString& vendor, QString& version, QString& specVersion)
{
    ++m_informationRequests;
    vendor = QStringLiteral("Quintaval tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("test-notification-server");
}

QStringList TestNotificationServer::GetCapabilities()
{
    return {QStringLiteral("body"), QStringLiteral("sound")};
}

void TestNotificationServer::CloseNotification(uint) {}
