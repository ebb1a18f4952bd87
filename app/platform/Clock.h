// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

// The wall clock.
class Clock
{
public:
    virtual ~Clock() = default;

    // The present instant.
    virtual Instant now() const = 0;
};
