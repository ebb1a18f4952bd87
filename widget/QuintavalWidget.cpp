// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/QuintavalWidget.h"

#include "widget/Provider.h"
#include "widget/QuintavalWidgetEntryView.h"
#include "widget/WidgetStyle.h"

#include <QCoreApplication>

WidgetKit::WidgetConfiguration QuintavalWidget::configuration(const QString& resourceDirectory) const
{
    WidgetKit::WidgetConfiguration configuration;
    configuration.kind = kind;
    configuration.displayName = QCoreApplication::translate("QuintavalWidget", "Revolutionary Calendar");
    configuration.description =
        QCoreApplication::translate("QuintavalWidget", "Display today's date in the French Revolutionary Calendar.");
    configuration.supportedFamilies = {WidgetKit::WidgetFamily::small, WidgetKit::WidgetFamily::medium,
                                       WidgetKit::WidgetFamily::large};
    const auto provider = std::make_shared<const Provider>();
    configuration.provider = provider;
    configuration.makeView = [resourceDirectory,
                              provider](const WidgetKit::TimelineEntry& entry,
                                        const WidgetKit::WidgetEnvironment& environment) -> QWidget* {
        // The host hands back the entries this provider made; anything else gets today's.
        const auto* ours = dynamic_cast<const RevolutionaryDateEntry*>(&entry);
        const auto fallback =
            ours ? nullptr : Provider::entry(toWidgetInstant(QDateTime::currentDateTimeUtc()), provider->leapRule());
        return new QuintavalWidgetEntryView(environment.family, ours ? *ours : *fallback, resourceDirectory);
    };
    configuration.containerBackground = WidgetStyle::parchment();
    configuration.forcedColorScheme = WidgetKit::ColorScheme::light;
    return configuration;
}
