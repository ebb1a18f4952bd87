// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Runs a later start to its end while this process keeps serving: it must leave with 0,
    // saying it is not the first, after reaching the first start.
    void startAgain(QSignalSpy& activations) const
    {
        const qsizetype before = activations.size();
        QProcess probe;
        probe.start(QStringLiteral(SINGLEINSTANCE_PROBE), {socketPath()});
        QSignalSpy finished(&probe, &QProcess::finished);
        if (!finished.wait(10000)) {
            probe.kill();
            probe.waitForFinished();
        }
        QCOMPARE(probe.readAllStandardOutput().trimmed(), QByteArray("secondary"));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QTRY_COMPARE(activations.size(), before + 1);
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
        startAgain(activations);
        startAgain(activations);
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
        startAgain(activations);
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
