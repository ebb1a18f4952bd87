// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hosts/DesktopSession.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <sys/types.h>
#include <unistd.h>
#include <xcb/xcb.h>

QString commandOutput(const QString& program, const QStringList& arguments, int* exitCode,
                      const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    if (exitCode) {
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool waitUntil(const std::function<bool()>& ready, int timeoutMs, int stepMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!ready()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, stepMs);
        QThread::msleep(stepMs);
    }
    return true;
}

DesktopSession::DesktopSession()
{
    // QUINTAVAL_KEEP_SESSION=1 keeps the logs of the hosts and the bus for a look afterwards.
    if (qEnvironmentVariableIntValue("QUINTAVAL_KEEP_SESSION") != 0) {
        m_dir.setAutoRemove(false);
        qInfo("session files in %s", qPrintable(m_dir.path()));
    }
}

DesktopSession::~DesktopSession()
{
    if (m_monitor) {
        end(m_monitor);
    }
    while (!m_processes.isEmpty()) {
        end(m_processes.last());
    }
}

bool DesktopSession::startScreen(QSize size)
{
    m_size = size;
    for (int number = 150; number < 250; ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) {
            continue;
        }
        const QString display = QStringLiteral(":%1").arg(number);
        // Without an authority file every local client may connect, including the hosts that
        // refuse to run as root. -noreset keeps the server up between clients.
        QProcess* server = spawn(QStringLiteral("Xvfb"),
                                 {display, QStringLiteral("-screen"), QStringLiteral("0"),
                                  QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
                                  QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        server->waitForStarted();
        const bool up = waitUntil(
            [&] {
                return server->state() != QProcess::Running ||
                       QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number));
            },
            10000);
        if (up && server->state() == QProcess::Running) {
            m_display = display;
            qputenv("DISPLAY", display.toUtf8());
            return true;
        }
        end(server);
    }
    return false;
}

QProcess* DesktopSession::spawn(const QString& program, const QStringList& arguments,
                                const QProcessEnvironment& environment, const QString& logName)
{
    auto* process = new QProcess;
    process->setProcessEnvironment(environment);
    process->setChildProcessModifier([] { ::setsid(); });
    const QString log =
        m_dir.filePath((logName.isEmpty() ? program.section(QLatin1Char('/'), -1) : logName) + QStringLiteral(".log"));
    process->setStandardOutputFile(log, QIODevice::Append);
    process->setStandardErrorFile(log, QIODevice::Append);
    process->start(program, arguments);
    process->waitForStarted();
    m_processes.append(process);
    return process;
}

void DesktopSession::end(QProcess* process)
{
    m_processes.removeAll(process);
    const qint64 group = process->processId();
    if (group > 0) {
        ::kill(-static_cast<pid_t>(group), SIGTERM);
        if (!process->waitForFinished(3000)) {
            ::kill(-static_cast<pid_t>(group), SIGKILL);
            process->waitForFinished(3000);
        }
        // Whatever the group leader left behind.
        ::kill(-static_cast<pid_t>(group), SIGKILL);
    }
    delete process;
}

QString DesktopSession::waitForBusName(const QString& name, int timeoutMs) const
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    QString owner;
    waitUntil(
        [&] {
            owner = bus->serviceOwner(name).value();
            return !owner.isEmpty();
        },
        timeoutMs);
    return owner;
}

bool DesktopSession::startBusMonitor()
{
    m_monitor = new QProcess;
    m_monitor->setStandardOutputFile(m_dir.filePath(QStringLiteral("bus.log")));
    m_monitor->start(QStringLiteral("dbus-monitor"), {QStringLiteral("--session")});
    if (!m_monitor->waitForStarted()) {
        return false;
    }
    // It listens once it has told the bus it monitors; give it that moment.
    QThread::msleep(300);
    return m_monitor->state() == QProcess::Running;
}

