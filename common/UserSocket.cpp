// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/UserSocket.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder only this user can enter: a real folder (not a link to one), owned by the user, closed
// to group and others.
QString privateFolderProblem(const QString& folder)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) {
        return QStringLiteral("cannot use %1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISDIR(info.st_mode)) {
        return QStringLiteral("%1 is not a folder").arg(folder);
    }
    if (info.st_uid != ::getuid()) {
        return QStringLiteral("%1 belongs to user %2, not to this user (%3)")
            .arg(folder)
            .arg(info.st_uid)
            .arg(::getuid());
    }
    if ((info.st_mode & 077) != 0) {
        return QStringLiteral("%1 is open to other users (mode %2)").arg(folder).arg(info.st_mode & 0777, 3, 8);
    }
    return {};
}

} // namespace

namespace UserSocket {

Location locate(const QString& name)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && privateFolderProblem(runtime).isEmpty()) {
        return {runtime + QLatin1Char('/') + name, {}};
    }
    const QString folder = QStringLiteral("%1/quintaval-%2").arg(QDir::tempPath()).arg(::getuid());
    // Made private from the start; an existing one is judged as it stands, whoever made it.
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
        return {{}, QStringLiteral("cannot make %1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)))};
    }
    const QString problem = privateFolderProblem(folder);
    return {problem.isEmpty() ? folder + QLatin1Char('/') + name : QString(), problem};
}

UnixSocket::Descriptor connectToOwn(const QString& path, QString& problem)
{
    problem.clear();
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    if (info.st_uid != ::getuid()) {
        problem =
            QStringLiteral("%1 belongs to user %2, not to this user (%3)").arg(path).arg(info.st_uid).arg(::getuid());
        return {};
    }
    if (!S_ISSOCK(info.st_mode)) {
        return {};
    }
    UnixSocket::Descriptor socket = UnixSocket::connectTo(path);
    if (socket && !peerIsThisUser(socket.get())) {
        problem = QStringLiteral("the program listening on %1 runs as another user").arg(path);
        return {};
    }
    return socket;
}

bool peerIsThisUser(int socket)
{
    struct ucred credentials = {};
    socklen_t length = sizeof credentials;
    return socket >= 0 && ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           credentials.uid == ::getuid();
}

} // namespace UserSocket
