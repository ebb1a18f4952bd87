// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/SymbolImages.h"

#include "app/platform/ResourceDirectory.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>

namespace {

// The symbols' drawings are 24 units square.
constexpr qreal drawingUnits = 24;

// The drawing with its strokes set to `width` pixels when drawn at `size` pixels.
QByteArray withStrokeWidth(QByteArray drawing, qreal width, int size)
{
    static const QRegularExpression stroke(QStringLiteral("stroke-width=\"[0-9.]+\""));
    const QString units = QString::number(width * drawingUnits / size, 'f', 3);
    return QString::fromUtf8(drawing).replace(stroke, QStringLiteral("stroke-width=\"%1\"").arg(units)).toUtf8();
}

QByteArray builtInSymbol(const QString& name)
{
    QFile file(QStringLiteral(":/quintaval/symbols/%1.svg").arg(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

SymbolImages::SymbolImages(const ResourceDirectory& resources) : m_resources(resources) {}

qreal SymbolImages::strokeWidth(int size, QFont::Weight weight)
{
    // Strokes grow with the size and weight as a text face's stems do, from about an eighth of
    // the size for regular to a sixth for bold. Below a pixel and a half an antialiased stroke
    // smears over two pixels and never shows its colour.
    const qreal heavier = std::clamp((weight - QFont::Normal) / qreal(QFont::Bold - QFont::Normal), 0.0, 1.5);
    return std::max(size * (0.125 + 0.045 * heavier), 1.5);
}

QPixmap SymbolImages::pixmap(const QString& name, const QColor& color, int size, qreal devicePixelRatio, bool keep,
                             QFont::Weight weight)
{
    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(name, color.name(QColor::HexArgb))
                            .arg(size)
                            .arg(devicePixelRatio)
                            .arg(weight);
    if (const auto cached = m_cache.constFind(key); cached != m_cache.constEnd()) {
        return *cached;
    }
    // The resource folder's drawing first; a symbol falls back on the one built in.
    QByteArray drawing;
    const QString path = name.contains(QLatin1Char('/')) ? name : QStringLiteral("symbols/") + name;
    if (const auto file = m_resources.find(path, QStringLiteral("svg"))) {
        QFile source(*file);
        if (source.open(QIODevice::ReadOnly)) {
            drawing = source.readAll();
        }
    }
    if (!name.contains(QLatin1Char('/'))) {
        if (!QSvgRenderer(drawing).isValid()) {
            drawing = builtInSymbol(name);
        }
        drawing = withStrokeWidth(drawing, strokeWidth(size, weight), size);
    }
    QPixmap result;
    QSvgRenderer renderer(drawing);
    if (!drawing.isEmpty() && renderer.isValid()) {
        const int pixels = qCeil(size * devicePixelRatio);
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // Keep the drawing's proportions inside the square.
        QSizeF drawn = renderer.defaultSize().isEmpty() ? QSizeF(pixels, pixels) : QSizeF(renderer.defaultSize());
        drawn.scale(pixels, pixels, Qt::KeepAspectRatio);
        renderer.render(&painter, QRectF(QPointF((pixels - drawn.width()) / 2, (pixels - drawn.height()) / 2), drawn));
        // Tint: keep the drawing's coverage, take the colour given.
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
        painter.end();
        result = QPixmap::fromImage(image);
        result.setDevicePixelRatio(devicePixelRatio);
    }
    if (keep) {
        m_cache.insert(key, result);
    }
    return result;
}
