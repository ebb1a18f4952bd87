// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Runs quintaval-statusbar-host on the test's session bus and reads what it shows through its
// org.quintaval.TestStatusBar interface. The host answers from what it already read, so these
// calls never wait on the items under test.
class StatusBarHostProcess final
{
public:
    explicit StatusBarHostProcess(QStringList arguments = {});
    ~StatusBarHostProcess();
    StatusBarHostProcess(const StatusBarHostProcess&) = delete;
    StatusBarHostProcess& operator=(const StatusBarHostProcess&) = delete;

    // Starts the host and waits until its watcher is on the bus.
    bool start();
    // Ends it at once, as a crash would, and waits until its names have left the bus.
    void kill();

    QStringList items() const;
    QVariantMap item(const QString& key) const;
    bool click(const QString& key, const QString& button = QStringLiteral("left")) const;
    // Drops the item from the watcher's list, as a status bar does that cannot draw it.
    bool drop(const QString& key) const;
    bool screenshot(const QString& path, bool wholeScreen = false) const;

private:
    QStringList m_arguments;
    QProcess m_process;
};
