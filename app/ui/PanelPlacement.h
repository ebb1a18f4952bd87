// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the panel goes when the status item is clicked. Status bars report the click badly:
// MATE sends (0, 25) whatever the item's place, waybar a point relative to the bar, and under
// XWayland the pointer stands still while it is over the compositor's own bars. So the click is
// taken from whichever of the two is believable (the pointer when it is on a bar at a screen
// edge, under X11), and the screen decides the rest: the item sits on the edge nearest the
// click, and the panel hangs from that edge of the available area, never over a bar.
namespace PanelPlacement {

// Whether the X server sees the pointer over the status bar: true in an X11 session, false
// under XWayland, where the bars are the compositor's own surfaces.
bool pointerFollowsClicks();
// Whether GNOME Shell is the desktop: under Wayland it too keeps clicks on its bar from X clients.
bool underGnomeShell();

// The point the panel hangs from: on the available area's edge nearest the click, across from
// the click. `screen` and `available` are those of the screen clicked on.
QPoint anchor(QPoint hint, QPoint pointer, bool pointerReliable, const QRect& screen, const QRect& available);

// The panel's top-left corner: centred under `anchor`, opening upwards when there is no room
// below, and kept within `available`.
QPoint topLeft(QPoint anchor, QSize panel, const QRect& available);

} // namespace PanelPlacement
