#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""For each Gregorian year from argv[1] to argv[2], PyEphem's autumn equinox and where it falls
in Paris apparent solar time, one line each: year, UT seconds since 1970, the apparent day
(days since 1970-01-01) and the apparent seconds into that day."""
import math
import sys

import ephem

UNIX_EPOCH = ephem.Date('1970/1/1')
paris = ephem.Observer()
paris.lon = '2:20:14'
paris.lat = '48:50:11'
paris.pressure = 0
sun = ephem.Sun()

for year in range(int(sys.argv[1]), int(sys.argv[2]) + 1):
    equinox = ephem.next_autumnal_equinox(str(year))
    paris.date = equinox
    sun.compute(paris)
    # The Sun's hour angle, as a fraction of a day from apparent midnight; its difference from
    # the mean time of day is the equation of time.
    apparent = ((paris.sidereal_time() - sun.g_ra) / (2 * math.pi) + 0.5) % 1.0
    mean_time = (equinox - UNIX_EPOCH) + (8414 / 15) / 86400
    equation = (apparent - mean_time % 1.0 + 0.5) % 1.0 - 0.5
    day = math.floor(mean_time + equation)
    print(year, repr((equinox - UNIX_EPOCH) * 86400), day, repr((mean_time + equation - day) * 86400))
