// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/EmojiIconRenderer.h"
#include "calendar/RevolutionaryCalendar.h"
#include "tests/ui/PanelInspection.h"

#include <QTest>

#include <algorithm>
#include <iterator>

namespace {

// The day's figures: the pixels that differ from the plain emoji, on the side of their lightness
// split that keeps off the icon's edge (the plate or halo under them may reach it; cut figures do).
// Empty when neither side or both keep off it.
QList<QPoint> figurePixels(const QImage& plain, const QImage& withDay)
{
    const auto lightness = [&withDay](QPoint p) { return luminance(withDay.pixelColor(p)); };
    QList<QPoint> changed, sides[2];
    for (int i = 0; i < plain.width() * plain.height(); ++i) {
        const QPoint p(i % plain.width(), i / plain.width());
        if (plain.pixel(p) != withDay.pixel(p)) {
            changed.append(p);
        }
    }
    const auto [darkest, lightest] = std::minmax_element(
        changed.cbegin(), changed.cend(), [&](QPoint a, QPoint b) { return lightness(a) < lightness(b); });
    for (const QPoint p : std::as_const(changed)) {
        sides[lightness(p) > (lightness(*darkest) + lightness(*lightest)) / 2 ? 1 : 0].append(p);
    }
    const auto keepsOff = [inside = plain.rect().adjusted(1, 1, -1, -1)](const QList<QPoint>& side) {
        return std::all_of(side.cbegin(), side.cend(), [&inside](QPoint p) { return inside.contains(p); });
    };
    return keepsOff(sides[0]) == keepsOff(sides[1]) ? QList<QPoint>() : sides[keepsOff(sides[1]) ? 1 : 0];
}

QColor median(QList<QColor> colours)
{
    std::sort(colours.begin(), colours.end(), [](QColor a, QColor b) { return luminance(a) < luminance(b); });
    return colours.value(colours.size() / 2);
}

} // namespace

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
        const int expectedSizes[] = {16, 22, 24, 32, 48};
        QCOMPARE(images.size(), qsizetype(std::size(expectedSizes)));
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

    void dayNumberReadsAtEverySize_data()
    {
        QTest::addColumn<qsizetype>("index");
        for (qsizetype i = 0; i < qsizetype(std::size(EmojiIconRenderer::sizes)); ++i) {
            QTest::addRow("%d px", EmojiIconRenderer::sizes[i]) << i;
        }
    }

    // Trays that show icons alone draw them at 16 to 24 px, and larger on high-density screens. The
    // figures of two days differ and are not cut at the edge; they stand out from whatever lies
    // around them as body text must (WCAG's 4.5), over a pale emoji and a dark one, and are tall
    // enough for their size.
    void dayNumberReadsAtEverySize()
    {
        QFETCH(qsizetype, index);
        for (const QString& emoji : {QStringLiteral("☃️"), QStringLiteral("🍇")}) {
            EmojiIconRenderer renderer;
            const QImage plain = renderer.render(emoji).at(index);
            const QImage image = renderer.render(emoji, 17).at(index);
            const QList<QPoint> figures = figurePixels(plain, image);
            const QList<QPoint> eighth = figurePixels(plain, renderer.render(emoji, 8).at(index));
            QVERIFY(!eighth.isEmpty() && eighth != figures);
            QRect bounds;
            QList<QColor> ink, around;
            for (const QPoint p : figures) {
                bounds |= QRect(p, QSize(1, 1));
                ink.append(image.pixelColor(p));
                for (const QPoint q : {p + QPoint(2, 0), p - QPoint(2, 0), p + QPoint(0, 2), p - QPoint(0, 2)}) {
                    if (image.rect().contains(q) && !figures.contains(q)) {
                        around.append(image.pixelColor(q));
                    }
                }
            }
            const double ratio = contrast(median(ink), median(around));
            QVERIFY2(
                ratio >= 4.5 && bounds.height() * 5 >= plain.width() * 2,
                qPrintable(QStringLiteral("%1: contrast %2, %3 px high").arg(emoji).arg(ratio).arg(bounds.height())));
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
