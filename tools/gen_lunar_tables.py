#!/usr/bin/env python3
"""Print the periodic-term tables of the abridged lunar theory as C++ rows.

Reads the two tab-separated tables (longitude and distance; latitude) whose
coefficients are integers in units of 1e-6 degree and 1e-3 km, and writes
them as exact decimal literals in degrees and kilometres, in the published
order, ready to paste into astro/moon_position.cpp.

Usage: python3 tools/gen_lunar_tables.py
           tools/data/lunar-longitude-distance.tsv tools/data/lunar-latitude.tsv
"""
import sys
from decimal import Decimal


def rows(path):
    with open(path, encoding="ascii") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            yield [int(v) for v in line.split("\t")]


def literal(value, scale):
    text = format(Decimal(value).scaleb(-scale), "f")
    return text if "." in text else text + ".0"


def main(longitude_distance, latitude):
    print("// D, M, M', F; longitude (degrees); distance (km)")
    for d, m, mp, f, lon, dist in rows(longitude_distance):
        print(f"    {{{d}, {m}, {mp}, {f}, {literal(lon, 6)}, {literal(dist, 3)}}},")
    print("// D, M, M', F; latitude (degrees)")
    for d, m, mp, f, lat in rows(latitude):
        print(f"    {{{d}, {m}, {mp}, {f}, {literal(lat, 6)}}},")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
