// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: the one place that picks the Linux implementation of every service.

#include "app/platform/audio/ApplicationBeep.h"
#include "app/platform/audio/ProcessAudioPlayer.h"
#include "app/platform/desktop/DesktopColorScheme.h"
#include "app/platform/desktop/SwayPointerLocator.h"
#include "app/platform/desktop/SwayWorkArea.h"
#include "app/platform/desktop/SystemClipboard.h"
#include "app/platform/desktop/SystemModifierKeys.h"
#include "app/platform/desktop/SystemRandomSource.h"
#include "app/platform/desktop/X11InputFocus.h"
#include "app/platform/desktop/X11WorkArea.h"
#include "app/platform/files/FileResourceDirectory.h"
#include "app/platform/files/SettingsPreferences.h"
#include "app/platform/files/TranslationLoader.h"
#include "app/platform/session/DBusNotificationCenter.h"
#include "app/platform/session/SessionBusWatch.h"
#include "app/platform/session/XdgAutostartLoginItem.h"
#include "app/platform/statusitem/SystemStatusItem.h"
#include "app/platform/time/SystemClock.h"
#include "app/platform/time/SystemClockChangeWatcher.h"
#include "app/platform/time/SystemTimeZoneWatcher.h"
#include "app/platform/time/WallClockDeadlineTimer.h"
#include "app/state/CalendarManager.h"
#include "app/state/NotificationManager.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/SoundManager.h"
#include "app/ui/QuintavalApp.h"
#include "common/QuitSignals.h"
#include "common/SingleInstance.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    // Under a Wayland compositor the panel and the widgets go through XWayland: Qt's Wayland
    // back-end can neither put a drop-down at a place on the screen nor keep a window below the
    // others. A QT_QPA_PLATFORM of the user's own still wins.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quintaval"));
    // No display name: Qt would append it to every window title, "Quintaval Settings — Quintaval".
    QApplication::setApplicationName(QStringLiteral("Quintaval"));
    QApplication::setDesktopFileName(QStringLiteral("quintaval"));
    TranslationLoader::install(TranslationLoader::directoryForRunningProgram());
    // The program lives in the status bar: closing the settings window or the panel ends nothing.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(QStringLiteral("quintaval"), QByteArrayLiteral("activate\n"));
    switch (instance.start()) {
    case SingleInstance::Role::primary:
        break;
    case SingleInstance::Role::secondary:
        return 0;
    case SingleInstance::Role::refused:
        return 1;
    }
    // A logout or a kill ends the program as its quit control does, which leaves the socket,
    // the settings file and the bus tidy.
    const QuitSignals quitSignals;
    // The session bus goes when the session ends. Staying on without it would leave the item off
    // the bar for good and turn every later start away; a session manager starts the program anew.
    const SessionBusWatch sessionBus;
    QObject::connect(&sessionBus, &SessionBusWatch::lost, &application, [] {
        std::fputs("quintaval: the connection to the session bus was lost; leaving\n", stderr);
        QCoreApplication::exit(1);
    });

    const auto clock = std::make_shared<SystemClock>();
    const auto preferences = std::make_shared<SettingsPreferences>(PreferenceKeys::schema());
    const auto resources = std::make_shared<FileResourceDirectory>(FileResourceDirectory::forRunningProgram());
    SoundManager::configureShared(
        {preferences, resources, std::make_shared<ProcessAudioPlayer>(), std::make_shared<ApplicationBeep>()});
    // Reminders sleep until their minute; a clock set, a resume or a zone change wakes them early.
    // One watcher of each serves the reminders and the calendar.
    const auto clockChanges = std::make_shared<SystemClockChangeWatcher>();
    const auto zoneChanges = std::make_shared<SystemTimeZoneWatcher>();
    NotificationManager::configureShared(
        {preferences, std::make_shared<DBusNotificationCenter>(clock, clockChanges, zoneChanges), clock});

    // A first launch writes several keys; they go to the file in one save.
    preferences->holdSaves();
    CalendarManager calendar({clock, std::make_shared<SystemRandomSource>(), std::make_unique<WallClockDeadlineTimer>(),
                              preferences, zoneChanges, clockChanges, std::make_shared<DesktopColorScheme>()});
    preferences->releaseSaves();
    SystemStatusItem statusItem;
    XdgAutostartLoginItem loginItem;
    SystemClipboard clipboard;
    SystemModifierKeys modifiers;
    // Under XWayland sway tells X clients neither where its bars are nor where the pointer is: its
    // own socket does, where sway names it. Elsewhere the X11 docks say what they reserve.
    const QString swaySocket = qEnvironmentVariable("SWAYSOCK");
    const std::unique_ptr<const WorkArea> workArea =
        swaySocket.isEmpty() ? std::unique_ptr<const WorkArea>(std::make_unique<X11WorkArea>())
                             : std::make_unique<SwayWorkArea>(swaySocket);
    SwayPointerLocator pointer(swaySocket);
    X11InputFocus inputFocus;
    QuintavalApp quintaval({calendar, SoundManager::shared(), NotificationManager::shared(), statusItem, loginItem,
                            *clock, *resources, clipboard, modifiers, *workArea, inputFocus, pointer});

    statusItem.start();
    // Started by a click on something of the desktop's own (a Plasma widget, XFCE's generic
    // monitor): the panel opens as it would have in a running program.
    if (QCoreApplication::arguments().contains(QStringLiteral("--open-panel"))) {
        QTimer::singleShot(0, &quintaval, &QuintavalApp::openPanel);
    }

    QObject::connect(&instance, &SingleInstance::requested, &quintaval, &QuintavalApp::openPanel);
    QObject::connect(&quintaval, &QuintavalApp::quitRequested, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
