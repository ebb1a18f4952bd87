// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Preferences.h"

#include <QSettings>

#include <memory>

// The preferences in QSettings' native format: $XDG_CONFIG_HOME/Quintaval/Quintaval.conf,
// keys in [General]. Every write is saved at once unless saves are held.
//
// QSettings reads whatever it can of a damaged file and writes the rest back, so a file is
// checked before it is handed over. One that cannot be read, or that is not a settings file
// this program could have written, is never overwritten: the program runs on the schema's
// stand-in values, and only when the user changes a setting is a damaged file moved aside
// for a fresh one. A file that cannot be read is left alone for the whole run.
class SettingsPreferences final : public Preferences
{
public:
    // Larger files are not settings this program wrote, and QSettings would take seconds on them.
    static constexpr qint64 maximumFileSize = 1024 * 1024;

    explicit SettingsPreferences(PreferenceSchema schema = {});
    // The same store kept in another file; for tests and tools.
    explicit SettingsPreferences(const QString& fileName, PreferenceSchema schema = {});
    ~SettingsPreferences() override;

    QVariant value(QAnyStringView key) const override;
    bool setValue(QAnyStringView key, const QVariant& value) override;
    void holdSaves() override;
    bool releaseSaves() override;

    QString fileName() const;

private:
    enum class FileState { usable, unreadable, damaged };

    bool save();
    bool replaceDamagedFile();
    void warnOnce(bool& told, const QString& message);

    QString m_fileName;
    FileState m_state = FileState::usable;
    // Only once the file is known to be ours: QSettings reads it on construction.
    std::unique_ptr<QSettings> m_settings;
    // What the program runs on while the file is not used.
    QVariantMap m_standIn;
    bool m_holding = false;
    bool m_unsaved = false;
    bool m_toldSaveFailed = false;
    bool m_toldNotSaved = false;
};
