// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop's alert sound.
class SystemBeep
{
public:
    virtual ~SystemBeep() = default;

    virtual void beep() = 0;
};
