// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/EmojiIconRenderer.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Large enough that the colour font's bitmaps are scaled down, never up.
constexpr int masterPixelSize = 128;

// Light figures on a dark, opaque plate read on light and dark panels alike, whatever the emoji.
constexpr QRgb numberInk = qRgb(255, 255, 255);
constexpr QRgb plateColour = qRgb(28, 28, 28);

QImage renderMaster(const QString& emoji)
{
    QFont font;
    // Named first, so that a monochrome font with the same code points cannot win.
    font.setFamilies({QStringLiteral("Noto Color Emoji"), font.family()});
    font.setPixelSize(masterPixelSize);
    const QFontMetrics metrics(font);
    // Generous room rather than the text's bounding rectangle, which comes out a sliver wide
    // when a variation selector follows the emoji.
    const int margin = masterPixelSize / 2;
    QImage image(metrics.horizontalAdvance(emoji) + 2 * margin, metrics.height() + 2 * margin,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.drawText(margin, margin + metrics.ascent(), emoji);
    return image;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect inkBounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The number's own ink, light on transparent, cropped to it. Condensed bold figures with full
// hinting: at 16 px every pixel of a stem counts, and two figures must fit side by side.
QImage figures(const QString& number, int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"), font.family()});
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(number) + 2 * pixelSize, metrics.height() + 2 * pixelSize,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor(numberInk));
    painter.drawText(pixelSize, pixelSize + metrics.ascent(), number);
    painter.end();
    return image.copy(inkBounds(image));
}

// The day's number on its plate in the lower right corner of a `size` square, the figures as large
// as the plate allows. The plate takes a little over half the icon's height, which leaves the emoji
// recognisable above it, and never less than 11 rows: at 16 px figures under 9 px run together.
void drawDay(QImage& icon, int day)
{
    const int size = icon.width();
    const int padding = std::max(1, size / 16);
    const int plateHeight = std::max(11, size * 9 / 16 + 1);
    const QString number = QString::number(day);
    QImage ink;
    // Figures are never as tall as their font's pixel size: twice the plate is room enough to start.
    for (int pixelSize = 2 * plateHeight; pixelSize > 4; --pixelSize) {
        ink = figures(number, pixelSize);
        if (ink.height() + 2 * padding <= plateHeight && ink.width() + 2 * padding <= size) {
            break;
        }
    }
    const QRect plate(size - ink.width() - 2 * padding, size - ink.height() - 2 * padding, ink.width() + 2 * padding,
                      ink.height() + 2 * padding);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(plateColour));
    const qreal radius = padding + 0.5;
    painter.drawRoundedRect(QRectF(plate), radius, radius);
    painter.drawImage(plate.topLeft() + QPoint(padding, padding), ink);
}

} // namespace

QList<QImage> EmojiIconRenderer::render(const QString& emoji, std::optional<int> day)
{
    if (emoji == m_emoji && day == m_day && !m_images.isEmpty()) {
        return m_images;
    }
    const QImage master = renderMaster(emoji);
    const QRect ink = inkBounds(master);
    QList<QImage> images;
    for (const int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (!ink.isEmpty()) {
            const QImage glyph = master.copy(ink).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPainter painter(&image);
            painter.drawImage((size - glyph.width()) / 2, (size - glyph.height()) / 2, glyph);
        }
        if (day) {
            drawDay(image, *day);
        }
        images.append(image);
    }
    m_emoji = emoji;
    m_day = day;
    m_images = images;
    return images;
}
