// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/SystemTimeZoneWatcher.h"

#include <QDBusConnection>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// Replacing a file is an unlink and a create (or a rename); reading the zone between the two
// would find none and fall back to UTC. Changes are taken in once things have been quiet this long.
constexpr std::chrono::milliseconds settleTime{250};

} // namespace

QStringList SystemTimeZoneWatcher::systemFiles()
{
    return {QStringLiteral("/etc/localtime"), QStringLiteral("/etc/timezone")};
}

SystemTimeZoneWatcher::SystemTimeZoneWatcher(const QStringList& files, QObject* parent)
    : TimeZoneWatcher(parent), m_files(files)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleTime);
    connect(&m_settle, &QTimer::timeout, this, &SystemTimeZoneWatcher::settled);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { settle(false); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { settle(false); });
    watchFiles();
    m_fingerprint = fingerprint();

    // timedated runs only while something talks to it, so the signal is a bonus: the files are
    // what the C library reads.
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.timedate1"),
                                         QStringLiteral("/org/freedesktop/timedate1"),
                                         QStringLiteral("org.freedesktop.DBus.Properties"),
                                         QStringLiteral("PropertiesChanged"), this, SLOT(timedatePropertiesChanged()));
}

void SystemTimeZoneWatcher::timedatePropertiesChanged()
{
    settle(true);
}

void SystemTimeZoneWatcher::watchFiles()
{
    for (const QString& file : std::as_const(m_files)) {
        const QFileInfo info(file);
        if (info.exists() && !m_watcher.files().contains(file)) {
            m_watcher.addPath(file);
        }
        const QString folder = info.absolutePath();
        if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder)) {
            m_watcher.addPath(folder);
        }
    }
}

void SystemTimeZoneWatcher::settle(bool certain)
{
    m_certain = m_certain || certain;
    m_settle.start();
}

void SystemTimeZoneWatcher::settled()
{
    watchFiles();
    const QByteArray now = fingerprint();
    // The folder (/etc) also changes for reasons of its own; those leave the zone files as they were.
    const bool changed = m_certain || now != m_fingerprint;
    m_fingerprint = now;
    m_certain = false;
    if (changed) {
        Q_EMIT TimeZoneWatcher::changed();
    }
}

QByteArray SystemTimeZoneWatcher::fingerprint() const
{
    QByteArray print;
    for (const QString& file : m_files) {
        print += QFileInfo(file).symLinkTarget().toUtf8();
        struct stat status
        {};
        if (::stat(QFile::encodeName(file).constData(), &status) == 0) {
            print += QByteArray::number(static_cast<qulonglong>(status.st_dev)) + ':' +
                     QByteArray::number(static_cast<qulonglong>(status.st_ino)) + ':' +
                     QByteArray::number(static_cast<qlonglong>(status.st_size)) + ':' +
                     QByteArray::number(static_cast<qlonglong>(status.st_mtim.tv_sec)) + '.' +
                     QByteArray::number(static_cast<qlonglong>(status.st_mtim.tv_nsec));
        }
        print += '\n';
    }
    return print;
}
