// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMutex>
#include <QSemaphore>
#include <QThread>
#include <QtEndian>

#include <utility>

// A sway answering on its IPC socket from another thread, as the real one does from its process:
// every request gets `reply`, under the request's own type; an empty reply leaves the connection
// unanswered. Links Qt6::Network.
class FakeSway final : public QThread
{
public:
    struct Request
    {
        quint32 type = 0;
        QByteArray payload;
    };

    FakeSway(QString path, QByteArray reply) : m_path(std::move(path)), m_reply(std::move(reply))
    {
        start();
        m_listening.acquire();
    }

    ~FakeSway() override
    {
        requestInterruption();
        wait();
    }

    QList<Request> requests() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_requests;
    }

protected:
    void run() override
    {
        QLocalServer server;
        server.listen(m_path);
        m_listening.release();
        while (!isInterruptionRequested()) {
            if (!server.waitForNewConnection(20)) {
                continue;
            }
            QLocalSocket* client = server.nextPendingConnection();
            const Request request = read(*client);
            {
                const QMutexLocker lock(&m_mutex);
                m_requests.append(request);
            }
            if (!m_reply.isEmpty()) {
                QByteArray message("i3-ipc");
                const quint32 fields[2] = {quint32(m_reply.size()), request.type};
                message.append(reinterpret_cast<const char*>(fields), sizeof fields);
                message.append(m_reply);
                client->write(message);
                client->waitForBytesWritten(5000);
            }
            client->waitForDisconnected(1000);
            delete client;
        }
    }

private:
    static Request read(QLocalSocket& client)
    {
        constexpr qsizetype headerSize = 14;
        while (client.bytesAvailable() < headerSize && client.waitForReadyRead(5000)) {
        }
        const QByteArray header = client.read(headerSize);
        if (header.size() < headerSize) {
            return {};
        }
        const quint32 length = qFromUnaligned<quint32>(header.constData() + 6);
        while (client.bytesAvailable() < length && client.waitForReadyRead(5000)) {
        }
        return {qFromUnaligned<quint32>(header.constData() + 10), client.read(length)};
    }

    QString m_path;
    QByteArray m_reply;
    QSemaphore m_listening;
    mutable QMutex m_mutex;
    QList<Request> m_requests;
};
