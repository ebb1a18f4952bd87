// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/EngravingView.h"

#include "app/ui/PanelStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal cornerRadius = 8;
}

EngravingView::EngravingView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("engraving"));
    setFixedHeight(260);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void EngravingView::setContent(const QImage& engraving, const QString& emoji)
{
    if (engraving.cacheKey() == m_engraving.cacheKey() && emoji == m_emoji) {
        return;
    }
    m_engraving = engraving;
    m_emoji = emoji;
    update();
}

void EngravingView::setColors(const QColor& backing, const QColor& border, const QColor& emojiColor)
{
    m_backing = backing;
    m_border = border;
    m_emojiColor = emojiColor;
    update();
}

void EngravingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = rect();
    if (m_engraving.isNull()) {
        painter.setFont(PanelStyle::emojiFont(80));
        painter.setPen(m_emojiColor);
        painter.drawText(area, Qt::AlignCenter, m_emoji);
        return;
    }
    QPainterPath frame;
    frame.addRoundedRect(area, cornerRadius, cornerRadius);
    painter.setClipPath(frame);
    painter.fillRect(area, m_backing);

    QSizeF drawn = m_engraving.size();
    drawn.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.center() - QPointF(drawn.width() / 2, drawn.height() / 2), drawn);
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.drawImage(target, m_engraving);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    if (m_border.isValid()) {
        // Stroked inside the edge.
        painter.setClipping(false);
        painter.setPen(QPen(m_border, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5, cornerRadius - 0.5);
    }
}
