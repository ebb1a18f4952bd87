// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/LocalCalendar.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

using Seconds = std::int64_t;
constexpr Seconds secondsPerDay = 86400;
// Beyond this many seconds from 1970 an Instant (int64 microseconds) overflows.
constexpr Seconds instantLimitSeconds = INT64_MAX / 1'000'000 - 1;

constexpr Seconds floorDiv(Seconds a, Seconds b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

constexpr Seconds floorMod(Seconds a, Seconds b)
{
    const Seconds remainder = a % b;
    return remainder != 0 && ((remainder < 0) != (b < 0)) ? remainder + b : remainder;
}

// std::chrono::floor would overflow at the very ends of an Instant's range.
Seconds floorSeconds(Instant instant)
{
    return floorDiv(instant.time_since_epoch().count(), 1'000'000);
}

std::optional<Instant> instantFromSeconds(Seconds seconds)
{
    if (seconds > instantLimitSeconds || seconds < -instantLimitSeconds) {
        return std::nullopt;
    }
    return Instant{std::chrono::seconds{seconds}};
}

// What the C library says the wall clock shows at a UTC second, as seconds on that wall clock.
std::optional<Seconds> libraryWallClock(Seconds utc)
{
    const std::time_t asTimeT = utc;
    std::tm parts{};
    if (!localtime_r(&asTimeT, &parts)) {
        return std::nullopt;
    }
    // A leap-second reading (only in the "right/" zones) counts as the second before it.
    const int second = std::min(parts.tm_sec, 59);
    return LocalCalendar::dayNumber(parts.tm_year + std::int64_t{1900}, parts.tm_mon + 1, parts.tm_mday) *
               secondsPerDay +
           parts.tm_hour * 3600 + parts.tm_min * 60 + second;
}

// Identifies the zone the C library is using. zoneChanged() bumps the generation; the globals
// that tzset() fills catch most zone switches made without it.
struct ZoneStamp
{
    std::uint64_t generation = 0;
    const char* standardName = nullptr;
    const char* daylightName = nullptr;
    long standardOffset = 0;
    int hasDaylight = 0;
    bool operator==(const ZoneStamp&) const = default;
};

std::atomic<std::uint64_t> zoneGeneration{1};

ZoneStamp currentZoneStamp()
{
    return {zoneGeneration.load(std::memory_order_relaxed), tzname[0], tzname[1], timezone, daylight};
}

// A stretch of UTC seconds [from, until) over which the wall clock runs at one offset: the
// local day last asked about. Per thread, so no locking.
struct OffsetSpan
{
    Seconds from = 0;
    Seconds until = 0;
    Seconds offset = 0;
    ZoneStamp zone;
};
thread_local OffsetSpan cachedSpan;

std::optional<Seconds> offsetAt(Seconds utc)
{
    const auto wall = libraryWallClock(utc);
    return wall ? std::optional<Seconds>{*wall - utc} : std::nullopt;
}

std::optional<Seconds> wallClockAt(Seconds utc)
{
    if (utc > instantLimitSeconds || utc < -instantLimitSeconds) {
        return libraryWallClock(utc);
    }
    return LocalCalendar::wallClockSeconds(Instant{std::chrono::seconds{utc}});
}

// The UTC second at which the wall clock shows `wall`: the first of two when it shows it
// twice, the end of the gap when it never does.
std::optional<Seconds> utcForWallClock(Seconds wall)
{
    // The offsets in force around the wanted reading; two probes a day apart on either side
    // see both sides of any transition near it.
    std::array<Seconds, 5> offsets{};
    std::size_t count = 0;
    for (const Seconds probe :
         {wall - 2 * secondsPerDay, wall - secondsPerDay, wall, wall + secondsPerDay, wall + 2 * secondsPerDay}) {
        const auto offset = offsetAt(probe);
        if (offset && std::find(offsets.begin(), offsets.begin() + count, *offset) == offsets.begin() + count) {
            offsets[count++] = *offset;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    std::optional<Seconds> exact, before, after;
    for (std::size_t i = 0; i < count; ++i) {
        const Seconds candidate = wall - offsets[i];
        const auto shown = wallClockAt(candidate);
        if (!shown) {
            continue;
        }
        if (*shown == wall) {
            exact = exact ? std::min(*exact, candidate) : candidate;
        } else if (*shown < wall) {
            before = before ? std::max(*before, candidate) : candidate;
        } else {
            after = after ? std::min(*after, candidate) : candidate;
        }
    }
    if (exact) {
        return exact;
    }
    if (!before || !after || *before >= *after) {
        return after ? after : before;
    }
    // Inside a gap: find the first second after it.
    Seconds low = *before, high = *after; // wall(low) < wanted <= wall(high)
    while (high - low > 1) {
        const Seconds middle = low + (high - low) / 2;
        const auto shown = wallClockAt(middle);
        if (shown && *shown >= wall) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return high;
}

struct CivilDate
{
    std::int64_t year;
    int month;
    int day;
};

constexpr CivilDate civilFromDayNumber(std::int64_t days)
{
    // Howard Hinnant's civil_from_days.
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

} // namespace

namespace LocalCalendar {

void zoneChanged()
{
    // The C library reads the zone named by TZ again only when the text of TZ changes, so a file
    // replaced under the same name (TZ=:/etc/localtime is a common setting) needs TZ to change
    // and change back. Without TZ it looks at /etc/localtime afresh by itself.
    if (const char* variable = std::getenv("TZ")) {
        const std::string zone = variable;
        setenv("TZ", "UTC0", 1);
        tzset();
        setenv("TZ", zone.c_str(), 1);
    }
    tzset();
    zoneGeneration.fetch_add(1, std::memory_order_relaxed);
}

std::int64_t wallClockSeconds(Instant instant)
{
    const Seconds utc = floorSeconds(instant);
    OffsetSpan& span = cachedSpan;
    if (utc >= span.from && utc < span.until && span.zone == currentZoneStamp()) {
        return utc + span.offset;
    }
    const auto wall = libraryWallClock(utc);
    if (!wall) {
        return utc;
    }
    const Seconds offset = *wall - utc;
    // Remember the whole local day when one offset holds from its first to its last second;
    // on the two days a year that contain a transition, remember just this second.
    const Seconds dayStart = utc - floorMod(*wall, secondsPerDay);
    const Seconds dayEnd = dayStart + secondsPerDay;
    if (offsetAt(dayStart) == offset && offsetAt(dayEnd - 1) == offset) {
        span = {dayStart, dayEnd, offset, currentZoneStamp()};
    } else {
        span = {utc, utc + 1, offset, currentZoneStamp()};
    }
    return *wall;
}

CivilDateTime components(Instant instant)
{
    const Seconds wall = wallClockSeconds(instant);
    const CivilDate date = civilFromDayNumber(floorDiv(wall, secondsPerDay));
    const auto secondOfDay = static_cast<int>(floorMod(wall, secondsPerDay));
    return {date.year, date.month, date.day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
}

std::optional<Instant> instant(const CivilDateTime& parts)
{
    // Years past a few hundred thousand cannot be an Instant anyway; refusing them early keeps
    // the arithmetic below far from overflow.
    constexpr std::int64_t yearLimit = 400'000;
    constexpr std::int64_t dayLimit = yearLimit * 366;
    const std::int64_t monthIndex = parts.month - std::int64_t{1};
    const std::int64_t year = parts.year + floorDiv(monthIndex, 12);
    if (year > yearLimit || year < -yearLimit || parts.day > dayLimit || parts.day < -dayLimit) {
        return std::nullopt;
    }
    const Seconds wall = dayNumber(year, floorMod(monthIndex, 12) + 1, parts.day) * secondsPerDay +
                         parts.hour * Seconds{3600} + parts.minute * Seconds{60} + parts.second;
    const auto utc = utcForWallClock(wall);
    return utc ? instantFromSeconds(*utc) : std::nullopt;
}

std::optional<Instant> addingDays(Instant from, std::int64_t days)
{
    constexpr std::int64_t dayLimit = 400'000LL * 366;
    if (days > dayLimit || days < -dayLimit) {
        return std::nullopt;
    }
    const std::chrono::microseconds fraction{floorMod(from.time_since_epoch().count(), 1'000'000)};
    CivilDateTime parts = components(from);
    const std::int64_t day = parts.day + days;
    if (day > dayLimit || day < -dayLimit) {
        return std::nullopt;
    }
    parts.day = static_cast<int>(day);
    const auto moved = instant(parts);
    if (!moved || *moved > Instant::max() - fraction) {
        return std::nullopt;
    }
    return *moved + fraction;
}

std::optional<Instant> startOfDay(Instant at)
{
    CivilDateTime parts = components(at);
    parts.hour = parts.minute = parts.second = 0;
    return instant(parts);
}

std::optional<std::int64_t> daysBetween(Instant from, Instant to)
{
    std::int64_t days = floorDiv(wallClockSeconds(to), secondsPerDay) - floorDiv(wallClockSeconds(from), secondsPerDay);
    if (days == 0) {
        return days;
    }
    const auto landed = addingDays(from, days);
    if (!landed) {
        return std::nullopt;
    }
    if (days > 0 && *landed > to) {
        --days;
    } else if (days < 0 && *landed < to) {
        ++days;
    }
    return days;
}

} // namespace LocalCalendar
