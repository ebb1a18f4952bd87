// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>

#include <memory>

class CalendarManager;
class Clipboard;
class Clock;
class DropDown;
class InputFocus;
class LoginItem;
class MenuBarView;
class ModifierKeys;
class NotificationManager;
class PointerLocator;
class QAction;
class ResourceDirectory;
class SettingsView;
class SoundManager;
class StatusItem;
class StatusItemBinding;
class WorkArea;

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
        const WorkArea& workArea;
        InputFocus& inputFocus;
        PointerLocator& pointer;
    };

    explicit QuintavalApp(Services services, QObject* parent = nullptr);
    ~QuintavalApp() override;

    // The program's icon drawn from the resource directory at the sizes title bars and task
    // lists use; null when the picture is missing.
    static QIcon applicationIcon(const ResourceDirectory& resources);

    // The panel, built the first time it is asked for.
    MenuBarView& panel();
    // How the panel drops from the status item; built with the panel.
    DropDown& dropDown();
    // Null until the settings window was first opened.
    SettingsView* settings() { return m_settings.get(); }
    // The status item's menu: open the panel, copy, settings, quit.
    QList<QAction*> menuActions() const { return m_menuActions; }
    // Opens the panel where the user will look for it: under the status item when there is one
    // (under the applet clicked when the pointer is on a bar, else at the last place the item was
    // clicked), as a window otherwise.
    void openPanel();
    void openSettings();

Q_SIGNALS:
    void quitRequested();

private:
    void itemActivated(QPoint hint);
    void openPanelFromMenu();
    void presenceChanged();
    void copyDate();
    const QIcon& windowIcon();
    QAction* addMenuAction(const QString& text);

    Services m_services;
    std::optional<QIcon> m_icon;
    std::unique_ptr<MenuBarView> m_panel;
    std::unique_ptr<DropDown> m_dropDown;
    std::unique_ptr<SettingsView> m_settings;
    std::unique_ptr<StatusItemBinding> m_binding;
    QList<QAction*> m_menuActions;
};
