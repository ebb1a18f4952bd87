// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/WidgetCalendar.h"

#include <QImage>
#include <QPainterPath>
#include <QWidget>

// The engraving of a day item: a parchment square with rounded corners and the plate
// multiplied onto it, so that its white paper takes the parchment's tone. Without the plate,
// the square stays plain parchment.
class EngravingThumbnail final : public QWidget
{
    Q_OBJECT

public:
    // `resourceDirectory` holds engravings/<imageName>.png; empty when none was found.
    EngravingThumbnail(const WidgetDailyItem& item, int size, const QString& resourceDirectory,
                       QWidget* parent = nullptr);

    bool hasEngraving() const { return !m_engraving.isNull(); }

    // A rounded rectangle whose corners ease into the sides instead of meeting them as arcs.
    static QPainterPath continuousRoundedRect(const QRectF& rect, qreal radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& scaledPlate(QSize pixels, qreal ratio);

    QImage m_engraving;
    QImage m_scaledEngraving;
};
