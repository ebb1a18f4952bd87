// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/MenuBarView.h"

#include "app/platform/Clipboard.h"
#include "app/platform/ModifierKeys.h"
#include "app/state/CalendarManager.h"
#include "app/state/SoundManager.h"
#include "app/ui/DailyItemSection.h"
#include "app/ui/DateHeader.h"
#include "app/ui/GoToDateField.h"
#include "app/ui/GuillotineSection.h"
#include "app/ui/MonthView.h"
#include "app/ui/NavigationBar.h"
#include "app/ui/OnThisDaySection.h"
#include "app/ui/PanelAccessible.h"
#include "app/ui/PanelFooter.h"
#include "app/ui/PanelScroll.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelWidgets.h"
#include "app/ui/SymbolImages.h"
#include "app/ui/TimeSection.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

MenuBarView::MenuBarView(Services services, QWidget* parent)
    : QWidget(parent), m_services(services), m_symbols(std::make_unique<SymbolImages>(services.resources))
{
    setObjectName(QStringLiteral("menuBarView"));
    setWindowTitle(QStringLiteral("Quintaval"));
    // A window of its own to a screen reader, named, rather than an anonymous filler.
    PanelAccessible::setRole(this, QAccessible::Window);
    setAccessibleName(tr("Quintaval calendar"));
    setAutoFillBackground(true);
    const int width = PanelStyle::scaled(panelWidth);
    setFixedWidth(width);

    auto* navigation = new NavigationBar(services.calendar, *m_symbols, this);
    auto* header = new DateHeader(this);
    m_header = header;
    auto* middle = new QWidget;
    middle->setObjectName(QStringLiteral("panelMiddle"));
    auto* time = new TimeSection(services.clock, middle);
    m_dailyItem = new DailyItemSection(services.resources, middle);
    m_onThisDay = new OnThisDaySection(middle);
    auto* guillotine = new GuillotineSection(services.clock, *m_symbols, middle);
    m_footer = new PanelFooter(services.sound, *m_symbols, this);
    m_sections = {navigation, header, time, m_dailyItem, m_onThisDay, guillotine, m_footer};

    m_dailyItemSeparator = PanelWidgets::separator(middle);
    m_onThisDaySeparator = PanelWidgets::separator(middle);
    auto* middleStack = new QVBoxLayout(middle);
    middleStack->setContentsMargins(0, 0, 0, 0);
    middleStack->setSpacing(0);
    middleStack->addWidget(time);
    middleStack->addWidget(PanelWidgets::separator(middle));
    middleStack->addWidget(m_dailyItem);
    middleStack->addWidget(m_dailyItemSeparator);
    middleStack->addWidget(m_onThisDay);
    middleStack->addWidget(m_onThisDaySeparator);
    middleStack->addWidget(guillotine);
    m_scroll = new PanelScroll(middle, this);

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->setSizeConstraint(QLayout::SetFixedSize);
    stack->addWidget(navigation);
    m_goTo = new GoToDateField(services.calendar, this);
    m_goTo->hide();
    m_sections.push_back(m_goTo);
    stack->addWidget(m_goTo);
    stack->addWidget(header);
    stack->addWidget(PanelWidgets::separator(this));
    stack->addWidget(m_scroll);
    m_monthView = new MonthView(services.calendar, this);
    m_monthView->hide();
    m_sections.push_back(m_monthView);
    m_monthView->watchClicks(header->findChild<QWidget*>(QStringLiteral("monthName")));
    stack->addWidget(m_monthView);
    stack->addWidget(PanelWidgets::separator(this));
    stack->addWidget(m_footer);
    // A reader goes through the panel in the order of its children: the controls, made before the
    // middle, come last, as they show.
    m_footer->raise();
    for (PanelSection* section : m_sections) {
        section->setFixedWidth(width);
    }
    middle->setFixedWidth(width);
    m_scroll->setFixedWidth(width);
    // Tab goes down the panel as it reads; the sections were made in that order.
    for (QWidget* focusable : findChildren<QWidget*>()) {
        if (focusable->focusPolicy() & Qt::TabFocus) {
            focusable->installEventFilter(this);
        }
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
    connect(m_monthView, &MonthView::closeRequested, this, [this] { showMonth(false); });
    connect(m_monthView, &MonthView::toggleRequested, this, [this] { showMonth(m_monthView->isHidden()); });
    connect(m_monthView, &MonthView::goToRequested, this, &MenuBarView::openGoTo);
    connect(m_goTo, &GoToDateField::closeRequested, this, [this] {
        m_goTo->hide();
        setFocus(Qt::OtherFocusReason);
    });
    // Letters as shortcuts: a line being typed in takes its letters first.
    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* created = new QShortcut(keys, this);
        created->setContext(Qt::WidgetWithChildrenShortcut);
        connect(created, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_M), [this] { showMonth(m_monthView->isHidden()); });
    shortcut(QKeySequence(Qt::Key_G), &MenuBarView::openGoTo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), &MenuBarView::openGoTo);
    connect(m_footer, &PanelFooter::soundClicked, this, &MenuBarView::soundClicked);
    connect(m_footer, &PanelFooter::chimeTestRequested, &services.sound, &SoundManager::playHourChime);
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
    // A section shown or hidden in the scrolled middle: the panel takes its new height now, as it
    // did before the middle scrolled, not a moment later in front of the user.
    m_scroll->fitContent();
    if (layout()) {
        layout()->activate();
    }
}

