// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/session/XdgAutostartLoginItem.h"

#include "common/ConfigFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

const QString entryName = QStringLiteral("autostart/quintaval.desktop");

// The keys of the [Desktop Entry] group, or none when the file cannot be read as an entry.
std::optional<QHash<QString, QString>> readEntry(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QHash<QString, QString> keys;
    bool inEntryGroup = false;
    bool sawEntryGroup = false;
    for (const QString& rawLine : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[')) {
            inEntryGroup = line == QStringLiteral("[Desktop Entry]");
            sawEntryGroup = sawEntryGroup || inEntryGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntryGroup && equals > 0) {
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    if (!sawEntryGroup) {
        return std::nullopt;
    }
    return keys;
}

bool isTrue(const QHash<QString, QString>& entry, const QString& key)
{
    return entry.value(key).compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
}

bool isFalse(const QHash<QString, QString>& entry, const QString& key)
{
    return entry.value(key).compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0;
}

// The program as one argument of an Exec line: quoted when it holds a reserved character, with
// the four characters that keep a meaning inside quotes escaped, and % doubled. The result is
// then escaped once more as a string value of the file.
QString execArgument(const QString& program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = std::any_of(program.begin(), program.end(), [](QChar c) { return reserved.contains(c); });
    QString argument;
    for (const QChar c : program) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) {
            argument += u'\\';
        }
        argument += c;
        if (c == u'%') {
            argument += u'%';
        }
    }
    if (quote) {
        argument = u'"' + argument + u'"';
    }
    QString value;
    for (const QChar c : argument) {
        if (c == u'\\') {
            value += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            value += QStringLiteral("\\n");
        } else if (c == u'\t') {
            value += QStringLiteral("\\t");
        } else if (c == u'\r') {
            value += QStringLiteral("\\r");
        } else {
            value += c;
        }
    }
    return value;
}

QString unescapeValue(const QString& value)
{
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u's') {
            result += u' ';
        } else if (next == u'n') {
            result += u'\n';
        } else if (next == u't') {
            result += u'\t';
        } else if (next == u'r') {
            result += u'\r';
        } else if (next == u'\\') {
            result += u'\\';
        } else {
            result += u'\\';
            result += next;
        }
    }
    return result;
}

// The program an Exec line starts: its first argument, unquoted.
QString execProgram(const QString& exec)
{
    const QString command = unescapeValue(exec);
    QString program;
    qsizetype i = 0;
    const bool quoted = command.startsWith(u'"');
    if (quoted) {
        ++i;
    }
    for (; i < command.size(); ++i) {
        const QChar c = command[i];
        if (quoted && c == u'"') {
            break;
        }
        if (!quoted && c.isSpace()) {
            break;
        }
        if (quoted && c == u'\\' && i + 1 < command.size()) {
            program += command[++i];
        } else if (c == u'%' && i + 1 < command.size() && command[i + 1] == u'%') {
            program += u'%';
            ++i;
        } else {
            program += c;
        }
    }
    return program;
}

bool canStart(const QString& program)
{
    if (program.isEmpty()) {
        return false;
    }
    if (QDir::isAbsolutePath(program)) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// The entries a system folder offers under our name, most important first.
QStringList systemEntryPaths()
{
    QStringList paths;
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    for (const QString& folder : folders) {
        const QString path = folder + u'/' + entryName;
        if (QFileInfo::exists(path)) {
            paths.append(path);
        }
    }
    return paths;
}

bool failWith(QString* error, const QString& message)
{
    if (error) {
        *error = message;
    }
    return false;
}

bool writeEntry(const QString& content, QString* error)
{
    const QString path = XdgAutostartLoginItem::userEntryPath();
    if (path.isEmpty()) {
        QString problem;
        ConfigFolder::userConfigHome(&problem);
        return failWith(error, QStringLiteral("No folder to keep the autostart entry in: %1").arg(problem));
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return failWith(error, QStringLiteral("Cannot create the folder %1").arg(folder));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failWith(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
    file.write(content.toUtf8());
    if (!file.commit()) {
        return failWith(error, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
    return true;
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(QString program) : m_program(std::move(program)) {}

// In the config folder every program of ours resolves the same way (a relative XDG_CONFIG_HOME
// ignored; no home, no folder).
QString XdgAutostartLoginItem::userEntryPath()
{
    const auto home = ConfigFolder::userConfigHome();
    return home ? *home + u'/' + entryName : QString();
}

LoginItem::Status XdgAutostartLoginItem::status() const
{
    QString path = userEntryPath();
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        const QStringList system = systemEntryPaths();
        if (system.isEmpty()) {
            return Status::notRegistered;
        }
        path = system.constFirst();
    }
    const auto entry = readEntry(path);
    if (!entry) {
        return Status::notFound;
    }
    if (isTrue(*entry, QStringLiteral("Hidden"))) {
        return Status::notRegistered;
    }
    if (isFalse(*entry, QStringLiteral("X-GNOME-Autostart-enabled"))) {
        return Status::requiresApproval;
    }
    return canStart(execProgram(entry->value(QStringLiteral("Exec")))) ? Status::enabled : Status::notFound;
}

bool XdgAutostartLoginItem::registerItem(QString* error)
{
    if (!QDir::isAbsolutePath(m_program)) {
        return failWith(error, QStringLiteral("The program's own path is unknown"));
    }
    return writeEntry(QStringLiteral("[Desktop Entry]\n"
                                     "Type=Application\n"
                                     "Name=Quintaval\n"
                                     "Comment=French Republican calendar and decimal time in the status bar\n"
                                     "Exec=%1\n"
                                     "Icon=quintaval\n"
                                     "Terminal=false\n")
                          .arg(execArgument(m_program)),
                      error);
}

bool XdgAutostartLoginItem::unregisterItem(QString* error)
{
    const QString path = userEntryPath();
    if (QFileInfo::exists(path)) {
        const auto entry = readEntry(path);
        // The user's own switch-off may be what keeps a system entry from starting: keep it.
        if (entry && (isTrue(*entry, QStringLiteral("Hidden")) ||
                      isFalse(*entry, QStringLiteral("X-GNOME-Autostart-enabled")))) {
            return true;
        }
    }
    // Only the first system entry of the name counts; removing the user's entry would let it start.
    const QStringList system = systemEntryPaths();
    const auto systemEntry = system.isEmpty() ? std::nullopt : readEntry(system.constFirst());
    if (systemEntry && !isTrue(*systemEntry, QStringLiteral("Hidden"))) {
        return writeEntry(QStringLiteral("[Desktop Entry]\nType=Application\nName=Quintaval\nHidden=true\n"), error);
    }
    QFile file(path);
    if (file.exists() && !file.remove()) {
        return failWith(error, QStringLiteral("Cannot remove %1: %2").arg(path, file.errorString()));
    }
    return true;
}
