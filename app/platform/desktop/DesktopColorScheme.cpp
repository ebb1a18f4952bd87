// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/DesktopColorScheme.h"

#include <QColor>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");
// A portal started on demand may take a few seconds to answer; nothing waits for it meanwhile.
constexpr int portalTimeoutMs = 10000;

// Read() wraps the value in a second variant.
QVariant unwrapped(QVariant value)
{
    while (value.canConvert<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

} // namespace

DesktopColorScheme::DesktopColorScheme(const QDBusConnection& connection, QString kdeGlobals, QObject* parent)
    : ColorScheme(parent), m_connection(connection), m_kdeGlobals(std::move(kdeGlobals))
{
    if (m_kdeGlobals.isEmpty()) {
        m_kdeGlobals =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kdeglobals");
    }
    askPortal();
    readFallbacks();
}

DesktopColorScheme::~DesktopColorScheme()
{
    if (m_gsettings.state() != QProcess::NotRunning) {
        m_gsettings.kill();
        m_gsettings.waitForFinished();
    }
}

void DesktopColorScheme::askPortal()
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface, QStringLiteral("Read"));
    call << appearance << colorSchemeKey;
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, portalTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answered) {
        answered->deleteLater();
        const QDBusMessage reply = answered->reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return;
        }
        bool isNumber = false;
        const uint value = unwrapped(reply.arguments().constFirst()).toUInt(&isNumber);
        if (!isNumber) {
            return;
        }
        // The portal speaks for the desktop from now on.
        m_portal = true;
        m_connection.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                             SLOT(settingChanged(QString, QString, QDBusVariant)));
        m_gsettings.kill();
        if (!m_kdeWatch.files().isEmpty() || !m_kdeWatch.directories().isEmpty()) {
            m_kdeWatch.removePaths(m_kdeWatch.files() + m_kdeWatch.directories());
        }
        set(portalValueIsDark(value));
    });
}

void DesktopColorScheme::readFallbacks()
{
    // Saves replace the file: its folder tells when it comes back.
    m_kdeWatch.addPath(QFileInfo(m_kdeGlobals).absolutePath());
    if (QFileInfo::exists(m_kdeGlobals)) {
        m_kdeWatch.addPath(m_kdeGlobals);
    }
    const auto reread = [this] {
        if (m_portal) {
            return;
        }
        if (QFileInfo::exists(m_kdeGlobals) && !m_kdeWatch.files().contains(m_kdeGlobals)) {
            m_kdeWatch.addPath(m_kdeGlobals);
        }
        if (const auto dark = kdeGlobalsAreDark(m_kdeGlobals)) {
            set(*dark);
        }
    };
    connect(&m_kdeWatch, &QFileSystemWatcher::fileChanged, this, reread);
    connect(&m_kdeWatch, &QFileSystemWatcher::directoryChanged, this, reread);
    if (const auto dark = kdeGlobalsAreDark(m_kdeGlobals)) {
        m_dark = *dark;
        return;
    }
    // GNOME without its portal: the same preference, in its own settings.
    connect(&m_gsettings, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        if (!m_portal && status == QProcess::NormalExit && exitCode == 0) {
            set(m_gsettings.readAllStandardOutput().contains("prefer-dark"));
        }
    });
    m_gsettings.start(QStringLiteral("gsettings"),
                      {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey});
}

std::optional<bool> DesktopColorScheme::kdeGlobalsAreDark(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    const QSettings globals(path, QSettings::IniFormat);
    const QStringList background = globals.value(QStringLiteral("Colors:Window/BackgroundNormal")).toStringList();
    if (background.size() >= 3) {
        const QColor color(background.at(0).toInt(), background.at(1).toInt(), background.at(2).toInt());
        return color.lightnessF() < 0.5;
    }
    // QSettings reads an INI file's [General] section as keys of no group.
    const QString scheme = globals.value(QStringLiteral("ColorScheme")).toString();
    if (scheme.isEmpty()) {
        return std::nullopt;
    }
    return scheme.contains(QStringLiteral("Dark"), Qt::CaseInsensitive);
}

void DesktopColorScheme::settingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != appearance || key != colorSchemeKey) {
        return;
    }
    bool isNumber = false;
    const uint scheme = unwrapped(QVariant::fromValue(value)).toUInt(&isNumber);
    if (isNumber) {
        set(portalValueIsDark(scheme));
    }
}

void DesktopColorScheme::set(bool dark)
{
    if (dark != m_dark) {
        m_dark = dark;
        Q_EMIT changed();
    }
}
