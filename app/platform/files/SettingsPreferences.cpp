// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/SettingsPreferences.h"

#include <QDate>
#include <QDebug>
#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

struct Inspection
{
    enum class Verdict { usable, unreadable, damaged } verdict;
    QString reason;
};

bool isControl(QChar c)
{
    return (c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f;
}

// QSettings takes any line it cannot place for noise and drops it on the next save, so the file
// is held to the syntax it writes: section headers, key=value lines, comments, blank lines.
std::optional<QString> syntaxProblem(const QByteArray& bytes, const QStringList& ownKeys)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return QStringLiteral("it is not UTF-8 text");
    }
    QString section = QStringLiteral("General");
    bool continued = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines.at(index);
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        const QString where = QStringLiteral("line %1").arg(index + 1);
        if (std::any_of(line.cbegin(), line.cend(), isControl)) {
            return where + QStringLiteral(" holds control characters");
        }
        const QString trimmed = line.trimmed();
        if (continued) {
            continued = trimmed.endsWith(QLatin1Char('\\'));
            continue;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('['))) {
            const QString name = trimmed.mid(1, trimmed.size() - 2);
            if (!trimmed.endsWith(QLatin1Char(']')) || name.trimmed().isEmpty() || name.contains(QLatin1Char('[')) ||
                name.contains(QLatin1Char(']'))) {
                return where + QStringLiteral(" is not a well-formed section header");
            }
            section = name;
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        const QString key = trimmed.left(equals).trimmed();
        if (equals < 0 || key.isEmpty() || key.contains(QLatin1Char('[')) || key.contains(QLatin1Char(']'))) {
            return where + QStringLiteral(" is neither a section, a key=value line nor a comment");
        }
        if (ownKeys.contains(key) && section.compare(QLatin1String("General"), Qt::CaseInsensitive) != 0) {
            return QStringLiteral("%1 holds %2 in section [%3] instead of [General]").arg(where, key, section);
        }
        continued = trimmed.endsWith(QLatin1Char('\\'));
    }
    return std::nullopt;
}

Inspection inspect(const QString& fileName, const QStringList& ownKeys)
{
    using Verdict = Inspection::Verdict;
    struct stat info = {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0) {
        // No file, or a file where its folder should be: nothing was ever stored, a first launch.
        if (errno == ENOENT || errno == ENOTDIR) {
            return {Verdict::usable, {}};
        }
        return {Verdict::unreadable, QString::fromLocal8Bit(std::strerror(errno))};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Verdict::unreadable, QStringLiteral("it is not a regular file")};
    }
    if (info.st_size > SettingsPreferences::maximumFileSize) {
        return {Verdict::damaged, QStringLiteral("it is larger than %1 bytes, too large to be settings")
                                      .arg(SettingsPreferences::maximumFileSize)};
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {Verdict::unreadable, file.errorString()};
    }
    const QByteArray contents = file.read(SettingsPreferences::maximumFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return {Verdict::unreadable, file.errorString()};
    }
    if (contents.size() > SettingsPreferences::maximumFileSize) {
        return {Verdict::damaged, QStringLiteral("it is too large to be settings")};
    }
    if (const auto problem = syntaxProblem(contents, ownKeys)) {
        return {Verdict::damaged, *problem};
    }
    return {Verdict::usable, {}};
}

QString defaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quintaval/Quintaval.conf");
}

} // namespace

SettingsPreferences::SettingsPreferences(PreferenceSchema schema)
    : SettingsPreferences(defaultFileName(), std::move(schema))
{}

SettingsPreferences::SettingsPreferences(const QString& fileName, PreferenceSchema schema) : m_fileName(fileName)
{
    const Inspection found = inspect(m_fileName, schema.keys);
    switch (found.verdict) {
    case Inspection::Verdict::usable:
        m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
        return;
    case Inspection::Verdict::unreadable:
        m_state = FileState::unreadable;
        qWarning().noquote() << QStringLiteral("Quintaval: cannot read the settings file %1 (%2); running on the "
                                               "defaults, with the chime and reminders off, until it can be read.")
                                    .arg(m_fileName, found.reason);
        break;
    case Inspection::Verdict::damaged:
        m_state = FileState::damaged;
        qWarning().noquote() << QStringLiteral("Quintaval: cannot use the settings file %1: %2. Running on the "
                                               "defaults; the file stays as it is until a setting is changed.")
                                    .arg(m_fileName, found.reason);
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
    return m_settings ? m_settings->value(key) : m_standIn.value(key.toString());
}

bool SettingsPreferences::setValue(QAnyStringView key, const QVariant& value)
{
    if (!m_settings) {
        m_standIn.insert(key.toString(), value);
        if (m_state == FileState::unreadable || !replaceDamagedFile()) {
            warnOnce(m_toldNotSaved, QStringLiteral("Quintaval: not saving the settings over %1, which %2; changes "
                                                    "last until the program ends.")
                                         .arg(m_fileName, m_state == FileState::unreadable
                                                              ? QStringLiteral("could not be read")
                                                              : QStringLiteral("could not be moved aside")));
            return false;
        }
    } else {
        m_settings->setValue(key, value);
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
    m_settings->sync();
    m_unsaved = false;
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

// The user changed a setting, so the damaged file gives way to one holding what the program
// runs on; it is kept beside the new one for whoever wants to look into it.
bool SettingsPreferences::replaceDamagedFile()
{
    const QString stem = m_fileName + QStringLiteral(".broken-") + QDate::currentDate().toString(Qt::ISODate);
    QString aside = stem;
    for (int attempt = 2; QFile::exists(aside) && attempt < 100; ++attempt) {
        aside = stem + QLatin1Char('-') + QString::number(attempt);
    }
    if (!QFile::rename(m_fileName, aside)) {
        return false;
    }
    qWarning().noquote() << QStringLiteral("Quintaval: moved the settings file that could not be used to %1 and "
                                           "saved the settings afresh in %2.")
                                .arg(aside, m_fileName);
    m_state = FileState::usable;
    m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    for (auto it = m_standIn.cbegin(); it != m_standIn.cend(); ++it) {
        m_settings->setValue(it.key(), it.value());
    }
    m_standIn.clear();
    return true;
}

void SettingsPreferences::warnOnce(bool& told, const QString& message)
{
    if (!told) {
        told = true;
        qWarning().noquote() << message;
    }
}
