// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/engravings/ContactSheet.h"

#include "calendar/DailyItems.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace ContactSheet {

std::optional<int> write(const QString& plateFolder, const QString& outFile)
{
    constexpr int columns = 20;
    constexpr int rows = 18;
    constexpr int thumbnail = 120;
    constexpr int gap = 6;
    constexpr int label = 16;
    constexpr int cellWidth = thumbnail + gap;
    constexpr int cellHeight = thumbnail + label + gap;

    QImage sheet(columns * cellWidth + gap, rows * cellHeight + gap, QImage::Format_Grayscale8);
    sheet.fill(255);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);

    const QDir folder(plateFolder);
    int missing = 0;
    for (int index = 0; index < columns * rows; ++index) {
        DailyItem item = DailyItems::allItems.at(static_cast<std::size_t>(index));
        item.dayOfYear = index + 1;
        const QRect cell(gap + (index % columns) * cellWidth, gap + (index / columns) * cellHeight, thumbnail,
                         thumbnail);
        const QImage plate(folder.filePath(QString::fromStdString(item.imageName()) + QStringLiteral(".png")));
        if (plate.isNull()) {
            ++missing;
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        } else {
            painter.drawImage(cell, plate);
        }
        painter.drawText(QRect(cell.left(), cell.bottom() + 1, thumbnail, label), Qt::AlignCenter,
                         QString::number(index + 1));
    }
    painter.end();
    QDir().mkpath(QFileInfo(outFile).absolutePath());
    if (!sheet.save(outFile, "PNG")) {
        return std::nullopt;
    }
    return missing;
}

} // namespace ContactSheet
