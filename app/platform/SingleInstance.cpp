// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

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

QString SingleInstance::defaultSocketPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::tempPath();
    }
    return QStringLiteral("%1/quintaval-%2.socket").arg(folder).arg(getuid());
}

SingleInstance::Role SingleInstance::start()
{
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    lock.tryLock(lockTimeoutMs);

    if (askRunningInstance()) {
        return Role::secondary;
    }
    // In a shared temporary folder the name may be taken by someone else's socket, which must
    // neither be trusted with our request nor removed.
    const QFileInfo existing(m_socketPath);
    if (existing.exists() && existing.ownerId() != getuid()) {
        warn(QStringLiteral("%1 belongs to another user; running without the single-instance guard").arg(m_socketPath));
        return Role::primary;
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
            serve(socket);
        }
    });
    return Role::primary;
}

bool SingleInstance::askRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(connectTimeoutMs)) {
        return false;
    }
    socket.write(request);
    socket.waitForBytesWritten(connectTimeoutMs);
    // The answer only confirms the request: a first start that is there counts even if it is slow.
    socket.waitForReadyRead(answerTimeoutMs);
    return true;
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
