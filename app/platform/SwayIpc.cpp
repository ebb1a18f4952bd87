// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SwayIpc.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QtEndian>

namespace {

// Magic, payload length and message type, the last two in the host's byte order.
constexpr char magic[] = "i3-ipc";
constexpr qsizetype magicSize = 6;
constexpr qsizetype headerSize = magicSize + 8;
// No reply of the requests we make comes near this; a larger one is not sway talking.
constexpr quint32 largestReply = 4 * 1024 * 1024;

bool readExactly(QLocalSocket& socket, qsizetype size, QByteArray& into, const QDeadlineTimer& deadline)
{
    while (socket.bytesAvailable() < size) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            return false;
        }
    }
    into = socket.read(size);
    return true;
}

} // namespace

namespace SwayIpc {

std::optional<QByteArray> request(const QString& socketPath, Message type, const QByteArray& payload, int timeoutMs)
{
    if (socketPath.isEmpty()) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs)) {
        return std::nullopt;
    }
    QByteArray message(magic, magicSize);
    const quint32 fields[2] = {quint32(payload.size()), quint32(type)};
    message.append(reinterpret_cast<const char*>(fields), sizeof fields);
    message.append(payload);
    socket.write(message);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) {
        return std::nullopt;
    }

    QByteArray header;
    if (!readExactly(socket, headerSize, header, deadline) || !header.startsWith(magic)) {
        return std::nullopt;
    }
    const quint32 length = qFromUnaligned<quint32>(header.constData() + magicSize);
    const quint32 replyType = qFromUnaligned<quint32>(header.constData() + magicSize + 4);
    QByteArray reply;
    if (replyType != quint32(type) || length > largestReply || !readExactly(socket, length, reply, deadline)) {
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
