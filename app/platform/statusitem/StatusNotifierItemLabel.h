// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the item puts in its label so that the month's emoji shows exactly once, whatever the
// status bar draws.
namespace StatusNotifierItemLabel {

// Whether the status bar whose watcher runs as `watcherProgram` draws only the label once an
// item has one, dropping the icon. `currentDesktop` ($XDG_CURRENT_DESKTOP) decides when the
// program is unknown.
bool hostDrawsLabelAlone(const QString& watcherProgram, const QString& currentDesktop);

// The label for `title` ("🥶 15 Frimaire"): the title itself where the label is drawn alone,
// otherwise the title without its leading symbol, which the icon already shows.
QString labelFor(const QString& title, bool labelAlone);

// The program behind a bus name's owner ("gnome-shell", "mate-panel"), or empty when the bus
// does not say.
QString programOf(uint processId);

} // namespace StatusNotifierItemLabel
