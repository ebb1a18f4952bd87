// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

#include <functional>

// One callback at an instant of the wall clock, on the main thread's event loop. Sleeping until
// the next moment something can change, rather than waking at a fixed rate, lets the program
// stay idle for minutes at a time.
class DeadlineTimer
{
public:
    virtual ~DeadlineTimer() = default;

    // Calls `due` once, when the wall clock reaches `at` (at once if it has), replacing any
    // earlier request.
    virtual void wakeAt(Instant at, std::function<void()> due) = 0;
};
