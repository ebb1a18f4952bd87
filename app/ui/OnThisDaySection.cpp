// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/OnThisDaySection.h"

#include "app/state/CalendarManager.h"
#include "app/ui/ElidedLabel.h"
#include "app/ui/PanelAccessible.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

OnThisDaySection::OnThisDaySection(QWidget* parent) : PanelSection(parent)
{
    setObjectName(QStringLiteral("onThisDaySection"));
    m_heading = PanelWidgets::label(
        this, "onThisDayHeading",
        PanelWidgets::tracked(PanelStyle::font(PanelStyle::TextStyle::caption, QFont::DemiBold), 1));
    m_heading->setText(tr("ON THIS DAY"));
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(8);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset);
    stack->setSpacing(8);
    stack->addWidget(m_heading);
    stack->addLayout(m_rows);
}

void OnThisDaySection::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    const auto& events = calendar.viewedEvents();
    const std::size_t count = std::min(events.size(), maximumRows);
    const std::vector<HistoricalData::HistoricalEvent> first(events.begin(), events.begin() + static_cast<long>(count));
    if (first != m_shown || m_styledNight != style.isNight()) {
        m_styledNight = style.isNight();
        PanelStyle::setForeground(m_heading, style.foreground(PanelStyle::Level::secondary));
        rebuildRows(first, style);
    }
}

void OnThisDaySection::rebuildRows(const std::vector<HistoricalData::HistoricalEvent>& events, const PanelStyle& style)
{
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_shown = events;
    int index = 0;
    for (const auto& event : events) {
        auto* row = new QWidget(this);
        row->setObjectName(QStringLiteral("eventRow%1").arg(index++));
        auto* emoji = PanelWidgets::label(row, "eventEmoji", PanelStyle::emojiFont(16));
        emoji->setText(PanelText::fromUtf8(event.emoji));
        PanelAccessible::setDecorative(emoji);
        auto* title =
            PanelWidgets::label(row, "eventTitle", PanelStyle::font(PanelStyle::TextStyle::subheadline, QFont::Medium));
        title->setText(PanelText::fromUtf8(event.title));
        PanelStyle::setForeground(title, style.foreground());
        auto* description = new ElidedLabel(2, row);
        description->setObjectName(QStringLiteral("eventDescription"));
        description->setFont(PanelStyle::font(PanelStyle::TextStyle::caption));
        description->setFullText(PanelText::fromUtf8(event.description));
        PanelStyle::setForeground(description, style.foreground(PanelStyle::Level::secondary));

        auto* titleLine = new QHBoxLayout;
        titleLine->addWidget(title);
        if (event.year) {
            auto* year = PanelWidgets::label(row, "eventYear", PanelStyle::font(PanelStyle::TextStyle::caption2));
            year->setText(PanelText::eventYear(*event.year));
            PanelStyle::setForeground(year, style.foreground(PanelStyle::Level::tertiary));
            titleLine->addWidget(year);
        }
        titleLine->addStretch();
        auto* texts = new QVBoxLayout;
        texts->setSpacing(2);
        texts->addLayout(titleLine);
        texts->addWidget(description);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(8);
        line->addWidget(emoji, 0, Qt::AlignTop);
        line->addLayout(texts, 1);
        m_rows->addWidget(row);
    }
}
