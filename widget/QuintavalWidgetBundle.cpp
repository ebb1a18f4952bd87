// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/QuintavalWidgetBundle.h"

#include "widget/QuintavalWidget.h"
#include "widget/WidgetResources.h"

QList<WidgetKit::WidgetConfiguration> QuintavalWidgetBundle::widgets() const
{
    return {QuintavalWidget().configuration(WidgetResources::locate())};
}
