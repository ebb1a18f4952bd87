// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/LeapRuleSetting.h"
#include "widget/RevolutionaryDateEntry.h"
#include "widgethost/WidgetKit.h"

#include <memory>

// Tells the host what the widget shows and until when: a week of entries at the local
// midnights from today on, reckoned by the leap-year rule of the program's settings, and a new
// timeline after the coming midnight or as soon as that rule changes.
class Provider final : public WidgetKit::TimelineProvider
{
public:
    explicit Provider(std::shared_ptr<LeapRuleSetting> leapRule = std::make_shared<LeapRuleSetting>());

    WidgetKit::EntryPointer placeholder(const WidgetKit::TimelineContext& context) const override;
    void getSnapshot(const WidgetKit::TimelineContext& context,
                     std::function<void(WidgetKit::EntryPointer)> completion) const override;
    void getTimeline(const WidgetKit::TimelineContext& context,
                     std::function<void(WidgetKit::Timeline)> completion) const override;
    void addReloadListener(QObject* context, std::function<void()> reload) const override;

    // The entry for an instant: its Republican date by `rule` and that date's item.
    static std::shared_ptr<const RevolutionaryDateEntry> entry(WidgetInstant date,
                                                               LeapRule rule = LeapRule::continuous);

    // The timeline as it stands at `now` in the current time zone.
    static WidgetKit::Timeline timeline(WidgetInstant now, LeapRule rule = LeapRule::continuous);

    // The rule stored now.
    LeapRule leapRule() const { return m_leapRule->rule(); }

private:
    static WidgetInstant presentInstant(const WidgetKit::TimelineContext& context);

    std::shared_ptr<LeapRuleSetting> m_leapRule;
};
