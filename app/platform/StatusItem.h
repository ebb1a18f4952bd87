// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class QAction;

// The program's entry in the desktop's status bar: a live title, an icon and a tooltip.
class StatusItem : public QObject
{
    Q_OBJECT

public:
    // Where the item is shown, if anywhere. With `none` the UI has to offer the panel as a
    // normal window, since nothing on screen can be clicked to open it.
    enum class Presence { statusNotifier, systemTray, none };
    Q_ENUM(Presence)

    using QObject::QObject;

    // The text shown next to the icon, where the status bar shows texts at all.
    virtual void setTitle(const QString& title) = 0;
    // The same picture at several sizes; the status bar picks the one that suits it.
    virtual void setIcon(const QList<QImage>& images) = 0;
    // A bold first line where the status bar has one, then the rest.
    virtual void setToolTip(const QString& title, const QString& text) = 0;
    // The entries of the menu the status bar shows on a right click, in order.
    virtual void setMenu(const QList<QAction*>& actions) = 0;
    virtual Presence presence() const = 0;

    // How much of a title the bar shows beside the item: all of it, or a few characters (a
    // vertical panel), where a long title is cut before its symbol would show.
    enum class TitleRoom { whole, few };
    Q_ENUM(TitleRoom)
    virtual TitleRoom titleRoom() const { return TitleRoom::whole; }

Q_SIGNALS:
    // The user clicked the item. `hint` is where the status bar says the click was: some give
    // a point relative to themselves, or none at all, so it is a hint and no more.
    void activated(QPoint hint);
    void presenceChanged(StatusItem::Presence presence);
    void titleRoomChanged();
};
