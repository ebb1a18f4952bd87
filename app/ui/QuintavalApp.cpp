// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/QuintavalApp.h"

#include "app/platform/StatusItem.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/SettingsView.h"
#include "app/ui/StatusItemBinding.h"

#include <QGuiApplication>
#include <QScreen>

QuintavalApp::QuintavalApp(Services services, QObject* parent) : QObject(parent), m_services(services)
{
    m_panel = std::make_unique<MenuBarView>(MenuBarView::Services{
        services.calendar, services.sound, services.clock, services.resources, services.clipboard, services.modifiers});
    m_binding = std::make_unique<StatusItemBinding>(services.calendar, services.statusItem);

    connect(&services.statusItem, &StatusItem::activated, this, [this](QPoint position) {
        m_lastActivation = position;
        m_hasActivation = true;
        m_panel->toggleAt(position);
    });
    connect(&services.statusItem, &StatusItem::presenceChanged, this, &QuintavalApp::presenceChanged);
    connect(m_panel.get(), &MenuBarView::settingsRequested, this, &QuintavalApp::openSettings);
    connect(m_panel.get(), &MenuBarView::quitRequested, this, &QuintavalApp::quitRequested);
    presenceChanged();
}

QuintavalApp::~QuintavalApp() = default;

void QuintavalApp::openPanel()
{
    if (m_services.statusItem.presence() == StatusItem::Presence::none) {
        m_panel->showAsWindow();
        return;
    }
    QPoint position = m_lastActivation;
    if (!m_hasActivation) {
        // Never clicked yet: under the top right corner, where status bars keep their items.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        position = QPoint(available.right() - 200, available.top());
    }
    m_panel->showAt(position);
}

void QuintavalApp::openSettings()
{
    if (!m_settings) {
        m_settings = std::make_unique<SettingsView>(SettingsView::Services{
            m_services.calendar, m_services.notifications, m_services.sound, m_services.loginItem, m_services.clock});
    }
    // A drop-down would stay on top of the window it opened.
    if (m_panel->windowFlags().testFlag(Qt::Popup)) {
        m_panel->hide();
    }
    m_settings->present();
}

void QuintavalApp::presenceChanged()
{
    // Nothing on screen to click: the panel is the program's window.
    if (m_services.statusItem.presence() == StatusItem::Presence::none) {
        m_panel->showAsWindow();
    } else if (!m_panel->windowFlags().testFlag(Qt::Popup) && m_panel->isVisible()) {
        m_panel->hide();
    }
}
