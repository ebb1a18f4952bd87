// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard's modifier keys at this moment.
class ModifierKeys
{
public:
    virtual ~ModifierKeys() = default;

    // Alt (Option on a Mac keyboard) is held down.
    virtual bool isAltHeld() const = 0;
};
