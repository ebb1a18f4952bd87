// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TimeSection.h"

#include "app/platform/Clock.h"
#include "app/state/CalendarManager.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using PanelWidgets::label;

TimeSection::TimeSection(const Clock& clock, QWidget* parent) : PanelSection(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("timeSection"));
    m_decimalTime = label(this, "decimalTime", PanelStyle::font(28, QFont::Bold, PanelStyle::Design::monospaced));
    m_decimalCaption = label(this, "decimalCaption", PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_decimalCaption->setText(tr("Decimal Time"));
    m_divider = PanelWidgets::separator(this, Qt::Vertical, 40);
    m_standardTime = label(this, "standardTime", PanelStyle::font(18, QFont::Normal, PanelStyle::Design::monospaced));
    m_standardCaption = label(this, "standardCaption", PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_standardCaption->setText(tr("Standard Time"));

    const auto column = [](QLabel* value, QLabel* caption) {
        auto* stack = new QVBoxLayout;
        stack->setSpacing(4);
        stack->addWidget(value, 0, Qt::AlignHCenter);
        stack->addWidget(caption, 0, Qt::AlignHCenter);
        return stack;
    };
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset);
    row->setSpacing(20);
    row->addStretch();
    row->addLayout(column(m_decimalTime, m_decimalCaption));
    row->addWidget(m_divider, 0, Qt::AlignVCenter);
    row->addLayout(column(m_standardTime, m_standardCaption));
    row->addStretch();
}

void TimeSection::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    PanelWidgets::setText(m_decimalTime, PanelText::decimalClock(calendar.currentTime()));
    PanelWidgets::setText(m_standardTime, PanelText::standardTime(m_clock.now()));

    if (m_styledNight == style.isNight()) {
        return;
    }
    m_styledNight = style.isNight();
    PanelStyle::setForeground(m_decimalTime, style.foreground());
    PanelStyle::setForeground(m_decimalCaption, style.foreground(PanelStyle::Level::secondary));
    PanelStyle::setForeground(m_standardTime, style.foreground(PanelStyle::Level::secondary));
    PanelStyle::setForeground(m_standardCaption, style.foreground(PanelStyle::Level::tertiary));
}
