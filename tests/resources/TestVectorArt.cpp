// SPDX-License-Identifier: GPL-3.0-or-later
// The Guillotine picture, the symbols and the application icon: valid SVG that renders to ink on
// a transparent ground at the sizes the program uses, symbols in one colour so they can be
// tinted, and the icon's PNG renderings for the hicolor theme.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

const QDir resourceFolder(QStringLiteral(QUINTAVAL_RESOURCE_DIR));

QImage render(const QString& path, int size)
{
    QSvgRenderer renderer(path);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (!renderer.isValid()) {
        return {};
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

double opaqueShare(const QImage& image)
{
    qint64 opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            opaque += qAlpha(image.pixel(x, y)) >= 128;
        }
    }
    return static_cast<double>(opaque) / (image.width() * image.height());
}

bool cornersTransparent(const QImage& image)
{
    const int last = image.width() - 1;
    return qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(last, 0)) == 0 && qAlpha(image.pixel(0, last)) == 0 &&
           qAlpha(image.pixel(last, last)) == 0;
}

// First and last row, as shares of the height, of the opaque pixels in the leftmost (or
// rightmost) column that has any: a point there if they are close, two ends if they are apart.
std::pair<double, double> outerColumnRows(const QImage& image, bool left)
{
    for (int step = 0; step < image.width(); ++step) {
        const int x = left ? step : image.width() - 1 - step;
        int first = -1;
        int last = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (qAlpha(image.pixel(x, y)) >= 128) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        if (first >= 0) {
            return {static_cast<double>(first) / image.height(), static_cast<double>(last) / image.height()};
        }
    }
    return {-1, -1};
}

const QStringList symbolNames{
    QStringLiteral("chevron.left"),   QStringLiteral("chevron.right"), QStringLiteral("arrow.uturn.left"),
    QStringLiteral("speaker.wave.2"), QStringLiteral("speaker.slash"), QStringLiteral("doc.on.doc"),
    QStringLiteral("checkmark"),      QStringLiteral("gearshape"),     QStringLiteral("xmark.circle"),
};

} // namespace

class TestVectorArt final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rendersAsInkOnTransparent_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("size");
        QTest::addColumn<double>("minimumInk");
        QTest::addColumn<double>("maximumInk");
        QTest::newRow("Guillotine in its 28-point frame") << "images/Guillotine.svg" << 28 << 0.2 << 0.6;
        QTest::newRow("icon") << "icons/quintaval.svg" << 64 << 0.6 << 0.8;
        for (const QString& name : symbolNames) {
            QTest::newRow(qPrintable(name)) << QStringLiteral("symbols/%1.svg").arg(name) << 16 << 0.03 << 0.5;
        }
    }

    void rendersAsInkOnTransparent()
    {
        QFETCH(QString, file);
        QFETCH(int, size);
        QFETCH(double, minimumInk);
        QFETCH(double, maximumInk);
        const QImage image = render(resourceFolder.filePath(file), size);
        QVERIFY2(!image.isNull(), "not valid SVG");
        QVERIFY(cornersTransparent(image));
        const double ink = opaqueShare(image);
        QVERIFY2(ink >= minimumInk && ink <= maximumInk, qPrintable(QString::number(ink)));
    }

    // The program tints symbols with the foreground colour: that needs a single colour.
    void symbolsAreOneColour_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : symbolNames) {
            QTest::newRow(qPrintable(name)) << name;
        }
        QTest::newRow("Guillotine") << "../images/Guillotine";
    }

    void symbolsAreOneColour()
    {
        QFETCH(QString, name);
        const QImage image = render(resourceFolder.filePath(QStringLiteral("symbols/%1.svg").arg(name)), 48);
        QVERIFY(!image.isNull());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY2(qAlpha(pixel) == 0 || (pixel & 0xFFFFFF) == 0,
                         qPrintable(QStringLiteral("colour %1 at %2,%3").arg(pixel, 8, 16).arg(x).arg(y)));
            }
        }
    }

    // Left and right are easily swapped: each chevron's tip and the U-turn's arrowhead must
    // be on the side the name says, and a chevron's two arm ends on the other side.
    void pointingSymbolsPointTheRightWay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("left");
        QTest::addColumn<double>("tipRow");
        QTest::addColumn<bool>("armsBehind");
        QTest::newRow("chevron.left") << "chevron.left" << true << 0.5 << true;
        QTest::newRow("chevron.right") << "chevron.right" << false << 0.5 << true;
        QTest::newRow("arrow.uturn.left, head at the upper left") << "arrow.uturn.left" << true << 0.35 << false;
    }

    void pointingSymbolsPointTheRightWay()
    {
        QFETCH(QString, name);
        QFETCH(bool, left);
        QFETCH(double, tipRow);
        QFETCH(bool, armsBehind);
        const QImage image = render(resourceFolder.filePath(QStringLiteral("symbols/%1.svg").arg(name)), 48);
        const auto [tipFirst, tipLast] = outerColumnRows(image, left);
        QVERIFY2(std::abs(tipFirst - tipRow) < 0.1 && std::abs(tipLast - tipRow) < 0.1,
                 qPrintable(QStringLiteral("tip rows %1 to %2").arg(tipFirst).arg(tipLast)));
        if (armsBehind) {
            const auto [armFirst, armLast] = outerColumnRows(image, !left);
            QVERIFY2(armLast - armFirst > 0.4,
                     qPrintable(QStringLiteral("arm rows %1 to %2").arg(armFirst).arg(armLast)));
        }
    }

    void hicolorIconsHaveTheirSizes_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            QTest::newRow(qPrintable(QString::number(size))) << size;
        }
    }

    void hicolorIconsHaveTheirSizes()
    {
        QFETCH(int, size);
        const QImage icon(QStringLiteral(QUINTAVAL_HICOLOR_DIR "/%1x%1/apps/quintaval.png").arg(size));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        QVERIFY(cornersTransparent(icon));
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
};

QTEST_MAIN(TestVectorArt)
#include "TestVectorArt.moc"
