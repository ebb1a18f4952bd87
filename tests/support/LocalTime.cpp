// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/LocalTime.h"

#include "calendar/LocalCalendar.h"

Instant localInstant(int year, int month, int day, int hour, int minute, int second)
{
    const auto found = LocalCalendar::instant({year, month, day, hour, minute, second});
    Q_ASSERT_X(found, "localInstant", "no such local time");
    return found.value_or(Instant{});
}

QString localText(Instant instant)
{
    const CivilDateTime c = LocalCalendar::components(instant);
    return QString::asprintf("%04lld-%02d-%02d %02d:%02d:%02d", static_cast<long long>(c.year), c.month, c.day, c.hour,
                             c.minute, c.second);
}
