// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/CalendarManager.h"

#include "app/platform/Clock.h"
#include "app/platform/RandomSource.h"
#include "app/platform/RepeatingTimer.h"
#include "app/platform/TimeZoneWatcher.h"
#include "app/state/NotificationManager.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/SoundManager.h"
#include "app/state/TitleText.h"
#include "calendar/LocalCalendar.h"

#include <limits>

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CalendarManager::CalendarManager(Services services, SoundManager* soundManager,
                                 NotificationManager* notificationManager, QObject* parent)
    : QObject(parent), m_services(std::move(services)),
      m_soundManager(soundManager ? soundManager : &SoundManager::shared())
{
    const Instant now = m_services.clock->now();
    m_todayDate = RevolutionaryCalendar::fromGregorian(now);
    m_currentTime = RevolutionaryCalendar::toDecimalTime(now);
    m_currentSlogan = randomSlogan();
    m_viewedGregorianDate = now;
    m_currentDate = m_todayDate;
    m_dailyItem = DailyItems::item(m_currentDate);
    m_viewedEvents = HistoricalData::events(m_currentDate);
    m_lastSloganChange = now;
    m_menuBarFormat = m_services.preferences->read(PreferenceKeys::menuBarFormat);
    m_theme = m_services.preferences->read(PreferenceKeys::appTheme);
    // The hour the program starts in is not a change of hour: no chime at launch.
    m_lastDecimalHour = m_currentTime.hours;

    // The timer and the watcher belong to this object and die with it, so their callbacks never
    // find it gone.
    m_services.timer->start(tickInterval, [this] { tick(); });
    if (m_services.timeZoneWatcher) {
        m_services.timeZoneWatcher->onChange([this] { timeZoneChanged(); });
    }

    m_notificationManager = notificationManager ? notificationManager : &NotificationManager::shared();
    m_notificationManager->start();
}

CalendarManager::~CalendarManager() = default;

QString CalendarManager::menuBarText() const
{
    return fromUtf8(TitleText::menuBarText(m_todayDate, m_currentTime, m_menuBarFormat));
}

QString CalendarManager::shareableText() const
{
    return fromUtf8(TitleText::shareableText(m_currentDate, m_currentTime));
}

void CalendarManager::setMenuBarFormat(MenuBarFormat format)
{
    publish(m_menuBarFormat, format);
    m_services.preferences->write(PreferenceKeys::menuBarFormat, format);
}

void CalendarManager::setTheme(AppTheme theme)
{
    publish(m_theme, theme);
    m_services.preferences->write(PreferenceKeys::appTheme, theme);
}

void CalendarManager::stepDay(qint64 delta)
{
    qint64 offset = 0;
    // Far past any calendar anyway; saturating keeps a wild delta from being undefined.
    if (__builtin_add_overflow(m_dayOffset, delta, &offset)) {
        offset = delta < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    }
    publish(m_dayOffset, offset);
    refreshViewed();
}

void CalendarManager::goToToday()
{
    if (m_dayOffset == 0) {
        return;
    }
    publish(m_dayOffset, qint64{0});
    refreshViewed();
}

void CalendarManager::tick()
{
    const Instant now = m_services.clock->now();
    const RevolutionaryDate today = RevolutionaryCalendar::fromGregorian(now);
    const DecimalTime time = RevolutionaryCalendar::toDecimalTime(now);

    // The year is not compared: a clock set by whole years is not a new day.
    if (today.day != m_todayDate.day || today.month != m_todayDate.month) {
        publish(m_todayDate, today);
        if (m_dayOffset == 0) {
            refreshViewed();
        }
        m_notificationManager->reschedule();
    }

    if (time.hours != m_lastDecimalHour) {
        m_soundManager->playHourChime();
        m_lastDecimalHour = time.hours;
    }

    // A clock set back would otherwise hold the slogan until it caught up with the last change.
    if (now < m_lastSloganChange) {
        m_lastSloganChange = now;
    }
    if (now - m_lastSloganChange > sloganLifetime) {
        publish(m_currentSlogan, randomSlogan());
        m_lastSloganChange = now;
    }

    publish(m_currentTime, time);
}

void CalendarManager::refreshViewed()
{
    const Instant now = m_services.clock->now();
    const Instant viewed = LocalCalendar::addingDays(now, m_dayOffset).value_or(now);
    const RevolutionaryDate date = RevolutionaryCalendar::fromGregorian(viewed);
    publish(m_viewedGregorianDate, viewed);
    publish(m_currentDate, date);
    publish(m_dailyItem, DailyItems::item(date));
    publish(m_viewedEvents, HistoricalData::events(date));
}

void CalendarManager::timeZoneChanged()
{
    // The calendar keeps the offset of the last local day it saw; it must forget it before the
    // next conversion, which then shows the new zone's date and time at once.
    LocalCalendar::zoneChanged();
    tick();
}

QString CalendarManager::randomSlogan()
{
    const auto index = m_services.random->below(static_cast<std::uint32_t>(HistoricalData::slogans.size()));
    const std::string_view slogan = HistoricalData::slogans.at(index);
    return QString::fromUtf8(slogan.data(), static_cast<qsizetype>(slogan.size()));
}
