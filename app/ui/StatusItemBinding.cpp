// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/StatusItemBinding.h"

#include "app/platform/StatusItem.h"
#include "app/state/CalendarManager.h"
#include "app/ui/PanelText.h"

StatusItemBinding::StatusItemBinding(const CalendarManager& calendar, StatusItem& item, QObject* parent)
    : QObject(parent), m_calendar(calendar), m_item(item)
{
    connect(&calendar, &CalendarManager::changed, this, &StatusItemBinding::update);
    update();
}

void StatusItemBinding::update()
{
    const QString title = m_calendar.menuBarText();
    if (title != m_title) {
        m_title = title;
        m_item.setTitle(title);
        m_item.setToolTip(title);
    }
    const qint64 month = m_calendar.todayDate().month;
    if (month != m_iconMonth) {
        m_iconMonth = month;
        m_item.setIcon(m_icons.render(
            PanelText::fromUtf8(RevolutionaryCalendar::monthEmojis.at(static_cast<std::size_t>(month - 1)))));
    }
}
