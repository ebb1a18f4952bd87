// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/StatusItem.h"

// A status item that keeps what it is given and is shown wherever the test says. No Q_OBJECT:
// it adds no signals, and the support library that lists it does not link the platform's code.
class FakeStatusItem final : public StatusItem
{
public:
    using StatusItem::StatusItem;

    void setTitle(const QString& title) override
    {
        m_title = title;
        ++m_titleSets;
    }
    void setIcon(const QList<QImage>& images) override
    {
        m_icon = images;
        ++m_iconSets;
    }
    void setToolTip(const QString& title, const QString& text) override
    {
        m_toolTipTitle = title;
        m_toolTip = text;
    }
    void setMenu(const QList<QAction*>& actions) override { m_menu = actions; }
    Presence presence() const override { return m_presence; }
    TitleRoom titleRoom() const override { return m_titleRoom; }

    void setPresence(Presence presence)
    {
        m_presence = presence;
        Q_EMIT presenceChanged(presence);
    }
    void setTitleRoom(TitleRoom room)
    {
        m_titleRoom = room;
        Q_EMIT titleRoomChanged();
    }
    // As if the user clicked the item.
    void click(QPoint globalPosition) { Q_EMIT activated(globalPosition); }

    QString title() const { return m_title; }
    int titleSets() const { return m_titleSets; }
    QList<QImage> icon() const { return m_icon; }
    int iconSets() const { return m_iconSets; }
    QString toolTipTitle() const { return m_toolTipTitle; }
    QString toolTip() const { return m_toolTip; }
    QList<QAction*> menu() const { return m_menu; }

private:
    Presence m_presence = Presence::statusNotifier;
    TitleRoom m_titleRoom = TitleRoom::whole;
    QString m_title;
    int m_titleSets = 0;
    int m_iconSets = 0;
    QList<QImage> m_icon;
    QString m_toolTipTitle;
    QString m_toolTip;
    QList<QAction*> m_menu;
};
