// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/FileResourceDirectory.h"
#include "calendar/DailyItems.h"

#include <QImageReader>
#include <QTest>

// The generated files as the program finds them: by name, through the resource directory it
// locates from its own executable in the build tree.
class TestResourceLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEngravingIsFoundByItsName();
    void chimePictureAndSymbols();
    void absentNamesAreReportedAbsent();

private:
    const FileResourceDirectory m_resources =
        FileResourceDirectory::forExecutable(QStringLiteral(QUINTAVAL_PROGRAM_DIR));
};

void TestResourceLookup::everyEngravingIsFoundByItsName()
{
    for (std::int64_t dayOfYear = 1; dayOfYear <= 360; ++dayOfYear) {
        const auto item = DailyItems::item({1, (dayOfYear - 1) / 30 + 1, (dayOfYear - 1) % 30 + 1, 1});
        QVERIFY(item);
        const QString name = QStringLiteral("engravings/") + QString::fromStdString(item->imageName());
        const auto file = m_resources.find(name, QStringLiteral("png"));
        QVERIFY2(file, qPrintable(name));
        QVERIFY2(QImageReader(*file).canRead(), qPrintable(*file));
    }
}

void TestResourceLookup::chimePictureAndSymbols()
{
    QVERIFY(m_resources.find(QStringLiteral("marseillaise"), QStringLiteral("wav")));
    QVERIFY(m_resources.find(QStringLiteral("images/Guillotine"), QStringLiteral("svg")));
    for (const char* symbol : {"chevron.left", "chevron.right", "arrow.uturn.left", "speaker.wave.2", "speaker.slash",
                               "doc.on.doc", "checkmark", "gearshape", "xmark.circle"}) {
        QVERIFY2(m_resources.find(QStringLiteral("symbols/") + QLatin1String(symbol), QStringLiteral("svg")), symbol);
    }
}

void TestResourceLookup::absentNamesAreReportedAbsent()
{
    QVERIFY(!m_resources.find(QStringLiteral("marseillaise"), QStringLiteral("mp3")));
    QVERIFY(!m_resources.find(QStringLiteral("engravings/day_361_nothing"), QStringLiteral("png")));
    QVERIFY(!m_resources.find(QStringLiteral("engravings"), QStringLiteral("png")));
    // A program outside any build or installation finds nothing, and says so.
    QVERIFY(!FileResourceDirectory::forExecutable(QStringLiteral("/"))
                 .find(QStringLiteral("marseillaise"), QStringLiteral("wav")));
}

QTEST_APPLESS_MAIN(TestResourceLookup)
#include "TestResourceLookup.moc"
