// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/UserSocket.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>

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

std::unique_ptr<QLocalSocket> connectToOwn(const QString& path, int timeoutMilliseconds, QString& problem)
{
    problem.clear();
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return nullptr;
    }
    if (info.st_uid != ::getuid()) {
        problem =
            QStringLiteral("%1 belongs to user %2, not to this user (%3)").arg(path).arg(info.st_uid).arg(::getuid());
        return nullptr;
    }
    if (!S_ISSOCK(info.st_mode)) {
        return nullptr;
    }
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(path);
    if (!socket->waitForConnected(timeoutMilliseconds)) {
        return nullptr;
    }
    if (!peerIsThisUser(*socket)) {
        problem = QStringLiteral("the program listening on %1 runs as another user").arg(path);
        socket->abort();
        return nullptr;
    }
    return socket;
}

bool peerIsThisUser(const QLocalSocket& socket)
{
    struct ucred credentials = {};
    socklen_t length = sizeof credentials;
    const auto descriptor = static_cast<int>(socket.socketDescriptor());
    return descriptor >= 0 && ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           credentials.uid == ::getuid();
}

} // namespace UserSocket
