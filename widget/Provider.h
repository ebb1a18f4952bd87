// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/RevolutionaryDateEntry.h"
#include "widgethost/WidgetKit.h"

#include <memory>

// Tells the host what the widget shows and until when: a week of entries at the local
// midnights from today on, and a new timeline after the coming midnight.
class Provider final : public WidgetKit::TimelineProvider
{
public:
    WidgetKit::EntryPointer placeholder(const WidgetKit::TimelineContext& context) const override;
    void getSnapshot(const WidgetKit::TimelineContext& context,
                     std::function<void(WidgetKit::EntryPointer)> completion) const override;
    void getTimeline(const WidgetKit::TimelineContext& context,
                     std::function<void(WidgetKit::Timeline)> completion) const override;

    // The entry for an instant: its Republican date and that date's item.
    static std::shared_ptr<const RevolutionaryDateEntry> entry(WidgetInstant date);

    // The timeline as it stands at `now` in the current time zone.
    static WidgetKit::Timeline timeline(WidgetInstant now);

private:
    static WidgetInstant presentInstant(const WidgetKit::TimelineContext& context);
};
