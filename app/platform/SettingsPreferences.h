// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Preferences.h"

#include <QSettings>

// The preferences in QSettings' native format: $XDG_CONFIG_HOME/Quintaval/Quintaval.conf,
// keys in [General]. Every write is saved at once.
class SettingsPreferences final : public Preferences
{
public:
    SettingsPreferences();
    // The same store kept in another file; for tests and tools.
    explicit SettingsPreferences(const QString& fileName);

    QVariant value(QAnyStringView key) const override;
    bool setValue(QAnyStringView key, const QVariant& value) override;

    QString fileName() const;

private:
    QSettings m_settings;
    bool m_toldSaveFailed = false;
};
