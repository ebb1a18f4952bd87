// SPDX-License-Identifier: GPL-3.0-or-later
// The 360 engraving plates: one per day item under its image name, each a picture the panel and
// the widgets can lay over parchment with a multiply blend.
#include "calendar/DailyItems.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDir plateFolder(QStringLiteral(QUINTAVAL_RESOURCE_DIR "/engravings"));

QStringList expectedNames()
{
    QStringList names;
    for (std::int64_t day = 1; day <= 360; ++day) {
        const auto item = DailyItems::item(RevolutionaryDate{1, (day - 1) / 30 + 1, (day - 1) % 30 + 1, 0});
        names << QString::fromStdString(item->imageName()) + QStringLiteral(".png");
    }
    return names;
}

// Share of the pixels of `area` darker than mid grey.
double inkShare(const QImage& plate, const QRect& area)
{
    qint64 dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            dark += qGray(plate.pixel(x, y)) < 128;
        }
    }
    return static_cast<double>(dark) / (area.width() * area.height());
}

bool allWhite(const QImage& plate, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (plate.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

QStringList pngFiles(const QDir& folder)
{
    return folder.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

} // namespace

class TestEngravingPlates final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactlyOnePlatePerImageName()
    {
        QStringList expected = expectedNames();
        expected.sort();
        QCOMPARE(QSet<QString>(expected.begin(), expected.end()).size(), 360);
        QCOMPARE(pngFiles(plateFolder), expected);
    }

    void everyPlateIsInkOnWhitePaper()
    {
        QSet<QByteArray> seen;
        for (const QString& name : expectedNames()) {
            QImageReader reader(plateFolder.filePath(name));
            QCOMPARE(reader.format(), QByteArray("png"));
            const QImage plate = reader.read();
            QVERIFY2(!plate.isNull(), qPrintable(name + QStringLiteral(": ") + reader.errorString()));
            QVERIFY2(plate.width() >= 512 && plate.width() == plate.height(), qPrintable(name));

            // Pure white paper: the margin outside the frame, and most of the sheet.
            const int side = plate.width();
            const int margin = side / 40;
            for (const QRect& strip : {QRect(0, 0, side, margin), QRect(0, side - margin, side, margin),
                                       QRect(0, 0, margin, side), QRect(side - margin, 0, margin, side)}) {
                QVERIFY2(allWhite(plate, strip), qPrintable(name + QStringLiteral(": margin is not white")));
            }
            QVERIFY2(inkShare(plate, plate.rect()) < 0.5, qPrintable(name));

            // Ink where the drawing stands and where the caption is written.
            const double picture = inkShare(plate, QRect(side / 8, side / 10, side * 3 / 4, side * 2 / 3));
            const double caption = inkShare(plate, QRect(side / 8, side * 83 / 100, side * 3 / 4, side / 8));
            QVERIFY2(picture > 0.02, qPrintable(name + QStringLiteral(": no drawing, ink %1").arg(picture)));
            QVERIFY2(caption > 0.01, qPrintable(name + QStringLiteral(": no caption, ink %1").arg(caption)));

            // Items that share an emoji still differ by their caption.
            const QImage gray = plate.convertToFormat(QImage::Format_Grayscale8);
            const QByteArray pixels(reinterpret_cast<const char*>(gray.constBits()), gray.sizeInBytes());
            const QByteArray digest = QCryptographicHash::hash(pixels, QCryptographicHash::Sha256);
            QVERIFY2(!seen.contains(digest), qPrintable(name + QStringLiteral(" repeats another plate")));
            seen.insert(digest);
        }
    }

    // The build must give the same bytes every time, and a rerun must not leave plates of an
    // older table behind.
    void generatorIsDeterministicAndDropsStalePlates()
    {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QDir folder(out.path());
        QFile stale(folder.filePath(QStringLiteral("day_999_gone.png")));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();

        QProcess generator;
        generator.start(QStringLiteral(QUINTAVAL_ENGRAVINGS_TOOL),
                        {QStringLiteral("--symbols"), QStringLiteral(QUINTAVAL_SYMBOL_FONT), QStringLiteral("--serif"),
                         QStringLiteral(QUINTAVAL_CAPTION_FONT), QStringLiteral("--italic"),
                         QStringLiteral(QUINTAVAL_CAPTION_ITALIC_FONT), QStringLiteral("--out"), out.path()});
        QVERIFY(generator.waitForFinished(200000));
        QCOMPARE(generator.exitCode(), 0);

        const QStringList made = pngFiles(folder);
        QCOMPARE(made, pngFiles(plateFolder));
        for (const QString& name : made) {
            QFile fresh(folder.filePath(name));
            QFile built(plateFolder.filePath(name));
            QVERIFY(fresh.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly));
            QVERIFY2(fresh.readAll() == built.readAll(), qPrintable(name + QStringLiteral(" differs between runs")));
        }
    }

    void generatorFailsWithoutItsFonts()
    {
        QTemporaryDir out;
        const QString stamp = out.filePath(QStringLiteral("stamp"));
        QProcess generator;
        generator.start(QStringLiteral(QUINTAVAL_ENGRAVINGS_TOOL),
                        {QStringLiteral("--symbols"), out.filePath(QStringLiteral("missing.ttf")),
                         QStringLiteral("--serif"), QStringLiteral(QUINTAVAL_CAPTION_FONT), QStringLiteral("--italic"),
                         QStringLiteral(QUINTAVAL_CAPTION_ITALIC_FONT), QStringLiteral("--out"), out.path(),
                         QStringLiteral("--stamp"), stamp});
        QVERIFY(generator.waitForFinished(30000));
        QVERIFY(generator.exitCode() != 0);
        QVERIFY(!QFile::exists(stamp));
        QVERIFY(pngFiles(QDir(out.path())).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEngravingPlates)
#include "TestEngravingPlates.moc"
