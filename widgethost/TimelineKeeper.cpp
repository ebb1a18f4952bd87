// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/TimelineKeeper.h"

#include <QPointer>
#include <QThread>

#include <algorithm>

namespace {

constexpr qint64 reloadRetryMilliseconds = 60 * 1000;

} // namespace

TimelineKeeper::TimelineKeeper(WidgetKit::WidgetConfiguration configuration, WidgetKit::WidgetFamily family,
                               HostClock& clock, QObject* parent)
    : QObject(parent), m_configuration(std::move(configuration)), m_family(family), m_clock(&clock)
{}

TimelineKeeper::~TimelineKeeper()
{
    if (m_clock) {
        m_clock->wakeAt(this, QDateTime());
    }
}

void TimelineKeeper::start()
{
    // The host's alarm is shared: it wakes every keeper, and each looks whether its time came.
    // Nothing here polls: a clock set, a resume and a zone change are told.
    connect(m_clock, &HostClock::due, this, &TimelineKeeper::wake);
    connect(m_clock, &HostClock::changed, this, &TimelineKeeper::reload);
    WidgetKit::TimelineContext context{m_family, WidgetKit::familySize(m_family), false, m_clock->now()};
    show(m_configuration.provider->placeholder(context));
    m_configuration.provider->addReloadListener(this, [this] { reload(); });
    reload();
}

void TimelineKeeper::reload()
{
    const QDateTime now = m_clock->now();
    m_earliestReload = now.addMSecs(reloadRetryMilliseconds);
    const WidgetKit::TimelineContext context{m_family, WidgetKit::familySize(m_family), false, now};
    QPointer<TimelineKeeper> self(this);
    m_configuration.provider->getTimeline(context, [self](WidgetKit::Timeline timeline) {
        if (!self) {
            return;
        }
        if (QThread::currentThread() == self->thread()) {
            self->apply(std::move(timeline));
        } else {
            QMetaObject::invokeMethod(
                self,
                [self, timeline = std::move(timeline)]() mutable {
                    if (self) {
                        self->apply(std::move(timeline));
                    }
                },
                Qt::QueuedConnection);
        }
    });
}

void TimelineKeeper::apply(WidgetKit::Timeline timeline)
{
    std::stable_sort(timeline.entries.begin(), timeline.entries.end(),
                     [](const auto& a, const auto& b) { return a->date < b->date; });
    m_timeline = std::move(timeline);
    m_haveTimeline = true;
    Q_EMIT reloaded();
    wake();
}

void TimelineKeeper::wake()
{
    if (!m_haveTimeline) {
        return;
    }
    const QDateTime now = m_clock->now();
    const auto& entries = m_timeline.entries;
    const auto& policy = m_timeline.policy;
    const bool ended = entries.empty() || entries.back()->date <= now;
    const bool reloadDue = (policy.kind == WidgetKit::ReloadPolicy::Kind::after && policy.date <= now) ||
                           (policy.kind == WidgetKit::ReloadPolicy::Kind::atEnd && ended);
    if (reloadDue && now >= m_earliestReload) {
        reload();
        return;
    }

    // The latest entry not after now; the first one while all lie ahead.
    const auto upcoming = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e->date > now; });
    if (!entries.empty()) {
        show(upcoming == entries.begin() ? entries.front() : *(upcoming - 1));
    }

    QDateTime next;
    if (upcoming != entries.end()) {
        next = (*upcoming)->date;
    }
    if (reloadDue) {
        next = next.isValid() ? std::min(next, m_earliestReload) : m_earliestReload;
    } else if (policy.kind == WidgetKit::ReloadPolicy::Kind::after) {
        next = next.isValid() ? std::min(next, policy.date) : policy.date;
    }
    m_nextWakeUp = next;
    m_clock->wakeAt(this, next);
}

void TimelineKeeper::show(const WidgetKit::EntryPointer& entry)
{
    if (!entry || entry == m_current) {
        return;
    }
    m_current = entry;
    Q_EMIT entryChanged(entry);
}
