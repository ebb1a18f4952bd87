// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

// The keyboard focus as the display server keeps it, for the panel that drops from the bar.
class InputFocus
{
public:
    virtual ~InputFocus() = default;

    // Moves the focus off `window` and back onto it, for window managers that start managing a
    // window a moment after it maps and miss a focus it took before.
    virtual void retake(QWindow* window) = 0;
};
