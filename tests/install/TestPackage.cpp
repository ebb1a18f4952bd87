// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package as cpack writes it, judged by lintian: an error, or a warning that the
// overrides file does not explain, fails.

#include "tests/support/ProgramRun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestPackage final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lintianAcceptsThePackage();
};

void TestPackage::lintianAcceptsThePackage()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess cpack;
    cpack.start(QStringLiteral(QUINTAVAL_CPACK),
                {QStringLiteral("--config"), QStringLiteral(QUINTAVAL_BUILD_DIR "/CPackConfig.cmake"),
                 QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), out.path()});
    // Packing strips the programs and compresses every plate: minutes on a loaded machine.
    const ProgramRun packed = finishRun(cpack, 480000);
    QVERIFY2(packed.exitCode == 0,
             packed.exitCode == -1 ? "cpack did not finish in time" : qPrintable(packed.output + packed.errors));
    const QStringList packages = QDir(out.path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(packages.size(), 1);

    QProcess lintian;
    lintian.start(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"),
                                              QDir(out.path()).filePath(packages.first())});
    const ProgramRun judged = finishRun(lintian, 240000);
    QVERIFY2(judged.exitStatus == QProcess::NormalExit && judged.exitCode == 0,
             qPrintable(judged.output + judged.errors));
}

QTEST_GUILESS_MAIN(TestPackage)
#include "TestPackage.moc"
