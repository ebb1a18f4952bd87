// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What of the program's settings file the desktop widget reads too. The program owns the file and
// its keys (app/state/PreferenceKeys.h); the widget plug-in, which links nothing of the program,
// only reads these, so their names live here where both can see them.
namespace SharedSettings {

// Below the user's configuration folder ($XDG_CONFIG_HOME, ~/.config when unset).
inline constexpr char relativeFilePath[] = "Quintaval/Quintaval.conf";

// The name of the leap-year rule the dates are reckoned by (calendar/LeapRule.h's names).
inline constexpr char leapRuleKey[] = "leapRule";

// The title's format (MenuBarFormat's raw values). quintaval-title's cheap path reads it and the
// rule without Qt, so it reads no key the program does not name here.
inline constexpr char menuBarFormatKey[] = "menuBarFormat";

} // namespace SharedSettings
