// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/StatusItem.h"
#include "app/platform/statusitem/StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTimer>

#include <memory>

class DBusMenu;
class MateTrayPanels;
class QDBusServiceWatcher;
class QEventLoop;
class QMenu;
class StatusNotifierItemObject;

// The status item spoken over D-Bus as a StatusNotifierItem, with the label extension that
// GNOME's AppIndicator extension, MATE and Cinnamon show next to the icon. It registers with
// the StatusNotifierWatcher whenever one (re)appears on the bus, checks that the watcher keeps
// listing it, and tells the bus about a new label, icon or tooltip only when the value really
// changed. Its menu is a com.canonical.dbusmenu object on the same connection.
class StatusNotifierItem final : public StatusItem
{
    Q_OBJECT

public:
    explicit StatusNotifierItem(const QDBusConnection& connection = QDBusConnection::sessionBus(),
                                QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    void setTitle(const QString& title) override;
    void setIcon(const QList<QImage>& images) override;
    void setToolTip(const QString& title, const QString& text) override;
    void setMenu(const QList<QAction*>& actions) override;
    // `statusNotifier` once a watcher accepted the item and a status bar host is running, as
    // long as the watcher lists it.
    Presence presence() const override;
    // `few` where the status bar draws the label alone on a vertical panel (MATE).
    TitleRoom titleRoom() const override;

    // Registers with the watcher if one runs (and with every watcher that appears later, from
    // construction on). Called once the title, icon and menu are set, so that the status bar's
    // first look finds them.
    void start();
    // Waits, running the event loop, until the registration under way has been answered.
    // True when nothing is left pending.
    bool waitForRegistration(int timeoutMs);
    // Why the item is not shown, in a few words; empty while it is.
    QString unavailableReason() const;
    // A watcher runs but does not show the item: it refused it, dropped it or never listed it.
    bool isRejected() const { return m_rejected; }
    QString serviceName() const { return m_serviceName; }
    // The label as the bus sees it: the title, with or without its symbol (see labelFor).
    QString label() const { return m_label; }

private:
    void registerWithWatcher();
    void onRegisterReply(const QDBusMessage& reply, quint64 attempt);
    void queryHost(quint64 attempt);
    void onHostReply(const QDBusMessage& reply, quint64 attempt);
    void callWatcher(const QDBusMessage& call, quint64 attempt,
                     void (StatusNotifierItem::*onReply)(const QDBusMessage&, quint64));
    void onWatcherGone();
    void onWatcherOwnerChanged(const QString& service, const QString& oldOwner, const QString& newOwner);
    void checkListed();
    void onListReply(const QDBusMessage& reply, quint64 attempt);
    void reject(const QString& problem);
    void restateIdentity();
    void updateLabel();
    void announceSoon();
    void showContextMenu();
    void useActivationToken(const QString& token);
    // Slots by name: QtDBus connects signals of remote objects only that way.
    Q_SLOT void onHostRegistered();
    Q_SLOT void onHostUnregistered();
    Q_SLOT void onItemUnregistered(const QString& item);
    void finishPending();
    void updatePresence();

    QDBusConnection m_connection;
    QString m_serviceName;
    // The object the bus talks to, on the connection's thread.
    StatusNotifierItemObject* m_object = nullptr;
    bool m_announcementQueued = false;
    QDBusServiceWatcher* m_watcherWatcher = nullptr;
    bool m_exported = false;
    // Accepted by the watcher now on the bus; m_problem says why not.
    bool m_registered = false;
    bool m_rejected = false;
    QString m_problem;
    // A watcher may accept the item and still drop it a moment later (GNOME's extension does, for
    // an item it cannot draw), so the list is read again after a while.
    QTimer m_listingCheck;
    // GNOME's AppIndicator extension may forget the item's Id and Menu right after reading them,
    // when its watch on our name reports the owner late; it then fails to read them again, and
    // drops the item or leaves it blank. Said again once, a moment after the host first reads
    // them, they stay.
    QTimer m_identityRestatement;
    bool m_hostRegistered = false;
    bool m_shown = false;
    // Each registration gets a number so that a late answer to an earlier one is ignored.
    quint64 m_attempt = 0;
    bool m_pending = false;
    QEventLoop* m_waitLoop = nullptr;

    DBusMenu* m_menu = nullptr;
    std::unique_ptr<QMenu> m_contextMenu;

    QString m_title;
    bool m_labelAlone = false;
    // Read only where the label is drawn alone: there the panel's orientation decides its room.
    MateTrayPanels* m_matePanels = nullptr;
    QString m_label;
    QList<QImage> m_iconImages;
    StatusNotifierImageList m_icon;
    QString m_toolTipTitle;
    QString m_toolTip;
};
