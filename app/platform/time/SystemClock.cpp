// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/SystemClock.h"

#include "calendar/LocalCalendar.h"

#include <QDebug>

namespace {

constexpr CivilDateTime firstShown{1792, 9, 22, 0, 0, 0};
constexpr CivilDateTime lastShown{9999, 12, 31, 23, 59, 59};
constexpr std::int64_t secondsPerDay = 86400;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

void tell(bool& told, Instant instant, const CivilDateTime& shown)
{
    if (told) {
        return;
    }
    told = true;
    qWarning().noquote() << QStringLiteral("quintaval: the system clock reads the year %1, outside the days "
                                           "Quintaval shows (22 September 1792 to 31 December 9999); it shows "
                                           "%2-%3-%4 until the clock is set right.")
                                .arg(LocalCalendar::components(instant).year)
                                .arg(shown.year)
                                .arg(shown.month, 2, 10, QLatin1Char('0'))
                                .arg(shown.day, 2, 10, QLatin1Char('0'));
}

} // namespace

Instant SystemClock::now() const
{
    return heldToShownDays(currentInstant());
}

Instant SystemClock::heldToShownDays(Instant instant) const
{
    const std::int64_t day = floorDivide(LocalCalendar::wallClockSeconds(instant), secondsPerDay);
    if (day < LocalCalendar::dayNumber(firstShown.year, firstShown.month, firstShown.day)) {
        tell(m_toldTooEarly, instant, firstShown);
        return LocalCalendar::instant(firstShown).value_or(instant);
    }
    if (day > LocalCalendar::dayNumber(lastShown.year, lastShown.month, lastShown.day)) {
        tell(m_toldTooLate, instant, lastShown);
        return LocalCalendar::instant(lastShown).value_or(instant);
    }
    return instant;
}
