// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/InputFocus.h"

// The X input focus, asked for at the server's own time.
class X11InputFocus final : public InputFocus
{
public:
    // Under GNOME on Wayland mutter starts managing a window that bypasses it a moment after
    // mapping it; a focus the window took before that never reached mutter, which then keeps the
    // keyboard from it. Taken again, the focus reaches mutter. Does nothing outside X11.
    void retake(QWindow* window) override;
};
