#!/usr/bin/python3
"""Writes the independent almanac the day-details tests compare with.

PyEphem (Debian's python3-ephem, libastro by Elwood Downey) gives, for every
day of 2026 in Universal Time at five places, the Sun centre's crossings of
-18, -12 and -6 degrees without refraction (astronomical, nautical and civil
dawn and dusk), the Sun's transit (solar noon) and the Moon's transit, and
for the year the instants of the full Moons and the solstices, the days the
Moon stays up or down at Tromso and the days without a moonrise at Greenwich.

    /usr/bin/python3 tools/gen_details_reference.py tests/data/details_2026.csv

Output: CSV, lines starting with '#' name the columns. Day lines:
place,date,astronomical_dawn,nautical_dawn,civil_dawn,civil_dusk,
nautical_dusk,astronomical_dusk,solar_noon,moon_transit with times
HH:MM:SS UT, or '-' when the event does not fall on that UT date. Event
lines: event,kind,YYYY-MM-DD HH:MM:SS UT, or event,kind,YYYY-MM-DD for a
whole day (the no-moonrise lines add the next moonrise's instant).
"""
import datetime
import math
import sys

import ephem

# name, latitude (north), longitude (east), as PyEphem takes them
PLACES = [
    ("Greenwich", "51.4769", "-0.0005"),
    ("Sydney", "-33.8688", "151.2093"),
    ("Singapore", "1.3521", "103.8198"),
    ("Reykjavik", "64.1466", "-21.9426"),
    ("Tromso", "69.6492", "18.9553"),
]
YEAR = 2026
LEVELS = ["-18", "-12", "-6"]


def observer(lat, lon, horizon="0"):
    o = ephem.Observer()
    o.lat, o.lon, o.elevation = lat, lon, 0
    o.pressure = 0  # no refraction
    o.horizon = horizon
    return o


def clock(instant, day_start):
    """HH:MM:SS of an ephem date inside [day_start, day_start + 1), else '-'."""
    if instant is None or not (day_start <= instant < day_start + 1):
        return "-"
    # Rounded to the second, kept on the date.
    seconds = min(round((instant - day_start) * 86400.0), 86399)
    return "%02d:%02d:%02d" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


def crossing(o, body, rising, day_start):
    """The first crossing at or after day_start. PyEphem's search can step over
    a crossing that grazes its start, and judges "always up" or "never up" at
    the moment it starts from, so it starts half a day earlier and walks on
    through the day."""
    t = day_start - 0.5
    while t < day_start + 1:
        o.date = t
        try:
            if rising:
                found = o.next_rising(body, use_center=True)
            else:
                found = o.next_setting(body, use_center=True)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            # It says so for the moment searched from: look again later.
            t += 0.25
            continue
        if found >= day_start:
            return found
        t = found + ephem.minute
    return None


def day_line(name, lat, lon, day):
    day_start = ephem.Date(day)
    fields = [name, day.strftime("%Y-%m-%d")]
    sun = ephem.Sun()
    for level in LEVELS:
        fields.append(clock(crossing(observer(lat, lon, level), sun, True, day_start), day_start))
    for level in reversed(LEVELS):
        fields.append(clock(crossing(observer(lat, lon, level), sun, False, day_start), day_start))
    for body in (ephem.Sun(), ephem.Moon()):
        o = observer(lat, lon)
        o.date = day_start
        fields.append(clock(o.next_transit(body), day_start))
    return ",".join(fields)


def stamp(instant):
    return ephem.Date(instant).datetime().strftime("%Y-%m-%d %H:%M:%S")


def year_instants(kind, next_one):
    """The year's instants that next_one finds, one event line each."""
    lines = []
    t, end = ephem.Date("%d/1/1" % YEAR), ephem.Date("%d/1/1" % (YEAR + 1))
    while True:
        t = next_one(t)
        if t >= end:
            return lines
        lines.append("event,%s,%s" % (kind, stamp(t)))


def event_lines():
    return (year_instants("full_moon", ephem.next_full_moon) +
            year_instants("solstice", ephem.next_solstice) + moon_absence_lines())


def moon_rising_side(o, day_start):
    """+1 when the Moon's upper limb stays above the horizon (with the usual
    refraction) all day, -1 when it stays below, 0 otherwise or when it comes
    within 0.2 degree of it: every 5 minutes from 0h to 24h."""
    sides = set()
    for i in range(289):
        o.date = day_start + i * 5 * ephem.minute
        moon = ephem.Moon(o)
        limb = math.degrees(moon.alt) + math.degrees(moon.radius)
        if abs(limb) < 0.2:
            return 0
        sides.add(1 if limb > 0 else -1)
    return sides.pop() if len(sides) == 1 else 0


def moon_absence_lines():
    """The Moon up all day and down all day at Tromso, and the dates without a
    moonrise at Greenwich with the next one."""
    lines = []
    tromso, greenwich = PLACES[4], PLACES[0]
    day = datetime.datetime(YEAR, 1, 1)
    while day.year == YEAR:
        start = ephem.Date(day)
        o = observer(tromso[1], tromso[2])
        o.pressure = 1010  # rising and setting with the usual refraction
        side = moon_rising_side(o, start)
        if side:
            kind = "moon_up_all_day_tromso" if side > 0 else "moon_down_all_day_tromso"
            lines.append("event,%s,%s" % (kind, day.strftime("%Y-%m-%d")))
        o = observer(greenwich[1], greenwich[2])
        o.pressure = 1010
        o.date = start - 0.5
        rise = o.next_rising(ephem.Moon())
        while rise < start:
            o.date = rise + ephem.minute
            rise = o.next_rising(ephem.Moon())
        if rise >= start + 1:
            lines.append("event,no_moonrise_greenwich,%s,%s" % (day.strftime("%Y-%m-%d"), stamp(rise)))
        day += datetime.timedelta(days=1)
    return lines


def main():
    out = [
        "# Generated by tools/gen_details_reference.py with PyEphem %s; do not edit." % ephem.__version__,
        "# place,date,astronomical_dawn,nautical_dawn,civil_dawn,civil_dusk,nautical_dusk,"
        "astronomical_dusk,solar_noon,moon_transit (UT; '-' none on the date)",
        "# event,kind,instant (UT) | event,kind,date[,next instant (UT)]",
    ]
    for name, lat, lon in PLACES:
        day = datetime.datetime(YEAR, 1, 1)
        while day.year == YEAR:
            out.append(day_line(name, lat, lon, day))
            day += datetime.timedelta(days=1)
    out += event_lines()
    with open(sys.argv[1], "w", newline="\n") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
