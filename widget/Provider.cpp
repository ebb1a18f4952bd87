// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/Provider.h"

namespace {

constexpr int daysAhead = 7;

} // namespace

WidgetKit::EntryPointer Provider::placeholder(const WidgetKit::TimelineContext& context) const
{
    return entry(presentInstant(context));
}

void Provider::getSnapshot(const WidgetKit::TimelineContext& context,
                           std::function<void(WidgetKit::EntryPointer)> completion) const
{
    completion(entry(presentInstant(context)));
}

void Provider::getTimeline(const WidgetKit::TimelineContext& context,
                           std::function<void(WidgetKit::Timeline)> completion) const
{
    completion(timeline(presentInstant(context)));
}

std::shared_ptr<const RevolutionaryDateEntry> Provider::entry(WidgetInstant date)
{
    const WidgetRevolutionaryDate revolutionaryDate = WidgetCalendar::fromGregorian(date);
    return std::make_shared<const RevolutionaryDateEntry>(toDateTime(date), revolutionaryDate,
                                                          WidgetDailyItems::item(revolutionaryDate));
}

WidgetKit::Timeline Provider::timeline(WidgetInstant now)
{
    const std::int64_t today = WidgetLocalTime::localDay(now);
    WidgetKit::Timeline timeline;
    for (int offset = 0; offset < daysAhead; ++offset) {
        // A day that the zone skips altogether (Samoa left out 30 December 2011) has no
        // midnight; its entry would only repeat the next day's.
        const WidgetInstant midnight = WidgetLocalTime::firstInstantFrom(today + offset);
        if (WidgetLocalTime::localDay(midnight) == today + offset) {
            timeline.entries.push_back(entry(midnight));
        }
    }
    timeline.policy = WidgetKit::ReloadPolicy::after(toDateTime(WidgetLocalTime::firstInstantFrom(today + 1)));
    return timeline;
}

WidgetInstant Provider::presentInstant(const WidgetKit::TimelineContext& context)
{
    // The zone may have changed since the last request.
    WidgetLocalTime::refreshZone();
    if (context.now.isValid()) {
        return toWidgetInstant(context.now);
    }
    return std::chrono::time_point_cast<std::chrono::microseconds>(std::chrono::system_clock::now());
}
