// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QPluginLoader;

// Finds and loads widget plug-ins. A file that is not a library, a library that is not a widget
// plug-in or a widget that is incomplete is left out with a message saying why; loaded
// plug-ins stay loaded for the life of the loader's process.
class WidgetPluginLoader final
{
    Q_DECLARE_TR_FUNCTIONS(WidgetPluginLoader)

public:
    WidgetPluginLoader();
    ~WidgetPluginLoader();
    WidgetPluginLoader(const WidgetPluginLoader&) = delete;
    WidgetPluginLoader& operator=(const WidgetPluginLoader&) = delete;

    // Where an installed or a built host looks: <prefix>/<libdir>/quintaval/widgets, or
    // <build>/widget next to <build>/widgethost.
    static QStringList defaultDirectories();

    // Loads every library in the directories that exist. Complains when none yields a widget.
    void loadDirectories(const QStringList& directories);
    // Loads one plug-in file; false (and a message) when it yields no widget.
    bool loadFile(const QString& path);

    const QList<WidgetKit::WidgetConfiguration>& widgets() const { return m_widgets; }
    const QStringList& errors() const { return m_errors; }

private:
    QList<WidgetKit::WidgetConfiguration> m_widgets;
    QStringList m_errors;
    std::vector<std::unique_ptr<QPluginLoader>> m_loaders;
};
