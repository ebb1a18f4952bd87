// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

#include <cstdint>

// When the local decimal time next reads differently, for whoever sleeps until then.
namespace DecimalBoundaries {

// How finely the time is read: the value is the number of such units in a day.
enum class Unit : std::int64_t {
    day = 1,
    hour = 10,
    minute = 1000,
    second = 100000,
};

// The first instant after `now` at which the local decimal time read to `unit` changes (for a
// day, the next local midnight), or sooner when the zone's offset changes in between, since the
// wall clock jumps then. Decimal time is read from whole civil seconds, so this is always a
// whole second; to the second, it is the next one.
Instant next(Instant now, Unit unit);

} // namespace DecimalBoundaries
