// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Clock.h"

// The system's real-time clock.
class SystemClock final : public Clock
{
public:
    Instant now() const override;
};
