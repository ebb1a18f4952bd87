// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/MediumWidgetView.h"

#include "widget/EngravingThumbnail.h"
#include "widget/EntryTexts.h"
#include "widget/WidgetStyle.h"

#include <QHBoxLayout>
#include <QLabel>

MediumWidgetView::MediumWidgetView(const RevolutionaryDateEntry& entry, const QString& resourceDirectory,
                                   QWidget* parent)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(WidgetStyle::padding, WidgetStyle::padding, WidgetStyle::padding, WidgetStyle::padding);
    row->setSpacing(0);
    row->addWidget(WidgetStyle::dateColumn(entry.revolutionaryDate, 48, 16, 12), 0, Qt::AlignVCenter);
    row->addStretch(1);
    if (const auto& item = entry.dailyItem) {
        QLabel* name = WidgetStyle::label(EntryTexts::fromUtf8(item->frenchName), 13, QFont::Medium);
        name->setWordWrap(true);
        name->setAlignment(Qt::AlignRight);
        QLabel* category =
            WidgetStyle::label(EntryTexts::categoryText(*item), 11, QFont::Normal, WidgetStyle::Level::secondary);
        row->addWidget(WidgetStyle::column({new EngravingThumbnail(*item, 52, resourceDirectory), name, category},
                                           Qt::AlignRight, 4),
                       0, Qt::AlignVCenter);
    }
}
