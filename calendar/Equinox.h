// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

#include <cstdint>

// The true autumn equinox, computed here with no table to fetch: the instant the Sun's apparent
// geocentric longitude reaches 180°, after J. Meeus, "Astronomical Algorithms" (2nd ed., 1998):
// the mean equinox of ch. 27 as a first guess, then Newton steps on the Sun's apparent longitude
// from the abridged VSOP87 Earth series (ch. 32, appendix III) with the FK5 correction (ch. 25),
// nutation in longitude from the full table of ch. 22 and aberration (-20.4898″ / R), until a
// step is under 0.1 s.
//
// Terrestrial time becomes UT through ΔT from F. Espenak and J. Meeus, "Polynomial Expressions
// for Delta T" (NASA eclipse web site, 2006), fitted to observations up to 2005 and with
// Morrison and Stephenson's parabola -20 + 32u² (u in centuries from 1820) beyond 2150.
//
// Accuracy: the abridged series stay within about a second of arc of the full theory for
// centuries around 2000, and a second of arc is 24 s of time here. Against PyEphem (full VSOP87,
// its own ΔT) the instants differ by at most 31 s from 1792 to 2300, most of it the two ΔT
// extrapolations after 2005. Beyond that ΔT is a guess, some hours by the year 4000 and over two
// days by 10000, as uncertain as it is large, so the day chosen then is only as good as the guess;
// the computation itself works to the year 10000 and beyond.
namespace Equinox {

// The autumn (September) equinox of a proleptic Gregorian year, in UT.
Instant autumnEquinox(std::int64_t gregorianYear);

// Seconds to add to a UT instant to read the apparent solar time at the Paris Observatory
// (2°20′14″ E): the longitude, 560.93 s, plus the equation of time.
double parisApparentOffset(Instant instant);

// Days since 1970-01-01 of the day, reckoned in Paris apparent solar time, that contains the
// autumn equinox of the year: the first day of a Republican year by the decree's rule.
std::int64_t parisApparentDay(std::int64_t gregorianYear);

} // namespace Equinox
