// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

class CalendarManager;
class Clipboard;
class Clock;
class LoginItem;
class MenuBarView;
class ModifierKeys;
class NotificationManager;
class PanelShade;
class QAction;
class ResourceDirectory;
class SettingsView;
class SoundManager;
class StatusItem;
class StatusItemBinding;

// The program as the user sees it: the status item with today's title and its menu, the panel it
// opens and the settings window, all over the one calendar manager.
class QuintavalApp final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        CalendarManager& calendar;
        SoundManager& sound;
        NotificationManager& notifications;
        StatusItem& statusItem;
        LoginItem& loginItem;
        const Clock& clock;
        const ResourceDirectory& resources;
        Clipboard& clipboard;
        const ModifierKeys& modifiers;
    };

    explicit QuintavalApp(Services services, QObject* parent = nullptr);
    ~QuintavalApp() override;

    // The program's icon drawn from the resource directory at the sizes title bars and task
    // lists use; null when the picture is missing.
    static QIcon applicationIcon(const ResourceDirectory& resources);

    // The panel, built the first time it is asked for.
    MenuBarView& panel();
    // Null until the settings window was first opened.
    SettingsView* settings() { return m_settings.get(); }
    // The status item's menu: open the panel, copy, settings, quit.
    QList<QAction*> menuActions() const { return m_menuActions; }
    // Opens the panel where the user will look for it: under the status item when there is one
    // (at the last place it was clicked), as a window otherwise.
    void openPanel();
    void openSettings();

Q_SIGNALS:
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the panel hangs for a click the status bar reports at `hint`, the pointer at `pointer`
    // when the desktop told where it is.
    QPoint anchorFor(QPoint hint, std::optional<QPoint> pointer = std::nullopt) const;
    void itemActivated(QPoint hint);
    // Places the drop-down for a click the status bar reports at `hint` (none: at the pointer),
    // and opens it, or closes it when `toggle` and it is open.
    void openUnderClick(std::optional<QPoint> hint, bool toggle);
    // Opens the drop-down under `anchor`, or closes it when `toggle` and it is open.
    void showDropDown(QPoint anchor, bool toggle);
    void openPanelFromMenu();
    void presenceChanged();
    void copyDate();
    const QIcon& windowIcon();
    QAction* addMenuAction(const QString& text);

    Services m_services;
    std::optional<QIcon> m_icon;
    std::unique_ptr<MenuBarView> m_panel;
    // With the panel, and only where the X server is blind beyond the program's windows (XWayland on
    // sway).
    std::unique_ptr<PanelShade> m_shade;
    std::unique_ptr<SettingsView> m_settings;
    std::unique_ptr<StatusItemBinding> m_binding;
    QList<QAction*> m_menuActions;
    QPoint m_lastAnchor;
    bool m_hasActivation = false;
};
