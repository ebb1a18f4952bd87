// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/StatusItemBinding.h"

#include "app/platform/StatusItem.h"
#include "app/state/CalendarManager.h"
#include "app/state/TitleLine.h"
#include "app/ui/PanelText.h"

StatusItemBinding::StatusItemBinding(const CalendarManager& calendar, StatusItem& item, QObject* parent)
    : QObject(parent), m_calendar(calendar), m_item(item)
{
    connect(&calendar, &CalendarManager::changed, this, &StatusItemBinding::update);
    connect(&item, &StatusItem::titleRoomChanged, this, &StatusItemBinding::update);
    update();
}

void StatusItemBinding::update()
{
    // Where the bar has room for a few characters only, the day's number stands for the date,
    // so that the month's symbol still shows; the time alone is short enough as it is.
    MenuBarFormat format = m_calendar.menuBarFormat();
    if (m_item.titleRoom() == StatusItem::TitleRoom::few &&
        (format == MenuBarFormat::dateAndTime || format == MenuBarFormat::date)) {
        format = MenuBarFormat::dayNumber;
    }
    const QString title = m_calendar.menuBarText(format);
    if (title != m_title) {
        m_title = title;
        m_item.setTitle(title);
    }
    // The tray of many desktops shows no text, and the chosen title may hold the time alone: the
    // tooltip always has the whole title, then what quintaval-title gives status bars as theirs.
    const RevolutionaryDate& today = m_calendar.todayDate();
    const DecimalTime& time = m_calendar.currentTime();
    const QString toolTipTitle = m_calendar.menuBarText(MenuBarFormat::dateAndTime);
    const QString toolTip = PanelText::fromUtf8(TitleLine::tooltip(today, time, m_calendar.leapRule()));
    if (toolTipTitle != m_toolTipTitle || toolTip != m_toolTip) {
        m_toolTipTitle = toolTipTitle;
        m_toolTip = toolTip;
        m_item.setToolTip(toolTipTitle, toolTip);
    }
    // The day changes the icon only where it shows the day's number: the same pictures are not
    // handed over again, and a tray that shows icons alone learns the new day with the title.
    const qint64 month = today.month;
    const std::optional<int> day =
        m_calendar.iconShowsDay() ? std::optional<int>(static_cast<int>(today.day)) : std::nullopt;
    if (month != m_iconMonth || day != m_iconDay) {
        m_iconMonth = month;
        m_iconDay = day;
        m_item.setIcon(m_icons.render(
            PanelText::fromUtf8(RevolutionaryCalendar::monthEmojis.at(static_cast<std::size_t>(month - 1))), day));
    }
}
