// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/SettingsFileCheck.h"

#include <QDate>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Verdict = SettingsFileCheck::Verdict;

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

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

SettingsFileCheck::Result SettingsFileCheck::inspect(const QString& fileName, const QStringList& ownKeys)
{
    // Opened without blocking and looked at through the descriptor, so that a FIFO put in the
    // file's place neither hangs the program nor slips in between a look and an open.
    const int descriptor = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        // No file, or a file where its folder should be: nothing was ever stored, a first launch.
        if (errno == ENOENT || errno == ENOTDIR) {
            return {Verdict::usable, {}};
        }
        return {Verdict::unreadable, lastError()};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {Verdict::unreadable, file.errorString()};
    }
    struct stat info = {};
    if (::fstat(descriptor, &info) != 0) {
        return {Verdict::unreadable, lastError()};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Verdict::unreadable, QStringLiteral("it is not a regular file")};
    }
    if (info.st_size > maximumFileSize) {
        return {Verdict::damaged,
                QStringLiteral("it is larger than %1 bytes, too large to be settings").arg(maximumFileSize)};
    }
    const QByteArray contents = file.read(maximumFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return {Verdict::unreadable, file.errorString()};
    }
    if (contents.size() > maximumFileSize) {
        return {Verdict::damaged, QStringLiteral("it is too large to be settings")};
    }
    if (const auto problem = syntaxProblem(contents, ownKeys)) {
        return {Verdict::damaged, *problem};
    }
    return {Verdict::usable, {}};
}

std::optional<QString> SettingsFileCheck::moveAside(const QString& fileName)
{
    const QString stem = fileName + QStringLiteral(".broken-") + QDate::currentDate().toString(Qt::ISODate);
    QString aside = stem;
    for (int attempt = 2; QFile::exists(aside) && attempt < 100; ++attempt) {
        aside = stem + QLatin1Char('-') + QString::number(attempt);
    }
    if (!QFile::rename(fileName, aside)) {
        return std::nullopt;
    }
    return aside;
}
