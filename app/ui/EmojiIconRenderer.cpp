// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/EmojiIconRenderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Large enough that the colour font's bitmaps are scaled down, never up.
constexpr int masterPixelSize = 128;

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

} // namespace

QList<QImage> EmojiIconRenderer::render(const QString& emoji)
{
    if (emoji == m_emoji && !m_images.isEmpty()) {
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
        images.append(image);
    }
    m_emoji = emoji;
    m_images = images;
    return images;
}
