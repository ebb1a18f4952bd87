#include "app/platform/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// The guard between a first start and later ones, each later one a separate process.
class TestSingleInstance final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString socketPath() const { return m_folder.filePath("quintaval.socket"); }

    // Runs a later start to its end while this process keeps serving.
    static QString runProbe(const QString& socket, int* exitCode)
    {
        QProcess probe;
        probe.start(QStringLiteral(SINGLEINSTANCE_PROBE), {socket});
        QSignalSpy finished(&probe, &QProcess::finished);
        if (!finished.wait(10000)) {
            probe.kill();
            probe.waitForFinished();
        }
        *exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
        return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    }

private Q_SLOTS:
    void defaultSocketIsPerUser()
    {
        const QString path = SingleInstance::defaultSocketPath();
        QVERIFY2(path.contains(QStringLiteral("-%1.").arg(getuid())), qPrintable(path));
        qputenv("XDG_RUNTIME_DIR", m_folder.path().toUtf8());
        QCOMPARE(QFileInfo(SingleInstance::defaultSocketPath()).absolutePath(), m_folder.path());
    }

    void secondStartAsksTheFirst()
    {
        SingleInstance first(socketPath());
        QCOMPARE(first.start(), SingleInstance::Role::primary);
        QSignalSpy activations(&first, &SingleInstance::activationRequested);

        int exitCode = -1;
        QCOMPARE(runProbe(socketPath(), &exitCode), QStringLiteral("secondary"));
        QCOMPARE(exitCode, 0);
        QTRY_COMPARE(activations.size(), 1);

        QCOMPARE(runProbe(socketPath(), &exitCode), QStringLiteral("secondary"));
        QTRY_COMPARE(activations.size(), 2);
    }

    // A first start that crashed leaves its socket file behind; nobody answers there.
    void staleSocketIsTakenOver()
    {
        QProcess crashed;
        crashed.start(QStringLiteral(SINGLEINSTANCE_PROBE), {socketPath(), QStringLiteral("--stay")});
        QVERIFY(crashed.waitForReadyRead(10000));
        QCOMPARE(crashed.readLine().trimmed(), QByteArray("primary"));
        crashed.kill();
        crashed.waitForFinished();
        QVERIFY(QFileInfo::exists(socketPath()));

        SingleInstance next(socketPath());
        QCOMPARE(next.start(), SingleInstance::Role::primary);
        QSignalSpy activations(&next, &SingleInstance::activationRequested);
        int exitCode = -1;
        QCOMPARE(runProbe(socketPath(), &exitCode), QStringLiteral("secondary"));
        QCOMPARE(exitCode, 0);
        QTRY_COMPARE(activations.size(), 1);
    }

    // In a shared temporary folder another user may hold the name: neither trusted nor removed.
    void anotherUsersSocketIsLeftAlone()
    {
        const QString path = m_folder.filePath("taken.socket");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        if (chown(QFile::encodeName(path).constData(), 65534, 65534) != 0) {
            QSKIP("giving a file to another user needs root");
        }
        SingleInstance instance(path);
        QCOMPARE(instance.start(), SingleInstance::Role::primary);
        QCOMPARE(QFileInfo(path).ownerId(), 65534u);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
