// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelStyle.h"

#include <QFont>
#include <QString>

class QBoxLayout;
class QLabel;
class QToolButton;
class QWidget;

// Small builders shared by the panel's sections.
namespace PanelWidgets {

// A label with its object name (tests and screenshots find parts of the panel by it) and font.
QLabel* label(QWidget* parent, const char* objectName, const QFont& font);

// A borderless button showing a symbol (and optionally a title beside it).
QToolButton* plainButton(QWidget* parent, const char* objectName, const QString& toolTip = {});

// A thin line between sections (horizontal) or inside a row (vertical, of the given height).
QWidget* separator(QWidget* parent, Qt::Orientation orientation = Qt::Horizontal, int length = 0);

// Sets a label's text only when it differs, so a refresh that changes nothing costs nothing.
void setText(QLabel* label, const QString& text);

// A font with extra space between letters.
QFont tracked(QFont font, qreal spacing);

// Margins of the toolkit's default inset.
inline constexpr int inset = 12;

} // namespace PanelWidgets
