// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/StatusItem.h"
#include "app/platform/StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QDBusMessage>

class QDBusServiceWatcher;
class QEventLoop;
class StatusNotifierItemAdaptor;

// The status item spoken over D-Bus as a StatusNotifierItem, with the label extension that
// GNOME's AppIndicator extension, MATE and Cinnamon show next to the icon. It registers with
// the StatusNotifierWatcher whenever one (re)appears on the bus, and tells the bus about a
// new label, icon or tooltip only when the value really changed.
class StatusNotifierItem final : public StatusItem
{
    Q_OBJECT

public:
    explicit StatusNotifierItem(const QDBusConnection& connection = QDBusConnection::sessionBus(),
                                QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    void setTitle(const QString& title) override;
    void setIcon(const QList<QImage>& images) override;
    void setToolTip(const QString& text) override;
    // `statusNotifier` once a watcher accepted the item and a status bar host is running.
    Presence presence() const override;

    // Waits, running the event loop, until the registration under way has been answered.
    // True when nothing is left pending.
    bool waitForRegistration(int timeoutMs);
    // Why the item is not shown, in a few words; empty while it is.
    QString unavailableReason() const;
    QString serviceName() const { return m_serviceName; }

private:
    friend class StatusNotifierItemAdaptor;

    void registerWithWatcher();
    void onRegisterReply(const QDBusMessage& reply, quint64 attempt);
    void queryHost(quint64 attempt);
    void onHostReply(const QDBusMessage& reply, quint64 attempt);
    void callWatcher(const QDBusMessage& call, quint64 attempt,
                     void (StatusNotifierItem::*onReply)(const QDBusMessage&, quint64));
    void onWatcherGone();
    // Slots by name: QtDBus connects signals of remote objects only that way.
    Q_SLOT void onHostRegistered();
    Q_SLOT void onHostUnregistered();
    void finishPending();
    void updatePresence();

    QDBusConnection m_connection;
    QString m_serviceName;
    StatusNotifierItemAdaptor* m_adaptor = nullptr;
    QDBusServiceWatcher* m_watcherWatcher = nullptr;
    bool m_exported = false;
    // Accepted by the watcher now on the bus; m_problem says why not.
    bool m_registered = false;
    QString m_problem;
    bool m_hostRegistered = false;
    bool m_shown = false;
    // Each registration gets a number so that a late answer to an earlier one is ignored.
    quint64 m_attempt = 0;
    bool m_pending = false;
    QEventLoop* m_waitLoop = nullptr;

    QString m_title;
    QString m_labelGuide;
    QList<QImage> m_iconImages;
    StatusNotifierImageList m_icon;
    QString m_toolTip;
};
