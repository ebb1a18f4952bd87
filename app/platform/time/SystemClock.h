// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Clock.h"

// The system's real-time clock, held to the days the program can show: from the first day of
// the Republican calendar, 22 September 1792, to 31 December 9999. A clock set outside reads as
// the nearest of those days, and standard error says so once, rather than a date being made up.
class SystemClock final : public Clock
{
public:
    Instant now() const override;

    // Where `instant` lies within the days shown, with one line on standard error the first
    // time it had to be moved there.
    Instant heldToShownDays(Instant instant) const;

private:
    mutable bool m_toldTooEarly = false;
    mutable bool m_toldTooLate = false;
};
