// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/FileResourceDirectory.h"
#include "app/platform/files/TranslationLoader.h"
#include "tests/support/ChildRun.h"
#include "tests/support/StandardOutputCapture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestFileResourceDirectory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupsReportAbsence();
    void rootIsFoundFromTheExecutable_data();
    void rootIsFoundFromTheExecutable();
    void testsFindTheBuildTreesResources();
    void missingFolderIsSaidOncePerRun();
};

void TestFileResourceDirectory::lookupsReportAbsence()
{
    const QTemporaryDir root;
    touch(root.filePath(QStringLiteral("marseillaise.wav")));
    touch(root.filePath(QStringLiteral("engravings/day_001_raisin.png")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("folder.svg")));
    const FileResourceDirectory resources(root.path());

    QCOMPARE(resources.find(QStringLiteral("marseillaise"), QStringLiteral("wav")),
             root.filePath(QStringLiteral("marseillaise.wav")));
    QCOMPARE(resources.find(QStringLiteral("engravings/day_001_raisin"), QStringLiteral("png")),
             root.filePath(QStringLiteral("engravings/day_001_raisin.png")));
    QCOMPARE(resources.find(QStringLiteral("marseillaise"), QStringLiteral("mp3")), std::nullopt);
    QCOMPARE(resources.find(QStringLiteral("folder"), QStringLiteral("svg")), std::nullopt);
    QCOMPARE(FileResourceDirectory(QString()).find(QStringLiteral("marseillaise"), QStringLiteral("wav")),
             std::nullopt);
}

void TestFileResourceDirectory::rootIsFoundFromTheExecutable_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("expectedRoot"); // empty: none
    QTest::addColumn<QString>("complaint");    // about this folder, on standard error

    QTest::newRow("installed") << QStringList{"prefix/share/quintaval/marseillaise.wav", "prefix/bin/quintaval"}
                               << "prefix/bin"
                               << "prefix/share/quintaval" << QString();
    QTest::newRow("program in a build tree")
        << QStringList{"build/CMakeCache.txt", "build/app/quintaval", "build/resources/marseillaise.wav"} << "build/app"
        << "build/resources" << QString();
    QTest::newRow("tool in a build tree")
        << QStringList{"build/CMakeCache.txt", "build/tools/host/host"} << "build/tools/host"
        << "build/resources"
        << "missing";
    // The source tree's resources/ holds what the files are made from, never the files themselves.
    QTest::newRow("neither") << QStringList{"resources/marseillaise.notes", "bin/quintaval"} << "bin" << QString()
                             << "missing";
}

void TestFileResourceDirectory::rootIsFoundFromTheExecutable()
{
    QFETCH(QStringList, files);
    QFETCH(QString, executableFolder);
    QFETCH(QString, expectedRoot);
    QFETCH(QString, complaint);
    const QTemporaryDir tree;
    for (const QString& file : files) {
        touch(tree.filePath(file));
    }

    StandardOutputCapture errors(STDERR_FILENO);
    const FileResourceDirectory found = FileResourceDirectory::forExecutable(tree.filePath(executableFolder));
    QCOMPARE(found.root(), expectedRoot.isEmpty() ? QString() : tree.filePath(expectedRoot));
    const QString said = QString::fromUtf8(errors.text());
    if (complaint.isEmpty()) {
        QCOMPARE(said, QString());
    } else {
        // One line, naming the folder the user should look at.
        QCOMPARE(said.count(QLatin1Char('\n')), 1);
        const QString folder = expectedRoot.isEmpty() ? QStringLiteral("share/quintaval") : expectedRoot;
        QVERIFY2(said.contains(complaint) && said.contains(tree.filePath(folder)), qPrintable(said));
    }
}

void TestFileResourceDirectory::testsFindTheBuildTreesResources()
{
    const QDir build(QStringLiteral(QUINTAVAL_BUILD_DIR));
    QCOMPARE(FileResourceDirectory::forRunningProgram().root(), build.filePath(QStringLiteral("resources")));
}

// The translations looked for the folder at start, then the program did, and each said it was missing.
void TestFileResourceDirectory::missingFolderIsSaidOncePerRun()
{
    if (ChildRun::inChild()) {
        // As a program starts: its translations first, then its resources.
        TranslationLoader::directoryForRunningProgram();
        FileResourceDirectory::forRunningProgram();
        return;
    }
    // A copy of this test away from any build tree or installation finds no folder.
    const QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath(QStringLiteral("bin/test"));
    QVERIFY(QDir().mkpath(elsewhere.filePath(QStringLiteral("bin"))));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    const ProgramRun run = ChildRun::againFrom(copy, QProcessEnvironment::systemEnvironment());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors.count(QStringLiteral("resource folder")), 1);
}

QTEST_GUILESS_MAIN(TestFileResourceDirectory)
#include "TestFileResourceDirectory.moc"
