// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/SystemClock.h"

Instant SystemClock::now() const
{
    return currentInstant();
}
