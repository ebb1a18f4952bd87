// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QDBusMessage;
class QDBusServiceWatcher;

// What the bar knows of one registered item, kept up to date from its signals.
struct HostedItem
{
    QString key;
    QString service;
    QString owner;
    QString path;
    QString id;
    QString title;
    QString category;
    QString status;
    bool itemIsMenu = false;
    QString label;
    QString labelGuide;
    QString toolTipTitle;
    QString toolTipText;
    QList<QImage> icon;
    // How often the item announced a change, to check that it stays quiet when nothing changes.
    int labelSignals = 0;
    int iconSignals = 0;
    int toolTipSignals = 0;
    int fetches = 0;
};

// org.kde.StatusNotifierWatcher on the session bus: keeps the list of items, drops those whose
// service leaves the bus, and reads each item's properties again when it says they changed.
class StatusNotifierWatcher final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    // With `hostRegistered` false the watcher runs without a host until one registers.
    StatusNotifierWatcher(const QDBusConnection& connection, bool hostRegistered, QObject* parent = nullptr);

    // Takes the watcher's name on the bus; false when another watcher has it.
    bool start(QString* error);

    QStringList registeredItems() const;
    bool isHostRegistered() const { return m_hostRegistered; }
    int protocolVersion() const { return 0; }
    const QList<HostedItem>& items() const { return m_items; }
    const HostedItem* item(const QString& key) const;

    // Forgets the item as a status bar does that gives up on one it cannot draw.
    bool drop(const QString& key);
    // Calls Activate, SecondaryActivate or ContextMenu on the item.
    void activate(const QString& key, const QString& method, QPoint globalPosition);

public Q_SLOTS:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString& serviceOrPath);
    Q_SCRIPTABLE void RegisterStatusNotifierHost(const QString& service);

Q_SIGNALS:
    Q_SCRIPTABLE void StatusNotifierItemRegistered(const QString& item);
    Q_SCRIPTABLE void StatusNotifierItemUnregistered(const QString& item);
    Q_SCRIPTABLE void StatusNotifierHostRegistered();
    Q_SCRIPTABLE void StatusNotifierHostUnregistered();
    void itemsChanged();

private Q_SLOTS:
    void onNewIcon(const QDBusMessage& message);
    void onNewToolTip(const QDBusMessage& message);
    void onNewTitleOrStatus(const QDBusMessage& message);
    void onNewLabel(const QString& label, const QString& guide, const QDBusMessage& message);

private:
    void fetch(const QString& key);
    void applyProperties(const QString& key, const QVariantMap& properties);
    void remove(const QString& service);
    void forget(qsizetype index);
    void connectItemSignals(const HostedItem& item, bool connect);
    HostedItem* sender(const QDBusMessage& message);
    HostedItem* find(const QString& key);

    QDBusConnection m_connection;
    bool m_hostRegistered;
    QDBusServiceWatcher* m_itemServices;
    QList<HostedItem> m_items;
};
