// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ScopedTimeZone.h"

#include "calendar/LocalCalendar.h"

#include <cstdlib>

ScopedTimeZone::ScopedTimeZone(const char* zone)
{
    if (const char* previous = std::getenv("TZ")) {
        m_hadZone = true;
        m_previousZone = previous;
    }
    setenv("TZ", zone, 1);
    LocalCalendar::zoneChanged();
}

ScopedTimeZone::~ScopedTimeZone()
{
    if (m_hadZone) {
        setenv("TZ", m_previousZone.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    LocalCalendar::zoneChanged();
}
