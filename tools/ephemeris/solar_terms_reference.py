#!/usr/bin/python3
"""Reference moments of the 24 solar terms from the IAU's standard routines (ERFA, Debian package
python3-erfa), independent of the program's own solar code.

The sun's apparent geocentric longitude at a Terrestrial Time moment:
  - Earth's heliocentric and barycentric position and velocity: epv00 (fit to the DE405 ephemeris);
  - the sun's direction seen from the Earth, displaced by annual aberration: ab;
  - rotated to the mean ecliptic and equinox of date (IAU 2006 precession): ecm06;
  - plus the nutation in longitude (IAU 2000A): nut06a.
Each term is the moment that longitude reaches a multiple of 15 degrees, found by the secant method
to far below a millisecond. Moments are printed in Terrestrial Time, so the table does not depend on
any model of the Earth's rotation (Delta T).

Usage: solar_terms_reference.py FIRST_YEAR LAST_YEAR [YEAR_STEP]
prints one line per term: the longitude in degrees, then the TT moment as a Julian Date.
"""
import math
import sys
import warnings

import erfa
import numpy as np

# epv00 warns for every date of 2100 past January 1; its accuracy only degrades slowly there.
warnings.simplefilter("ignore", erfa.ErfaWarning)

SPEED_OF_LIGHT_AU_PER_DAY = erfa.DAYSEC * erfa.CMPS / erfa.DAU


def apparent_longitude(jd_tt):
    d1, d2 = 2400000.5, jd_tt - 2400000.5
    pvh, pvb = erfa.epv00(d1, d2)
    to_sun = -pvh[0]
    distance = float(np.linalg.norm(to_sun))
    velocity = pvb[1] / SPEED_OF_LIGHT_AU_PER_DAY
    bm1 = math.sqrt(1.0 - float(np.dot(velocity, velocity)))
    seen = erfa.ab(to_sun / distance, velocity, distance, bm1)
    ecliptic = erfa.ecm06(d1, d2) @ seen
    dpsi, _ = erfa.nut06a(d1, d2)
    return math.degrees(math.atan2(ecliptic[1], ecliptic[0]) + dpsi) % 360.0


def off_target(jd_tt, target):
    return (apparent_longitude(jd_tt) - target + 180.0) % 360.0 - 180.0


def crossing(target, guess):
    a, b = guess - 0.5, guess + 0.5
    fa, fb = off_target(a, target), off_target(b, target)
    for _ in range(60):
        c = b - fb * (b - a) / (fb - fa)
        a, fa, b, fb = b, fb, c, off_target(c, target)
        if abs(b - a) < 1e-9:
            break
    return b


def terms_of_year(year):
    # 小寒 (285 degrees) falls near January 6; every later term about 15.2 days on.
    start = erfa.cal2jd(year, 1, 6)
    jd = start[0] + start[1]
    for k in range(24):
        target = (285.0 + 15.0 * k) % 360.0
        guess = jd + k * 365.2422 / 24.0
        yield target, crossing(target, guess)


def main():
    first, last = int(sys.argv[1]), int(sys.argv[2])
    step = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    for year in range(first, last + 1, step):
        for target, jd in terms_of_year(year):
            print(f"{target:5.1f} {jd:.7f}")


if __name__ == "__main__":
    main()
