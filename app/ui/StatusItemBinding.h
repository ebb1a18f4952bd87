// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/EmojiIconRenderer.h"

#include <QObject>
#include <QString>

#include <optional>

class CalendarManager;
class StatusItem;

// Keeps the status item showing today's title, the month's emoji as its icon (with the day's number
// on it when chosen), and the full date and time as its tooltip. The manager publishes every
// decimal second; the item itself sends nothing to the desktop unless a value really changed.
class StatusItemBinding final : public QObject
{
    Q_OBJECT

public:
    StatusItemBinding(const CalendarManager& calendar, StatusItem& item, QObject* parent = nullptr);

private:
    void update();

    const CalendarManager& m_calendar;
    StatusItem& m_item;
    EmojiIconRenderer m_icons;
    QString m_title;
    QString m_toolTipTitle;
    QString m_toolTip;
    qint64 m_iconMonth = 0;
    std::optional<int> m_iconDay;
};
