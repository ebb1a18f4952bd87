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
    // Tab reaches every control; the panel still takes the arrows and its letters first.
    button->setFocusPolicy(Qt::StrongFocus);
    // The ring takes the place of the padding, so a focused button keeps its size; it is drawn in
    // the button's own ink, which reads on both themes' backgrounds.
    button->setStyleSheet(QStringLiteral("QToolButton { border: 2px solid transparent; border-radius: 4px; "
                                         "background: transparent; padding: 0px; }"
                                         "QToolButton:focus { border-color: palette(button-text); }"));
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
        button->setAccessibleName(toolTip);
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
