#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Choose the built-in table of 300 bright stars and write it as C++ source.

Seven rows of the table are fixed (first, southernmost, northernmost,
brightest, the one declination held to 13 decimals, faintest, last). This
script picks the other 293 rows from a list of named bright stars so that the
whole table keeps its stated make-up:

  * rows in strictly increasing right ascension at 4 decimals, the fixed rows
    at their row numbers (so a fixed count of stars between each two of them);
  * 260 rows of magnitude 3.5 or brighter, 27 from 3.6 to 3.9, 13 from 4.0
    to 5.6, the faint ones only in four small groups (Pleiades 2, Corona
    Borealis 4, Ursa Minor north of +75 deg 4, Lyra near 18.8 h 3);
  * spectral codes O 3, B 79, A 67, F 29, G 25, K 82, M 15;
  * 23 rows north of +60 deg, 19 south of -60 deg.

It is a small integer program solved with PuLP and CBC. A star whose class
sits on a boundary (B8-B9 may be coded A, G8-G9 giants may be coded K) may be
coded across it; the solver keeps such codings to the fewest possible and,
among equal choices, prefers brighter stars.

Input: the tab-separated star list (columns ra_j2000_h, dec_j2000_deg, vmag,
sptype, hd, bayer, name; one header line). Positions are rounded to 4
decimals (hours, degrees) and magnitudes to one decimal, halves away from
zero.

Run once, from the repository root, with Debian's python3-pulp and
coinor-cbc installed (the system interpreter, not a virtual environment):

    /usr/bin/python3 tools/select_stars.py /path/to/bright-stars.tsv [--out DIR]

