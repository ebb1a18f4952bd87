// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/HostClock.h"
#include "widgethost/WidgetKit.h"

#include <QObject>
#include <QPointer>

// Keeps one placed widget's timeline: shows the entry whose date is the latest not after now,
// switches at the next entry's date, and asks the provider for a new timeline when its reload
// policy says so, when the provider asks, or when the wall clock jumped (set by hand, or the
// machine woke up) or the time zone changed.
class TimelineKeeper final : public QObject
{
    Q_OBJECT

public:
    TimelineKeeper(WidgetKit::WidgetConfiguration configuration, WidgetKit::WidgetFamily family, HostClock& clock,
                   QObject* parent = nullptr);
    ~TimelineKeeper() override;

    // Shows the placeholder, then asks for the first timeline.
    void start();

    WidgetKit::EntryPointer currentEntry() const { return m_current; }
    // When the keeper will look again; invalid while it waits for a timeline.
    QDateTime nextWakeUp() const { return m_nextWakeUp; }

public Q_SLOTS:
    // Asks the provider for a new timeline.
    void reload();
    // Looks at the clock: switches entries and reloads as due, then asks the host's clock for
    // the next wake-up.
    void wake();

Q_SIGNALS:
    void entryChanged(const WidgetKit::EntryPointer& entry);
    void reloaded();

private:
    void apply(WidgetKit::Timeline timeline);
    void show(const WidgetKit::EntryPointer& entry);

    WidgetKit::WidgetConfiguration m_configuration;
    WidgetKit::WidgetFamily m_family;
    // Windows go with deleteLater(), which may come after the clock is gone.
    QPointer<HostClock> m_clock;
    WidgetKit::Timeline m_timeline;
    bool m_haveTimeline = false;
    WidgetKit::EntryPointer m_current;
    QDateTime m_nextWakeUp;
    // A provider whose reload date has already passed is asked again no sooner than this.
    QDateTime m_earliestReload;
};
