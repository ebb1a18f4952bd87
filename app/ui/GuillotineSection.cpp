// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/GuillotineSection.h"

#include "app/platform/Clock.h"
#include "app/ui/PanelAccessible.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"
#include "app/ui/SymbolImages.h"
#include "calendar/HistoricalData.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

using PanelWidgets::label;

GuillotineSection::GuillotineSection(const Clock& clock, SymbolImages& images, QWidget* parent)
    : PanelSection(parent), m_clock(clock), m_images(images)
{
    setObjectName(QStringLiteral("guillotineSection"));
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("guillotinePicture"));
    m_picture->setFixedSize(28, 28);
    m_picture->setAlignment(Qt::AlignCenter);
    // The caption beside it says it all.
    PanelAccessible::setDecorative(m_picture);
    m_caption = label(this, "guillotineCaption", PanelStyle::font(PanelStyle::TextStyle::caption));
    m_caption->setText(tr("Days Since Last Guillotine"));
    m_count = label(this, "guillotineCount", PanelStyle::font(18, QFont::Bold));
    m_date = label(this, "guillotineDate", PanelStyle::font(PanelStyle::TextStyle::caption2));
    // Month names come from the locale, their order from the language.
    m_date->setText(QLocale().toString(QDate(1977, 9, 10), tr("MMM d, yyyy", "date format of the last execution")));
    m_place = label(this, "guillotinePlace", PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_place->setText(QStringLiteral("Marseille"));
    for (QLabel* trailing : {m_date, m_place}) {
        trailing->setAlignment(Qt::AlignRight);
    }

    auto* counter = new QVBoxLayout;
    counter->setSpacing(2);
    counter->addWidget(m_caption);
    counter->addWidget(m_count);
    auto* when = new QVBoxLayout;
    when->setSpacing(2);
    when->addWidget(m_date);
    when->addWidget(m_place);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset);
    row->addWidget(m_picture);
    row->addLayout(counter);
    row->addStretch();
    row->addLayout(when);
}

void GuillotineSection::refresh(const CalendarManager&, const PanelStyle& style)
{
    PanelWidgets::setText(m_count, PanelText::groupedNumber(HistoricalData::daysSinceLastGuillotine(m_clock.now())));

    if (m_styledNight == style.isNight()) {
        return;
    }
    m_styledNight = style.isNight();
    // A missing picture leaves the frame empty.
    m_picture->setPixmap(
        m_images.pixmap(QStringLiteral("images/Guillotine"), style.foreground(), 28, devicePixelRatioF()));
    PanelStyle::setForeground(m_caption, style.foreground(PanelStyle::Level::secondary));
    PanelStyle::setForeground(m_count, style.systemRed());
    PanelStyle::setForeground(m_date, style.foreground(PanelStyle::Level::tertiary));
    PanelStyle::setForeground(m_place, style.foreground(PanelStyle::Level::quaternary));
}
