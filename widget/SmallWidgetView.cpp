// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/SmallWidgetView.h"

#include "widget/DayNumberLabel.h"
#include "widget/EntryTexts.h"
#include "widget/WidgetStyle.h"

#include <QLabel>
#include <QVBoxLayout>

SmallWidgetView::SmallWidgetView(const RevolutionaryDateEntry& entry, QWidget* parent) : QWidget(parent)
{
    const auto& date = entry.revolutionaryDate;
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(WidgetStyle::padding, WidgetStyle::padding, WidgetStyle::padding, WidgetStyle::padding);
    stack->setSpacing(0);
    stack->addWidget(new DayNumberLabel(EntryTexts::dayText(date), WidgetStyle::font(64, QFont::Light)), 0,
                     Qt::AlignLeft);
    stack->addStretch(1);
    stack->addWidget(WidgetStyle::label(EntryTexts::monthText(date), 15, QFont::Medium), 0, Qt::AlignLeft);
    stack->addWidget(WidgetStyle::label(EntryTexts::yearText(date), 12, QFont::Normal, WidgetStyle::Level::secondary),
                     0, Qt::AlignLeft);
}
