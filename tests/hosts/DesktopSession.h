// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

// A headless desktop for one real status-bar host: a virtual X screen, the processes the host
// needs, and the pointer, keyboard and eyes a user would bring. The test runs on the session
// bus it was started on (dbus-run-session), which the host and the program share.
class DesktopSession final
{
public:
    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Starts Xvfb on the first free display from 150 up, open to every local user, and points
    // this process's DISPLAY at it.
    bool startScreen(QSize size);
    QString display() const { return m_display; }
    // Splits the screen into monitors side by side (RandR's own monitors); the one at `withOutput`
    // keeps the screen's one output and is the primary.
    bool setMonitors(const QList<QRect>& monitors, int withOutput);
    // The dots per inch X programs are told (Xft.dpi), as a desktop at a scale sets them.
    bool setDpi(int dpi);
    QSize screenSize() const { return m_size; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Starts a program in a process group of its own, so that it goes with everything it spawned.
    // Its output goes to <log>.log in the session's folder, named after the program unless given.
    QProcess* spawn(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                    const QString& log = {});
    // Ends a process started here (and its group), and waits for it.
    void end(QProcess* process);

    // The unique name that owns a well-known name on the session bus, once it appears.
    QString waitForBusName(const QString& name, int timeoutMs) const;

    // Everything the session bus carries from now on, as dbus-monitor prints it.
    bool startBusMonitor();
    QString busTraffic() const;

    // Commands for a display run as the user that owns it (a server without an authority file
    // may still admit its own user only): the given prefix goes before each of them.
    void setDisplayUser(const QString& display, const QStringList& prefix) { m_displayUsers.insert(display, prefix); }
    // An X client command run on the given display (this session's unless named).
    QString onDisplay(const QString& display, const QString& program, const QStringList& arguments) const;
    // The same, left running (ended with the session or by end()), its output in <log>.log.
    QProcess* spawnOnDisplay(const QString& display, const QString& program, const QStringList& arguments,
                             const QString& log);
    QString log(const QString& name) const;
    QString xdotool(const QStringList& arguments, const QString& display = {}) const;
    void click(QPoint point, int button = 1) const;
    void key(const QString& key) const;
    std::optional<QRect> windowGeometry(const QString& window, const QString& display = {}) const;
    QStringList visibleWindows(const QString& option, const QString& pattern, const QString& display = {}) const;

    // The whole screen as the X server holds it.
    QImage screenshot() const;

private:
    struct DisplayCommand
    {
        QString program;
        QStringList arguments;
        QProcessEnvironment environment;
    };
    DisplayCommand commandOnDisplay(const QString& display, const QString& program, const QStringList& arguments) const;

    QTemporaryDir m_dir;
    QString m_display;
    QSize m_size;
    QList<QProcess*> m_processes;
    QHash<QString, QStringList> m_displayUsers;
    QProcess* m_monitor = nullptr;
};

// Runs a command to its end (at most 10 s) and gives what it printed on standard output.
QString commandOutput(const QString& program, const QStringList& arguments, int* exitCode = nullptr,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Waits, letting events through, until `ready` holds or the time is up.
bool waitUntil(const std::function<bool()>& ready, int timeoutMs, int stepMs = 100);
