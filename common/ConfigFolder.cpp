// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ConfigFolder.h"

#include <QFile>
#include <QHash>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace {

struct Found
{
    QByteArray folder;
    QString problem;
};

Found configHome()
{
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (xdg.startsWith('/')) {
        return {xdg, {}};
    }
    QByteArray home = qgetenv("HOME");
    QString from = QStringLiteral("HOME");
    if (home.isEmpty()) {
        const passwd* entry = ::getpwuid(::getuid());
        if (!entry || !entry->pw_dir || !*entry->pw_dir) {
            return {{}, QStringLiteral("HOME is unset and the password database gives this user no home folder")};
        }
        home = entry->pw_dir;
        from = QStringLiteral("the password database");
    }
    while (home.size() > 1 && home.endsWith('/')) {
        home.chop(1);
    }
    if (!home.startsWith('/') || home == "/") {
        return {{},
                QStringLiteral("the home folder %1 (from %2) is not one a user's settings can be kept in")
                    .arg(QFile::decodeName(home).isEmpty() ? QStringLiteral("\"\"") : QFile::decodeName(home), from)};
    }
    return {home + "/.config", {}};
}

// Qt names files by text, and bytes that are not UTF-8 do not survive the trip to text and back:
// the settings would land in a folder of another name. The folder that holds such bytes is opened
// once by its bytes and reached through the descriptor's name under /proc for the rest of the run.
std::optional<QString> nameable(const QByteArray& folder, QString* problem)
{
    const QString name = QFile::decodeName(folder);
    if (QFile::encodeName(name) == folder) {
        return name;
    }
    qsizetype end = folder.size();
    while (end > 0) {
        const qsizetype slash = folder.lastIndexOf('/', end - 1);
        const QByteArray component = folder.mid(slash + 1, end - slash - 1);
        if (QFile::encodeName(QFile::decodeName(component)) != component) {
            break;
        }
        end = slash;
    }
    const int descriptor = ::open(folder.left(end).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        if (problem) {
            *problem = QStringLiteral("the config folder %1 is named by bytes that are not UTF-8, and cannot be "
                                      "opened")
                           .arg(name);
        }
        return std::nullopt;
    }
    return QStringLiteral("/proc/self/fd/%1").arg(descriptor) + QFile::decodeName(folder.mid(end));
}

} // namespace

std::optional<QString> ConfigFolder::userConfigHome(QString* problem)
{
    const Found found = configHome();
    if (found.folder.isEmpty()) {
        if (problem) {
            *problem = found.problem;
        }
        return std::nullopt;
    }
    // A folder reached through a descriptor keeps it: one per folder, not one per call.
    static QHash<QByteArray, QString> named;
    if (const auto known = named.constFind(found.folder); known != named.constEnd()) {
        return *known;
    }
    const auto folder = nameable(found.folder, problem);
    if (folder) {
        named.insert(found.folder, *folder);
    }
    return folder;
}

std::optional<QString> ConfigFolder::path(QString* problem)
{
    // Resolved once: the environment is the one the program started with, and a folder reached
    // through a descriptor must not cost a descriptor a call.
    static const auto resolved = [] {
        std::pair<std::optional<QString>, QString> result;
        const Found found = configHome();
        if (found.folder.isEmpty()) {
            result.second = found.problem;
        } else if (const auto folder = nameable(found.folder, &result.second)) {
            result.first = *folder + QStringLiteral("/Quintaval");
        }
        return result;
    }();
    if (problem) {
        *problem = resolved.second;
    }
    return resolved.first;
}
