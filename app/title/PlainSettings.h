// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/TitleChoices.h"

#include <optional>
#include <string>

// The title's format and leap-year rule from Quintaval's settings file, read without Qt for
// quintaval-title's cheap path. It reads only what it is sure the program would read the same
// way, and says "not sure" (none) for anything else, which the full program then reads: a
// damaged or unusual file, a value with escapes or quotes, a name it does not know.
namespace PlainSettings {

// The settings file by the rules of ConfigFolder; none where those rules need more than
// XDG_CONFIG_HOME and HOME.
std::optional<std::string> fileName();

// The choices stored in `fileName` (those of TitleChoices{} for what is not stored, or with no
// file), or none when not sure.
std::optional<TitleChoices> read(const std::string& fileName);

} // namespace PlainSettings
