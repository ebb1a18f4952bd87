// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/StatusItem.h"

#include <QDBusConnection>
#include <QTimer>

#include <chrono>
#include <memory>

class QMenu;
class QSystemTrayIcon;
class StatusNotifierItem;

// The status item the program uses: its own StatusNotifierItem whenever a status bar host
// runs and shows it; otherwise an icon in an XEmbed system tray (icon, tooltip and menu); with
// neither, `none`. One line on standard error says why whenever the item falls back because a
// status bar dropped it, or because nothing at all can show it. A status bar that goes away is
// given a while to come back first: bars restart on updates, crashes and reloads, and the item
// then stays as it was and returns with the bar.
class SystemStatusItem final : public StatusItem
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultRestartGrace{10000};

    // `restartGrace`: how long a status bar that went away has to come back before the item falls
    // back.
    explicit SystemStatusItem(const QDBusConnection& connection = QDBusConnection::sessionBus(),
                              std::chrono::milliseconds restartGrace = defaultRestartGrace, QObject* parent = nullptr);
    ~SystemStatusItem() override;

    // Shows the item: registers it, waits a moment for the status bar's answer and falls back if
    // need be. Until then the item counts as shown, so that nothing opens in its place early.
    void start();

    void setTitle(const QString& title) override;
    void setIcon(const QList<QImage>& images) override;
    void setToolTip(const QString& title, const QString& text) override;
    void setMenu(const QList<QAction*>& actions) override;
    Presence presence() const override { return m_presence; }
    TitleRoom titleRoom() const override;

private:
    void choose();
    void showTrayIcon();

    StatusNotifierItem* m_item;
    QSystemTrayIcon* m_tray = nullptr;
    std::unique_ptr<QMenu> m_trayMenu;
    // An XEmbed tray may start after the program, and Qt does not say when one appears.
    QTimer m_trayProbe;
    QTimer m_restartGrace;
    bool m_graceOver = false;
    Presence m_presence = Presence::statusNotifier;
    bool m_chosen = false;
    QList<QImage> m_icon;
    QString m_toolTip;
};
