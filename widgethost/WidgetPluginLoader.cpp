// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/WidgetPluginLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPluginLoader>

#include <algorithm>

WidgetPluginLoader::WidgetPluginLoader() = default;

// The loaders are destroyed without unloading: the configurations hold code of the plug-ins.
WidgetPluginLoader::~WidgetPluginLoader() = default;

QStringList WidgetPluginLoader::defaultDirectories()
{
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(programDirectory.filePath(QStringLiteral(QUINTAVAL_WIDGET_PLUGINS_FROM_PROGRAM))),
            QDir::cleanPath(programDirectory.filePath(QStringLiteral("../widget")))};
}

void WidgetPluginLoader::loadDirectories(const QStringList& directories)
{
    const qsizetype widgetsBefore = m_widgets.size();
    for (const QString& directory : directories) {
        const QDir folder(directory);
        if (!folder.exists()) {
            continue;
        }
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name)) {
            if (QLibrary::isLibrary(file.fileName())) {
                loadFile(file.absoluteFilePath());
            }
        }
    }
    if (m_widgets.size() == widgetsBefore) {
        m_errors << tr("No widget plug-in found in %1.").arg(directories.join(QStringLiteral(", ")));
    }
}

bool WidgetPluginLoader::loadFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        m_errors << tr("Widget plug-in %1 does not exist.").arg(path);
        return false;
    }
    auto loader = std::make_unique<QPluginLoader>(path);
    QObject* root = loader->instance();
    if (!root) {
        m_errors << tr("Cannot load widget plug-in %1: %2").arg(path, loader->errorString());
        return false;
    }
    auto* bundle = qobject_cast<WidgetKit::WidgetBundle*>(root);
    if (!bundle) {
        m_errors << tr("%1 is not a widget plug-in: it does not implement %2.")
                        .arg(path, QStringLiteral(QuintavalWidgetBundle_iid));
        loader->unload();
        return false;
    }
    bool anyWidget = false;
    for (const WidgetKit::WidgetConfiguration& widget : bundle->widgets()) {
        if (widget.kind.isEmpty() || !widget.provider || !widget.makeView || widget.supportedFamilies.isEmpty()) {
            m_errors
                << tr("Widget plug-in %1 declares an incomplete widget \"%2\"; it is left out.").arg(path, widget.kind);
            continue;
        }
        const bool known = std::any_of(m_widgets.cbegin(), m_widgets.cend(),
                                       [&](const auto& loaded) { return loaded.kind == widget.kind; });
        if (known) {
            m_errors << tr("Widget \"%1\" of %2 is already loaded from another plug-in.").arg(widget.kind, path);
            continue;
        }
        m_widgets << widget;
        anyWidget = true;
    }
    if (!anyWidget) {
        m_errors << tr("Widget plug-in %1 declares no usable widget.").arg(path);
    }
    m_loaders.push_back(std::move(loader));
    return anyWidget;
}
