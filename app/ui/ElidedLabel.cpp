// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QTextLayout>

#include <algorithm>

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

QString ElidedLabel::elided(int width, int* lineCount, bool* cut) const
{
    const QFontMetrics metrics(font());
    if (cut) {
        *cut = false;
    }
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
        // The last line takes the rest of the text, shortened to fit; on the others, a word
        // longer than the line cannot wrap and is shortened too.
        const QString whole = (index == m_maximumLines - 1 ? m_fullText.mid(line.textStart())
                                                           : m_fullText.mid(line.textStart(), line.textLength()))
                                  .trimmed();
        lines << metrics.elidedText(whole, Qt::ElideRight, width);
        if (cut && lines.back() != whole) {
            *cut = true;
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
    const QMargins margins = contentsMargins();
    const int room = width - margins.left() - margins.right();
    // Measured as the label draws it: lines after the first take a little more than the font's
    // line spacing.
    const QRect drawn = QFontMetrics(font()).boundingRect(QRect(0, 0, std::max(room, 1), QWIDGETSIZE_MAX),
                                                          Qt::AlignLeft | Qt::AlignTop, elided(room));
    return drawn.height() + margins.top() + margins.bottom();
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
    // The height this label asks for depends on its width: a new width is a new request.
    if (event->oldSize().width() != event->size().width()) {
        updateGeometry();
    }
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
    const QString shown = elided(contentsRect().width(), nullptr, &m_elided);
    if (shown != text()) {
        setText(shown);
    }
}
