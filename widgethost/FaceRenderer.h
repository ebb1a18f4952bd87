// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QImage>
#include <QPainterPath>
#include <QPalette>

// Draws a widget's face: its container background in the widget's rounded shape, and the
// widget's view of an entry over it.
namespace FaceRenderer {

// The scheme a widget is drawn in: its forced one, or the desktop's.
WidgetKit::ColorScheme effectiveScheme(const WidgetKit::WidgetConfiguration& configuration,
                                       WidgetKit::ColorScheme desktop);

// The desktop's scheme as its palette shows it: dark when the window colour is dark.
WidgetKit::ColorScheme schemeOfPalette(const QPalette& palette);

// The outline of a placed widget of the given size.
QPainterPath containerShape(const QSize& size);

// The face at `devicePixelRatio`, transparent outside the container's shape.
QImage render(const WidgetKit::WidgetConfiguration& configuration, WidgetKit::WidgetFamily family,
              const WidgetKit::TimelineEntry& entry, WidgetKit::ColorScheme desktop, qreal devicePixelRatio = 1.0);

} // namespace FaceRenderer
