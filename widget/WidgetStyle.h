// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/WidgetCalendar.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPalette>

class QLabel;
class QWidget;
class QString;

// Colours, type and spacing shared by the widget's faces. The faces always use the light
// scheme, whatever the desktop's.
namespace WidgetStyle {

// The widget's background and the engraving's backing.
QColor parchment();

// The three levels of the foreground colour hierarchy on the light scheme.
enum class Level { primary, secondary, tertiary };
QColor foreground(Level level);

// The inset of every face from the widget's edges.
inline constexpr int padding = 16;

// The system sans at a pixel size, with colour emoji as a fallback.
QFont font(int pixelSize, QFont::Weight weight);

// The light palette the faces draw with, so that a dark desktop palette never reaches them.
QPalette lightPalette();

QLabel* label(const QString& text, int pixelSize, QFont::Weight weight, Level level = Level::primary);

// A vertical stack of `items`, each aligned as given, with no margins.
QWidget* column(const QList<QWidget*>& items, Qt::Alignment alignment, int spacing);

// The day number (light, digits of equal width), month (medium) and year (secondary), stacked
// tight and leading-aligned.
QWidget* dateColumn(const WidgetRevolutionaryDate& date, int dayPixels, int monthPixels, int yearPixels);

} // namespace WidgetStyle
