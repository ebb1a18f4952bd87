// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/SymbolImages.h"

#include "app/platform/ResourceDirectory.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

SymbolImages::SymbolImages(const ResourceDirectory& resources) : m_resources(resources) {}

QPixmap SymbolImages::pixmap(const QString& name, const QColor& color, int size, qreal devicePixelRatio, bool keep)
{
    const QString key =
        QStringLiteral("%1|%2|%3|%4").arg(name, color.name(QColor::HexArgb)).arg(size).arg(devicePixelRatio);
    if (const auto cached = m_cache.constFind(key); cached != m_cache.constEnd()) {
        return *cached;
    }
    const QString path = name.contains(QLatin1Char('/')) ? name : QStringLiteral("symbols/") + name;
    QPixmap result;
    if (const auto file = m_resources.find(path, QStringLiteral("svg"))) {
        QSvgRenderer renderer(*file);
        if (renderer.isValid()) {
            const int pixels = qCeil(size * devicePixelRatio);
            QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            // Keep the drawing's proportions inside the square.
            QSizeF drawn = renderer.defaultSize().isEmpty() ? QSizeF(pixels, pixels) : QSizeF(renderer.defaultSize());
            drawn.scale(pixels, pixels, Qt::KeepAspectRatio);
            renderer.render(&painter,
                            QRectF(QPointF((pixels - drawn.width()) / 2, (pixels - drawn.height()) / 2), drawn));
            // Tint: keep the drawing's coverage, take the colour given.
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), color);
            painter.end();
            result = QPixmap::fromImage(image);
            result.setDevicePixelRatio(devicePixelRatio);
        }
    }
    if (keep) {
        m_cache.insert(key, result);
    }
    return result;
}
