// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/ElidedLabel.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cmath>

// The relative luminance that WCAG 2.1 compares.
inline double luminance(const QColor& color)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

// The contrast of `ink` (its alpha laid over the background) against `background`, as WCAG 2.1 counts it.
inline double contrast(const QColor& ink, const QColor& background)
{
    const double a = ink.alphaF();
    const QColor laid = QColor::fromRgbF(static_cast<float>(ink.redF() * a + background.redF() * (1 - a)),
                                         static_cast<float>(ink.greenF() * a + background.greenF() * (1 - a)),
                                         static_cast<float>(ink.blueF() * a + background.blueF() * (1 - a)));
    const double first = luminance(laid) + 0.05, second = luminance(background) + 0.05;
    return std::max(first, second) / std::min(first, second);
}

// Lets every layout of the panel take the sizes its new texts ask for, as the event loop would
// before the next paint.
inline void settle()
{
    for (int pass = 0; pass < 4; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
}

// The labels of the panel whose text is cut: an ellipsis, a box smaller than the text, or a box
// reaching past one of the widgets that hold it. The events' descriptions may end in an
// ellipsis on their second line, and only there.
inline QStringList cutTexts(const QWidget& panel)
{
    QStringList cut;
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&panel) || label->text().isEmpty()) {
            continue;
        }
        const QRect box = label->contentsRect();
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(QPoint(), QSize(box.width(), QWIDGETSIZE_MAX)),
                                                  label->wordWrap() ? int(Qt::TextWordWrap) : 0, label->text());
        bool whole = needed.width() <= box.width() && needed.height() <= box.height();
        if (const auto* elided = qobject_cast<const ElidedLabel*>(label)) {
            whole = whole && (!elided->isElided() || label->objectName() == QLatin1String("eventDescription"));
        }
        for (const QWidget* holder = label->parentWidget(); whole && holder; holder = holder->parentWidget()) {
            whole = holder->rect().contains(QRect(label->mapTo(holder, box.topLeft()), box.size()));
            // A page that scrolls shows the rest of itself on demand: out of view is not cut.
            const QWidget* viewport = holder->parentWidget();
            if (holder == &panel || (viewport && qobject_cast<const QAbstractScrollArea*>(viewport->parentWidget()))) {
                break;
            }
        }
        if (!whole) {
            cut << QStringLiteral("%1 \"%2\" (%3x%4)")
                       .arg(label->objectName(), label->text())
                       .arg(box.width())
                       .arg(box.height());
        }
    }
    return cut;
}
