// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/SystemBeep.h"

class FakeSystemBeep final : public SystemBeep
{
public:
    void beep() override { ++m_beeps; }
    int beeps() const { return m_beeps; }

private:
    int m_beeps = 0;
};
