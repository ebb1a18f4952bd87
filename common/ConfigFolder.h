// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The folder that keeps the settings of every program of the project, Quintaval/ in the user's
// config folder: $XDG_CONFIG_HOME when it is an absolute path (the XDG rule ignores a relative
// one), else .config in the home folder, taken from $HOME or, when that is unset, from the
// password database.
//
// A home of / is no user's: settings written there would be shared by every user with no home,
// or fail for all but root. So is none at all. Then there is no folder, and the programs run
// without saving.
class ConfigFolder final
{
public:
    // The folder, or none with `problem` saying why there is none. Resolved once per run.
    static std::optional<QString> path(QString* problem = nullptr);
    // The user's config folder itself (where autostart/ lives too), resolved afresh from the
    // environment at each call, by the same rules.
    static std::optional<QString> userConfigHome(QString* problem = nullptr);
};
