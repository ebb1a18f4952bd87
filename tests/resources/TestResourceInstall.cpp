// SPDX-License-Identifier: GPL-3.0-or-later
// The install rules: a staged install of the build carries every resource to share/quintaval/
// and the application icon into the hicolor theme.
#include "calendar/DailyItems.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestResourceInstall final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_prefix;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        install.start(QStringLiteral(QUINTAVAL_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(QUINTAVAL_BUILD_DIR), QStringLiteral("--prefix"),
                       m_prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QCOMPARE(install.exitCode(), 0);
    }

    void resourcesInstallUnderShareQuintaval_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("chime") << "marseillaise.wav";
        QTest::newRow("Guillotine") << "images/Guillotine.svg";
        QTest::newRow("icon") << "icons/quintaval.svg";
        QTest::newRow("French") << "translations/quintaval_fr.qm";
        for (const char* symbol : {"chevron.left", "chevron.right", "arrow.uturn.left", "speaker.wave.2",
                                   "speaker.slash", "doc.on.doc", "checkmark", "gearshape", "xmark.circle"}) {
            QTest::newRow(symbol) << QStringLiteral("symbols/%1.svg").arg(QLatin1String(symbol));
        }
        for (const std::int64_t day : {1, 223, 360}) {
            auto item = *DailyItems::item(RevolutionaryDate{1, (day - 1) / 30 + 1, (day - 1) % 30 + 1, 0});
            QTest::newRow(item.imageName().c_str())
                << QStringLiteral("engravings/%1.png").arg(QString::fromStdString(item.imageName()));
        }
    }

    void resourcesInstallUnderShareQuintaval()
    {
        QFETCH(QString, file);
        const QFileInfo installed(m_prefix.filePath(QStringLiteral("share/quintaval/") + file));
        QVERIFY2(installed.isFile() && installed.size() > 0, qPrintable(installed.filePath()));
    }

    void allPlatesAndNothingElseInstall()
    {
        const QDir plates(m_prefix.filePath(QStringLiteral("share/quintaval/engravings")));
        QCOMPARE(plates.entryList(QDir::Files).size(), 360);
        QCOMPARE(plates.entryList({QStringLiteral("day_*.png")}, QDir::Files).size(), 360);
    }

    void iconsInstallIntoHicolor()
    {
        const QDir hicolor(m_prefix.filePath(QStringLiteral("share/icons/hicolor")));
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            QVERIFY(hicolor.exists(QStringLiteral("%1x%1/apps/quintaval.png").arg(size)));
        }
        QVERIFY(hicolor.exists(QStringLiteral("scalable/apps/quintaval.svg")));
    }
};

QTEST_GUILESS_MAIN(TestResourceInstall)
#include "TestResourceInstall.moc"
