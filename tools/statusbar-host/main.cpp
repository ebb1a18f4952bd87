// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-statusbar-host: a small status bar for machines without a desktop. It is the
// session's StatusNotifierWatcher and host, draws a bar across the top of the screen with each
// item's icon and label, and forwards clicks to the items. Tests and scripts read and drive it
// through org.quintaval.TestStatusBar on the session bus.

#include "tools/statusbar-host/StatusBarWindow.h"
#include "tools/statusbar-host/StatusNotifierWatcher.h"
#include "tools/statusbar-host/TestStatusBar.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quintaval-statusbar-host"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A test status bar: StatusNotifierWatcher, host and bar."));
    parser.addHelpOption();
    const QCommandLineOption watcherOnly(
        QStringLiteral("watcher-only"),
        QStringLiteral("Run the watcher without a host and without the bar, until a host registers."));
    parser.addOption(watcherOnly);
    parser.process(app);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "quintaval-statusbar-host: no D-Bus session bus\n");
        return 1;
    }
    const bool drawsItems = !parser.isSet(watcherOnly);
    StatusNotifierWatcher watcher(bus, drawsItems);
    StatusBarWindow bar(&watcher);
    TestStatusBar test(&watcher, &bar);
    if (!bus.registerObject(QStringLiteral("/TestStatusBar"), &test, QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService(QStringLiteral("org.quintaval.TestStatusBar"))) {
        std::fprintf(stderr, "quintaval-statusbar-host: another test status bar runs on this bus\n");
        return 1;
    }
    QString error;
    if (!watcher.start(&error)) {
        std::fprintf(stderr, "quintaval-statusbar-host: %s\n", qPrintable(error));
        return 1;
    }
    if (drawsItems) {
        bus.registerService(QStringLiteral("org.kde.StatusNotifierHost-%1").arg(QApplication::applicationPid()));
        bar.show();
    }
    return QApplication::exec();
}
