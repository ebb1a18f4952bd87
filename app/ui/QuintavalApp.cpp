// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/QuintavalApp.h"

#include "app/platform/Clipboard.h"
#include "app/platform/ResourceDirectory.h"
#include "app/platform/StatusItem.h"
#include "app/state/CalendarManager.h"
#include "app/ui/DropDown.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/PanelAccessible.h"
#include "app/ui/SettingsView.h"
#include "app/ui/StatusItemBinding.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QuintavalApp::QuintavalApp(Services services, QObject* parent) : QObject(parent), m_services(services)
{
    // Before any window: a screen reader asks for the application's root once.
    PanelAccessible::install();
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

// The drop-down, declared after the panel, lets go of it before it goes.
QuintavalApp::~QuintavalApp() = default;

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
        m_dropDown = std::make_unique<DropDown>(
            *m_panel, DropDown::Services{m_services.workArea, m_services.inputFocus, m_services.pointer});
        connect(m_dropDown.get(), &DropDown::aboutToShow, m_panel.get(), &MenuBarView::refresh);
        connect(m_dropDown.get(), &DropDown::roomChanged, m_panel.get(),
                [panel = m_panel.get()](QSize room) { panel->setHeightLimit(room.height()); });
    }
    return *m_panel;
}

DropDown& QuintavalApp::dropDown()
{
    panel();
    return *m_dropDown;
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

void QuintavalApp::itemActivated(QPoint hint)
{
    dropDown().openUnderClick(hint, true);
}

// The menu's entry was chosen just under the item, where the pointer still is (GNOME's extension
// shows the menu on a single click and activates only on a double one).
void QuintavalApp::openPanelFromMenu()
{
    if (m_services.statusItem.presence() == StatusItem::Presence::none) {
        dropDown().showAsWindow();
        return;
    }
    dropDown().openUnderClick(std::nullopt, false);
}

void QuintavalApp::openPanel()
{
    if (m_services.statusItem.presence() == StatusItem::Presence::none) {
        dropDown().showAsWindow();
        return;
    }
    dropDown().reopen();
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
    if (m_dropDown && m_dropDown->isDropDown()) {
        m_panel->hide();
    }
    m_settings->present();
}

void QuintavalApp::presenceChanged()
{
    // With nothing on screen to click, the panel opens as a window when the user asks for it (a
    // second start, the menu), never on its own: a window that jumps up and takes the keyboard
    // while a bar restarts or at login, before the bar is there, is worse than none.
    if (m_services.statusItem.presence() != StatusItem::Presence::none && m_dropDown && !m_dropDown->isDropDown() &&
        m_panel->isVisible()) {
        m_panel->hide();
    }
}
