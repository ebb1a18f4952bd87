// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/ElidedLabel.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QWidget>

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
