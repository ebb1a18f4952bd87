// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SingleInstance.h"

#include "common/UserSocket.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

#include <cstdio>

namespace {

const QByteArray request = QByteArrayLiteral("activate\n");
const QByteArray answer = QByteArrayLiteral("ok\n");
// Two starts at the same moment take turns; a turn lasts a few milliseconds.
constexpr int lockTimeoutMs = 5000;
constexpr int connectTimeoutMs = 1000;
constexpr int answerTimeoutMs = 2000;
// A client that says nothing is not kept for ever.
constexpr int clientTimeoutMs = 5000;

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
    if (const auto running = UserSocket::connectToOwn(m_socketPath, connectTimeoutMs, problem)) {
        running->write(request);
        running->waitForBytesWritten(connectTimeoutMs);
        // The answer only confirms the request: a first start that is there counts even if it is slow.
        running->waitForReadyRead(answerTimeoutMs);
        return Role::secondary;
    }
    if (!problem.isEmpty()) {
        warn(problem + QStringLiteral("; not starting, as it could stand in for Quintaval"));
        return Role::refused;
    }
    // Nobody answered: whatever socket file is left belongs to a first start that crashed.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        warn(QStringLiteral("cannot listen on %1 (%2); running without the single-instance guard")
                 .arg(m_socketPath, m_server->errorString()));
        return Role::primary;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            if (UserSocket::peerIsThisUser(*socket)) {
                serve(socket);
            } else {
                socket->abort();
                socket->deleteLater();
            }
        }
    });
    return Role::primary;
}

void SingleInstance::serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(clientTimeoutMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > request.size()) {
                socket->abort();
                socket->deleteLater();
            }
            return;
        }
        if (socket->readLine() == request) {
            socket->write(answer);
            socket->flush();
            Q_EMIT activationRequested();
        }
        socket->disconnectFromServer();
    });
}
