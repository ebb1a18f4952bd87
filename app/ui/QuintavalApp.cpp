// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/QuintavalApp.h"

#include "app/platform/Clipboard.h"
#include "app/platform/ResourceDirectory.h"
#include "app/platform/StatusItem.h"
#include "app/platform/SwayWorkArea.h"
#include "app/state/CalendarManager.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/PanelPlacement.h"
#include "app/ui/PanelShade.h"
#include "app/ui/SettingsView.h"
#include "app/ui/StatusItemBinding.h"

#include <QAction>
#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

QuintavalApp::QuintavalApp(Services services, QObject* parent) : QObject(parent), m_services(services)
{
    m_binding = std::make_unique<StatusItemBinding>(services.calendar, services.statusItem);

    connect(addMenuAction(tr("Open Quintaval")), &QAction::triggered, this, &QuintavalApp::openPanelFromMenu);
    connect(addMenuAction(tr("Copy Date")), &QAction::triggered, this, &QuintavalApp::copyDate);
    addMenuAction({});
    connect(addMenuAction(tr("Settings…")), &QAction::triggered, this, &QuintavalApp::openSettings);
    addMenuAction({});
    connect(addMenuAction(tr("Quit Quintaval")), &QAction::triggered, this, &QuintavalApp::quitRequested);
    services.statusItem.setMenu(m_menuActions);

    connect(&services.statusItem, &StatusItem::activated, this, &QuintavalApp::itemActivated);
    connect(&services.statusItem, &StatusItem::presenceChanged, this, &QuintavalApp::presenceChanged);
    presenceChanged();
}

QuintavalApp::~QuintavalApp()
{
    // Destroyed after the cover, the panel hides as it goes: that is not for the filter to see.
    if (m_panel) {
        m_panel->removeEventFilter(this);
    }
}

// Built when first shown: most of the day the program is a title in the bar, and the panel's
// widgets, fonts and pictures would hold several megabytes for nothing.
MenuBarView& QuintavalApp::panel()
{
    if (!m_panel) {
        m_panel = std::make_unique<MenuBarView>(MenuBarView::Services{m_services.calendar, m_services.sound,
                                                                      m_services.clock, m_services.resources,
                                                                      m_services.clipboard, m_services.modifiers});
        m_panel->setWindowIcon(windowIcon());
        connect(m_panel.get(), &MenuBarView::settingsRequested, this, &QuintavalApp::openSettings);
        connect(m_panel.get(), &MenuBarView::quitRequested, this, &QuintavalApp::quitRequested);
        // GNOME Shell under Wayland, like sway, keeps the clicks on its bar and background from
        // the X server: there too the cover takes the click outside (without sway's socket it
        // only covers).
        const QString swaySocket = qEnvironmentVariable("SWAYSOCK");
        if (!PanelPlacement::pointerFollowsClicks() && QGuiApplication::platformName() == QStringLiteral("xcb") &&
            (!swaySocket.isEmpty() || PanelPlacement::underGnomeShell())) {
            m_shade = std::make_unique<PanelShade>(swaySocket);
            connect(m_shade.get(), &PanelShade::pressed, m_panel.get(), &QWidget::hide);
            m_panel->installEventFilter(this);
        }
    }
    return *m_panel;
}

const QIcon& QuintavalApp::windowIcon()
{
    if (!m_icon) {
        m_icon = applicationIcon(m_services.resources);
        // Also for the windows Qt opens on the program's behalf.
        QGuiApplication::setWindowIcon(*m_icon);
    }
    return *m_icon;
}

