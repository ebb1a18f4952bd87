// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SingleInstance.h"

#include "common/UserSocket.h"

#include <QLockFile>

#include <cstdio>

namespace {

const QByteArray answer = QByteArrayLiteral("ok\n");
// Two starts at the same moment take turns; a turn lasts a few milliseconds.
constexpr int lockTimeoutMs = 5000;
constexpr int requestTimeoutMs = 1000;
constexpr int answerTimeoutMs = 2000;

} // namespace

SingleInstance::SingleInstance(QString program, QByteArray request, QString socketPath, QObject* parent)
    : QObject(parent), m_program(std::move(program)), m_request(std::move(request)), m_socketPath(std::move(socketPath))
{}

SingleInstance::Role SingleInstance::start()
{
    if (m_socketPath.isEmpty()) {
        const UserSocket::Location location = UserSocket::locate(m_program + QStringLiteral(".socket"));
        if (!location.problem.isEmpty()) {
            warn(location.problem + QStringLiteral("; not starting, as another user could stand in for it"));
            return Role::refused;
        }
        m_socketPath = location.path;
    }
    // Without the lock, two starts could both find nobody and both listen, the later one taking
    // the socket from the earlier: two processes would run, one of them unreachable.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeoutMs)) {
        warn(QStringLiteral("cannot take the lock %1 (error %2); going ahead without it")
                 .arg(lock.fileName())
                 .arg(static_cast<int>(lock.error())));
    }

    QString problem;
    if (const auto running = UserSocket::connectToOwn(m_socketPath, problem)) {
        UnixSocket::writeAll(running.get(), m_request, QDeadlineTimer(requestTimeoutMs));
        // The answer only confirms the request: a first start that is there counts even if it is slow.
        QByteArray confirmation;
        UnixSocket::readExactly(running.get(), answer.size(), confirmation, QDeadlineTimer(answerTimeoutMs));
        return Role::secondary;
    }
    if (!problem.isEmpty()) {
        warn(problem + QStringLiteral("; not starting, as it could stand in for the running one"));
        return Role::refused;
    }
    // Nobody answered, and nobody else is looking while the lock is held: whatever socket file
    // is left belongs to a first start that crashed.
    m_server = new UnixLineServer(
        m_request.size(),
        [this](const QByteArray& line) {
            if (line != m_request) {
                return QByteArray();
            }
            // Once the answer is on its way: what the request opens may take a moment to show.
            QMetaObject::invokeMethod(this, &SingleInstance::requested, Qt::QueuedConnection);
            return answer;
        },
        this);
    if (!m_server->listen(m_socketPath, true)) {
        warn(QStringLiteral("cannot listen on %1 (%2); running without the single-instance guard")
                 .arg(m_socketPath, m_server->errorString()));
    }
    return Role::primary;
}

void SingleInstance::warn(const QString& message) const
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(m_program), qPrintable(message));
    std::fflush(stderr);
}
