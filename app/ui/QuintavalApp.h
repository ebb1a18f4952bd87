// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

#include <memory>

class CalendarManager;
class Clipboard;
class Clock;
class LoginItem;
class MenuBarView;
class ModifierKeys;
class NotificationManager;
class ResourceDirectory;
class SettingsView;
class SoundManager;
class StatusItem;
class StatusItemBinding;

// The program as the user sees it: the status item with today's title, the panel it opens and
// the settings window, all over the one calendar manager.
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

    MenuBarView& panel() { return *m_panel; }
    // Opens the panel where the user will look for it: under the status item when there is one
    // (at the last place it was clicked), as a window otherwise.
    void openPanel();
    void openSettings();

Q_SIGNALS:
    void quitRequested();

private:
    void presenceChanged();

    Services m_services;
    std::unique_ptr<MenuBarView> m_panel;
    std::unique_ptr<SettingsView> m_settings;
    std::unique_ptr<StatusItemBinding> m_binding;
    QPoint m_lastActivation;
    bool m_hasActivation = false;
};
