// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-widgets: the desktop's widget host. Without options it puts back the widgets placed
// before (or opens the gallery); --render and --timeline are one-off commands.

#include "app/platform/files/TranslationLoader.h"
#include "app/platform/time/SystemClockChangeWatcher.h"
#include "app/platform/time/SystemTimeZoneWatcher.h"
#include "common/QuitSignals.h"
#include "common/SingleInstance.h"
#include "widgethost/HostCommands.h"
#include "widgethost/PlacementStore.h"
#include "widgethost/SystemHostClock.h"
#include "widgethost/WidgetHost.h"
#include "widgethost/WidgetPluginLoader.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

// The texts of the command line, which belong to no window.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

bool isOneOffCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--render") == 0 || std::strcmp(argv[i], "--timeline") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // The one-off commands draw off screen, so they also run where there is no display.
    if (isOneOffCommand(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Widgets stay below other windows and where the user put them only through XWayland: Qt's
    // Wayland back-end can do neither. A QT_QPA_PLATFORM of the user's own still wins.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quintaval-widgets"));
    QApplication::setOrganizationName(QStringLiteral("Quintaval"));
    TranslationLoader::install(TranslationLoader::directoryForRunningProgram());
    // The gallery and the widgets carry the program's icon, installed in the hicolor theme.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quintaval")));

    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr("Shows desktop widgets, such as the Revolutionary Calendar."));
    parser.addHelpOption();
    const QCommandLineOption renderOption(QStringLiteral("render"), CommandLine::tr("Draw a face into a PNG file."),
                                          QStringLiteral("small|medium|large"));
    const QCommandLineOption timelineOption(QStringLiteral("timeline"),
                                            CommandLine::tr("Print the widget's timeline."));
    const QCommandLineOption atOption(
        QStringLiteral("at"),
        CommandLine::tr("The instant to draw or list for (ISO 8601, local time unless an offset is given)."),
        CommandLine::tr("date-time"));
    const QCommandLineOption darkOption(QStringLiteral("dark"), CommandLine::tr("Draw as on a dark desktop."));
    const QCommandLineOption outOption(QStringLiteral("out"), CommandLine::tr("Where --render writes."),
                                       CommandLine::tr("FILE.png"));
    const QCommandLineOption kindOption(QStringLiteral("kind"), CommandLine::tr("The widget, when several are loaded."),
                                        CommandLine::tr("kind"));
    const QCommandLineOption pluginOption(QStringLiteral("plugin-dir"),
                                          CommandLine::tr("Load widget plug-ins from this folder instead."),
                                          CommandLine::tr("folder"));
    parser.addOptions({renderOption, timelineOption, atOption, darkOption, outOption, kindOption, pluginOption});
    parser.process(application);

    QTextStream output(stdout);
    QTextStream errors(stderr);

    WidgetPluginLoader plugins;
    plugins.loadDirectories(parser.isSet(pluginOption) ? parser.values(pluginOption)
                                                       : WidgetPluginLoader::defaultDirectories());
    for (const QString& problem : plugins.errors()) {
        errors << "quintaval-widgets: " << problem << '\n';
    }
    errors.flush();

    HostCommands::Request request;
    request.kind = parser.value(kindOption);
    if (parser.isSet(atOption)) {
        request.at = QDateTime::fromString(parser.value(atOption), Qt::ISODate);
        if (!request.at.isValid()) {
            errors << "quintaval-widgets: "
                   << CommandLine::tr("\"%1\" is not an ISO 8601 date and time.").arg(parser.value(atOption)) << '\n';
            return 2;
        }
    }
    if (parser.isSet(renderOption)) {
        request.family = parser.value(renderOption);
        request.dark = parser.isSet(darkOption);
        request.outputPath = parser.value(outOption);
        return HostCommands::render(plugins.widgets(), request, errors);
    }
    if (parser.isSet(timelineOption)) {
        return HostCommands::timeline(plugins.widgets(), request, output, errors);
    }

    SingleInstance instance(QStringLiteral("quintaval-widgets"), QByteArrayLiteral("gallery\n"));
    switch (instance.start()) {
    case SingleInstance::Role::primary:
        break;
    case SingleInstance::Role::secondary:
        output << CommandLine::tr("quintaval-widgets is already running; its gallery opens.") << '\n';
        return 0;
    case SingleInstance::Role::refused:
        return 1;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    // Ended by a signal, the host still stores the placements and removes its socket.
    const QuitSignals quitSignals;
    // One watcher of each, and one alarm, for all the widgets placed.
    const SystemClockChangeWatcher clockChanges;
    const SystemTimeZoneWatcher zoneChanges;
    SystemHostClock clock(clockChanges, zoneChanges);
    PlacementStore store;
    WidgetHost host(plugins.widgets(), plugins.errors(), store, clock);
    QObject::connect(&instance, &SingleInstance::requested, &host, &WidgetHost::showGallery);
    host.start();
    return QApplication::exec();
}
