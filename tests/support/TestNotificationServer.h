// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <vector>

// A notification server for tests: owns org.freedesktop.Notifications on the session bus (a
// private one under dbus-run-session) through a connection of its own, and records each call.
class TestNotificationServer final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
    };

    TestNotificationServer();
    ~TestNotificationServer() override;

    // Whether it owns the name and answers calls.
    bool isRunning() const { return m_running; }

    const std::vector<Notification>& notifications() const { return m_notifications; }
    int informationRequests() const { return m_informationRequests; }

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion);
    QStringList GetCapabilities();
    void CloseNotification(uint id);

private:
    QDBusConnection m_connection;
    bool m_running = false;
    std::vector<Notification> m_notifications;
    int m_informationRequests = 0;
};
