// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/AppTheme.h"
#include "app/state/MenuBarFormat.h"
#include "calendar/DailyItems.h"
#include "calendar/HistoricalData.h"
#include "calendar/Instant.h"
#include "calendar/RevolutionaryCalendar.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

class Clock;
class ClockChangeWatcher;
class ColorScheme;
class DeadlineTimer;
class NotificationManager;
class Preferences;
class RandomSource;
class SoundManager;
class TimeZoneWatcher;

// The program's one state object: today's Republican date and decimal time, the slogan of the
// moment, the day the panel looks at, the appearance choices and the leap-year rule every
// date is reckoned by. Each update also starts the hourly chime and moves the morning reminders
// on each day.
//
// It updates when something shown can change and sleeps in between: on every second while the
// panel is open; otherwise on the next decimal minute while the status item shows the time, and
// on every decimal hour and local midnight. A clock set, a resume and a zone change update at
// once.
//
// changed() is emitted once for every assignment to a published property, after the value is
// stored, also when the value is the same.
class CalendarManager final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        std::shared_ptr<const Clock> clock;
        std::shared_ptr<RandomSource> random;
        std::unique_ptr<DeadlineTimer> timer;
        std::shared_ptr<Preferences> preferences;
        std::shared_ptr<TimeZoneWatcher> timeZoneWatcher;
        std::shared_ptr<ClockChangeWatcher> clockChangeWatcher;
        // The desktop's light or dark preference, for the Desktop theme; none reads as light.
        std::shared_ptr<ColorScheme> colorScheme;
    };

    // A new slogan comes on the first tick more than this long after the last one.
    static constexpr std::chrono::seconds sloganLifetime{300};
    // Two decimal minutes.
    static constexpr std::chrono::milliseconds chimePreparation{172800};

    // Without managers given, the shared ones are used (and created if need be).
    explicit CalendarManager(Services services, SoundManager* soundManager = nullptr,
                             NotificationManager* notificationManager = nullptr, QObject* parent = nullptr);
    ~CalendarManager() override;

    const RevolutionaryDate& todayDate() const { return m_todayDate; }
    const DecimalTime& currentTime() const { return m_currentTime; }
    const QString& currentSlogan() const { return m_currentSlogan; }
    MenuBarFormat menuBarFormat() const { return m_menuBarFormat; }
    // The theme chosen, and the one shown: the Desktop theme shows sepia night on a dark desktop,
    // the light parchment otherwise.
    AppTheme theme() const { return m_theme; }
    AppTheme shownTheme() const;
    LeapRule leapRule() const { return m_leapRule; }
    // Whether the status item's icon shows today's day number on the month's emoji.
    bool iconShowsDay() const { return m_iconShowsDay; }
    qint64 dayOffset() const { return m_dayOffset; }
    const RevolutionaryDate& currentDate() const { return m_currentDate; }
    Instant viewedGregorianDate() const { return m_viewedGregorianDate; }
    const std::optional<DailyItem>& dailyItem() const { return m_dailyItem; }
    const std::vector<HistoricalData::HistoricalEvent>& viewedEvents() const { return m_viewedEvents; }

    bool isViewingToday() const { return m_dayOffset == 0; }
    // The status-bar title of today in the chosen format, or in `format` where a bar has room for less.
    QString menuBarText() const { return menuBarText(m_menuBarFormat); }
    QString menuBarText(MenuBarFormat format) const;
    // The viewed day with the present decimal time, for the clipboard.
    QString shareableText() const;

    // Each publishes and stores the choice, also when it is unchanged.
    void setMenuBarFormat(MenuBarFormat format);
    void setTheme(AppTheme theme);
    void setIconShowsDay(bool shows);
    // Reckons today, the viewed day and the reminders by `rule` at once.
    void setLeapRule(LeapRule rule);

    // Moves the viewed day by `delta` days from today's offset; the days are counted from the
    // present instant, not from the day viewed before.
    void stepDay(qint64 delta);
    // Back to today; nothing happens (and nothing is published) when already there.
    void goToToday();
    // Views the local day `dayNumber` (days since 1970-01-01), as stepDay would from the day viewed.
    void showDay(std::int64_t dayNumber);
    // The local day numbers of today and of the day viewed.
    std::int64_t todayDayNumber() const;
    std::int64_t viewedDayNumber() const { return todayDayNumber() + m_dayOffset; }

    // While the panel is open the time updates on every second; opening it updates at once.
    void setPanelOpen(bool open);
    // Whether the status item's tooltip shows the decimal time, which then keeps the updates on
    // every decimal minute whatever the title's format. Assumed until told otherwise.
    void setTooltipShowsTime(bool shows);

    // The update, then the wait for the next one: the work of each wake.
    void tick();

Q_SIGNALS:
    void changed();

private:
    void update();
    void scheduleNextTick();
    // Whether anything on screen shows the decimal time, which must then stay current.
    bool timeShown() const;
    void refreshViewed();
    void timeZoneChanged();
    QString randomSlogan();

    template <typename T>
    void publish(T& property, T value)
    {
        property = std::move(value);
        Q_EMIT changed();
    }

    Services m_services;
    SoundManager* m_soundManager = nullptr;
    NotificationManager* m_notificationManager = nullptr;

    RevolutionaryDate m_todayDate{};
    DecimalTime m_currentTime{};
    QString m_currentSlogan;
    MenuBarFormat m_menuBarFormat = MenuBarFormat::dateAndTime;
    AppTheme m_theme = AppTheme::light;
    LeapRule m_leapRule = LeapRule::continuous;
    bool m_iconShowsDay = false;
    qint64 m_dayOffset = 0;
    RevolutionaryDate m_currentDate{};
    Instant m_viewedGregorianDate{};
    std::optional<DailyItem> m_dailyItem;
    std::vector<HistoricalData::HistoricalEvent> m_viewedEvents;

    Instant m_lastSloganChange = Instant::min();
    std::int64_t m_lastDecimalHour = -1;
    bool m_panelOpen = false;
    bool m_tooltipShowsTime = true;
};
