// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/HostInstance.h"

#include "common/UserSocket.h"

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
    m_server = new UnixLineServer(
        galleryRequest.size(),
        [this](const QByteArray& line) {
            if (line == galleryRequest) {
                QMetaObject::invokeMethod(this, &HostInstance::galleryRequested, Qt::QueuedConnection);
            }
            return QByteArray();
        },
        this);
}

HostInstance::Contact HostInstance::handOverToRunningHost()
{
    if (!m_problem.isEmpty()) {
        return Contact::refused;
    }
    const auto socket = UserSocket::connectToOwn(m_path, m_problem);
    if (!socket) {
        return m_problem.isEmpty() ? Contact::nobodyThere : Contact::refused;
    }
    return UnixSocket::writeAll(socket.get(), galleryRequest, QDeadlineTimer(answerMilliseconds))
               ? Contact::handedOver
               : Contact::nobodyThere;
}

bool HostInstance::listen()
{
    // A socket already there was left by a host that did not end cleanly: nobody answered on it.
    return m_server->listen(m_path, true);
}

QString HostInstance::errorString() const
{
    return m_problem.isEmpty() ? m_server->errorString() : m_problem;
}
