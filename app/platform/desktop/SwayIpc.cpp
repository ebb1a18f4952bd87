// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/SwayIpc.h"

#include "common/UnixSocket.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

// Magic, payload length and message type, the last two in the host's byte order.
constexpr char magic[] = "i3-ipc";
constexpr qsizetype magicSize = 6;
constexpr qsizetype headerSize = magicSize + 8;
// No reply of the requests we make comes near this; a larger one is not sway talking.
constexpr quint32 largestReply = 4 * 1024 * 1024;

} // namespace

namespace SwayIpc {

std::optional<QByteArray> request(const QString& socketPath, Message type, const QByteArray& payload, int timeoutMs)
{
    if (socketPath.isEmpty()) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(timeoutMs);
    const UnixSocket::Descriptor socket = UnixSocket::connectTo(socketPath);
    if (!socket) {
        return std::nullopt;
    }
    QByteArray message(magic, magicSize);
    const quint32 fields[2] = {quint32(payload.size()), quint32(type)};
    message.append(reinterpret_cast<const char*>(fields), sizeof fields);
    message.append(payload);
    if (!UnixSocket::writeAll(socket.get(), message, deadline)) {
        return std::nullopt;
    }

    QByteArray header;
    if (!UnixSocket::readExactly(socket.get(), headerSize, header, deadline) || !header.startsWith(magic)) {
        return std::nullopt;
    }
    const quint32 length = qFromUnaligned<quint32>(header.constData() + magicSize);
    const quint32 replyType = qFromUnaligned<quint32>(header.constData() + magicSize + 4);
    QByteArray reply;
    if (replyType != quint32(type) || length > largestReply ||
        !UnixSocket::readExactly(socket.get(), length, reply, deadline)) {
        return std::nullopt;
    }
    return reply;
}

bool runCommand(const QString& socketPath, const QString& command, int timeoutMs)
{
    const auto reply = request(socketPath, Message::runCommand, command.toUtf8(), timeoutMs);
    if (!reply) {
        return false;
    }
    // One result per command of the line.
    const QJsonArray results = QJsonDocument::fromJson(*reply).array();
    if (results.isEmpty()) {
        return false;
    }
    for (const QJsonValue& result : results) {
        if (!result.toObject().value(QStringLiteral("success")).toBool()) {
            return false;
        }
    }
    return true;
}

} // namespace SwayIpc
