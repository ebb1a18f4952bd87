// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/WidgetResources.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace WidgetResources {

QString locate()
{
    // Any object of ours tells dladdr which loaded file it came from: the plug-in, not the host.
    static const char anchor = 0;
    Dl_info info{};
    if (dladdr(&anchor, &info) == 0 || !info.dli_fname) {
        return {};
    }
    const QDir binaryDirectory = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteDir();
    for (const QString& relative :
         {QStringLiteral(QUINTAVAL_WIDGET_RESOURCES_FROM_PLUGIN), QStringLiteral("../resources")}) {
        const QFileInfo candidate(binaryDirectory.filePath(relative));
        if (candidate.isDir()) {
            return candidate.canonicalFilePath();
        }
    }
    return {};
}

} // namespace WidgetResources
