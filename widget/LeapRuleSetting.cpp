// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/LeapRuleSetting.h"

#include "common/ConfigFolder.h"
#include "common/SharedSettings.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>

// The program's own file, found as the program finds it: a relative XDG_CONFIG_HOME ignored, and
// no file at all for a user without a home.
QString LeapRuleSetting::fileName()
{
    const auto folder = ConfigFolder::userConfigHome();
    return folder ? QDir(*folder).filePath(QLatin1String(SharedSettings::relativeFilePath)) : QString();
}

LeapRuleSetting::LeapRuleSetting(QObject* parent) : QObject(parent) {}

LeapRule LeapRuleSetting::rule() const
{
    const QString path = fileName();
    if (!QFileInfo(path).isFile()) {
        return LeapRule::continuous;
    }
    const QSettings settings(path, QSettings::IniFormat);
    const QVariant stored = settings.value(QLatin1String(SharedSettings::leapRuleKey));
    if (!stored.isValid()) {
        return LeapRule::continuous;
    }
    const QString name =
        stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(QLatin1String(", ")) : stored.toString();
    if (const auto rule = leapRuleFromName(name.toStdString()); rule && stored.typeId() == QMetaType::QString) {
        return *rule;
    }
    if (m_reported != name) {
        m_reported = name;
        qWarning().noquote() << QStringLiteral("Quintaval widget: the settings' %1 '%2' names no leap-year rule; "
                                               "using continuous")
                                    .arg(QLatin1String(SharedSettings::leapRuleKey), name);
    }
    return LeapRule::continuous;
}

void LeapRuleSetting::watch()
{
    if (m_watcher) {
        return;
    }
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &LeapRuleSetting::fileTouched);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &LeapRuleSetting::fileTouched);
    m_watchedRule = rule();
    watchWhatExists();
}

void LeapRuleSetting::fileTouched()
{
    // A save writes a new file and renames it over the old one, which leaves the watch on a file
    // that is gone; the folder's change brings the new one under watch.
    watchWhatExists();
    const LeapRule now = rule();
    if (now != m_watchedRule) {
        m_watchedRule = now;
        Q_EMIT changed();
    }
}

void LeapRuleSetting::watchWhatExists()
{
    // The file, its folder, and the configuration folder the program's folder appears in on its
    // first start. A user with no config folder has nothing to watch.
    if (fileName().isEmpty()) {
        return;
    }
    const QFileInfo file(fileName());
    QStringList paths{file.absoluteFilePath(), file.absolutePath(), QFileInfo(file.absolutePath()).absolutePath()};
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    paths.removeIf([&watched](const QString& path) { return watched.contains(path) || !QFileInfo::exists(path); });
    if (!paths.isEmpty()) {
        m_watcher->addPaths(paths);
    }
}