QString DesktopSession::busTraffic() const
{
    QFile file(m_dir.filePath(QStringLiteral("bus.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// `program` with its arguments on `display` (the session's own when empty), run by the display's
// user where it is not the test's: the command, its arguments and its environment.
DesktopSession::DisplayCommand DesktopSession::commandOnDisplay(const QString& display, const QString& program,
                                                                 const QStringList& arguments) const
{
    const QString target = display.isEmpty() ? m_display : display;
    DisplayCommand command{{}, m_displayUsers.value(target) << program << arguments,
                           QProcessEnvironment::systemEnvironment()};
    command.environment.insert(QStringLiteral("DISPLAY"), target);
    command.program = command.arguments.takeFirst();
    return command;
}

QString DesktopSession::onDisplay(const QString& display, const QString& program, const QStringList& arguments) const
{
    const DisplayCommand command = commandOnDisplay(display, program, arguments);
    return commandOutput(command.program, command.arguments, nullptr, command.environment);
}

QProcess* DesktopSession::spawnOnDisplay(const QString& display, const QString& program, const QStringList& arguments,
                                         const QString& log)
{
    const DisplayCommand command = commandOnDisplay(display, program, arguments);
    return spawn(command.program, command.arguments, command.environment, log);
}

QString DesktopSession::log(const QString& name) const
{
    QFile file(m_dir.filePath(name + QStringLiteral(".log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool DesktopSession::setMonitors(const QList<QRect>& monitors, int withOutput)
{
    for (int index = 0; index < monitors.size(); ++index) {
        const QRect& monitor = monitors.at(index);
        // Sizes in millimetres at 96 dots per inch.
        const QString geometry = QStringLiteral("%1/%2x%3/%4+%5+%6")
                                     .arg(monitor.width())
                                     .arg(monitor.width() * 254 / 960)
                                     .arg(monitor.height())
                                     .arg(monitor.height() * 254 / 960)
                                     .arg(monitor.x())
                                     .arg(monitor.y());
        int exitCode = -1;
        commandOutput(QStringLiteral("xrandr"),
                      {QStringLiteral("--display"), m_display, QStringLiteral("--setmonitor"),
                       QStringLiteral("monitor-%1").arg(index), geometry,
                       index == withOutput ? QStringLiteral("screen") : QStringLiteral("none")},
                      &exitCode);
        if (exitCode != 0) {
            return false;
        }
    }
    int exitCode = -1;
    commandOutput(QStringLiteral("xrandr"),
                  {QStringLiteral("--display"), m_display, QStringLiteral("--output"), QStringLiteral("screen"),
                   QStringLiteral("--primary")},
                  &exitCode);
    return exitCode == 0;
}

bool DesktopSession::setDpi(int dpi)
{
    QProcess xrdb;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    xrdb.setProcessEnvironment(environment);
    xrdb.start(QStringLiteral("xrdb"), {QStringLiteral("-merge")});
    xrdb.write(QStringLiteral("Xft.dpi: %1\n").arg(dpi).toUtf8());
    xrdb.closeWriteChannel();
    return xrdb.waitForFinished(10000) && xrdb.exitCode() == 0;
}

QString DesktopSession::xdotool(const QStringList& arguments, const QString& display) const
{
    return onDisplay(display, QStringLiteral("xdotool"), arguments);
}

void DesktopSession::click(QPoint point, int button) const
{
    // Moved first and then pressed, as a hand does: hosts track the pointer before the press.
    xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
    QThread::msleep(150);
    xdotool({QStringLiteral("click"), QString::number(button)});
}

void DesktopSession::key(const QString& key) const
{
    xdotool({QStringLiteral("key"), key});
}

std::optional<QRect> DesktopSession::windowGeometry(const QString& window, const QString& display) const
{
    const QString shell = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}, display);
    QMap<QString, int> values;
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        const QStringList parts = line.split(QLatin1Char('='));
        if (parts.size() == 2) {
            values.insert(parts[0], parts[1].toInt());
        }
    }
    if (!values.contains(QStringLiteral("WIDTH"))) {
        return std::nullopt;
    }
    return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                 values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
}

QStringList DesktopSession::visibleWindows(const QString& option, const QString& pattern, const QString& display) const
{
    const QString ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), option, pattern}, display);
    return ids.isEmpty() ? QStringList() : ids.split(QLatin1Char('\n'));
}

QImage DesktopSession::screenshot() const
{
    // Read straight from the server: a test polls the screen many times a second, and a helper
    // program that encodes a file each time would add its own delay to every measure.
    const QByteArray display = m_display.toUtf8();
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    QImage image;
    if (!xcb_connection_has_error(connection)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_get_image_reply_t* reply =
            xcb_get_image_reply(connection,
                                xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
                                              screen->width_in_pixels, screen->height_in_pixels, ~0U),
                                nullptr);
        // A 24-bit screen holds each pixel in 32 bits, as QImage's RGB32 does.
        if (reply && reply->depth == 24 &&
            xcb_get_image_data_length(reply) == screen->width_in_pixels * screen->height_in_pixels * 4) {
            image = QImage(xcb_get_image_data(reply), screen->width_in_pixels, screen->height_in_pixels,
                           QImage::Format_RGB32)
                        .copy();
        }
        std::free(reply);
    }
    xcb_disconnect(connection);
    return image;
}
