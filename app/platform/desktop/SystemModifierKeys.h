// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ModifierKeys.h"

// Asks the window system for the keys held right now (needs a QGuiApplication).
class SystemModifierKeys final : public ModifierKeys
{
public:
    bool isAltHeld() const override;
};
