// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

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
    virtual void setToolTip(const QString& text) = 0;
    virtual Presence presence() const = 0;

Q_SIGNALS:
    // The user clicked the item; the panel belongs just below `globalPosition`.
    void activated(QPoint globalPosition);
    void presenceChanged(StatusItem::Presence presence);
};
