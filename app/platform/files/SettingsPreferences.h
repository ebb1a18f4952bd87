// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Preferences.h"
#include "app/platform/files/SettingsFileCheck.h"

#include <QSet>
#include <QSettings>

#include <memory>

// The preferences in QSettings' native format: Quintaval.conf in the ConfigFolder, keys in
// [General]. Every write is saved at once unless saves are held.
//
// QSettings reads whatever it can of a damaged file and writes the rest back, so a file is
// checked before it is handed over, and again before every save. One that cannot be read, or
// that is not a settings file this program could have written, is never overwritten: the
// program runs on the schema's stand-in values, and only when the user changes a setting is a
// damaged file moved aside for a fresh one holding what the user changed. A file that cannot be
// read, or that has no folder, is left alone for the whole run.
class SettingsPreferences final : public Preferences
{
public:
    static constexpr qint64 maximumFileSize = SettingsFileCheck::maximumFileSize;

    explicit SettingsPreferences(PreferenceSchema schema = {});
    // The same store kept in another file; for tests and tools.
    explicit SettingsPreferences(const QString& fileName, PreferenceSchema schema = {});
    ~SettingsPreferences() override;

    QVariant value(QAnyStringView key) const override;
    bool setValue(QAnyStringView key, const QVariant& value) override;
    void holdSaves() override;
    bool releaseSaves() override;

    // Empty when there is no folder to keep the file in.
    QString fileName() const;
    // Where the default store's file is, without opening it; none when there is no folder.
    static std::optional<QString> defaultFileName(QString* problem = nullptr);

private:
    enum class FileState { usable, unreadable, damaged };

    // A file, or why there is none.
    struct Place
    {
        std::optional<QString> fileName;
        QString problem;
    };
    static Place defaultPlace();
    SettingsPreferences(const Place& place, PreferenceSchema schema);

    bool save();
    bool checkBeforeSave();
    bool replaceDamagedFile(const QString& reason);
    void warnOnce(bool& told, const QString& message);

    QString m_fileName;
    QStringList m_ownKeys;
    FileState m_state = FileState::usable;
    // Only once the file is known to be ours: QSettings reads it on construction.
    std::unique_ptr<QSettings> m_settings;
    // What the program runs on while the file is not used, and after a damaged file was replaced
    // for what the user did not change since.
    QVariantMap m_standIn;
    // The keys the user set this run: all that goes into a file made afresh for a damaged one.
    QSet<QString> m_changed;
    bool m_holding = false;
    bool m_unsaved = false;
    bool m_toldSaveFailed = false;
    bool m_toldNotSaved = false;
};
