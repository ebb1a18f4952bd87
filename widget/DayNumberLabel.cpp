// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/DayNumberLabel.h"

#include "widget/WidgetStyle.h"

#include <QPainter>

#include <algorithm>

DayNumberLabel::DayNumberLabel(const QString& text, const QFont& font, QWidget* parent) : QWidget(parent), m_text(text)
{
    setFont(font);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int DayNumberLabel::cellWidth() const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    }
    return widest;
}

QSize DayNumberLabel::sizeHint() const
{
    return {cellWidth() * static_cast<int>(m_text.size()), QFontMetrics(font()).height()};
}

void DayNumberLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(WidgetStyle::foreground(WidgetStyle::Level::primary));
    const int cell = cellWidth();
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QRect cellRect(static_cast<int>(i) * cell, 0, cell, height());
        painter.drawText(cellRect, Qt::AlignHCenter | Qt::AlignVCenter, QString(m_text[i]));
    }
}
