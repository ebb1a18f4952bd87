// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/LargeWidgetView.h"

#include "widget/EngravingThumbnail.h"
#include "widget/EntryTexts.h"
#include "widget/WidgetStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The gap a row of views leaves between its items when it sets none.
constexpr int defaultSpacing = 8;

} // namespace

LargeWidgetView::LargeWidgetView(const RevolutionaryDateEntry& entry, const QString& resourceDirectory, QWidget* parent)
    : QWidget(parent)
{
    using WidgetStyle::Level;
    const auto& date = entry.revolutionaryDate;
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(WidgetStyle::padding, WidgetStyle::padding, WidgetStyle::padding, WidgetStyle::padding);
    stack->setSpacing(0);

    auto* header = new QHBoxLayout;
    header->setSpacing(defaultSpacing);
    header->addWidget(WidgetStyle::dateColumn(date, 72, 20, 14), 0, Qt::AlignTop);
    header->addStretch(1);
    const QString civilDate = EntryTexts::civilDateText(entry.date.toLocalTime().date());
    header->addWidget(
        WidgetStyle::column({WidgetStyle::label(civilDate, 12, QFont::Normal, Level::tertiary)}, Qt::AlignRight, 2), 0,
        Qt::AlignTop);
    stack->addLayout(header);

    if (const auto& item = entry.dailyItem) {
        stack->addSpacing(12);
        auto* itemRow = new QHBoxLayout;
        itemRow->setSpacing(12);
        itemRow->addWidget(new EngravingThumbnail(*item, 64, resourceDirectory), 0, Qt::AlignVCenter);
        // Where the English name tells the reader nothing, the category takes its place.
        const bool english = EntryTexts::showsEnglishName();
        const QString category = EntryTexts::categoryText(*item);
        const QString underName =
            english ? EntryTexts::fromUtf8(item->name) : category.left(1).toUpper() + category.mid(1);
        itemRow->addWidget(
            WidgetStyle::column({WidgetStyle::label(EntryTexts::fromUtf8(item->frenchName), 15, QFont::Medium),
                                 WidgetStyle::label(underName, 13, QFont::Normal, Level::secondary)},
                                Qt::AlignLeft, 2),
            0, Qt::AlignVCenter);
        itemRow->addStretch(1);
        if (english) {
            itemRow->addWidget(WidgetStyle::label(EntryTexts::categoryText(*item), 11, QFont::Normal, Level::tertiary),
                               0, Qt::AlignVCenter);
        }
        stack->addLayout(itemRow);
    }

    stack->addStretch(1);
    stack->addWidget(WidgetStyle::label(EntryTexts::weekdayText(date), 12, QFont::Normal, Level::tertiary), 0,
                     Qt::AlignLeft);
}
