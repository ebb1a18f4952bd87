// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-widgets run as a program: its one-off commands and its answer to a bad plug-in.

#include "tests/support/ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QProcessEnvironment hostEnvironment(const QByteArray& zone, const QString& privateFolder = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), QString::fromLatin1(zone));
    if (!privateFolder.isEmpty()) {
        // Settings and the host's socket kept away from any host the user runs.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), privateFolder);
        environment.insert(QStringLiteral("TMPDIR"), privateFolder);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), privateFolder);
    }
    return environment;
}

// `systemClock`: where libfaketime starts the system clock ("2026-09-18 23:59:00"); empty: the real one.
ProgramRun runHost(const QStringList& arguments, const QByteArray& zone = "Europe/Paris",
                   const QString& systemClock = {}, const QString& privateFolder = {})
{
    QProcess process;
    QProcessEnvironment environment = hostEnvironment(zone, privateFolder);
    if (!systemClock.isEmpty()) {
        // Preloaded rather than through the faketime command, whose semaphore outlives a run that
        // is killed and turns away a later one given the same process number.
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUINTAVAL_LIBFAKETIME));
        environment.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + systemClock);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(WIDGET_HOST), arguments);
    return finishRun(process);
}

} // namespace

class TestWidgetCommands final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timelineListsTheWeek_data();
    void timelineListsTheWeek();
    void renderWritesTheFace_data();
    void renderWritesTheFace();
    void renderRefusesWhatItCannotDraw_data();
    void renderRefusesWhatItCannotDraw();
    void brokenPluginIsReported();
    void secondStartHandsOverToTheFirst();
};

void TestWidgetCommands::timelineListsTheWeek_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("systemClock"); // set with libfaketime; empty: the real one
    QTest::addColumn<QStringList>("firstLines");
    QTest::newRow("--at a minute to midnight")
        << QStringList{"--timeline", "--at", "2026-12-07T23:59:00"} << QByteArray("Europe/Paris") << QString()
        << QStringList{"2026-12-08T00:00:00+01:00", "2026-12-07T00:00:00+01:00 235 3 15 5 Chevreuil",
                       "2026-12-08T00:00:00+01:00 235 3 16 6 Ajonc"};
    // Without --at the host asks the system clock; the day before the complementary days.
    QTest::newRow("system clock") << QStringList{"--timeline"} << QByteArray("America/New_York")
                                  << "2026-09-18 23:59:00"
                                  << QStringList{"2026-09-19T00:00:00-04:00",
                                                 "2026-09-18T00:00:00-04:00 234 12 30 10 Panier",
                                                 "2026-09-19T00:00:00-04:00 234 13 1 1 -"};
}

void TestWidgetCommands::timelineListsTheWeek()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, zone);
    QFETCH(QString, systemClock);
    QFETCH(QStringList, firstLines);
    const ProgramRun run = runHost(arguments, zone, systemClock);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.output.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.mid(0, 3), firstLines);
}

void TestWidgetCommands::renderWritesTheFace_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QSize>("size");
    QTest::newRow("small") << "small" << QSize(170, 170);
    QTest::newRow("medium") << "medium" << QSize(364, 170);
    QTest::newRow("large") << "large" << QSize(364, 382);
}

void TestWidgetCommands::renderWritesTheFace()
{
    QFETCH(QString, family);
    QFETCH(QSize, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(family + ".png");
    const ProgramRun run = runHost({"--render", family, "--at", "2026-12-07T10:40:00", "--dark", "--out", path});
    QCOMPARE(run.exitCode, 0);
    const QImage face(path);
    QCOMPARE(face.size(), size);
    // Parchment, not a dark background, although the desktop is dark.
    QCOMPARE(QColor(face.pixel(size.width() / 2, size.height() - 4)).name(),
             QColor::fromRgbF(0.93f, 0.91f, 0.86f).name());
}

void TestWidgetCommands::renderRefusesWhatItCannotDraw_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("unknown size") << QStringList{"--render", "huge", "--out", "x.png"} << 2 << "not a size";
    QTest::newRow("size the widget lacks")
        << QStringList{"--render", "extraLarge", "--out", "x.png"} << 2 << "comes in: small, medium, large";
    QTest::newRow("no output") << QStringList{"--render", "small"} << 2 << "--out";
    QTest::newRow("bad instant") << QStringList{"--timeline", "--at", "yesterday"} << 2 << "not an ISO 8601";
    QTest::newRow("week past the year 9999")
        << QStringList{"--timeline", "--at", "9999-12-31T12:00:00"} << 2 << "outside the days the widgets show";
    QTest::newRow("before the calendar began")
        << QStringList{"--render", "small", "--at", "1600-01-01T12:00:00", "--out", "x.png"} << 2
        << "outside the days the widgets show";
    QTest::newRow("unwritable output") << QStringList{"--render", "small", "--out", "/nonexistent/folder/x.png"} << 1
                                       << "Cannot write";
    // Every write fails there, as on a full disk, where an empty file passed for success.
    QTest::newRow("full disk") << QStringList{"--render", "small", "--out", "/dev/full"} << 1
                               << "Cannot write /dev/full";
}

void TestWidgetCommands::renderRefusesWhatItCannotDraw()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, complaint);
    const ProgramRun run = runHost(arguments);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errors.contains(complaint), qPrintable(run.errors));
}

void TestWidgetCommands::brokenPluginIsReported()
{
    QTemporaryDir folder;
    QFile broken(folder.filePath(QStringLiteral("libBroken.so")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    QVERIFY(QFile::copy(QStringLiteral(NOT_A_WIDGET_PLUGIN), folder.filePath(QStringLiteral("libOther.so"))));

    const ProgramRun run = runHost({"--plugin-dir", folder.path(), "--timeline"});
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains("Cannot load widget plug-in " + folder.filePath("libBroken.so")),
             qPrintable(run.errors));
    QVERIFY2(run.errors.contains(folder.filePath("libOther.so") + " is not a widget plug-in"), qPrintable(run.errors));
    QVERIFY2(run.errors.contains("No widget is available."), qPrintable(run.errors));
    QVERIFY(run.output.isEmpty());
}

void TestWidgetCommands::secondStartHandsOverToTheFirst()
{
    QTemporaryDir folder;
    QProcess first;
    first.setProcessEnvironment(hostEnvironment("Europe/Paris", folder.path()));
    first.start(QStringLiteral(WIDGET_HOST), {});
    QVERIFY(first.waitForStarted());
    const QString socket = QDir(folder.path()).filePath(QStringLiteral("quintaval-widgets.socket"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 10000);

    const ProgramRun second = runHost({}, "Europe/Paris", {}, folder.path());
    QCOMPARE(second.exitStatus, QProcess::NormalExit);
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(second.output.contains("already running"), qPrintable(second.output + second.errors));
    QCOMPARE(first.state(), QProcess::Running);

    // Ended by a signal, as at logout, the host leaves no socket behind.
    first.terminate();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(socket));
}

QTEST_GUILESS_MAIN(TestWidgetCommands)
#include "TestWidgetCommands.moc"
