// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QList>
#include <QObject>
#include <QPointer>

class DBusMenuAdaptor;
class QAction;

// A flat menu of actions exported as com.canonical.dbusmenu, the menu a StatusNotifierItem
// names in its Menu property. Status bars draw it themselves and send back the clicks, which
// trigger the actions. Entry ids are the action's place in the list plus one; 0 is the root.
// QtDBus gives the calling message to the object an adaptor belongs to, so errors are answered
// from here.
class DBusMenu final : public QObject, protected QDBusContext
{
    Q_OBJECT

public:
    explicit DBusMenu(const QDBusConnection& connection, QObject* parent = nullptr);
    ~DBusMenu() override;

    // Where the menu is on the bus; a null path when it could not be exported.
    QDBusObjectPath objectPath() const;
    // The entries, in order. Changes to an action (text, enabled, visible) reach the bus too.
    void setActions(const QList<QAction*>& actions);
    QList<QAction*> actions() const;

private:
    friend class DBusMenuAdaptor;

    QAction* action(int id) const;
    void layoutChanged();

    QDBusConnection m_connection;
    DBusMenuAdaptor* m_adaptor = nullptr;
    bool m_exported = false;
    QList<QPointer<QAction>> m_actions;
    uint m_revision = 1;
};
