#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write the Milky Way's outline as C++ source.

Source: data/mw.json of the npm package d3-celestial 0.7.35 by Olaf Frohn
(BSD-3-Clause), the same pinned package as the constellations, fetched with
`npm pack` (or given with --tarball) and checked against the registry's
sha512 integrity before anything is read. Its five features ol1..ol5 are the
brightness levels, faintest first; each is one polygon whose rings are
outlines and holes alike (J2000, longitude = right ascension in degrees).

The rings are simplified (Douglas-Peucker on the sphere, SIMPLIFY_DEG), so
the table stays small for the web edition and a frame projects a few
thousand points. The faintest level's two rings that run right round the sky
(the band's northern and southern edges) are cut into pieces SECTOR_DEG of
galactic longitude wide, so every ring of the table encloses less than a
hemisphere and its inside is the smaller side: a frame fills the rings of a
level by the even-odd rule.

It writes src/constellation/generated/milky_way.cpp and milky_way_sizes.hpp
(or into --out). Run
from the repository root, then commit the output:

    /usr/bin/python3 tools/make_milky_way.py [--tarball FILE] [--out DIR]

Running it twice gives byte-identical files.
"""

import argparse
import json
import math
import os
import sys
import tarfile
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_constellations import SOURCE_NOTE, check_integrity, fetch_tarball  # noqa: E402

PI = 3.14159265358979
RD = PI / 180

SIMPLIFY_DEG = 0.2  # largest distance of a dropped point from the simplified ring
SECTOR_DEG = 30  # galactic longitude of a piece of the band
MIN_POINTS = 4  # a simplified ring with fewer points (closing one included) is dropped

# Equatorial J2000 to galactic (l, b): the rows of the rotation (Hipparcos,
# ESA 1997, vol. 1, sect. 1.5.3).
GAL = [
    [-0.0548755604162154, -0.8734370902348850, -0.4838350155487132],
    [+0.4941094278755837, -0.4448296299600112, +0.7469822444972189],
    [-0.8676661490190047, -0.1980763734312015, +0.4559837761750669],
]


def fail(msg):
    sys.exit(f"make_milky_way: {msg}")


def unit(lon, lat):
    a, d = lon * RD, lat * RD
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def polar(v):
    x, y, z = v
    lon = math.atan2(y, x) / RD
    return (lon + 360 if lon < 0 else lon, math.asin(max(-1.0, min(1.0, z))) / RD)


def apply(m, v):
    return tuple(sum(m[i][j] * v[j] for j in range(3)) for i in range(3))


def transpose(m):
    return [[m[j][i] for j in range(3)] for i in range(3)]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def off_arc(p, a, b):
    """Angle of p from the great circle through a and b, degrees."""
    n = cross(a, b)
    s = math.sqrt(dot(n, n))
    if s == 0:
        return math.acos(max(-1.0, min(1.0, dot(p, a)))) / RD
    return abs(math.asin(max(-1.0, min(1.0, dot(p, n) / s)))) / RD


def simplify(vs):
    """Douglas-Peucker on unit vectors; the first and last are kept."""
    keep = [False] * len(vs)
    keep[0] = keep[-1] = True
    stack = [(0, len(vs) - 1)]
    while stack:
        i, j = stack.pop()
        worst, at = -1.0, -1
        for k in range(i + 1, j):
            d = off_arc(vs[k], vs[i], vs[j])
            if d > worst:
                worst, at = d, k
        if at >= 0 and worst > SIMPLIFY_DEG:
            keep[at] = True
            stack += [(i, at), (at, j)]
    return [v for v, k in zip(vs, keep) if k]


def galactic(v):
    return polar(apply(GAL, v))


def from_galactic(l, b):
    return apply(transpose(GAL), unit(l, b))


def unwrap(ring_lb):
    out = [ring_lb[0]]
    for l, b in ring_lb[1:]:
        prev = out[-1][0]
        l += 360 * round((prev - l) / 360)
        out.append((l, b))
    return out


def winding(ring):
    u = unwrap([galactic(unit(*p)) for p in ring])
    return u[-1][0] - u[0][0]


def cut_at(ring_lb, L):
    """The closed ring unwrapped, starting and ending where it crosses
    longitude L (mod 360) once; nothing when it crosses it other than once."""
    pts = ring_lb[:-1]
    n = len(pts)
    hits = []
    for k in range(n):
        (l0, b0), (l1, b1) = pts[k], pts[(k + 1) % n]
        d = (l1 - l0 + 180) % 360 - 180
        a = (L - l0 + 180) % 360 - 180  # L relative to l0
        if d != 0 and 0 < a / d <= 1:
            hits.append((k, a / d))
    if len(hits) != 1:
        return None
    k, t = hits[0]
    (l0, b0), (l1, b1) = pts[k], pts[(k + 1) % n]
    start = (L, b0 + (b1 - b0) * t)
    seq = [start] + [pts[(k + 1 + i) % n] for i in range(n)]
    u = unwrap(seq)
    end_l = u[0][0] + 360 * round((u[-1][0] - u[0][0]) / 360)
    u.append((end_l, start[1]))
    return u


def clip_strip(poly, lo, hi):
    """Sutherland-Hodgman against lo <= l <= hi."""

    def clip(poly, inside, cross_at):
        out = []
        for i in range(len(poly)):
            cur, prev = poly[i], poly[i - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(cross_at(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(cross_at(prev, cur))
        return out

    def at_l(x):
        def f(p, q):
            t = (x - p[0]) / (q[0] - p[0])
            return (x, p[1] + (q[1] - p[1]) * t)

        return f

    poly = clip(poly, lambda p: p[0] >= lo, at_l(lo))
    if poly:
        poly = clip(poly, lambda p: p[0] <= hi, at_l(hi))
    return poly


def band_pieces(north, south):
    """The band between two rings that run right round the sky, in pieces."""
    north_lb = [galactic(unit(*p)) for p in north]
    south_lb = [galactic(unit(*p)) for p in south]
    for L in range(0, 360):
        a, b = cut_at(north_lb, L), cut_at(south_lb, L)
        if a is None or b is None:
            continue
        # Both from L to L - 360 (or L + 360): run them the same way.
        if (a[-1][0] - a[0][0]) * (b[-1][0] - b[0][0]) < 0:
            b = b[::-1]
        poly = a + b[::-1]
        lo = min(a[0][0], a[-1][0])
        pieces = []
        for s in range(360 // SECTOR_DEG):
            left = lo + s * SECTOR_DEG if s > 0 else -1e9
            right = lo + (s + 1) * SECTOR_DEG if s < 360 // SECTOR_DEG - 1 else 1e9
            piece = clip_strip(poly, left, right)
            if len(piece) >= 3:
                pieces.append([polar(from_galactic(l, bb)) for l, bb in piece])
        return pieces
    fail("found no galactic longitude that each edge of the band crosses once")


def rings_of_level(feature):
    rings = [r for poly in feature["geometry"]["coordinates"] for r in poly]
    round_sky = [r for r in rings if abs(winding(r)) > 180]
    local = [r for r in rings if abs(winding(r)) <= 180]
    out = []
    if round_sky:
        if len(round_sky) != 2:
            fail(f"{feature['id']}: {len(round_sky)} rings run right round the sky, not 2")
        a, b = round_sky
        north, south = (a, b) if max(p[1] for p in map(lambda q: galactic(unit(*q)), a)) > max(
            p[1] for p in map(lambda q: galactic(unit(*q)), b)
        ) else (b, a)
        north = [polar(v) for v in simplify([unit(*p) for p in north])]
        south = [polar(v) for v in simplify([unit(*p) for p in south])]
        out += band_pieces(north, south)
    for r in local:
        s = simplify([unit(*p) for p in r])
        if len(s) >= MIN_POINTS:
            out.append([polar(v) for v in s[:-1]])  # the closing point is implied
    return out


def fmt(x):
    s = f"{x:.2f}"
    return "0.00" if s == "-0.00" else s


def write(path, levels):
    rings, points = [], []
    for level, rs in enumerate(levels, start=1):
        for r in rs:
            rings.append((level, len(points), len(r)))
            points += r
    lines = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "// The Milky Way's outline in five brightness levels, J2000.",
        "//",
        "// Generated by tools/make_milky_way.py from " + SOURCE_NOTE + ";",
        "// edit the generator, not this file.",
        '#include "constellation/milky_way.hpp"',
        "",
        "namespace hz {",
        "",
        "// clang-format off",
        f"const std::array<MilkyWayRing, milky_way_ring_count> milky_way_rings = {{{{",
    ]
    lines += [f"    {{{lv}, {first}, {n}}}," for lv, first, n in rings]
    lines += ["}};", "", f"const std::array<SkyPlace, milky_way_point_count> milky_way_points = {{{{"]
    row = []
    for ra, dec in points:
        row.append(f"{{{fmt(ra)}, {fmt(dec)}}},")
        if len(row) == 5:
            lines.append("    " + " ".join(row))
            row = []
    if row:
        lines.append("    " + " ".join(row))
    lines += ["}};", "// clang-format on", "", "}  // namespace hz", ""]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))
    return len(rings), len(points)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--tarball")
    ap.add_argument("--out", default="src/constellation/generated")
    args = ap.parse_args()
    with tempfile.TemporaryDirectory() as work:
        path = args.tarball or fetch_tarball(work)
        with open(path, "rb") as f:
            check_integrity(f.read())
        with tarfile.open(path, "r:gz") as tar:
            mw = json.load(tar.extractfile("package/data/mw.json"))
    features = {f["id"]: f for f in mw["features"]}
    levels = [rings_of_level(features[f"ol{k}"]) for k in range(1, 6)]
    os.makedirs(args.out, exist_ok=True)
    n_rings, n_points = write(os.path.join(args.out, "milky_way.cpp"), levels)
    sizes = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "// The sizes of the Milky Way's tables (milky_way.cpp).",
        "//",
        "// Generated by tools/make_milky_way.py; edit the generator, not this file.",
        "#pragma once",
        "",
        "#include <cstddef>",
        "",
        "namespace hz {",
        "",
        f"constexpr std::size_t milky_way_ring_count = {n_rings};",
        f"constexpr std::size_t milky_way_point_count = {n_points};",
        "",
        "}  // namespace hz",
        "",
    ]
    with open(os.path.join(args.out, "milky_way_sizes.hpp"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(sizes))
    print(f"make_milky_way: {n_rings} rings, {n_points} points")


if __name__ == "__main__":
    main()
