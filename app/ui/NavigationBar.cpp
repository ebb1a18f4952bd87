// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/NavigationBar.h"

#include "app/state/CalendarManager.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"
#include "app/ui/SymbolImages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

NavigationBar::NavigationBar(CalendarManager& calendar, SymbolImages& symbols, QWidget* parent)
    : PanelSection(parent), m_symbols(symbols)
{
    setObjectName(QStringLiteral("navigationBar"));
    setFont(PanelStyle::font(13, QFont::DemiBold));

    m_previous = PanelWidgets::plainButton(this, "previousDay", tr("Previous day"));
    m_todayMarker = PanelWidgets::label(
        this, "todayMarker",
        PanelWidgets::tracked(PanelStyle::font(10, QFont::DemiBold, PanelStyle::Design::serif), 1.5));
    m_todayMarker->setText(QStringLiteral("AUJOURD'HUI"));
    // The French word is part of the look; a reader says it in the interface's language.
    m_todayMarker->setAccessibleName(tr("Today"));
    m_returnToToday = PanelWidgets::plainButton(this, "returnToToday", tr("Return to today"));
    m_returnToToday->setText(QStringLiteral("Aujourd'hui"));
    m_returnToToday->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_returnToToday->setFont(PanelStyle::font(11, QFont::Medium));
    m_next = PanelWidgets::plainButton(this, "nextDay", tr("Next day"));
    m_previous->setToolTip(tr("Previous day (Left)"));
    m_next->setToolTip(tr("Next day (Right)"));
    m_returnToToday->setToolTip(tr("Return to today (Home or T)"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(PanelWidgets::inset, 10, PanelWidgets::inset, 0);
    row->addWidget(m_previous);
    row->addStretch();
    row->addWidget(m_todayMarker);
    row->addWidget(m_returnToToday);
    row->addStretch();
    row->addWidget(m_next);

    connect(m_previous, &QToolButton::clicked, &calendar, [&calendar] { calendar.stepDay(-1); });
    connect(m_next, &QToolButton::clicked, &calendar, [&calendar] { calendar.stepDay(1); });
    connect(m_returnToToday, &QToolButton::clicked, &calendar, [&calendar] { calendar.goToToday(); });
}

void NavigationBar::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    const bool today = calendar.isViewingToday();
    // The button that has the focus would otherwise go with it: the focus moves to the other way.
    if (today && m_returnToToday->hasFocus()) {
        m_next->setFocus(Qt::OtherFocusReason);
    }
    m_todayMarker->setVisible(today);
    m_returnToToday->setVisible(!today);
    // A reader on one of the arrows hears the day it moved to.
    const QString shownDay = PanelText::spokenDate(calendar);
    for (QToolButton* button : {m_previous, m_returnToToday, m_next}) {
        if (button->accessibleDescription() != shownDay) {
            button->setAccessibleDescription(shownDay);
        }
    }

    if (m_styledNight == style.isNight()) {
        return;
    }
    m_styledNight = style.isNight();
    // The whole bar at the secondary level: texts, the way back and the arrows alike.
    const QColor color = style.foreground(PanelStyle::Level::secondary);
    const qreal ratio = devicePixelRatioF();
    for (QWidget* part : std::initializer_list<QWidget*>{this, m_todayMarker, m_returnToToday, m_previous, m_next}) {
        PanelStyle::setForeground(part, color);
    }
    m_previous->setIcon(m_symbols.pixmap(QStringLiteral("chevron.left"), color, 13, ratio, true, QFont::DemiBold));
    m_next->setIcon(m_symbols.pixmap(QStringLiteral("chevron.right"), color, 13, ratio, true, QFont::DemiBold));
    m_returnToToday->setIcon(
        m_symbols.pixmap(QStringLiteral("arrow.uturn.left"), color, 11, ratio, true, QFont::Medium));
    for (QToolButton* button : {m_previous, m_next}) {
        button->setIconSize(QSize(13, 13));
    }
    m_returnToToday->setIconSize(QSize(11, 11));
}
