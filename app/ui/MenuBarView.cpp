// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/MenuBarView.h"

#include "app/platform/Clipboard.h"
#include "app/platform/ModifierKeys.h"
#include "app/state/CalendarManager.h"
#include "app/state/SoundManager.h"
#include "app/ui/DailyItemSection.h"
#include "app/ui/DateHeader.h"
#include "app/ui/GuillotineSection.h"
#include "app/ui/NavigationBar.h"
#include "app/ui/OnThisDaySection.h"
#include "app/ui/PanelFooter.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelWidgets.h"
#include "app/ui/SymbolImages.h"
#include "app/ui/TimeSection.h"

#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

MenuBarView::MenuBarView(Services services, QWidget* parent)
    : QWidget(parent), m_services(services), m_symbols(std::make_unique<SymbolImages>(services.resources))
{
    setObjectName(QStringLiteral("menuBarView"));
    setWindowTitle(QStringLiteral("Quintaval"));
    setAutoFillBackground(true);
    setFixedWidth(panelWidth);
    setFocusPolicy(Qt::StrongFocus);

    auto* navigation = new NavigationBar(services.calendar, *m_symbols, this);
    auto* header = new DateHeader(this);
    auto* time = new TimeSection(services.clock, this);
    m_dailyItem = new DailyItemSection(services.resources, this);
    m_onThisDay = new OnThisDaySection(this);
    auto* guillotine = new GuillotineSection(services.clock, *m_symbols, this);
    m_footer = new PanelFooter(services.sound, *m_symbols, this);
    m_sections = {navigation, header, time, m_dailyItem, m_onThisDay, guillotine, m_footer};

    m_dailyItemSeparator = PanelWidgets::separator(this);
    m_onThisDaySeparator = PanelWidgets::separator(this);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->setSizeConstraint(QLayout::SetFixedSize);
    stack->addWidget(navigation);
    stack->addWidget(header);
    stack->addWidget(PanelWidgets::separator(this));
    stack->addWidget(time);
    stack->addWidget(PanelWidgets::separator(this));
    stack->addWidget(m_dailyItem);
    stack->addWidget(m_dailyItemSeparator);
    stack->addWidget(m_onThisDay);
    stack->addWidget(m_onThisDaySeparator);
    stack->addWidget(guillotine);
    stack->addWidget(PanelWidgets::separator(this));
    stack->addWidget(m_footer);
    for (PanelSection* section : m_sections) {
        section->setFixedWidth(panelWidth);
    }

    connect(&services.calendar, &CalendarManager::changed, this, [this] {
        if (isVisible()) {
            refresh();
        }
    });
    connect(&services.sound, &SoundManager::changed, this, [this] {
        if (isVisible()) {
            refresh();
        }
    });
    connect(m_footer, &PanelFooter::soundClicked, this, &MenuBarView::soundClicked);
    connect(m_footer, &PanelFooter::copyClicked, this, &MenuBarView::copyToClipboard);
    connect(m_footer, &PanelFooter::preferencesClicked, this, &MenuBarView::settingsRequested);
    connect(m_footer, &PanelFooter::quitClicked, this, &MenuBarView::quitRequested);

    refresh();
}

MenuBarView::~MenuBarView() = default;

void MenuBarView::refresh()
{
    const CalendarManager& calendar = m_services.calendar;
    const PanelStyle style(calendar.shownTheme());
    if (!m_styled || m_styledNight != style.isNight()) {
        m_styled = true;
        m_styledNight = style.isNight();
        QPalette colors = palette();
        colors.setColor(QPalette::Window, style.background());
        colors.setColor(QPalette::WindowText, style.foreground());
        colors.setColor(QPalette::ToolTipBase, style.background());
        colors.setColor(QPalette::ToolTipText, style.foreground());
        setPalette(colors);
        for (QWidget* line : findChildren<QWidget*>(QStringLiteral("separator"))) {
            QPalette linePalette = line->palette();
            linePalette.setColor(QPalette::Window, style.separator());
            line->setPalette(linePalette);
        }
    }

    const bool hasItem = calendar.dailyItem().has_value();
    const bool hasEvents = !calendar.viewedEvents().empty();
    m_dailyItem->setVisible(hasItem);
    m_dailyItemSeparator->setVisible(hasItem);
    m_onThisDay->setVisible(hasEvents);
    m_onThisDaySeparator->setVisible(hasEvents);
    for (PanelSection* section : m_sections) {
        if (!section->isHidden()) {
            section->refresh(calendar, style);
        }
    }
}

void MenuBarView::keyPressEvent(QKeyEvent* event)
{
    CalendarManager& calendar = m_services.calendar;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Left) {
        calendar.stepDay(-1);
    } else if (plain && event->key() == Qt::Key_Right) {
        calendar.stepDay(1);
    } else if (plain && event->key() == Qt::Key_T && !calendar.isViewingToday()) {
        // Only while the way back to today shows.
        calendar.goToToday();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void MenuBarView::showEvent(QShowEvent* event)
{
    m_services.calendar.setPanelOpen(true);
    refresh();
    QWidget::showEvent(event);
}

void MenuBarView::hideEvent(QHideEvent* event)
{
    m_services.calendar.setPanelOpen(false);
    QWidget::hideEvent(event);
}

void MenuBarView::soundClicked()
{
    SoundManager& sound = m_services.sound;
    // Option on a Mac; Alt here.
    if (m_services.modifiers.isAltHeld()) {
        sound.playHourChime();
    } else {
        sound.setSoundEnabled(!sound.soundEnabled());
    }
}

void MenuBarView::copyToClipboard()
{
    m_services.clipboard.setText(m_services.calendar.shareableText());
    setShowCopiedFeedback(true);
    // Every copy ends the confirmation two seconds later, even if another copy came in between.
    QTimer::singleShot(copiedFeedbackMilliseconds, this, [this] { setShowCopiedFeedback(false); });
}

void MenuBarView::setShowCopiedFeedback(bool shown)
{
    m_showCopiedFeedback = shown;
    m_footer->setCopiedFeedback(shown);
}
