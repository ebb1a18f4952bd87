// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/session/DBusNotificationCenter.h"

#include "app/platform/Clock.h"
#include "app/platform/ClockChangeWatcher.h"
#include "calendar/LocalCalendar.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QPointer>
#include <QVariantMap>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage notificationsCall(const QString& method)
{
    return QDBusMessage::createMethodCall(service, path, service, method);
}

bool sameLocalDay(Instant a, Instant b)
{
    const CivilDateTime first = LocalCalendar::components(a);
    const CivilDateTime second = LocalCalendar::components(b);
    return first.year == second.year && first.month == second.month && first.day == second.day;
}

bool dueToday(const NotificationRequest& request, Instant now)
{
    const std::optional<Instant> fire = request.trigger.fireInstant();
    return fire && *fire <= now && sameLocalDay(*fire, now);
}

// Refusals that mean nobody owns the name (and the bus could start nobody), as opposed to a
// server that took the call and said no.
bool noServer(const QDBusError& error)
{
    return error.type() == QDBusError::ServiceUnknown ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
           error.name().startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn."));
}

} // namespace

DBusNotificationCenter::DBusNotificationCenter(std::shared_ptr<const Clock> clock,
                                               std::shared_ptr<ClockChangeWatcher> clockChanges,
                                               std::shared_ptr<TimeZoneWatcher> zoneChanges, QObject* parent)
    : QObject(parent), m_clock(std::move(clock)), m_clockChanges(std::move(clockChanges)),
      m_zoneChanges(std::move(zoneChanges))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DBusNotificationCenter::deliverDue);
    if (m_clockChanges) {
        connect(m_clockChanges.get(), &ClockChangeWatcher::clockChanged, this, &DBusNotificationCenter::deliverDue);
    }
    if (m_zoneChanges) {
        connect(m_zoneChanges.get(), &TimeZoneWatcher::changed, this, [this] {
            LocalCalendar::zoneChanged();
            deliverDue();
        });
    }

    // Desktops often start their notification server after the programs of the session, and a
    // user may restart one; either way the server that comes is the one to tell.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        m_serverWatcher.setConnection(bus);
        m_serverWatcher.setWatchMode(QDBusServiceWatcher::WatchForRegistration);
        m_serverWatcher.addWatchedService(service);
        connect(&m_serverWatcher, &QDBusServiceWatcher::serviceRegistered, this,
                &DBusNotificationCenter::serverAppeared);
    }
}

DBusNotificationCenter::~DBusNotificationCenter() = default;

void DBusNotificationCenter::requestAuthorization(QObject* context, std::function<void(bool granted)> answer)
{
    const QPointer<QObject> guard(context);
    m_askers.emplace_back(guard, answer);
    const auto reply = [guard, answer = std::move(answer)](bool granted) {
        if (guard) {
            answer(granted);
        }
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QMetaObject::invokeMethod(
            this, [reply] { reply(false); }, Qt::QueuedConnection);
        return;
    }
    // Any notification server that answers can show what we send. The call starts a server that
    // the bus activates on demand, so such a server counts as there.
    auto* watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(notificationsCall(QStringLiteral("GetServerInformation"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [reply](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        reply(!finished->isError());
    });
}

void DBusNotificationCenter::add(const NotificationRequest& request)
{
    const auto same = std::find_if(m_pending.begin(), m_pending.end(), [&request](const NotificationRequest& pending) {
        return pending.identifier == request.identifier;
    });
    if (same != m_pending.end()) {
        *same = request;
    } else {
        m_pending.push_back(request);
    }
    recheckSoon();
}

void DBusNotificationCenter::removeAllPending()
{
    m_pending.clear();
    m_held.clear();
    ++m_generation;
    m_timer.stop();
}

std::vector<NotificationRequest> DBusNotificationCenter::pendingRequests() const
{
    return m_pending;
}

void DBusNotificationCenter::deliverDue()
{
    const Instant now = m_clock->now();
    std::erase_if(m_sent, [now](const NotificationRequest& sent) { return !dueToday(sent, now); });
    std::optional<Instant> earliest;
    std::vector<NotificationRequest> waiting;
    for (const NotificationRequest& request : m_pending) {
        // Resolved afresh each time, so the triggers follow a change of time zone.
        const std::optional<Instant> fire = request.trigger.fireInstant();
        if (!fire) {
            continue;
        }
        if (*fire <= now) {
            if (dueToday(request, now) && std::find(m_sent.begin(), m_sent.end(), request) == m_sent.end()) {
                deliver(request);
            }
            continue;
        }
        earliest = earliest ? std::min(*earliest, *fire) : *fire;
        waiting.push_back(request);
    }
    m_pending = std::move(waiting);
    if (!earliest) {
        m_timer.stop();
        return;
    }
    // Round up so the timer does not wake a moment early and go round again. The window holds two
    // weeks, well within what a timer can wait.
    m_timer.start(std::chrono::ceil<std::chrono::milliseconds>(*earliest - now));
}

std::optional<std::chrono::milliseconds> DBusNotificationCenter::nextCheckIn() const
{
    if (!m_timer.isActive()) {
        return std::nullopt;
    }
    return m_timer.remainingTimeAsDuration();
}

void DBusNotificationCenter::deliver(const NotificationRequest& request)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage notify = notificationsCall(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("sound-name"), QStringLiteral("message-new-instant")}};
    notify << QStringLiteral("Quintaval") << 0u << QStringLiteral("quintaval") << request.title << request.body
           << QStringList() << hints << -1;
    m_sent.push_back(request);
    // A server that refuses is not ours to report; one that is not there yet may still come today.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request, generation = m_generation](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (finished->isError() && noServer(finished->error()) && generation == m_generation) {
                    std::erase(m_sent, request);
                    m_held.push_back(request);
                }
            });
}

void DBusNotificationCenter::serverAppeared()
{
    // What fell due while nobody could show it goes to the new server before anyone rebuilds the
    // pending requests, since a rebuild keeps only what is still ahead.
    deliverDue();
    const Instant now = m_clock->now();
    for (const NotificationRequest& request : std::exchange(m_held, {})) {
        if (dueToday(request, now)) {
            deliver(request);
        }
    }
    std::erase_if(m_askers, [](const auto& asker) { return asker.first.isNull(); });
    const auto askers = m_askers; // an answer may ask again
    for (const auto& [context, answer] : askers) {
        if (context) {
            answer(true);
        }
    }
}

void DBusNotificationCenter::recheckSoon()
{
    // Adding the fourteen requests of a window costs one check, made when control returns to the
    // event loop.
    m_timer.start(0);
}
