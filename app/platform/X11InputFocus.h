// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWindow>

// The X input focus, asked for at the server's own time.
namespace X11InputFocus {

// Moves the focus off `window` and back onto it. Under GNOME on Wayland mutter starts managing a
// window that bypasses it a moment after mapping it; a focus the window took before that never
// reached mutter, which then keeps the keyboard from it. Taken again, the focus reaches mutter.
// Does nothing outside X11.
void retake(QWindow* window);

} // namespace X11InputFocus
