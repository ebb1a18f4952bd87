// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/statusitem/StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QMutex>
#include <QObject>
#include <QPoint>

#include <atomic>

// The object at /StatusNotifierItem that status bars read and click.
// Why QtDBus's thread and libdbus: every change of the title is followed by the bar reading it
// back (NewToolTip carries no value), so answering those reads on QtDBus's own thread lets the
// main thread sleep through them; and the change signals go out through libdbus from the
// calling thread (DBusSignalNow), because QtDBus would first wake its thread to send them. Each
// change then costs the two wake-ups it must.
//
// Its values are set from any thread and read at once; the bus hears of the changes when
// announce() is called. What the bar asks of the program arrives as the signals below, queued to
// the thread of whoever listens.
class StatusNotifierItemObject final : public QObject
{
    Q_OBJECT

public:
    StatusNotifierItemObject(const QDBusConnection& connection, const QDBusObjectPath& menu);

    void setLabel(const QString& label, const QString& guide);
    void setIcon(const StatusNotifierImageList& icon);
    void setToolTip(const QString& title, const QString& text);
    // Tells the bus what changed since the last announcement.
    void announce();
    // The next read of the item's Id is reported by identityRead(), once: the main thread is not
    // woken by every read.
    void reportNextIdentityRead() { m_reportIdentityRead = true; }
    void noteIdentityRead();

    // What the bar reads.
    QString label() const;
    QString labelGuide() const;
    StatusNotifierImageList icon() const;
    StatusNotifierToolTip toolTip() const;
    QDBusObjectPath menu() const { return m_menu; }

Q_SIGNALS:
    // Activate or SecondaryActivate at the point the host sends.
    void activated(QPoint point);
    // The label extension's click, which carries no point: the pointer's is meant.
    void activatedAtPointer();
    void contextMenuRequested();
    void identityRead();
    void activationTokenProvided(const QString& token);

private:
    enum Change : unsigned { labelChanged = 1, iconChanged = 2, toolTipChanged = 4 };

    const QDBusConnection m_connection;
    const QDBusObjectPath m_menu;
    std::atomic<bool> m_reportIdentityRead = false;

    mutable QMutex m_mutex;
    QString m_label;
    QString m_labelGuide;
    StatusNotifierImageList m_icon;
    QString m_toolTipTitle;
    QString m_toolTip;
    // Changes the bus has not heard of yet.
    unsigned m_unannounced = 0;
};
