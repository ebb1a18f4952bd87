// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/HostInstance.h"

#include "common/UserSocket.h"

#include <QLocalSocket>

namespace {

constexpr int answerMilliseconds = 1000;
const QByteArray galleryRequest = QByteArrayLiteral("gallery\n");

} // namespace

HostInstance::HostInstance(QString socketPath, QObject* parent) : QObject(parent), m_path(std::move(socketPath))
{
    if (m_path.isEmpty()) {
        const UserSocket::Location location = UserSocket::locate(QStringLiteral("quintaval-widgets.socket"));
        m_path = location.path;
        m_problem = location.problem;
    }
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (!UserSocket::peerIsThisUser(*socket)) {
                socket->abort();
                continue;
            }
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith(galleryRequest)) {
                    Q_EMIT galleryRequested();
                }
            });
        }
    });
}

HostInstance::Contact HostInstance::handOverToRunningHost()
{
    if (!m_problem.isEmpty()) {
        return Contact::refused;
    }
    const auto socket = UserSocket::connectToOwn(m_path, answerMilliseconds, m_problem);
    if (!socket) {
        return m_problem.isEmpty() ? Contact::nobodyThere : Contact::refused;
    }
    socket->write(galleryRequest);
    return socket->waitForBytesWritten(answerMilliseconds) ? Contact::handedOver : Contact::nobodyThere;
}

bool HostInstance::listen()
{
    if (m_server.listen(m_path)) {
        return true;
    }
    // A socket left behind by a host that did not end cleanly; nobody answered on it.
    QLocalServer::removeServer(m_path);
    return m_server.listen(m_path);
}

QString HostInstance::errorString() const
{
    return m_problem.isEmpty() ? m_server.errorString() : m_problem;
}
