// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ColorScheme.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QString>

#include <optional>

// The desktop's colour preference as the freedesktop portal's Settings interface tells it
// (org.freedesktop.appearance color-scheme, which GNOME 43 and Plasma 5.27 provide), followed by
// its SettingChanged signal. Until the portal answers, and where none does: KDE's colour scheme in
// kdeglobals (watched), else GNOME's own setting, read once through gsettings. Nothing is waited
// for: the portal's answer and gsettings' come in the background, and `changed` says when they
// change the preference.
class DesktopColorScheme final : public ColorScheme
{
    Q_OBJECT

public:
    // `kdeGlobals`: KDE's settings file; the user's own unless given.
    explicit DesktopColorScheme(const QDBusConnection& connection = QDBusConnection::sessionBus(),
                                QString kdeGlobals = {}, QObject* parent = nullptr);
    ~DesktopColorScheme() override;

    bool prefersDark() const override { return m_dark; }

    // 1 is dark, 2 light, 0 no preference: the portal's values.
    static bool portalValueIsDark(uint value) { return value == 1; }
    // Whether KDE's settings file names a dark scheme, or gives windows a dark background.
    static std::optional<bool> kdeGlobalsAreDark(const QString& path);

private Q_SLOTS:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void askPortal();
    void readFallbacks();
    void set(bool dark);

    QDBusConnection m_connection;
    QString m_kdeGlobals;
    QFileSystemWatcher m_kdeWatch;
    QProcess m_gsettings;
    bool m_portal = false;
    bool m_dark = false;
};
