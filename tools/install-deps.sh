#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that hoshizora needs, when any is missing:
#   install-deps.sh run    to build and run the planetarium
#   install-deps.sh test   to build and run the tests and benchmarks as well
#   install-deps.sh fuzz   to build and run the fuzz targets (tools/fuzz.sh)
#   install-deps.sh web    to build the web edition (tools/web.sh)
#   install-deps.sh web-test   to build it and test it in a browser
# Needs root or sudo only when something is missing; otherwise it only looks.
set -eu

packages="g++ cmake ninja-build qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic"
case "${1:-test}" in
  run) ;;
  test) packages="$packages locales libxml2-utils poppler-utils libgtest-dev libgmock-dev libbenchmark-dev clang-format clang libfuzzer-14-dev desktop-file-utils appstream lintian man-db dpkg-dev file python3" ;;
  fuzz) packages="$packages clang libfuzzer-14-dev libclang-rt-14-dev" ;;
  # The compiler and the JavaScript parser its optimiser needs; for the tests
  # a browser and npm. A node from elsewhere (nodesource) brings its own npm,
  # which Debian's npm would clash with: npm is asked for only when there is
  # no npm command at all.
  web | web-test)
    packages="emscripten node-acorn cmake ninja-build python3"
    if [ "$1" = web-test ]; then
      packages="$packages chromium"
      command -v npm >/dev/null 2>&1 || packages="$packages npm"
    fi
    ;;
  *) echo "usage: install-deps.sh run|test|fuzz|web|web-test" >&2; exit 2 ;;
esac

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "These packages are missing and neither root nor sudo is available:$missing" >&2
  exit 1
fi
$as_root apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends $missing
