// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/EngravingThumbnail.h"

#include "widget/EntryTexts.h"
#include "widget/WidgetStyle.h"

#include <QDir>
#include <QPainter>

#include <algorithm>

namespace {

constexpr qreal cornerRadius = 6;

} // namespace

EngravingThumbnail::EngravingThumbnail(const WidgetDailyItem& item, int size, const QString& resourceDirectory,
                                       QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(size, size);
    if (!resourceDirectory.isEmpty()) {
        const QString name = EntryTexts::fromUtf8(item.imageName());
        m_engraving.load(QDir(resourceDirectory).filePath(QStringLiteral("engravings/%1.png").arg(name)));
    }
}

QPainterPath EngravingThumbnail::continuousRoundedRect(const QRectF& rect, qreal radius)
{
    // Each corner is one cubic whose ends have no curvature, starting 1.528 radii from the
    // corner; the handles are placed so that its middle lies where a circular corner's would.
    const qreal reach = std::min({radius * 1.528, rect.width() / 2, rect.height() / 2});
    const qreal handle = reach * 0.178;
    const qreal left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    QPainterPath path;
    path.moveTo(left + reach, top);
    path.lineTo(right - reach, top);
    path.cubicTo(right - handle, top, right, top + handle, right, top + reach);
    path.lineTo(right, bottom - reach);
    path.cubicTo(right, bottom - handle, right - handle, bottom, right - reach, bottom);
    path.lineTo(left + reach, bottom);
    path.cubicTo(left + handle, bottom, left, bottom - handle, left, bottom - reach);
    path.lineTo(left, top + reach);
    path.cubicTo(left, top + handle, left + handle, top, left + reach, top);
    path.closeSubpath();
    return path;
}

const QImage& EngravingThumbnail::scaledPlate(QSize pixels, qreal ratio)
{
    // A plate is ten times the thumbnail's size: sampling it while drawing would drop its one-pixel
    // frame, hatching and caption lines, so it is shrunk once by averaging every source pixel, to
    // the device pixels it covers.
    const QSize fitted = m_engraving.size().scaled(pixels, Qt::KeepAspectRatio);
    if (m_scaledEngraving.size() != fitted || m_scaledEngraving.devicePixelRatio() != ratio) {
        m_scaledEngraving = m_engraving.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaledEngraving.setDevicePixelRatio(ratio);
    }
    return m_scaledEngraving;
}

void EngravingThumbnail::paintEvent(QPaintEvent*)
{
    // Composed apart from the widget so that the multiply sees only the parchment below it and
    // the rounded cut is antialiased.
    const qreal ratio = devicePixelRatioF();
    QImage tile((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    tile.setDevicePixelRatio(ratio);
    tile.fill(Qt::transparent);
    {
        QPainter painter(&tile);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        // The whole square first, so that the multiply meets opaque parchment everywhere; the
        // corners are cut afterwards.
        painter.fillRect(QRectF(rect()), WidgetStyle::parchment());
        if (!m_engraving.isNull()) {
            const QImage& plate = scaledPlate(tile.size(), ratio);
            // Centred on whole device pixels, so that nothing samples the shrunk plate again.
            const QSize margin = (tile.size() - plate.size()) / 2;
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            painter.drawImage(QPointF(margin.width(), margin.height()) / ratio, plate);
        }
        QImage mask(tile.size(), QImage::Format_ARGB32_Premultiplied);
        mask.setDevicePixelRatio(ratio);
        mask.fill(Qt::transparent);
        QPainter maskPainter(&mask);
        maskPainter.setRenderHint(QPainter::Antialiasing);
        maskPainter.fillPath(continuousRoundedRect(QRectF(rect()), cornerRadius), Qt::black);
        maskPainter.end();
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(QPointF(), mask);
    }
    QPainter(this).drawImage(QPointF(), tile);
}
