// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The engraving of the day's item on its backing: the paper of the plate takes the backing's
// colour (multiply blend), in a rounded frame with an optional border. Without a plate, the
// item's emoji stands large in its place.
class EngravingView final : public QWidget
{
    Q_OBJECT

public:
    explicit EngravingView(QWidget* parent = nullptr);

    // A null image shows `emoji` instead.
    void setContent(const QImage& engraving, const QString& emoji);
    void setColors(const QColor& backing, const QColor& border, const QColor& emojiColor);

    bool showsEngraving() const { return !m_engraving.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_engraving;
    QString m_emoji;
    QColor m_backing;
    QColor m_border;
    QColor m_emojiColor;
};
