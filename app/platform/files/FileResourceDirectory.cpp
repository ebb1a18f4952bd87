// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/FileResourceDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

FileResourceDirectory::FileResourceDirectory(QString root) : m_root(std::move(root)) {}

namespace {

// Without its folder the program still runs (the controls' symbols are built in), but the chime,
// the engravings and the pictures are gone: say so once, naming the folder to look at.
FileResourceDirectory reported(const QString& root, const QString& expected)
{
    const QFileInfo folder(root.isEmpty() ? expected : root);
    if (!folder.isDir()) {
        std::fprintf(stderr, "quintaval: the resource folder %s is missing: no chime, engravings or pictures\n",
                     qPrintable(folder.filePath()));
    } else if (!folder.isReadable() || !folder.isExecutable()) {
        std::fprintf(stderr, "quintaval: cannot read the resource folder %s: no chime, engravings or pictures\n",
                     qPrintable(folder.filePath()));
    }
    return FileResourceDirectory(root);
}

} // namespace

FileResourceDirectory FileResourceDirectory::forExecutable(const QString& executableDirectory)
{
    const QDir here(executableDirectory);
    const QString installed = QDir::cleanPath(here.absoluteFilePath(QStringLiteral("../share/quintaval")));
    if (QFileInfo(installed).isDir()) {
        return reported(installed, installed);
    }
    // In a build tree the programs sit one or two folders below the top, which CMakeCache.txt
    // marks. Walking up to any "resources" folder instead could land in the source tree, whose
    // resources/ holds only the sources the files are generated from.
    QDir folder = here;
    for (int level = 0; level < 4; ++level) {
        if (folder.exists(QStringLiteral("CMakeCache.txt"))) {
            return reported(folder.absoluteFilePath(QStringLiteral("resources")), installed);
        }
        if (!folder.cdUp()) {
            break;
        }
    }
    return reported(QString(), installed);
}

FileResourceDirectory FileResourceDirectory::forRunningProgram()
{
    // Looked for once: the translations ask at start, then the program itself, and a missing
    // folder is one problem to report, not one per caller.
    static const FileResourceDirectory found = forExecutable(QCoreApplication::applicationDirPath());
    return found;
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
