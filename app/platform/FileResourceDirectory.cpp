// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/FileResourceDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

FileResourceDirectory::FileResourceDirectory(QString root) : m_root(std::move(root)) {}

FileResourceDirectory FileResourceDirectory::forExecutable(const QString& executableDirectory)
{
    const QDir here(executableDirectory);
    const QString installed = here.absoluteFilePath(QStringLiteral("../share/quintaval"));
    if (QFileInfo(installed).isDir()) {
        return FileResourceDirectory(QDir::cleanPath(installed));
    }
    // In a build tree the programs sit one or two folders below the top, which CMakeCache.txt
    // marks. Walking up to any "resources" folder instead could land in the source tree, whose
    // resources/ holds only the sources the files are generated from.
    QDir folder = here;
    for (int level = 0; level < 4; ++level) {
        if (folder.exists(QStringLiteral("CMakeCache.txt"))) {
            return FileResourceDirectory(folder.absoluteFilePath(QStringLiteral("resources")));
        }
        if (!folder.cdUp()) {
            break;
        }
    }
    return FileResourceDirectory(QString());
}

FileResourceDirectory FileResourceDirectory::forRunningProgram()
{
    return forExecutable(QCoreApplication::applicationDirPath());
}

std::optional<QString> FileResourceDirectory::find(const QString& name, const QString& extension) const
{
    if (m_root.isEmpty()) {
        return std::nullopt;
    }
    const QString path = m_root + QLatin1Char('/') + name + QLatin1Char('.') + extension;
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    return path;
}
