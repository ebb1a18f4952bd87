// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/Provider.h"

#include "calendar/LocalCalendar.h"

namespace {

constexpr int daysAhead = 7;

std::int64_t localDayNumber(const CivilDateTime& civil)
{
    return LocalCalendar::dayNumber(civil.year, civil.month, civil.day);
}

} // namespace

Provider::Provider(std::shared_ptr<LeapRuleSetting> leapRule) : m_leapRule(std::move(leapRule)) {}

WidgetKit::EntryPointer Provider::placeholder(const WidgetKit::TimelineContext& context) const
{
    return entry(presentInstant(context), leapRule());
}

void Provider::getSnapshot(const WidgetKit::TimelineContext& context,
                           std::function<void(WidgetKit::EntryPointer)> completion) const
{
    completion(entry(presentInstant(context), leapRule()));
}

void Provider::getTimeline(const WidgetKit::TimelineContext& context,
                           std::function<void(WidgetKit::Timeline)> completion) const
{
    completion(timeline(presentInstant(context), leapRule()));
}

void Provider::addReloadListener(QObject* context, std::function<void()> reload) const
{
    m_leapRule->watch();
    QObject::connect(m_leapRule.get(), &LeapRuleSetting::changed, context, std::move(reload));
}

std::shared_ptr<const RevolutionaryDateEntry> Provider::entry(WidgetInstant date, LeapRule rule)
{
    const WidgetRevolutionaryDate revolutionaryDate = RevolutionaryCalendar::fromGregorian(date, rule);
    return std::make_shared<const RevolutionaryDateEntry>(toDateTime(date), revolutionaryDate,
                                                          DailyItems::item(revolutionaryDate));
}

WidgetKit::Timeline Provider::timeline(WidgetInstant now, LeapRule rule)
{
    const CivilDateTime today = LocalCalendar::components(now);
    // Midnight `days` after today's; where the clocks skip midnight, the end of the gap.
    const auto midnight = [&today](int days) {
        return LocalCalendar::instant({today.year, today.month, today.day + days, 0, 0, 0});
    };
    WidgetKit::Timeline timeline;
    for (int offset = 0; offset < daysAhead; ++offset) {
        // A day that the zone skips altogether (Samoa left out 30 December 2011) has no
        // midnight: the gap ends on the next day, whose entry comes in its own turn.
        const std::optional<WidgetInstant> start = midnight(offset);
        if (start && localDayNumber(LocalCalendar::components(*start)) == localDayNumber(today) + offset) {
            timeline.entries.push_back(entry(*start, rule));
        }
    }
    // Only at the far end of the time line is there no next midnight to wait for.
    const std::optional<WidgetInstant> tomorrow = midnight(1);
    timeline.policy =
        tomorrow ? WidgetKit::ReloadPolicy::after(toDateTime(*tomorrow)) : WidgetKit::ReloadPolicy::never();
    return timeline;
}

WidgetInstant Provider::presentInstant(const WidgetKit::TimelineContext& context)
{
    // The zone may have changed since the last request.
    LocalCalendar::zoneChanged();
    if (context.now.isValid()) {
        return toWidgetInstant(context.now);
    }
    return currentInstant();
}
