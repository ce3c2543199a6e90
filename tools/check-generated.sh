#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each table generator that can run here without the network, twice,
# into a temporary folder, and fails when the two runs differ or when a
# result differs from the committed file under a generated/ folder:
#
#   tools/make_places.py          always: data/places.tsv and python3 are all
#                                 it needs;
#   tools/make_constellations.py  when npm's cache holds the d3-celestial
#                                 tarball the generator pins (npm pack
#                                 --offline); skipped, saying why, otherwise;
#   tools/select_stars.py         when HOSHIZORA_BRIGHT_STARS names the bright
#                                 star list it reads (the list is not in the
#                                 repository) and python3-pulp and coinor-cbc
#                                 are installed; skipped, saying why, otherwise.
#
# Run by tools/test.sh; by hand, from anywhere:
#
#   sh tools/check-generated.sh
#   HOSHIZORA_BRIGHT_STARS=/path/to/bright-stars.tsv sh tools/check-generated.sh
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
python=/usr/bin/python3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

say() { echo "check-generated: $*"; }
complain() { echo "check-generated: $*" >&2; }

# run NAME COMMAND...: runs a generator with its output in $tmp/NAME.log;
# fails the check, showing the output, when the generator fails.
run() {
  name=$1
  shift
  if "$@" >"$tmp/$name.log" 2>&1; then
    return 0
  fi
  complain "FAILED: $* exited with an error:"
  sed 's/^/  /' "$tmp/$name.log" >&2
  failed=1
  return 1
}

# compare FIRST SECOND COMMITTED REGENERATE FILE...: each FILE as written by
# two runs (in FIRST and SECOND) against the other and the committed one.
compare() {
  first=$1 second=$2 committed=$3 regenerate=$4
  shift 4
  for f in "$@"; do
    if ! cmp -s "$first/$f" "$second/$f"; then
      complain "FAILED: two runs of the generator wrote different $committed/$f:"
      diff -u "$first/$f" "$second/$f" 2>&1 | head -n 40 | sed 's/^/  /' >&2 || true
      failed=1
    elif ! cmp -s "$committed/$f" "$first/$f"; then
      complain "FAILED: $committed/$f is not what its generator writes (- committed, + generated):"
      diff -u "$committed/$f" "$first/$f" 2>&1 | head -n 40 | sed 's/^/  /' >&2 || true
      complain "  regenerate it, from the repository root, with: $regenerate"
      failed=1
    else
      say "ok: $committed/$f"
    fi
  done
}

# The 観測地 table.
cmd="$python tools/make_places.py"
if run places-1 "$python" tools/make_places.py --out "$tmp/places-1" &&
  run places-2 "$python" tools/make_places.py --out "$tmp/places-2"; then
  compare "$tmp/places-1" "$tmp/places-2" src/places/generated "$cmd" place_table.cpp
fi

# The constellation tables, from the npm package if npm's cache has it.
package=$(sed -n 's/^PACKAGE = "\(.*\)"$/\1/p' tools/make_constellations.py)
version=$(sed -n 's/^VERSION = "\(.*\)"$/\1/p' tools/make_constellations.py)
cmd="$python tools/make_constellations.py"
mkdir "$tmp/npm"
if ! command -v npm >/dev/null 2>&1; then
  say "skipped: tools/make_constellations.py: npm is not installed, and it reads the npm package $package $version"
elif ! npm pack --offline --silent "$package@$version" --pack-destination "$tmp/npm" \
  >"$tmp/npm.log" 2>&1; then
  say "skipped: tools/make_constellations.py: npm's cache has no $package $version, and this check never uses the network (running the generator once, or npm cache add $package@$version, puts it there)"
else
  tarball="$tmp/npm/$package-$version.tgz"
  if run constellations-1 "$python" tools/make_constellations.py --tarball "$tarball" \
    --out "$tmp/constellations-1" &&
    run constellations-2 "$python" tools/make_constellations.py --tarball "$tarball" \
      --out "$tmp/constellations-2"; then
    compare "$tmp/constellations-1" "$tmp/constellations-2" src/constellation/generated "$cmd" \
      table_sizes.hpp extended_stars.cpp constellations.cpp boundary_table.cpp
  fi
  cmd="$python tools/make_milky_way.py"
  if run milky-way-1 "$python" tools/make_milky_way.py --tarball "$tarball" --out "$tmp/milky-way-1" &&
    run milky-way-2 "$python" tools/make_milky_way.py --tarball "$tarball" --out "$tmp/milky-way-2"; then
    compare "$tmp/milky-way-1" "$tmp/milky-way-2" src/constellation/generated "$cmd" \
      milky_way_sizes.hpp milky_way.cpp
  fi
fi

# The built-in 300 stars, from a star list that the repository does not hold.
stars=${HOSHIZORA_BRIGHT_STARS:-}
if [ -z "$stars" ]; then
  say "skipped: tools/select_stars.py: its input, the bright star list, is not in the repository (set HOSHIZORA_BRIGHT_STARS to its path to check src/catalog/generated/star_table.cpp)"
elif [ ! -r "$stars" ]; then
  complain "FAILED: HOSHIZORA_BRIGHT_STARS names $stars, which cannot be read"
  failed=1
elif ! "$python" -c 'import pulp' >/dev/null 2>&1 || ! command -v cbc >/dev/null 2>&1; then
  say "skipped: tools/select_stars.py: it needs Debian's python3-pulp and coinor-cbc, not both installed"
elif run stars-1 "$python" tools/select_stars.py "$stars" --out "$tmp/stars-1" &&
  run stars-2 "$python" tools/select_stars.py "$stars" --out "$tmp/stars-2"; then
  compare "$tmp/stars-1" "$tmp/stars-2" src/catalog/generated "$python tools/select_stars.py $stars" \
    star_table.cpp
fi

if [ "$failed" -ne 0 ]; then
  complain "the generated tables differ from what their generators write: see above"
  exit 1
fi
