// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/WidgetCalendar.h"
#include "widgethost/WidgetKit.h"

#include <optional>

// One day of the widget's timeline: from `date` on, the host shows this Republican date and
// its item.
struct RevolutionaryDateEntry final : WidgetKit::TimelineEntry
{
    RevolutionaryDateEntry(QDateTime entryDate, WidgetRevolutionaryDate republicanDate,
                           std::optional<WidgetDailyItem> item)
        : WidgetKit::TimelineEntry(std::move(entryDate)), revolutionaryDate(republicanDate), dailyItem(item)
    {}

    WidgetRevolutionaryDate revolutionaryDate;
    std::optional<WidgetDailyItem> dailyItem; // none on the complementary days

    // "235 3 15 5 Chevreuil": year, month, day, decadeDay and the item's French name, or "-".
    QString summary() const override;
};

// Conversions between the host's dates and the extension's instants (milliseconds kept).
QDateTime toDateTime(WidgetInstant instant);
WidgetInstant toWidgetInstant(const QDateTime& dateTime);
