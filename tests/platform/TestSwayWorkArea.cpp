// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SwayWorkArea.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

// A sway that answers GET_WORKSPACES from another thread, as the real one does from its process.
class FakeSway final : public QThread
{
public:
    FakeSway(QString path, QByteArray reply) : m_path(std::move(path)), m_reply(std::move(reply)) {}

    void run() override
    {
        QLocalServer server;
        server.listen(m_path);
        m_listening.release();
        if (!server.waitForNewConnection(5000)) {
            return;
        }
        QLocalSocket* client = server.nextPendingConnection();
        while (client->bytesAvailable() < 14 && client->waitForReadyRead(5000)) {
        }
        const QByteArray request = client->read(14);
        m_requestType = qFromUnaligned<quint32>(request.constData() + 10);
        if (m_reply.isEmpty()) {
            // Silent: connected but never answering.
            QThread::msleep(500);
            return;
        }
        QByteArray message("i3-ipc");
        const quint32 fields[2] = {quint32(m_reply.size()), 1};
        message.append(reinterpret_cast<const char*>(fields), sizeof fields);
        message.append(m_reply);
        client->write(message);
        client->waitForBytesWritten(5000);
        client->waitForDisconnected(1000);
    }

    void waitUntilListening() { m_listening.acquire(); }
    quint32 requestType() const { return m_requestType; }

private:
    QString m_path;
    QByteArray m_reply;
    QSemaphore m_listening;
    quint32 m_requestType = 0;
};

class TestSwayWorkArea final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two outputs; waybar takes 30 px off the top of the left one.
    void visibleWorkspaceOfTheScreen_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<std::optional<QRect>>("area");
        const QByteArray twoOutputs =
            R"([{"name":"1","visible":true,"rect":{"x":0,"y":30,"width":1920,"height":1050}},
                {"name":"2","visible":false,"rect":{"x":0,"y":0,"width":1920,"height":1080}},
                {"name":"3","visible":true,"rect":{"x":1920,"y":0,"width":1280,"height":1024}}])";
        QTest::newRow("left screen") << QRect(0, 0, 1920, 1080) << twoOutputs
                                     << std::optional<QRect>(QRect(0, 30, 1920, 1050));
        QTest::newRow("right screen") << QRect(1920, 0, 1280, 1024) << twoOutputs
                                      << std::optional<QRect>(QRect(1920, 0, 1280, 1024));
        QTest::newRow("no workspace there") << QRect(4000, 0, 800, 600) << twoOutputs << std::optional<QRect>();
        QTest::newRow("not JSON") << QRect(0, 0, 1920, 1080) << QByteArray("oops") << std::optional<QRect>();
        QTest::newRow("never answers") << QRect(0, 0, 1920, 1080) << QByteArray() << std::optional<QRect>();
    }

    void visibleWorkspaceOfTheScreen()
    {
        QFETCH(QRect, screen);
        QFETCH(QByteArray, reply);
        QFETCH(std::optional<QRect>, area);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sway-ipc.sock"));
        FakeSway sway(path, reply);
        sway.start();
        sway.waitUntilListening();
        QCOMPARE(SwayWorkArea::query(path, screen), area);
        sway.wait();
        QCOMPARE(sway.requestType(), 1u);
    }

    void noSwayNoArea()
    {
        QCOMPARE(SwayWorkArea::query(QString(), QRect(0, 0, 800, 600)), std::optional<QRect>());
        QCOMPARE(SwayWorkArea::query(QStringLiteral("/nonexistent/sway.sock"), QRect(0, 0, 800, 600)),
                 std::optional<QRect>());
    }
};

QTEST_GUILESS_MAIN(TestSwayWorkArea)
#include "TestSwayWorkArea.moc"