QIcon QuintavalApp::applicationIcon(const ResourceDirectory& resources)
{
    const auto file = resources.find(QStringLiteral("icons/quintaval"), QStringLiteral("svg"));
    if (!file) {
        return {};
    }
    QSvgRenderer renderer(*file);
    if (!renderer.isValid()) {
        return {};
    }
    // Drawn here rather than left to an icon engine plug-in, which may not be installed.
    QIcon icon;
    for (const int size : {16, 22, 32, 48, 64, 128}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QAction* QuintavalApp::addMenuAction(const QString& text)
{
    auto* action = new QAction(text, this);
    action->setSeparator(text.isEmpty());
    m_menuActions.append(action);
    return action;
}

bool QuintavalApp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel.get() && m_shade) {
        // The cover goes with the drop-down, whatever closed it.
        if (event->type() == QEvent::Hide) {
            m_shade->hide();
        } else if (event->type() == QEvent::Enter && m_shade->isVisible()) {
            m_shade->settlePointer(static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
        }
    }
    return QObject::eventFilter(watched, event);
}

QPoint QuintavalApp::anchorFor(QPoint hint, std::optional<QPoint> knownPointer) const
{
    // Read now: by the time the panel shows, the pointer may have moved on.
    const QPoint pointer = knownPointer.value_or(QCursor::pos());
    const bool pointerReliable = knownPointer.has_value() || PanelPlacement::pointerFollowsClicks();
    QScreen* screen = QGuiApplication::screenAt(pointerReliable ? pointer : hint);
    if (!screen) {
        screen = QGuiApplication::screenAt(pointer);
    }
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return pointer;
    }
    QRect available = screen->availableGeometry();
    // Under XWayland sway reserves its bars' room without telling X clients.
    if (available == screen->geometry()) {
        available = SwayWorkArea::query(qEnvironmentVariable("SWAYSOCK"), screen->geometry()).value_or(available);
    }
    return PanelPlacement::anchor(hint, pointer, pointerReliable, screen->geometry(), available);
}

void QuintavalApp::itemActivated(QPoint hint)
{
    openUnderClick(hint, true);
}

void QuintavalApp::openUnderClick(std::optional<QPoint> hint, bool toggle)
{
    const auto open = [this, hint, toggle](std::optional<QPoint> pointer) {
        m_lastAnchor = anchorFor(hint.value_or(pointer.value_or(QCursor::pos())), pointer);
        m_hasActivation = true;
        showDropDown(m_lastAnchor, toggle);
    };
    // Only sway says where the pointer is; GNOME's extension sends the click's place itself.
    if (!panel().isVisible() && m_shade && m_shade->canLocatePointer()) {
        m_shade->locatePointer(open);
    } else {
        open(std::nullopt);
    }
}

void QuintavalApp::showDropDown(QPoint anchor, bool toggle)
{
    MenuBarView& dropDown = panel();
    // Mapped first, the cover lies under the drop-down.
    if (m_shade && !dropDown.isVisible()) {
        m_shade->cover();
    }
    if (toggle) {
        dropDown.toggleAt(anchor);
    } else {
        dropDown.showAt(anchor);
    }
    if (m_shade && !dropDown.isVisible()) {
        m_shade->hide();
    }
}

// The menu's entry was chosen just under the item, where the pointer still is (GNOME's extension
// shows the menu on a single click and activates only on a double one).
void QuintavalApp::openPanelFromMenu()
{
    if (m_services.statusItem.presence() == StatusItem::Presence::none) {
        panel().showAsWindow();
        return;
    }
    openUnderClick(std::nullopt, false);
}

void QuintavalApp::openPanel()
{
    if (m_services.statusItem.presence() == StatusItem::Presence::none) {
        panel().showAsWindow();
        return;
    }
    QPoint position = m_lastAnchor;
    if (!m_hasActivation) {
        // Never clicked yet: under the top right corner, where status bars keep their items.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        position = QPoint(available.right() - 200, available.top());
    }
    showDropDown(position, false);
}

void QuintavalApp::copyDate()
{
    // The panel confirms the copy in its footer; without a panel there is nothing to confirm on.
    if (m_panel) {
        m_panel->copyToClipboard();
    } else {
        m_services.clipboard.setText(m_services.calendar.shareableText());
    }
}

void QuintavalApp::openSettings()
{
    if (!m_settings) {
        m_settings = std::make_unique<SettingsView>(SettingsView::Services{
            m_services.calendar, m_services.notifications, m_services.sound, m_services.loginItem, m_services.clock});
        m_settings->setWindowIcon(windowIcon());
    }
    // A drop-down would stay on top of the window it opened.
    if (m_panel && m_panel->isDropDown()) {
        m_panel->hide();
    }
    m_settings->present();
}

void QuintavalApp::presenceChanged()
{
    // Nothing on screen to click: the panel is the program's window.
    if (m_services.statusItem.presence() == StatusItem::Presence::none) {
        panel().showAsWindow();
    } else if (m_panel && !m_panel->isDropDown() && m_panel->isVisible()) {
        m_panel->hide();
    }
}
