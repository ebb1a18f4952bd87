// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/EmojiIconRenderer.h"
#include "calendar/RevolutionaryCalendar.h"

#include <QTest>

#include <algorithm>

// The month emoji drawn as status-item icons.
class TestEmojiIconRenderer final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsEveryMonthInColour_data()
    {
        QTest::addColumn<QString>("emoji");
        for (std::size_t month = 0; month < RevolutionaryCalendar::monthEmojis.size(); ++month) {
            const std::string_view emoji = RevolutionaryCalendar::monthEmojis[month];
            QTest::addRow("month %zu", month + 1) << QString::fromUtf8(emoji.data(), qsizetype(emoji.size()));
        }
    }

    // A monochrome font would draw in the pen's black, a clipped glyph too little ink; the colour
    // font gives coloured or light pixels (fog and snow are pale grey), centred, filling the square.
    void drawsEveryMonthInColour()
    {
        QFETCH(QString, emoji);
        EmojiIconRenderer renderer;
        const QList<QImage> images = renderer.render(emoji);
        QCOMPARE(images.size(), 4);
        const int expectedSizes[] = {16, 22, 32, 48};
        for (qsizetype i = 0; i < images.size(); ++i) {
            const QImage& image = images[i];
            QCOMPARE(image.size(), QSize(expectedSizes[i], expectedSizes[i]));
            int coloured = 0;
            int opaque = 0;
            QRect ink;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (pixel.alpha() > 128) {
                        ++opaque;
                        ink |= QRect(x, y, 1, 1);
                        const int chroma = std::max({pixel.red(), pixel.green(), pixel.blue()}) -
                                           std::min({pixel.red(), pixel.green(), pixel.blue()});
                        coloured += chroma > 30 || pixel.lightness() > 100 ? 1 : 0;
                    }
                }
            }
            QVERIFY2(coloured > opaque / 5, qPrintable(QStringLiteral("%1 of %2").arg(coloured).arg(opaque)));
            QVERIFY(std::max(ink.width(), ink.height()) >= image.width() * 3 / 4);
            QVERIFY(qAbs(ink.center().x() - image.width() / 2) <= 2);
        }
    }

    void anotherEmojiGivesOtherPictures()
    {
        EmojiIconRenderer renderer;
        const QList<QImage> grapes = renderer.render(QStringLiteral("🍇"));
        QCOMPARE(renderer.render(QStringLiteral("🍇")), grapes);
        QVERIFY(renderer.render(QStringLiteral("🥶")) != grapes);
    }
};

QTEST_MAIN(TestEmojiIconRenderer)
#include "TestEmojiIconRenderer.moc"
