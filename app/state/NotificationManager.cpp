// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/NotificationManager.h"

#include "app/platform/Clock.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/SharedInstance.h"
#include "calendar/DailyItems.h"
#include "calendar/LocalCalendar.h"
#include "calendar/RevolutionaryCalendar.h"

#include <utility>

namespace {

SharedInstance<NotificationManager>& sharedNotifications()
{
    static SharedInstance<NotificationManager> instance("NotificationManager");
    return instance;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString reminderBody(const RevolutionaryDate& date)
{
    if (const auto item = DailyItems::item(date)) {
        return fromUtf8(item->emoji) + QStringLiteral(" Aujourd'hui : ") + fromUtf8(item->frenchName) +
               QStringLiteral(" \u2014 ") + fromUtf8(item->name);
    }
    const auto monthIndex = static_cast<std::size_t>(date.month - 1);
    if (date.month == 13 && date.day >= 1 && date.day <= 6) {
        return QStringLiteral("\U0001F389 ") +
               fromUtf8(RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(date.day - 1)));
    }
    return fromUtf8(RevolutionaryCalendar::monthEmojis.at(monthIndex)) + QLatin1Char(' ') +
           fromUtf8(RevolutionaryCalendar::monthNames.at(monthIndex));
}

bool outOfRange(const Preferences& preferences, const PreferenceKey<int>& key)
{
    const std::optional<int> stored = PreferenceCodec<int>::decode(preferences.value(key.name));
    return stored && (*stored < key.lowest.value_or(*stored) || *stored > key.highest.value_or(*stored));
}

} // namespace

bool NotificationManager::configureShared(Services services)
{
    return sharedNotifications().configure(std::move(services));
}

NotificationManager& NotificationManager::shared()
{
    return sharedNotifications().get();
}

NotificationManager::NotificationManager(Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services))
{
    Preferences& preferences = *m_services.preferences;
    // A flag that cannot be read is no sign of a first launch when a valid choice stands beside it.
    if (preferences.read(PreferenceKeys::notificationsConfigured) ||
        (preferences.holdsUnreadable(PreferenceKeys::notificationsConfigured) &&
         preferences.stored(PreferenceKeys::notificationsEnabled))) {
        m_enabled = preferences.read(PreferenceKeys::notificationsEnabled);
        m_hour = preferences.read(PreferenceKeys::notificationHour);
        m_minute = preferences.read(PreferenceKeys::notificationMinute);
        // A time no clock shows (hand-edited, or written by something else) is no choice of the
        // user's: it gets the time a first launch would have given, not the midnight that an
        // absent value reads as.
        if (outOfRange(preferences, PreferenceKeys::notificationHour) ||
            outOfRange(preferences, PreferenceKeys::notificationMinute)) {
            m_hour = firstLaunchHour;
            m_minute = firstLaunchMinute;
        }
        return;
    }
    m_enabled = true;
    m_hour = firstLaunchHour;
    m_minute = firstLaunchMinute;
    preferences.write(PreferenceKeys::notificationsEnabled, m_enabled);
    preferences.write(PreferenceKeys::notificationHour, m_hour);
    preferences.write(PreferenceKeys::notificationMinute, m_minute);
    // Last, so that an interrupted first launch is taken for a first launch again.
    preferences.write(PreferenceKeys::notificationsConfigured, true);
}

void NotificationManager::setEnabled(bool enabled)
{
    m_enabled = enabled;
    Q_EMIT changed();
    m_services.preferences->write(PreferenceKeys::notificationsEnabled, enabled);
    reschedule();
}

void NotificationManager::setHour(int hour)
{
    m_hour = hour;
    Q_EMIT changed();
    m_services.preferences->write(PreferenceKeys::notificationHour, hour);
    reschedule();
}

void NotificationManager::setMinute(int minute)
{
    m_minute = minute;
    Q_EMIT changed();
    m_services.preferences->write(PreferenceKeys::notificationMinute, minute);
    reschedule();
}

void NotificationManager::setLeapRule(LeapRule rule)
{
    if (rule == m_leapRule) {
        return;
    }
    m_leapRule = rule;
    reschedule();
}

void NotificationManager::start()
{
    m_services.center->requestAuthorization(this, [this](bool granted) {
        const Instant now = m_services.clock->now();
        if (!granted) {
            m_refusedSince = m_refusedSince.value_or(now);
            return;
        }
        reschedule();
        // A desktop's notification server may come up only after the reminder's minute: that
        // day's reminder is still owed to it, once.
        const std::optional<Instant> refusedSince = std::exchange(m_refusedSince, std::nullopt);
        const std::optional<NotificationRequest> today = m_enabled ? reminderFor(now) : std::nullopt;
        const std::optional<Instant> fire = today ? today->trigger.fireInstant() : std::nullopt;
        if (refusedSince && fire && *refusedSince < *fire && *fire <= now) {
            m_services.center->add(*today);
        }
    });
}

void NotificationManager::reschedule()
{
    NotificationCenter& center = *m_services.center;
    center.removeAllPending();
    if (!m_enabled) {
        return;
    }
    const Instant now = m_services.clock->now();
    for (int offset = 0; offset < horizon; ++offset) {
        const auto day = LocalCalendar::addingDays(now, offset);
        const std::optional<NotificationRequest> request = day ? reminderFor(*day) : std::nullopt;
        const std::optional<Instant> fire = request ? request->trigger.fireInstant() : std::nullopt;
        if (fire && *fire > now) {
            center.add(*request);
        }
    }
}

std::optional<NotificationRequest> NotificationManager::reminderFor(Instant day) const
{
    CivilDateTime parts = LocalCalendar::components(day);
    parts.hour = m_hour;
    parts.minute = m_minute;
    parts.second = 0;
    // A time that a daylight-saving gap skips resolves to the first instant after the gap, so
    // that day still gets its one reminder.
    const auto fire = LocalCalendar::instant(parts);
    if (!fire) {
        return std::nullopt;
    }
    const RevolutionaryDate date = RevolutionaryCalendar::fromGregorian(*fire, m_leapRule);
    NotificationRequest request;
    request.identifier = QStringLiteral("daily-%1-%2-%3").arg(parts.year).arg(parts.month).arg(parts.day);
    request.title = QString::fromStdString(date.formatted());
    request.body = reminderBody(date);
    request.trigger = {parts.year, parts.month, parts.day, m_hour, m_minute};
    return request;
}

std::vector<NotificationRequest> NotificationManager::pendingReminders() const
{
    return m_services.center->pendingRequests();
}