void MenuBarView::setHeightLimit(int height)
{
    // What the date above and the controls below take stays; the middle scrolls in the rest.
    const int fixedParts = sizeHint().height() - m_scroll->sizeHint().height();
    m_scroll->setHeightLimit(height < QWIDGETSIZE_MAX ? std::max(0, height - fixedParts) : QWIDGETSIZE_MAX);
    if (layout()) {
        layout()->activate();
    }
}

bool MenuBarView::scrolls() const
{
    return m_scroll->scrolls();
}

bool MenuBarView::handleKey(QKeyEvent* event)
{
    CalendarManager& calendar = m_services.calendar;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const int key = event->key();
    if (plain && key == Qt::Key_Left) {
        calendar.stepDay(-1);
    } else if (plain && key == Qt::Key_Right) {
        calendar.stepDay(1);
    } else if (plain && (key == Qt::Key_T || key == Qt::Key_Home)) {
        if (!calendar.isViewingToday()) {
            calendar.goToToday();
        }
    } else if (plain && (key == Qt::Key_PageDown || key == Qt::Key_PageUp) && m_scroll->scrolls()) {
        QScrollBar* bar = m_scroll->verticalScrollBar();
        bar->setValue(bar->value() + (key == Qt::Key_PageDown ? bar->pageStep() : -bar->pageStep()));
    } else if (plain && key == Qt::Key_S) {
        soundClicked();
    } else if (modifiers == Qt::ShiftModifier && key == Qt::Key_S) {
        m_services.sound.playHourChime();
    } else if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
    } else if (modifiers == Qt::ControlModifier && key == Qt::Key_Comma) {
        Q_EMIT settingsRequested();
    } else if (modifiers == Qt::ControlModifier && key == Qt::Key_Q) {
        Q_EMIT quitRequested();
    } else {
        return false;
    }
    return true;
}

void MenuBarView::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event)) {
        QWidget::keyPressEvent(event);
    }
}

bool MenuBarView::eventFilter(QObject* watched, QEvent* event)
{
    // A focused button would take the arrows to move the focus; they step through days here, and
    // Enter presses the button as Space does.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (auto* button = qobject_cast<QAbstractButton*>(watched);
            button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            button->click();
            return true;
        }
        if (handleKey(key)) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MenuBarView::showMonth(bool shown)
{
    // The month takes the place of the day's own sections; the date above and the controls stay.
    m_scroll->setVisible(!shown);
    m_monthView->setVisible(shown);
    refresh();
    if (shown) {
        m_monthView->focusViewedDay();
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

bool MenuBarView::monthShown() const
{
    return !m_monthView->isHidden();
}

void MenuBarView::openGoTo()
{
    m_goTo->open();
    refresh();
}

void MenuBarView::focusInEvent(QFocusEvent* event)
{
    // Focus given to the panel (the drop-down gives it as it opens) goes to the day shown. Not a
    // focus proxy: the panel would then be a Tab stop of its own, where the chain wraps, and Tab
    // would go from the last control back to the date rather than on to the arrows.
    m_header->setFocus(event->reason());
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
        // The button toggled itself as it was clicked; the manager's state is what it shows.
        m_footer->refresh(m_services.calendar, PanelStyle(m_services.calendar.shownTheme()));
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
