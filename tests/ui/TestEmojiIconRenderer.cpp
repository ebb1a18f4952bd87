// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/EmojiIconRenderer.h"
#include "calendar/RevolutionaryCalendar.h"
#include "tests/ui/PanelInspection.h"

#include <QTest>

#include <algorithm>
#include <iterator>

namespace {

// The day's figures as a tray shows them: the opaque pixels that differ from the plain emoji, on
// the side of the lightness split that keeps off the icon's edge (what carries the figures, plate
// or halo, may reach it; figures that do are cut). Empty when neither or both keep off it.
QList<QPoint> figurePixels(const QImage& plain, const QImage& withDay)
{
    QList<QPoint> changed;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != withDay.pixel(x, y) && withDay.pixelColor(x, y).alpha() == 255) {
                changed.append(QPoint(x, y));
            }
        }
    }
    if (changed.isEmpty()) {
        return changed;
    }
    const auto lightness = [&withDay](QPoint p) { return luminance(withDay.pixelColor(p)); };
    const auto [darkest, lightest] = std::minmax_element(
        changed.cbegin(), changed.cend(), [&](QPoint a, QPoint b) { return lightness(a) < lightness(b); });
    const double split = (lightness(*darkest) + lightness(*lightest)) / 2;
    QList<QPoint> light, dark;
    for (const QPoint p : std::as_const(changed)) {
        (lightness(p) > split ? light : dark).append(p);
    }
    const QRect inside = withDay.rect().adjusted(1, 1, -1, -1);
    const auto keepsOff = [&inside](const QList<QPoint>& side) {
        return std::all_of(side.cbegin(), side.cend(), [&inside](QPoint p) { return inside.contains(p); });
    };
    if (keepsOff(light) == keepsOff(dark)) {
        return {};
    }
    return keepsOff(light) ? light : dark;
}

QColor median(QList<QColor> colours)
{
    std::sort(colours.begin(), colours.end(),
              [](const QColor& a, const QColor& b) { return luminance(a) < luminance(b); });
    return colours.at(colours.size() / 2);
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
    // figures of two days differ, are not cut at the edge, stand out from whatever lies around them
    // as body text must (WCAG's 4.5) and are tall enough for their size; the emoji still shows.
    void dayNumberReadsAtEverySize()
    {
        QFETCH(qsizetype, index);
        // Snow is pale and grapes are dark: the number must read over either.
        for (const QString& emoji : {QStringLiteral("☃️"), QStringLiteral("🍇")}) {
            EmojiIconRenderer renderer;
            const QImage plain = renderer.render(emoji).at(index);
            const int size = plain.width();
            QList<QList<QPoint>> figures;
            for (const int day : {17, 8}) {
                const QImage image = renderer.render(emoji, day).at(index);
                QCOMPARE(image.size(), plain.size());
                const QList<QPoint> figure = figurePixels(plain, image);
                QRect bounds;
                QList<QColor> ink, around;
                for (const QPoint p : figure) {
                    bounds |= QRect(p, QSize(1, 1));
                    ink.append(image.pixelColor(p));
                    for (int dy = -2; dy <= 2; ++dy) {
                        for (int dx = -2; dx <= 2; ++dx) {
                            const QPoint q = p + QPoint(dx, dy);
                            if (image.rect().contains(q) && !figure.contains(q)) {
                                around.append(image.pixelColor(q));
                            }
                        }
                    }
                }
                const QString where = QStringLiteral("%1 on %2 at %3 px").arg(day).arg(emoji).arg(size);
                QVERIFY2(figure.size() >= size, qPrintable(where));
                QVERIFY2(bounds.height() * 5 >= size * 2, qPrintable(where));
                const double ratio = contrast(median(ink), median(around));
                QVERIFY2(ratio >= 4.5, qPrintable(where + QStringLiteral(": contrast %1").arg(ratio)));
                int unchanged = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        unchanged += image.pixel(x, y) == plain.pixel(x, y) ? 1 : 0;
                    }
                }
                QVERIFY2(unchanged * 4 >= size * size, qPrintable(where));
                figures.append(figure);
            }
            QVERIFY(figures[0] != figures[1]);
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
