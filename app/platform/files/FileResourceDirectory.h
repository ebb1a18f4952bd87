// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ResourceDirectory.h"

// Resources as files under one folder: <prefix>/share/quintaval when installed, <build>/resources
// in a build tree.
class FileResourceDirectory final : public ResourceDirectory
{
public:
    explicit FileResourceDirectory(QString root);

    // The folder of the program that runs, found from its executable's location; an empty root
    // (every lookup absent) when there is none. A folder missing or unreadable gets one line on
    // standard error.
    static FileResourceDirectory forExecutable(const QString& executableDirectory);
    // The same for the program that runs, looked for (and reported) once per run.
    static FileResourceDirectory forRunningProgram();

    std::optional<QString> find(const QString& name, const QString& extension) const override;

    QString root() const { return m_root; }

private:
    QString m_root;
};
