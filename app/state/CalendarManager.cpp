// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/CalendarManager.h"

#include "app/platform/Clock.h"
#include "app/platform/ClockChangeWatcher.h"
#include "app/platform/ColorScheme.h"
#include "app/platform/DeadlineTimer.h"
#include "app/platform/RandomSource.h"
#include "app/platform/TimeZoneWatcher.h"
#include "app/state/DecimalBoundaries.h"
#include "app/state/LeapRuleChoice.h"
#include "app/state/NotificationManager.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/SoundManager.h"
#include "app/state/TitleText.h"
#include "calendar/LocalCalendar.h"

#include <algorithm>
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
    std::optional<std::string> unknownRule;
    m_leapRule = LeapRuleChoice::read(*m_services.preferences, unknownRule);
    m_todayDate = RevolutionaryCalendar::fromGregorian(now, m_leapRule);
    m_currentTime = RevolutionaryCalendar::toDecimalTime(now);
    m_currentSlogan = randomSlogan();
    m_viewedGregorianDate = now;
    m_currentDate = m_todayDate;
    m_dailyItem = DailyItems::item(m_currentDate);
    m_viewedEvents = HistoricalData::events(m_currentDate);
    m_lastSloganChange = now;
    m_menuBarFormat = m_services.preferences->read(PreferenceKeys::menuBarFormat);
    m_theme = m_services.preferences->read(PreferenceKeys::appTheme);
    m_iconShowsDay = m_services.preferences->read(PreferenceKeys::iconShowsDay);
    // The hour the program starts in is not a change of hour: no chime at launch.
    m_lastDecimalHour = m_currentTime.hours;

    // The timer belongs to this object and dies with it, so its callback never finds it gone; the
    // watchers are shared, hence the connections' context.
    scheduleNextTick();
    if (m_services.timeZoneWatcher) {
        connect(m_services.timeZoneWatcher.get(), &TimeZoneWatcher::changed, this, &CalendarManager::timeZoneChanged);
    }
    if (m_services.clockChangeWatcher) {
        connect(m_services.clockChangeWatcher.get(), &ClockChangeWatcher::clockChanged, this, &CalendarManager::tick);
    }
    if (m_services.colorScheme) {
        connect(m_services.colorScheme.get(), &ColorScheme::changed, this, [this] {
            if (m_theme == AppTheme::desktop) {
                Q_EMIT changed();
            }
        });
    }

    m_notificationManager = notificationManager ? notificationManager : &NotificationManager::shared();
    m_notificationManager->setLeapRule(m_leapRule);
    m_notificationManager->start();
}

CalendarManager::~CalendarManager() = default;

QString CalendarManager::menuBarText(MenuBarFormat format) const
{
    return fromUtf8(TitleText::menuBarText(m_todayDate, m_currentTime, format));
}

QString CalendarManager::shareableText() const
{
    return fromUtf8(TitleText::shareableText(m_currentDate, m_currentTime));
}

void CalendarManager::setMenuBarFormat(MenuBarFormat format)
{
    // While nothing showed the time it was not kept current; a format that shows it must not
    // show the one of the last update, maybe hours old.
    if (!timeShown() && TitleText::showsTime(format)) {
        update();
    }
    publish(m_menuBarFormat, format);
    m_services.preferences->write(PreferenceKeys::menuBarFormat, format);
    scheduleNextTick();
}

AppTheme CalendarManager::shownTheme() const
{
    if (m_theme != AppTheme::desktop) {
        return m_theme;
    }
    return m_services.colorScheme && m_services.colorScheme->prefersDark() ? AppTheme::sepiaNight : AppTheme::light;
}

void CalendarManager::setTheme(AppTheme theme)
{
    publish(m_theme, theme);
    m_services.preferences->write(PreferenceKeys::appTheme, theme);
}

void CalendarManager::setIconShowsDay(bool shows)
{
    publish(m_iconShowsDay, shows);
    m_services.preferences->write(PreferenceKeys::iconShowsDay, shows);
}

void CalendarManager::setLeapRule(LeapRule rule)
{
    publish(m_leapRule, rule);
    m_services.preferences->write(PreferenceKeys::leapRule, rule);
    // The year is not compared by update(), and the same day may be another date under the new
    // rule: today is reckoned afresh here.
    publish(m_todayDate, RevolutionaryCalendar::fromGregorian(m_services.clock->now(), rule));
    refreshViewed();
    m_notificationManager->setLeapRule(rule);
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

void CalendarManager::showDay(std::int64_t dayNumber)
{
    stepDay(dayNumber - viewedDayNumber());
}

std::int64_t CalendarManager::todayDayNumber() const
{
    const std::int64_t wall = LocalCalendar::wallClockSeconds(m_services.clock->now());
    return wall / 86400 - (wall % 86400 < 0 ? 1 : 0);
}

void CalendarManager::setPanelOpen(bool open)
{
    if (open == m_panelOpen) {
        return;
    }
    m_panelOpen = open;
    if (open) {
        tick();
    } else {
        scheduleNextTick();
    }
}

void CalendarManager::setTooltipShowsTime(bool shows)
{
    if (shows == m_tooltipShowsTime) {
        return;
    }
    const bool wasShown = timeShown();
    m_tooltipShowsTime = shows;
    if (!wasShown && shows) {
        update();
    }
    scheduleNextTick();
}

void CalendarManager::tick()
{
    update();
    // Loading the chime takes longer than its hour may wait, so the updates shortly before the
    // hour get it ready (while only the date is shown there are none, and it loads on the hour).
    const Instant now = m_services.clock->now();
    if (DecimalBoundaries::next(now, DecimalBoundaries::Unit::hour) - now <= chimePreparation) {
        m_soundManager->prepareHourChime();
    }
    scheduleNextTick();
}

void CalendarManager::scheduleNextTick()
{
    using DecimalBoundaries::Unit;
    const Instant now = m_services.clock->now();
    // Every decimal hour even with the chime off: the hour seen last must stay current, or a
    // chime switched on later would ring at the next update instead of on the hour.
    Instant next = std::min(DecimalBoundaries::next(now, Unit::hour), DecimalBoundaries::next(now, Unit::day));
    if (m_panelOpen) {
        next = DecimalBoundaries::next(now, Unit::second);
    } else if (timeShown()) {
        next = std::min(next, DecimalBoundaries::next(now, Unit::minute));
    }
    m_services.timer->wakeAt(next, [this] { tick(); });
}

bool CalendarManager::timeShown() const
{
    return m_panelOpen || m_tooltipShowsTime || TitleText::showsTime(m_menuBarFormat);
}

void CalendarManager::update()
{
    const Instant now = m_services.clock->now();
    const RevolutionaryDate today = RevolutionaryCalendar::fromGregorian(now, m_leapRule);
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
    const RevolutionaryDate date = RevolutionaryCalendar::fromGregorian(viewed, m_leapRule);
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
