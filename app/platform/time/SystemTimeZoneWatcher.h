// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/TimeZoneWatcher.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>

// Watches the files that name the system zone (/etc/localtime, /etc/timezone) through inotify,
// and listens to systemd-timedated's PropertiesChanged on the system bus where there is one.
// Tools replace these files rather than write them, which ends a watch on the file itself, so
// their folders are watched too and the file watches are renewed after every change.
class SystemTimeZoneWatcher final : public TimeZoneWatcher
{
    Q_OBJECT

public:
    static QStringList systemFiles();

    explicit SystemTimeZoneWatcher(const QStringList& files = systemFiles(), QObject* parent = nullptr);

private Q_SLOTS:
    void timedatePropertiesChanged();

private:
    void watchFiles();
    void settle(bool certain);
    void settled();
    QByteArray fingerprint() const;

    QStringList m_files;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QByteArray m_fingerprint;
    bool m_certain = false;
};