It writes src/catalog/generated/star_table.cpp (or star_table.cpp in the
folder named by --out) and prints the stars it coded across a class boundary. Beside the numbers it writes each
row's names: the designation, the proper name from the list, and for the
best-known stars their usual Japanese name (KATAKANA below). The generated file is committed;
the build never runs this script.
"""

import argparse
import csv
import os
import sys
from decimal import ROUND_HALF_UP, Decimal

import pulp

CODE_OF_CLASS = {"O": 1, "B": 2, "A": 3, "F": 4, "G": 5, "K": 6, "M": 7}
CLASS_OF_CODE = {v: k for k, v in CODE_OF_CLASS.items()}

# Rows of each code in the whole table.
CODE_COUNTS = {1: 3, 2: 79, 3: 67, 4: 29, 5: 25, 6: 82, 7: 15}

# The fixed rows: row number, RA (h), Dec (deg), magnitude, code, and the
# designation of the listed star that each one is (so it is not picked twice).
FIXED_ROWS = [
    (1, "0.1399", "29.0889", "2.1", 3, "alp And"),
    (4, "0.4337", "-77.2519", "2.8", 5, "bet Hyi"),
    (27, "2.5315", "89.2639", "2.0", 4, "alp UMi"),
    (79, "6.7522", "-16.7241", "-1.5", 3, "alp CMa"),
    (225, "17.3668", "-25.0001333333333", "3.3", 2, "the Oph"),
    (254, "18.8954", "36.972", "5.6", 2, "del1Lyr"),
    (300, "23.6557", "77.633", "3.1", 6, "gam Cep"),
]

N_ROWS = 300
N_BRIGHT = 260  # 3.5 or brighter
N_MID = 27  # 3.6 to 3.9
N_FAINT = 13  # 4.0 to 5.6
N_NORTH = 23  # north of +60 deg
N_SOUTH = 19  # south of -60 deg

# The four groups of faint stars: name, test on (RA h, Dec deg), faint rows.
FAINT_GROUPS = [
    ("Pleiades", lambda ra, dc: abs(ra - 3.76) <= 0.1 and abs(dc - 24) <= 1, 2),
    ("Corona Borealis", lambda ra, dc: 15.5 <= ra <= 16.1 and 26 <= dc <= 32, 4),
    ("Ursa Minor", lambda ra, dc: 15.7 <= ra <= 17.6 and dc > 75, 4),
    ("Lyra", lambda ra, dc: abs(ra - 18.8) <= 0.15 and 36.95 <= dc <= 40, 3),
]

# G8-G9 stars of the list that are dwarfs, not giants: never coded K.
G_DWARFS_HD = {"10700"}  # tau Cet

# Usual Japanese names of the best-known stars, by proper name as listed.
KATAKANA = {
    "Sirius": "シリウス",
    "Canopus": "カノープス",
    "Rigel Kentaurus": "リギル・ケンタウルス",
    "Vega": "ベガ",
    "Capella": "カペラ",
    "Arcturus": "アルクトゥルス",
    "Rigel": "リゲル",
    "Procyon": "プロキオン",
    "Achernar": "アケルナル",
    "Betelgeuse": "ベテルギウス",
    "Hadar": "ハダル",
    "Altair": "アルタイル",
    "Aldebaran": "アルデバラン",
    "Spica": "スピカ",
    "Antares": "アンタレス",
    "Pollux": "ポルックス",
    "Fomalhaut": "フォーマルハウト",
    "Acrux": "アクルックス",
    "Mimosa": "ミモザ",
    "Deneb": "デネブ",
    "Regulus": "レグルス",
    "Adhara": "アダーラ",
    "Shaula": "シャウラ",
    "Bellatrix": "ベラトリックス",
    "Alnath": "エルナト",
    "Alnilam": "アルニラム",
    "Miaplacidus": "ミアプラキドゥス",
    "Gacrux": "ガクルックス",
    "Mirfak": "ミルファク",
    "Wezen": "ウェズン",
    "Dubhe": "ドゥーベ",
    "Alioth": "アリオト",
    "Kaus Australis": "カウス・アウストラリス",
    "Al Na'ir": "アルナイル",
    "Alnitak": "アルニタク",
    "Menkalinan": "メンカリナン",
    "Alkaid": "アルカイド",
    "Sargas": "サルガス",
    "Peacock": "ピーコック",
    "Hamal": "ハマル",
    "Polaris": "ポラリス",
    "Mirzam": "ミルザム",
    "Alhena": "アルヘナ",
    "Castor": "カストル",
    "Avior": "アヴィオール",
    "Alpheratz": "アルフェラッツ",
    "Diphda": "ディフダ",
    "Algol": "アルゴル",
    "Saiph": "サイフ",
    "Alphard": "アルファルド",
    "Denebola": "デネボラ",
    "Menkent": "メンケント",
    "Kocab": "コカブ",
    "Rasalhague": "ラス・アルハゲ",
    "Nunki": "ヌンキ",
    "Mirach": "ミラク",
    "Almach": "アルマク",
    "Mintaka": "ミンタカ",
    "Al Gieba": "アルギエバ",
    "Mizar": "ミザール",
    "Alphecca": "アルフェッカ",
    "Eltanin": "エルタニン",
    "Caph": "カフ",
    "Schedar": "シェダル",
    "Suhail": "スハイル",
    "Merak": "メラク",
    "Phecda": "フェクダ",
    "Megrez": "メグレズ",
    "Markab": "マルカブ",
    "Scheat": "シェアト",
    "Enif": "エニフ",
    "Sadr": "サドル",
    "Albireo": "アルビレオ",
    "Thuban": "トゥバン",
    "Alderamin": "アルデラミン",
    "Vindemiatrix": "ビンデミアトリックス",
    "Cor Caroli": "コル・カロリ",
    "Alcyone": "アルキオネ",
    "Ankaa": "アンカー",
    "Unukalhai": "ウヌカルハイ",
    "Algenib": "アルゲニブ",
    "Ruchbah": "ルクバー",
    "Aludra": "アルドラ",
}

FOUR = Decimal("0.0001")
ONE = Decimal("0.1")


def rounded(text, step):
    return Decimal(text).quantize(step, rounding=ROUND_HALF_UP)


def band(mag):
    if mag <= Decimal("3.5"):
        return "bright"
    if mag <= Decimal("3.9"):
        return "mid"
    return "faint"


def read_stars(path):
    stars = []
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            letter = row["sptype"][:1]
            if letter not in CODE_OF_CLASS:
                continue  # Wolf-Rayet and carbon stars have no code
            subclass = row["sptype"][1:2]
            codes = [CODE_OF_CLASS[letter]]
            if letter == "B" and subclass in ("8", "9"):
                codes.append(CODE_OF_CLASS["A"])
            if letter == "G" and subclass in ("8", "9") and row["hd"] not in G_DWARFS_HD:
                codes.append(CODE_OF_CLASS["K"])
            stars.append(
                {
                    "ra": rounded(row["ra_j2000_h"], FOUR),
                    "dc": rounded(row["dec_j2000_deg"], FOUR),
                    "mag": rounded(row["vmag"], ONE),
                    "sptype": row["sptype"],
                    "codes": codes,
                    "bayer": " ".join(row["bayer"].split()),
                    "raw_bayer": row["bayer"],
                    "name": row["name"].strip(),
                }
            )
    return stars


def designation(raw):
    """A designation with one space before the constellation: "gam2 And"."""
    text = " ".join(raw.split())
    if len(text) > 3 and text[-4] != " " and text[-3:-2].isupper():
        text = text[:-3] + " " + text[-3:]
    return text


def star_label(s):
    parts = [p for p in (s["bayer"], s["name"]) if p]
    return " ".join(parts)


def star_names(s):
    """Designation, proper name and Japanese name of a listed star."""
    return (designation(s["raw_bayer"]), s["name"], KATAKANA.get(s["name"], ""))


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def select(stars):
    fixed = [
        dict(row=r, ra=Decimal(ra), dc=Decimal(dc), mag=Decimal(m), code=c, bayer=b)
        for r, ra, dc, m, c, b in FIXED_ROWS
    ]
    fixed_names = {f["bayer"] for f in fixed}
    fixed_ra = {f["ra"] for f in fixed}
    by_bayer = {s["raw_bayer"]: s for s in stars}
    for f in fixed:
        listed = by_bayer[f["bayer"]]
        f["label"] = star_label(listed)
        f["names"] = star_names(listed)
        f["note"] = None
        if CODE_OF_CLASS[listed["sptype"][:1]] != f["code"]:
            f["note"] = f"{listed['sptype']} coded {CLASS_OF_CODE[f['code']]}"

    # Segment k lies strictly between fixed rows k and k+1 and must hold
    # exactly the rows between their row numbers.
    segments = []
    for a, b in zip(fixed, fixed[1:]):
        segments.append((a["ra"], b["ra"], b["row"] - a["row"] - 1))

    faint_max = max(f["mag"] for f in fixed)  # the fixed faintest stays faintest
    mag_min = min(f["mag"] for f in fixed)  # the fixed brightest stays brightest
    dc_min = min(f["dc"] for f in fixed)
    dc_max = max(f["dc"] for f in fixed)

    cands = []
    for s in stars:
        if s["raw_bayer"] in fixed_names or s["ra"] in fixed_ra:
            continue
        if not (mag_min < s["mag"] < faint_max):
            continue
        if not (dc_min < s["dc"] < dc_max):
            continue
        if abs(s["dc"]) == 60:
            continue  # neither north nor south of 60 deg: keep the counts clear
        seg = [k for k, (lo, hi, _) in enumerate(segments) if lo < s["ra"] < hi]
        if not seg:
            continue
        s["seg"] = seg[0]
        s["band"] = band(s["mag"])
        ra_f, dc_f = float(s["ra"]), float(s["dc"])
        s["group"] = None
        if s["band"] == "faint":
            groups = [g for g, (_, inside, _) in enumerate(FAINT_GROUPS) if inside(ra_f, dc_f)]
            if not groups:
                continue
            s["group"] = groups[0]
        cands.append(s)

    prob = pulp.LpProblem("bright_stars", pulp.LpMinimize)
    x = {}
    for i, s in enumerate(cands):
        for c in s["codes"]:
            x[i, c] = pulp.LpVariable(f"x_{i}_{c}", cat="Binary")
    chosen = {i: pulp.lpSum(x[i, c] for c in s["codes"]) for i, s in enumerate(cands)}
    crossed = pulp.lpSum(x[i, c] for i, s in enumerate(cands) for c in s["codes"][1:])
    # Fewest boundary codings first, then the brightest stars.
    prob += 1000 * crossed + pulp.lpSum(float(s["mag"]) * chosen[i] for i, s in enumerate(cands))

    for i in chosen:
        prob += chosen[i] <= 1
    # Distinct right ascensions at 4 decimals.
    by_ra = {}
    for i, s in enumerate(cands):
        by_ra.setdefault(s["ra"], []).append(i)
    for idx in by_ra.values():
        if len(idx) > 1:
            prob += pulp.lpSum(chosen[i] for i in idx) <= 1

    def count(pred):
        return pulp.lpSum(chosen[i] for i, s in enumerate(cands) if pred(s))

    def fixed_count(pred):
        return sum(1 for f in fixed if pred(f))

    for k, (_, _, n) in enumerate(segments):
        prob += count(lambda s, k=k: s["seg"] == k) == n
    for name, n in (("bright", N_BRIGHT), ("mid", N_MID), ("faint", N_FAINT)):
        prob += count(lambda s, b=name: s["band"] == b) == n - fixed_count(
            lambda f, b=name: band(f["mag"]) == b
        )
    for g, (_, inside, n) in enumerate(FAINT_GROUPS):
        n_fixed = fixed_count(
            lambda f, inside=inside: band(f["mag"]) == "faint"
            and inside(float(f["ra"]), float(f["dc"]))
        )
        prob += count(lambda s, g=g: s["group"] == g) == n - n_fixed
    for c, n in CODE_COUNTS.items():
        coded = pulp.lpSum(x[i, c] for i, s in enumerate(cands) if c in s["codes"])
        prob += coded == n - fixed_count(lambda f, c=c: f["code"] == c)
    prob += count(lambda s: s["dc"] > 60) == N_NORTH - fixed_count(lambda f: f["dc"] > 60)
    prob += count(lambda s: s["dc"] < -60) == N_SOUTH - fixed_count(lambda f: f["dc"] < -60)

    status = prob.solve(pulp.COIN_CMD(msg=False))  # the system cbc
    if pulp.LpStatus[status] != "Optimal":
        sys.exit(f"no selection meets the counts: {pulp.LpStatus[status]}")

    rows = []
    for f in fixed:
        rows.append(dict(ra=f["ra"], dc=f["dc"], mag=f["mag"], code=f["code"], label=f["label"],
                         note=f["note"], names=f["names"]))
    for i, s in enumerate(cands):
        for c in s["codes"]:
            if x[i, c].value() > 0.5:
                note = None
                if c != s["codes"][0]:
                    note = f"{s['sptype']} coded {CLASS_OF_CODE[c]}"
                rows.append(dict(ra=s["ra"], dc=s["dc"], mag=s["mag"], code=c,
                                 label=star_label(s), note=note, names=star_names(s)))
    rows.sort(key=lambda r: r["ra"])
    return rows


def number(d):
    """A decimal as written in the table: no trailing zeros, at least one decimal."""
    text = format(d.normalize(), "f")
    if "." not in text:
        text += ".0"
    if text.startswith("-") and Decimal(text) == 0:
        text = text[1:]
    return text


def write_cpp(rows, path):
    lines = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "// The built-in table of 300 bright stars, J2000.0.",
        "//",
        "// Generated by tools/select_stars.py; edit the generator, not this file.",
        "// Columns: right ascension (hours), declination (degrees), visual magnitude,",
        "// spectral code 1..7 (O B A F G K M). Rows in increasing right ascension.",
        '#include "catalog/star_table.hpp"',
        "",
        "namespace hz {",
        "",
        "// clang-format off",
        "const std::array<StarRow, star_count> star_table = {{",
    ]
    for n, r in enumerate(rows, start=1):
        body = f"    {{{number(r['ra'])}, {number(r['dc'])}, {number(r['mag'])}, {r['code']}}},"
        comment = f"// {n:3d} {r['label']}"
        if r["note"]:
            comment += f" ({r['note']})"
        lines.append(f"{body:<42}{comment}")
    lines += [
        "}};",
        "",
        "// Row by row: designation, proper name, usual Japanese name (empty when none).",
        "const std::array<StarName, star_count> star_names = {{",
    ]
    for n, r in enumerate(rows, start=1):
        body = "    {" + ", ".join(c_string(t) for t in r["names"]) + "},"
        lines.append(f"{body}  // {n:3d}")
    lines += ["}};", "// clang-format on", "", "}  // namespace hz", ""]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.join(here, "..", "src", "catalog", "generated")
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("tsv", help="tab-separated list of bright stars")
    ap.add_argument("--out", default=default_out, help="folder to write star_table.cpp into")
    args = ap.parse_args()

    rows = select(read_stars(args.tsv))
    assert len(rows) == N_ROWS
    os.makedirs(args.out, exist_ok=True)
    write_cpp(rows, os.path.join(args.out, "star_table.cpp"))
    for n, r in enumerate(rows, start=1):
        if r["note"]:
            print(f"row {n}: {r['label']}: {r['note']}")


if __name__ == "__main__":
    main()
