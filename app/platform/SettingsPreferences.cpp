// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SettingsPreferences.h"

#include <QDebug>

SettingsPreferences::SettingsPreferences()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quintaval"),
                 QStringLiteral("Quintaval"))
{}

SettingsPreferences::SettingsPreferences(const QString& fileName) : m_settings(fileName, QSettings::IniFormat) {}

QVariant SettingsPreferences::value(QAnyStringView key) const
{
    return m_settings.value(key);
}

bool SettingsPreferences::setValue(QAnyStringView key, const QVariant& value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
    // QSettings keeps the value in memory when the file cannot be written, so it still reads
    // back for the rest of the run. A format error only means the file held lines it could not
    // read; those are dropped and the rest is saved.
    const bool saved = m_settings.status() != QSettings::AccessError;
    if (!saved && !m_toldSaveFailed) {
        m_toldSaveFailed = true;
        qWarning().noquote() << "Quintaval: cannot save the settings to" << m_settings.fileName()
                             << "- changes last until the program ends.";
    }
    return saved;
}

QString SettingsPreferences::fileName() const
{
    return m_settings.fileName();
}
