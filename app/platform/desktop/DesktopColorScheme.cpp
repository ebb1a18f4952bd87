// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/DesktopColorScheme.h"

#include <QColor>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");
// A desktop that does not answer at once has no portal worth waiting for at start.
constexpr int portalTimeoutMs = 500;

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
    if (const auto dark = readPortal()) {
        m_portal = true;
        m_dark = *dark;
        m_connection.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                             SLOT(settingChanged(QString, QString, QDBusVariant)));
        return;
    }
    readFallbacks();
    // Saves replace the file: its folder tells when it comes back.
    m_kdeWatch.addPath(QFileInfo(m_kdeGlobals).absolutePath());
    if (QFileInfo::exists(m_kdeGlobals)) {
        m_kdeWatch.addPath(m_kdeGlobals);
    }
    const auto reread = [this] {
        if (QFileInfo::exists(m_kdeGlobals) && !m_kdeWatch.files().contains(m_kdeGlobals)) {
            m_kdeWatch.addPath(m_kdeGlobals);
        }
        if (const auto dark = kdeGlobalsAreDark(m_kdeGlobals)) {
            set(*dark);
        }
    };
    connect(&m_kdeWatch, &QFileSystemWatcher::fileChanged, this, reread);
    connect(&m_kdeWatch, &QFileSystemWatcher::directoryChanged, this, reread);
}

std::optional<bool> DesktopColorScheme::readPortal()
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface, QStringLiteral("Read"));
    call << appearance << colorSchemeKey;
    const QDBusMessage reply = m_connection.call(call, QDBus::Block, portalTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    bool isNumber = false;
    const uint value = unwrapped(reply.arguments().constFirst()).toUInt(&isNumber);
    return isNumber ? std::optional(portalValueIsDark(value)) : std::nullopt;
}

void DesktopColorScheme::readFallbacks()
{
    if (const auto dark = kdeGlobalsAreDark(m_kdeGlobals)) {
        m_dark = *dark;
        return;
    }
    // GNOME without its portal: the same preference, in its own settings.
    QProcess gsettings;
    gsettings.start(QStringLiteral("gsettings"),
                    {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey});
    if (gsettings.waitForFinished(portalTimeoutMs) && gsettings.exitCode() == 0) {
        m_dark = gsettings.readAllStandardOutput().contains("prefer-dark");
    }
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
