// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The program's read-only resources: sounds, engravings, pictures and symbols.
class ResourceDirectory
{
public:
    virtual ~ResourceDirectory() = default;

    // The path of the file `name`.`extension` (name may hold sub-folders, "engravings/day_001_raisin"),
    // or none when there is no such file.
    virtual std::optional<QString> find(const QString& name, const QString& extension) const = 0;
};
