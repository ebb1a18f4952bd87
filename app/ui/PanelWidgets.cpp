// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelWidgets.h"

#include <QLabel>
#include <QToolButton>

namespace PanelWidgets {

QLabel* label(QWidget* parent, const char* objectName, const QFont& font)
{
    auto* created = new QLabel(parent);
    created->setObjectName(QLatin1String(objectName));
    created->setFont(font);
    created->setTextFormat(Qt::PlainText);
    return created;
}

QToolButton* plainButton(QWidget* parent, const char* objectName, const QString& toolTip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    // Keys belong to the panel (the arrows step through days), not to a focused button.
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; padding: 2px; }"));
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
    }
    return button;
}

QWidget* separator(QWidget* parent, Qt::Orientation orientation, int length)
{
    auto* line = new QWidget(parent);
    line->setObjectName(QStringLiteral("separator"));
    line->setAutoFillBackground(true);
    if (orientation == Qt::Horizontal) {
        line->setFixedHeight(1);
    } else {
        line->setFixedSize(1, length);
    }
    return line;
}

void setText(QLabel* label, const QString& text)
{
    if (label->text() != text) {
        label->setText(text);
    }
}

QFont tracked(QFont font, qreal spacing)
{
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

} // namespace PanelWidgets
