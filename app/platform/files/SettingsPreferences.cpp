// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/SettingsPreferences.h"

#include "common/ConfigFolder.h"

#include <QDebug>

#include <utility>

namespace {

// What a file the program cannot use leaves it running on: the schema's stand-ins keep the chime
// and the reminders off, and everything else reads as its fallback.
const char* const runningOn = "running on the defaults, with the chime and reminders off";

} // namespace

std::optional<QString> SettingsPreferences::defaultFileName(QString* problem)
{
    const auto folder = ConfigFolder::path(problem);
    return folder ? std::optional<QString>(*folder + QStringLiteral("/Quintaval.conf")) : std::nullopt;
}

SettingsPreferences::Place SettingsPreferences::defaultPlace()
{
    Place place;
    place.fileName = defaultFileName(&place.problem);
    return place;
}

SettingsPreferences::SettingsPreferences(PreferenceSchema schema)
    : SettingsPreferences(defaultPlace(), std::move(schema))
{}

SettingsPreferences::SettingsPreferences(const QString& fileName, PreferenceSchema schema)
    : SettingsPreferences(Place{fileName, {}}, std::move(schema))
{}

SettingsPreferences::SettingsPreferences(const Place& place, PreferenceSchema schema)
    : m_fileName(place.fileName.value_or(QString())), m_ownKeys(std::move(schema.keys))
{
    if (!place.fileName) {
        m_state = FileState::unreadable;
        // The folder is looked for once per run, and quintaval-title opens the store at each reload.
        static bool said = false;
        if (!std::exchange(said, true)) {
            qWarning().noquote() << QStringLiteral("Quintaval: there is no folder to keep the settings in: %1. "
                                                   "Running without saving, %2.")
                                        .arg(place.problem, QLatin1String(runningOn));
        }
        m_toldNotSaved = true;
        m_standIn = std::move(schema.whileUnusable);
        return;
    }
    const SettingsFileCheck::Result found = SettingsFileCheck::inspect(m_fileName, m_ownKeys);
    switch (found.verdict) {
    case SettingsFileCheck::Verdict::usable:
        m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
        return;
    case SettingsFileCheck::Verdict::unreadable:
        m_state = FileState::unreadable;
        qWarning().noquote() << QStringLiteral("Quintaval: cannot read the settings file %1 (%2); %3, until it can "
                                               "be read.")
                                    .arg(m_fileName, found.reason, QLatin1String(runningOn));
        break;
    case SettingsFileCheck::Verdict::damaged:
        m_state = FileState::damaged;
        qWarning().noquote() << QStringLiteral("Quintaval: cannot use the settings file %1: %2. The program is %3. "
                                               "The file stays as it is until a setting is changed; then it is "
                                               "moved aside and only the changed settings are saved.")
                                    .arg(m_fileName, found.reason, QLatin1String(runningOn));
        break;
    }
    m_standIn = std::move(schema.whileUnusable);
}

SettingsPreferences::~SettingsPreferences()
{
    releaseSaves();
}

QVariant SettingsPreferences::value(QAnyStringView key) const
{
    const QString name = key.toString();
    if (m_settings && m_settings->contains(name)) {
        return m_settings->value(name);
    }
    return m_standIn.value(name);
}

bool SettingsPreferences::setValue(QAnyStringView key, const QVariant& value)
{
    const QString name = key.toString();
    m_changed.insert(name);
    if (m_settings) {
        m_standIn.remove(name);
        m_settings->setValue(name, value);
    } else {
        m_standIn.insert(name, value);
    }
    m_unsaved = true;
    return m_holding || save();
}

void SettingsPreferences::holdSaves()
{
    m_holding = true;
}

bool SettingsPreferences::releaseSaves()
{
    m_holding = false;
    return !m_unsaved || save();
}

QString SettingsPreferences::fileName() const
{
    return m_fileName;
}

bool SettingsPreferences::save()
{
    m_unsaved = false;
    if (!checkBeforeSave()) {
        return false;
    }
    m_settings->sync();
    // QSettings keeps the values in memory when the file cannot be written, so they still read
    // back for the rest of the run.
    const bool saved = m_settings->status() != QSettings::AccessError;
    if (!saved) {
        warnOnce(m_toldSaveFailed, QStringLiteral("Quintaval: cannot save the settings to %1 - changes last until "
                                                  "the program ends.")
                                       .arg(m_fileName));
    }
    return saved;
}

// The file may have been damaged, or put out of reach, since it was read: QSettings would merge
// what it can read of it into the save and drop the rest without a word.
bool SettingsPreferences::checkBeforeSave()
{
    const auto notSaving = [this](const QString& why) {
        warnOnce(m_toldNotSaved, QStringLiteral("Quintaval: not saving the settings over %1, which %2; changes last "
                                                "until the program ends.")
                                     .arg(m_fileName, why));
        return false;
    };
    if (m_fileName.isEmpty()) {
        return false; // said at the start
    }
    if (m_state == FileState::unreadable) {
        return notSaving(QStringLiteral("could not be read"));
    }
    const SettingsFileCheck::Result found = SettingsFileCheck::inspect(m_fileName, m_ownKeys);
    switch (found.verdict) {
    case SettingsFileCheck::Verdict::usable:
        if (!m_settings) {
            // Mended or removed since the start: what the user changed goes into it as it is now.
            m_state = FileState::usable;
            m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
            for (const QString& key : std::as_const(m_changed)) {
                m_settings->setValue(key, m_standIn.value(key));
            }
        }
        return true;
    case SettingsFileCheck::Verdict::unreadable:
        return notSaving(QStringLiteral("cannot be read now (%1)").arg(found.reason));
    case SettingsFileCheck::Verdict::damaged:
        return replaceDamagedFile(found.reason) || notSaving(QStringLiteral("could not be moved aside"));
    }
    return false;
}

// The damaged file gives way to a fresh one; it is kept beside it for whoever wants to look into
// it. Damaged since the start, the fresh file holds only what the user changed, so that no
// stand-in is ever stored as a choice; damaged while the program ran, it holds the settings read
// from the file before, with the changes since.
bool SettingsPreferences::replaceDamagedFile(const QString& reason)
{
    const auto aside = SettingsFileCheck::moveAside(m_fileName);
    if (!aside) {
        return false;
    }
    const bool inUse = m_settings != nullptr;
    qWarning().noquote() << QStringLiteral("Quintaval: moved the settings file that could not be used (%1) to %2 "
                                           "and saved %3 afresh in %4.")
                                .arg(reason, *aside,
                                     inUse ? QStringLiteral("the settings in use")
                                           : QStringLiteral("only the settings changed since the start"),
                                     m_fileName);
    m_state = FileState::usable;
    if (inUse) {
        // Set again, every key counts as a change, and the save writes them all into the new file
        // instead of merging them with one QSettings would read.
        const QStringList keys = m_settings->allKeys();
        for (const QString& key : keys) {
            m_settings->setValue(key, m_settings->value(key));
        }
        return true;
    }
    m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    for (const QString& key : std::as_const(m_changed)) {
        m_settings->setValue(key, m_standIn.value(key));
    }
    return true;
}

void SettingsPreferences::warnOnce(bool& told, const QString& message)
{
    if (!told) {
        told = true;
        qWarning().noquote() << message;
    }
}
