// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The compositor's own hold on the pointer, where the X server is not told where the pointer is
// while it is over the compositor's surfaces (XWayland under sway).
class PointerLocator
{
public:
    virtual ~PointerLocator() = default;

    // Whether there is a compositor to ask.
    virtual bool canLocate() const = 0;
    // Asks the compositor to show the pointer again to the surface under it; false when it did not.
    virtual bool reveal() = 0;
    // Moves the pointer `step` pixels aside and back, so the surface under it learns its true place.
    virtual void nudge(int step) = 0;
};
