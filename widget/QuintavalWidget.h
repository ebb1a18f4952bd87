// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QString>

// The one widget of the extension: today's Republican date and the day's item.
struct QuintavalWidget
{
    QString kind = QStringLiteral("QuintavalWidget");

    // The configuration handed to the host; the faces read the engravings from
    // `resourceDirectory` (empty: none to be had).
    WidgetKit::WidgetConfiguration configuration(const QString& resourceDirectory) const;
};
