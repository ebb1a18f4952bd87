// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SingleInstance.h"
#include "common/UserSocket.h"
#include "tests/support/ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

// The guard between a first start and later ones, each later one a separate process.
class TestSingleInstance final : public QObject
{
    Q_OBJECT

private:
    // As the probe starts its guard.
    const QString program = QStringLiteral("quintaval");
    const QByteArray request = QByteArrayLiteral("activate\n");
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
    // $XDG_RUNTIME_DIR when it is private, else a folder of the user's own, made private.
    void socketLivesInAPrivateFolder()
    {
        const QTemporaryDir temporary;
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_folder.path()));
        QCOMPARE(UserSocket::locate(QStringLiteral("x.socket")).path, m_folder.filePath(QStringLiteral("x.socket")));

        QFile::setPermissions(m_folder.path(), QFile::permissions(m_folder.path()) | QFile::ReadOther);
        const QString own = temporary.filePath(QStringLiteral("quintaval-%1").arg(getuid()));
        QCOMPARE(UserSocket::locate(QStringLiteral("x.socket")).path, own + QStringLiteral("/x.socket"));
        qunsetenv("XDG_RUNTIME_DIR");
        QCOMPARE(UserSocket::locate(QStringLiteral("x.socket")).path, own + QStringLiteral("/x.socket"));
        QCOMPARE(QFileInfo(own).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qunsetenv("TMPDIR");
    }

    void secondStartAsksTheFirst()
    {
        SingleInstance first(program, request, socketPath());
        QCOMPARE(first.start(), SingleInstance::Role::primary);
        QSignalSpy activations(&first, &SingleInstance::requested);
        startAgain(activations);
        startAgain(activations);
    }

    // The socket is the user's alone, and clients that say nothing, too much or something else
    // neither open the panel nor keep the next start from being heard.
    void unrulyClientsAreLetGo()
    {
        SingleInstance first(program, request, socketPath());
        QCOMPARE(first.start(), SingleInstance::Role::primary);
        QCOMPARE(QFileInfo(socketPath()).permissions() & 0x0077, QFileDevice::Permissions());
        QSignalSpy activations(&first, &SingleInstance::requested);
        std::vector<std::unique_ptr<QLocalSocket>> clients;
        for (const QByteArray& said : {QByteArray(), QByteArray(300, 'x'), QByteArray("hello\n")}) {
            clients.push_back(std::make_unique<QLocalSocket>());
            clients.back()->connectToServer(socketPath());
            QVERIFY(clients.back()->waitForConnected(1000));
            clients.back()->write(said);
            clients.back()->flush();
        }
        startAgain(activations);
        QTest::qWait(100);
        QCOMPARE(activations.size(), 1);
    }

    // A crowd of clients that never speak, more than the first start has descriptors for: it
    // neither spins nor keeps the next real start out.
    void crowdOfSilentClientsNeitherSpinsNorBlocks()
    {
        QProcess first;
        first.start(QStringLiteral("prlimit"), {QStringLiteral("--nofile=64:64"), QStringLiteral(SINGLEINSTANCE_PROBE),
                                                socketPath(), QStringLiteral("--stay")});
        QVERIFY(first.waitForReadyRead(5000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("primary"));
        std::vector<std::unique_ptr<QLocalSocket>> crowd;
        for (int i = 0; i < 300; ++i) {
            crowd.push_back(std::make_unique<QLocalSocket>());
            crowd.back()->connectToServer(socketPath());
        }
        QTest::qWait(300);
        const auto cpuTicks = [&first] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(first.processId()));
            stat.open(QIODevice::ReadOnly);
            const QList<QByteArray> fields = stat.readAll().split(' ');
            return fields.size() > 14 ? fields.at(13).toLongLong() + fields.at(14).toLongLong() : -1;
        };
        const qint64 before = cpuTicks();
        QTest::qWait(2000);
        // Two seconds are 200 ticks of a core; a spinning listener takes most of them.
        QVERIFY2(cpuTicks() - before < 40, qPrintable(QString::number(cpuTicks() - before)));

        QProcess second;
        second.start(QStringLiteral(SINGLEINSTANCE_PROBE), {socketPath()});
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("secondary"));
        QByteArray said;
        QTRY_VERIFY2((said += first.readAllStandardOutput()).contains("activated"), said.constData());
        first.kill();
        first.waitForFinished();
    }

    // Starts at the same moment take turns: in every round exactly one stays, and the other
    // hands its request over to it. Without the lock both would find nobody and both listen.
    void startsAtTheSameMomentLeaveOne()
    {
        for (int round = 0; round < 10; ++round) {
            std::array<QProcess, 2> probes;
            for (QProcess& probe : probes) {
                probe.start(QStringLiteral(SINGLEINSTANCE_PROBE),
                            {socketPath(), QStringLiteral("--stay"), QStringLiteral("--on-cue")});
                QVERIFY(probe.waitForReadyRead(10000));
                QCOMPARE(probe.readLine().trimmed(), QByteArray("ready"));
            }
            for (QProcess& probe : probes) {
                probe.write("\n");
            }
            QTRY_VERIFY_WITH_TIMEOUT(
                probes[0].state() == QProcess::NotRunning || probes[1].state() == QProcess::NotRunning, 10000);
            QProcess& second = probes[0].state() == QProcess::NotRunning ? probes[0] : probes[1];
            QProcess& first = &second == &probes[0] ? probes[1] : probes[0];
            QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("secondary"));
            QCOMPARE(second.exitCode(), 0);
            QTRY_VERIFY(first.peek(64).contains("activated"));
            QCOMPARE(first.readAllStandardOutput(), QByteArray("primary\nactivated\n"));
            QCOMPARE(first.state(), QProcess::Running);
            first.kill();
            first.waitForFinished();
        }
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

        SingleInstance next(program, request, socketPath());
        QCOMPARE(next.start(), SingleInstance::Role::primary);
        QSignalSpy activations(&next, &SingleInstance::requested);
        startAgain(activations);
    }

    // Another user can make the folder, plant a socket or answer on ours; each is refused with
    // a reason and a non-zero exit, never taken for a running first start, and left in place.
    void foreignPlaceIsRefused_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("reason"); // empty: the start is the first, in its own folder
        QTest::newRow("nothing there") << ""
                                       << "";
        QTest::newRow("folder of another user") << "folder of root"
                                                << "belongs to user 0";
        QTest::newRow("folder open to others") << "folder mode 777"
                                               << "open to other users";
        QTest::newRow("folder is a link") << "folder link"
                                          << "is not a folder";
        QTest::newRow("socket of another user") << "socket of root"
                                                << "belongs to user 0";
        QTest::newRow("listener of another user") << "listener of root"
                                                  << "runs as another user";
    }

    void foreignPlaceIsRefused()
    {
        QFETCH(QString, setup);
        QFETCH(QString, reason);
        if (geteuid() != 0) {
            QSKIP("making files of another user needs root");
        }
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty()) {
            QSKIP("setpriv is missing: the probe must run as an unprivileged user");
        }
        const QTemporaryDir temporary;
        // Like /tmp: anyone may make a folder there, and only its owner remove it.
        QVERIFY(chmod(QFile::encodeName(temporary.path()).constData(), 01777) == 0);
        const QString own = temporary.filePath(QStringLiteral("quintaval-65534"));
        const QByteArray ownName = QFile::encodeName(own);
        const QString elsewhere = temporary.filePath(QStringLiteral("elsewhere"));
        QLocalServer listener;
        if (setup == QLatin1String("folder link")) {
            QVERIFY(QDir().mkdir(elsewhere));
            QVERIFY(chown(QFile::encodeName(elsewhere).constData(), 65534, 65534) == 0);
            QVERIFY(QFile::link(elsewhere, own));
        } else if (!setup.isEmpty()) {
            QVERIFY(mkdir(ownName.constData(), setup == QLatin1String("folder mode 777") ? 0777 : 0700) == 0);
            QVERIFY(chmod(ownName.constData(), setup == QLatin1String("folder mode 777") ? 0777 : 0700) == 0);
            if (setup != QLatin1String("folder of root")) {
                QVERIFY(chown(ownName.constData(), 65534, 65534) == 0);
            }
        }
        const QString socket = own + QStringLiteral("/quintaval.socket");
        if (setup == QLatin1String("socket of root") || setup == QLatin1String("listener of root")) {
            QVERIFY(listener.listen(socket));
            if (setup == QLatin1String("listener of root")) {
                QVERIFY(chown(QFile::encodeName(socket).constData(), 65534, 65534) == 0);
            }
        }

        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.insert(QStringLiteral("TMPDIR"), temporary.path());
        probe.setProcessEnvironment(environment);
        probe.start(setpriv,
                    {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                     QStringLiteral(SINGLEINSTANCE_PROBE), QStringLiteral("-")});
        const ProgramRun run = finishRun(probe);
        if (reason.isEmpty()) {
            QCOMPARE(run.output.trimmed(), QStringLiteral("primary"));
            QCOMPARE(QFileInfo(own).ownerId(), 65534u);
            QCOMPARE(QFileInfo(own).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return;
        }
        QCOMPARE(run.output.trimmed(), QStringLiteral("refused"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
        // Nothing was said to the stranger, and nothing of theirs was removed.
        QTest::qWait(100);
        QVERIFY(!listener.hasPendingConnections() || setup == QLatin1String("listener of root"));
        QVERIFY(QFileInfo(own).exists() || QFileInfo(own).isSymLink());
        if (setup == QLatin1String("listener of root")) {
            QLocalSocket* accepted = listener.nextPendingConnection();
            QVERIFY(accepted);
            QVERIFY(!accepted->waitForReadyRead(200));
        }
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
