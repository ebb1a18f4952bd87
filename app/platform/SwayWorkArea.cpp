// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SwayWorkArea.h"

#include "common/UnixSocket.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

// i3's IPC, which sway speaks: magic, payload length and message type in the host's byte order.
constexpr char magic[] = "i3-ipc";
constexpr qsizetype magicSize = 6;
constexpr qsizetype headerSize = magicSize + 8;
constexpr quint32 getWorkspaces = 1;
// A reply this large is not a list of workspaces.
constexpr quint32 largestReply = 4 * 1024 * 1024;

} // namespace

namespace SwayWorkArea {

std::optional<QRect> query(const QString& socketPath, const QRect& screen, int timeoutMs)
{
    if (socketPath.isEmpty()) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(timeoutMs);
    const UnixSocket::Descriptor socket = UnixSocket::connectTo(socketPath);
    if (!socket) {
        return std::nullopt;
    }
    QByteArray request(magic, magicSize);
    quint32 fields[2] = {0, getWorkspaces};
    request.append(reinterpret_cast<const char*>(fields), sizeof fields);
    if (!UnixSocket::writeAll(socket.get(), request, deadline)) {
        return std::nullopt;
    }

    QByteArray header;
    if (!UnixSocket::readExactly(socket.get(), headerSize, header, deadline) || !header.startsWith(magic)) {
        return std::nullopt;
    }
    const quint32 length = qFromUnaligned<quint32>(header.constData() + magicSize);
    const quint32 type = qFromUnaligned<quint32>(header.constData() + magicSize + 4);
    QByteArray payload;
    if (type != getWorkspaces || length > largestReply ||
        !UnixSocket::readExactly(socket.get(), length, payload, deadline)) {
        return std::nullopt;
    }

    for (const QJsonValue& value : QJsonDocument::fromJson(payload).array()) {
        const QJsonObject workspace = value.toObject();
        const QJsonObject rect = workspace.value(QStringLiteral("rect")).toObject();
        const QRect area(rect.value(QStringLiteral("x")).toInt(), rect.value(QStringLiteral("y")).toInt(),
                         rect.value(QStringLiteral("width")).toInt(), rect.value(QStringLiteral("height")).toInt());
        if (workspace.value(QStringLiteral("visible")).toBool() && area.isValid() && screen.contains(area.center())) {
            return area.intersected(screen);
        }
    }
    return std::nullopt;
}

} // namespace SwayWorkArea
