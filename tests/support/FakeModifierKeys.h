// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ModifierKeys.h"

// Alt is held while the test says so.
class FakeModifierKeys final : public ModifierKeys
{
public:
    bool isAltHeld() const override { return m_altHeld; }
    void setAltHeld(bool held) { m_altHeld = held; }

private:
    bool m_altHeld = false;
};
