// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"
#include "app/state/SourceTexts.h"
#include "calendar/Instant.h"
#include "calendar/LeapRule.h"

#include <string>
#include <string_view>

// What XFCE's generic monitor plugin (xfce4-genmon-plugin) reads from the command it runs: the
// title as the panel's text, its tooltip, and the command a click on the text runs. Without Qt,
// for quintaval-title's cheap path; the full program makes it the same way.
namespace GenmonText {

// A click opens Quintaval's panel, starting the program first where it does not run yet (a
// second start asks the first).
inline constexpr char clickCommand[] = "quintaval --open-panel";

// "<txt>title</txt><tool>tooltip</tool><txtclick>quintaval --open-panel</txtclick>" for `now`, the texts
// escaped for the Pango markup the plugin shows them with.
std::string render(Instant now, MenuBarFormat format, LeapRule rule, SourceTexts::Translate lookUp);

// `text` with &, < and > written as markup entities.
std::string escaped(std::string_view text);

} // namespace GenmonText
