#!/usr/bin/env python3
"""Writes the local days and clock changes of a few time zones, read by Python's
own zoneinfo from the system's tz database (/usr/share/zoneinfo), as the
reference the local-time tests check the C++ side against.

    python3 tools/gen_zone_days.py > tests/data/zone_days.txt

For each zone, every change of clocks in 2026 and every date from three days
before to three days after one, plus a date in 1950 and in 2100 (the
database's historical rules, and its last rule long after the file's end):

    zone <name>
    change <UT seconds of the change> <offset before> <offset after> <abbreviation before> <abbreviation after>
    day <YYYY-MM-DD> <UT seconds of local midnight> <UT seconds of the next local midnight> <offset at noon> <abbreviation at noon>

Times are seconds from 1970-01-01 00:00 UT; offsets are seconds east of UT
(the local clock minus UT). A local midnight the clocks skip is the instant of
the change; a repeated one is its first instant (fold 0).
"""
import datetime as dt
import sys
import zoneinfo

ZONES = ["Europe/London", "America/New_York", "Australia/Sydney", "Australia/Lord_Howe"]
YEAR = 2026
DAYS_AROUND = 3
FAR_DATES = [dt.date(1950, 7, 1), dt.date(2100, 7, 1)]
UTC = dt.timezone.utc


def offset_at(zone, t):
    return int(dt.datetime.fromtimestamp(t, UTC).astimezone(zone).utcoffset().total_seconds())


def abbreviation_at(zone, t):
    return dt.datetime.fromtimestamp(t, UTC).astimezone(zone).tzname()


def changes(zone, year):
    """The instants (UT seconds) at which the offset changes within the year."""
    start = int(dt.datetime(year, 1, 1, tzinfo=UTC).timestamp())
    end = int(dt.datetime(year + 1, 1, 1, tzinfo=UTC).timestamp())
    found = []
    step = 900
    t = start
    while t < end:
        if offset_at(zone, t) != offset_at(zone, t + step):
            lo, hi = t, t + step  # the offset at lo differs from the one at hi
            while hi - lo > 1:
                mid = (lo + hi) // 2
                if offset_at(zone, mid) == offset_at(zone, lo):
                    lo = mid
                else:
                    hi = mid
            found.append(hi)
        t += step
    return found


def local_midnight(zone, day):
    """UT seconds of the first instant of the local date."""
    wall = dt.datetime(day.year, day.month, day.day, tzinfo=zone)
    # A skipped midnight: the day begins at the change, where the clock jumps.
    back = wall.astimezone(UTC).astimezone(zone)
    if back.replace(tzinfo=None) != wall.replace(tzinfo=None):
        t = int(wall.timestamp())
        c = [x for x in changes(zone, day.year) if abs(x - t) <= 86400]
        return c[0]
    return int(wall.timestamp())


def day_line(zone, day):
    start = local_midnight(zone, day)
    end = local_midnight(zone, day + dt.timedelta(days=1))
    noon = int(dt.datetime(day.year, day.month, day.day, 12, tzinfo=zone).timestamp())
    return "day %s %d %d %d %s" % (day.isoformat(), start, end, offset_at(zone, noon),
                                    abbreviation_at(zone, noon))


def main():
    out = sys.stdout
    out.write("# Local days and clock changes from Python's zoneinfo over /usr/share/zoneinfo;\n")
    out.write("# made by tools/gen_zone_days.py, read by tests/local_time_test.cpp.\n")
    for name in ZONES:
        zone = zoneinfo.ZoneInfo(name)
        out.write("zone %s\n" % name)
        days = set(FAR_DATES)
        for t in changes(zone, YEAR):
            out.write("change %d %d %d %s %s\n" % (t, offset_at(zone, t - 1), offset_at(zone, t),
                                                   abbreviation_at(zone, t - 1),
                                                   abbreviation_at(zone, t)))
            local = dt.datetime.fromtimestamp(t, UTC).astimezone(zone).date()
            for k in range(-DAYS_AROUND, DAYS_AROUND + 1):
                days.add(local + dt.timedelta(days=k))
        for day in sorted(days):
            out.write(day_line(zone, day) + "\n")


if __name__ == "__main__":
    main()
