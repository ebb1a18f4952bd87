// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/HostInstance.h"

#include <QLocalSocket>

#include <unistd.h>

namespace {

constexpr int answerMilliseconds = 1000;
const QByteArray galleryRequest = QByteArrayLiteral("gallery\n");

} // namespace

HostInstance::HostInstance(QObject* parent)
    : QObject(parent), m_name(QStringLiteral("quintaval-widgets-%1").arg(getuid()))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith(galleryRequest)) {
                    Q_EMIT galleryRequested();
                }
            });
        }
    });
}

bool HostInstance::handOverToRunningHost()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(answerMilliseconds)) {
        return false;
    }
    socket.write(galleryRequest);
    return socket.waitForBytesWritten(answerMilliseconds);
}

bool HostInstance::listen()
{
    if (m_server.listen(m_name)) {
        return true;
    }
    // A socket left behind by a host that did not end cleanly; nobody answered on it.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}
