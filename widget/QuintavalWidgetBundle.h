// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QObject>

// The extension's entry: the plug-in object the host loads. It declares one widget.
class QuintavalWidgetBundle final : public QObject, public WidgetKit::WidgetBundle
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuintavalWidgetBundle_iid)
    Q_INTERFACES(WidgetKit::WidgetBundle)

public:
    QList<WidgetKit::WidgetConfiguration> widgets() const override;
};
