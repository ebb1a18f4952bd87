// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QList>
#include <QWidget>

// Lists the widgets the plug-ins offer, each with its display name, description and a
// preview, and adds one in the chosen size.
class GalleryWindow final : public QWidget
{
    Q_OBJECT

public:
    // `problems` are shown under the list: plug-ins that could not be loaded.
    GalleryWindow(const QList<WidgetKit::WidgetConfiguration>& widgets, const QStringList& problems,
                  const QDateTime& now, QWidget* parent = nullptr);

Q_SIGNALS:
    void addRequested(const QString& kind, WidgetKit::WidgetFamily family);
};
