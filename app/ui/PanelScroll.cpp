// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelScroll.h"

#include "app/ui/PanelWidgets.h"

#include <QEvent>
#include <QLayout>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

PanelScroll::PanelScroll(QWidget* content, QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("panelScroll"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The area's own bar would take its width from the viewport; it still keeps the range and
    // takes the wheel, and the bar shown over the margin follows it.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    // The panel's keys scroll it (the page keys); a stop in the Tab order would only hide the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidget(content);
    // The panel's colours show through.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    // The sections say when they grow or shrink; the room asked for follows.
    content->installEventFilter(this);

    m_bar = new QScrollBar(Qt::Vertical, this);
    m_bar->setObjectName(QStringLiteral("panelScrollBar"));
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->hide();
    QScrollBar* kept = verticalScrollBar();
    connect(kept, &QScrollBar::rangeChanged, this, [this, kept](int minimum, int maximum) {
        m_bar->setRange(minimum, maximum);
        m_bar->setValue(kept->value());
        // Only while there is something to scroll to.
        m_bar->setVisible(maximum > minimum);
        m_bar->raise();
    });
    connect(kept, &QScrollBar::valueChanged, m_bar, &QScrollBar::setValue);
    connect(m_bar, &QScrollBar::valueChanged, kept, &QScrollBar::setValue);
}

void PanelScroll::setHeightLimit(int height)
{
    if (height != m_heightLimit) {
        m_heightLimit = height;
        updateGeometry();
    }
}

bool PanelScroll::scrolls() const
{
    return contentHeight() > viewport()->height();
}

void PanelScroll::fitContent()
{
    if (QWidget* content = widget(); content && content->layout()) {
        content->layout()->activate();
    }
    if (sizeHint().height() != height()) {
        updateGeometry();
    }
}

int PanelScroll::contentHeight() const
{
    const QWidget* content = widget();
    const QLayout* layout = content ? content->layout() : nullptr;
    if (!layout) {
        return content ? content->sizeHint().height() : 0;
    }
    return layout->hasHeightForWidth() ? layout->totalHeightForWidth(content->width())
                                       : layout->totalSizeHint().height();
}

QSize PanelScroll::sizeHint() const
{
    const QWidget* content = widget();
    const int width = content ? content->sizeHint().width() : 0;
    return {width, std::min(contentHeight(), std::max(0, m_heightLimit))};
}

QSize PanelScroll::minimumSizeHint() const
{
    return {sizeHint().width(), std::min(sizeHint().height(), 60)};
}

bool PanelScroll::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
}

void PanelScroll::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    // The page follows the viewport's height, set after the range: read once both are.
    m_bar->setPageStep(verticalScrollBar()->pageStep());
    m_bar->setSingleStep(verticalScrollBar()->singleStep());
    placeBar();
}

void PanelScroll::placeBar()
{
    // Within the sections' right margin, which holds no text.
    const int width =
        std::min(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_bar), PanelWidgets::inset - 2);
    m_bar->setGeometry(this->width() - width, 0, width, height());
    m_bar->raise();
}
