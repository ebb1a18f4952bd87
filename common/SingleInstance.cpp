// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SingleInstance.h"

#include "common/UserSocket.h"

#include <QLockFile>

#include <cstdio>

namespace {

const QByteArray request = QByteArrayLiteral("activate\n");
const QByteArray answer = QByteArrayLiteral("ok\n");
// Two starts at the same moment take turns; a turn lasts a few milliseconds.
constexpr int lockTimeoutMs = 5000;
constexpr int requestTimeoutMs = 1000;
constexpr int answerTimeoutMs = 2000;

void warn(const QString& message)
{
    std::fprintf(stderr, "quintaval: %s\n", qPrintable(message));
    std::fflush(stderr);
}

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), m_socketPath(std::move(socketPath))
{}

SingleInstance::Role SingleInstance::start()
{
    if (m_socketPath.isEmpty()) {
        const UserSocket::Location location = UserSocket::locate(QStringLiteral("quintaval.socket"));
        if (!location.problem.isEmpty()) {
            warn(location.problem + QStringLiteral("; not starting, as another user could stand in for Quintaval"));
            return Role::refused;
        }
        m_socketPath = location.path;
    }
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    lock.tryLock(lockTimeoutMs);

    QString problem;
    if (const auto running = UserSocket::connectToOwn(m_socketPath, problem)) {
        UnixSocket::writeAll(running.get(), request, QDeadlineTimer(requestTimeoutMs));
        // The answer only confirms the request: a first start that is there counts even if it is slow.
        QByteArray confirmation;
        UnixSocket::readExactly(running.get(), answer.size(), confirmation, QDeadlineTimer(answerTimeoutMs));
        return Role::secondary;
    }
    if (!problem.isEmpty()) {
        warn(problem + QStringLiteral("; not starting, as it could stand in for Quintaval"));
        return Role::refused;
    }
    // Nobody answered: whatever socket file is left belongs to a first start that crashed.
    m_server = new UnixLineServer(
        request.size(),
        [this](const QByteArray& line) {
            if (line != request) {
                return QByteArray();
            }
            // Once the answer is on its way: the panel may take a moment to show.
            QMetaObject::invokeMethod(this, &SingleInstance::activationRequested, Qt::QueuedConnection);
            return answer;
        },
        this);
    if (!m_server->listen(m_socketPath, true)) {
        warn(QStringLiteral("cannot listen on %1 (%2); running without the single-instance guard")
                 .arg(m_socketPath, m_server->errorString()));
    }
    return Role::primary;
}
