// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/SystemBeep.h"

// QApplication::beep(): the X server's bell, where the platform has one.
class ApplicationBeep final : public SystemBeep
{
public:
    void beep() override;
};
