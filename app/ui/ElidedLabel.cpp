// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QTextLayout>

ElidedLabel::ElidedLabel(int maximumLines, QWidget* parent) : QLabel(parent), m_maximumLines(maximumLines)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text)
{
    if (text == m_fullText) {
        return;
    }
    m_fullText = text;
    relayout();
    updateGeometry();
}

QString ElidedLabel::elided(int width, int* lineCount) const
{
    const QFontMetrics metrics(font());
    if (width <= 0) {
        if (lineCount) {
            *lineCount = 1;
        }
        return m_fullText;
    }
    QTextLayout layout(m_fullText, font());
    layout.beginLayout();
    QStringList lines;
    for (int index = 0; index < m_maximumLines; ++index) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        if (index == m_maximumLines - 1) {
            // The last line takes the rest of the text, shortened to fit.
            lines << metrics.elidedText(m_fullText.mid(line.textStart()).trimmed(), Qt::ElideRight, width);
        } else {
            // A word longer than the line cannot wrap: it is shortened too.
            lines << metrics.elidedText(m_fullText.mid(line.textStart(), line.textLength()).trimmed(), Qt::ElideRight,
                                        width);
        }
    }
    layout.endLayout();
    if (lineCount) {
        *lineCount = qMax<qsizetype>(1, lines.size());
    }
    return lines.join(QLatin1Char('\n'));
}

int ElidedLabel::heightForWidth(int width) const
{
    int lines = 1;
    elided(width - contentsMargins().left() - contentsMargins().right(), &lines);
    return lines * QFontMetrics(font()).lineSpacing() + contentsMargins().top() + contentsMargins().bottom();
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_fullText),
            heightForWidth(width() > 0 ? width() : metrics.horizontalAdvance(m_fullText))};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, QFontMetrics(font()).lineSpacing()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    relayout();
}

void ElidedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        relayout();
    }
}

void ElidedLabel::relayout()
{
    const QString shown = elided(contentsRect().width());
    if (shown != text()) {
        setText(shown);
    }
}
