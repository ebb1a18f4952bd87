// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DailyItems.h"
#include "tools/engravings/PlateDrawing.h"

#include <QFont>
#include <QImage>

// Draws the engraving plates: black ink on white paper, the day's item large in hatched line
// work over a shaded ground, a ruled frame, and a caption with the plate number and the French
// name in small capitals.
class PlateRenderer final
{
public:
    static constexpr int plateSize = 512;

    PlateRenderer(QFont caption, QFont italic);

    // The plate of an item as returned by DailyItems::item (dayOfYear filled in).
    QImage render(const DailyItem& item, const PlateDrawing& drawing) const;

private:
    void drawFrame(QImage& plate) const;
    void drawFigure(QImage& plate, const PlateDrawing& drawing) const;
    void drawCaption(QImage& plate, const DailyItem& item) const;

    QFont m_caption;
    QFont m_italic;
};
