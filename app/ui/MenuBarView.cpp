// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/MenuBarView.h"

#include "app/platform/Clipboard.h"
#include "app/platform/ModifierKeys.h"
#include "app/platform/X11InputFocus.h"
#include "app/state/CalendarManager.h"
#include "app/state/SoundManager.h"
#include "app/ui/DailyItemSection.h"
#include "app/ui/DateHeader.h"
#include "app/ui/GuillotineSection.h"
#include "app/ui/NavigationBar.h"
#include "app/ui/OnThisDaySection.h"
#include "app/ui/PanelFooter.h"
#include "app/ui/PanelPlacement.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelWidgets.h"
#include "app/ui/SymbolImages.h"
#include "app/ui/TimeSection.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <chrono>

namespace {
// How soon after the panel closed an activation counts as the click that closed it.
constexpr qint64 reopenGuardMilliseconds = 250;
constexpr qint64 focusSettleMilliseconds = 400;
// How long the panel keeps asking for the pointer or the keyboard: a second, at most.
constexpr int grabTries = 20;
constexpr std::chrono::milliseconds grabRetry{50};

// In an X11 session a pop-up grabs the keyboard and the pointer, so it has the focus and sees the
// click outside. Under XWayland the grab fails whenever the compositor's own bar was clicked, and
// a window the compositor manages goes where the compositor likes (sway centres it). So there the
// panel is an ordinary, frameless window that bypasses the window manager, which keeps it where we
// put it. Its X focus would not hold (sway's window manager takes back focus it did not give), so
// it takes the keyboard by a grab, and closes when the focus goes or the cover laid under it is
// clicked.
Qt::WindowFlags dropDownFlags()
{
    if (PanelPlacement::pointerFollowsClicks() || QGuiApplication::platformName() != QStringLiteral("xcb")) {
        return Qt::Popup;
    }
    return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint;
}
} // namespace

MenuBarView::MenuBarView(Services services, QWidget* parent)
    : QWidget(parent, dropDownFlags()), m_services(services),
      m_symbols(std::make_unique<SymbolImages>(services.resources))
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
    const PanelStyle style(calendar.theme());
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

bool MenuBarView::isDropDown() const
{
    const Qt::WindowFlags flags = dropDownFlags();
    return (windowFlags() & flags) == flags;
}

void MenuBarView::showAt(QPoint globalPosition)
{
    if (!isDropDown()) {
        setWindowFlags(dropDownFlags());
    }
    refresh();
    // The final height on the first opening too, before it is used to keep the panel off a bar.
    ensurePolished();
    if (layout()) {
        layout()->activate();
    }
    adjustSize();
    placeOnScreen(globalPosition);
    show();
    // Once shown its frame is known (a drop-down has none on most desktops).
    placeOnScreen(globalPosition);
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
    holdGrab(grabTries);
    // Within the moments whose focus changes the panel ignores.
    if (windowType() != Qt::Popup && PanelPlacement::underGnomeShell()) {
        for (const int delay : {100, 250}) {
            QTimer::singleShot(delay, this, [this] { X11InputFocus::retake(windowHandle()); });
        }
    }
}

// The pop-up sees a click outside only while it holds the pointer. Its grab, made as it maps,
// fails when the bar still holds the pointer from the click that opened it (XFCE's tray does, now
// and then), and Qt does not try again: so we do, until the grab holds or the panel closes. The
// window kind used under XWayland holds the keyboard the same way.
void MenuBarView::holdGrab(int triesLeft)
{
    QWindow* window = windowHandle();
    if (!isVisible() || !window || triesLeft <= 0) {
        return;
    }
    const bool held =
        windowType() == Qt::Popup ? window->setMouseGrabEnabled(true) : window->setKeyboardGrabEnabled(true);
    if (!held) {
        QTimer::singleShot(grabRetry, this, [this, triesLeft] { holdGrab(triesLeft - 1); });
    }
}

void MenuBarView::toggleAt(QPoint globalPosition)
{
    if (isVisible()) {
        hide();
        return;
    }
    if (m_sinceHidden.isValid() && m_sinceHidden.elapsed() < reopenGuardMilliseconds) {
        return;
    }
    showAt(globalPosition);
}

void MenuBarView::showAsWindow()
{
    if (isDropDown()) {
        setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    }
    refresh();
    adjustSize();
    show();
    raise();
    activateWindow();
}

void MenuBarView::placeOnScreen(QPoint globalPosition)
{
    m_anchor = globalPosition;
    QScreen* screen = QGuiApplication::screenAt(globalPosition);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect available = screen ? screen->availableGeometry() : QRect(globalPosition, size());
    move(PanelPlacement::topLeft(globalPosition, frameGeometry().size(), available));
}

void MenuBarView::keyPressEvent(QKeyEvent* event)
{
    CalendarManager& calendar = m_services.calendar;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Left) {
        calendar.stepDay(-1);
    } else if (plain && event->key() == Qt::Key_Right) {
        calendar.stepDay(1);
    } else if (event->key() == Qt::Key_Escape && isDropDown()) {
        hide();
    } else if (plain && event->key() == Qt::Key_T && !calendar.isViewingToday()) {
        // Only while the way back to today shows.
        calendar.goToToday();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void MenuBarView::showEvent(QShowEvent* event)
{
    m_sinceShown.start();
    m_services.calendar.setPanelOpen(true);
    refresh();
    QWidget::showEvent(event);
}

void MenuBarView::resizeEvent(QResizeEvent* event)
{
    // The layout may settle a pixel taller after the first showing (fonts, styles): a drop-down
    // opening upwards would then cover the top row of a bottom bar.
    if (isVisible() && isDropDown()) {
        placeOnScreen(m_anchor);
    }
    QWidget::resizeEvent(event);
}

void MenuBarView::changeEvent(QEvent* event)
{
    // A pop-up sees the click outside by itself; the window kind used under XWayland sees it as
    // the loss of the focus.
    // Compositors may hand the focus around once while a window maps; only a loss after that is the
    // user's click elsewhere.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && isDropDown() &&
        windowType() != Qt::Popup && m_sinceShown.isValid() && m_sinceShown.elapsed() > focusSettleMilliseconds) {
        hide();
    }
    QWidget::changeEvent(event);
}

void MenuBarView::hideEvent(QHideEvent* event)
{
    m_sinceHidden.start();
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
