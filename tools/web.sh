#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The web edition:
#   web.sh [build]   installs what is missing, builds hoshizora.js with
#                    Debian's Emscripten (the web preset, in build-web/) and
#                    puts the site together in build-web/site/
#   web.sh serve     builds, then serves the site on http://localhost:$PORT/
#                    (8000 unless PORT says otherwise)
#   web.sh test      builds, then runs the page's tests (tests/web)
#   web.sh bench     builds, then prints the page's timings (tests/web)
# Needs root or sudo only when a package is missing.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
action=${1:-build}
case "$action" in
  build | serve | test | bench) ;;
  *) echo "usage: web.sh [build|serve|test|bench]" >&2; exit 2 ;;
esac

case "$action" in
  test | bench) sh tools/install-deps.sh web-test ;;
  *) sh tools/install-deps.sh web ;;
esac

# Emscripten's optimiser runs under node and needs Debian's acorn, which a
# node not from Debian does not look for.
NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export NODE_PATH

cmake --preset web
cmake --build --preset web -j "$(nproc)"

# The site: the page, the module (the WebAssembly inside it, so that the page
# also works opened as a file) and the licences of what went into it.
site=build-web/site
rm -rf "$site"
mkdir -p "$site"
if [ -d web ]; then
  cp -R web/. "$site/"
else
  echo "web.sh: no web/ folder yet: the site holds the module only" >&2
fi
cp build-web/src/web/hoshizora.js "$site/"
cp LICENSE "$site/LICENSE.txt"
# hoshizora.js carries Emscripten's runtime and its C and C++ libraries
# (musl, libc++, libc++abi); Debian gathers all their licences here.
cp /usr/share/doc/emscripten/copyright "$site/LICENSE-emscripten.txt"
echo "Site: $top/$site"

case "$action" in
  serve)
    port=${PORT:-8000}
    echo "Serving http://localhost:$port/ (Ctrl+C stops)"
    cd "$site"
    exec python3 -m http.server --bind 127.0.0.1 "$port"
    ;;
  test | bench)
    if [ ! -f tests/web/package.json ]; then
      echo "web.sh: no tests/web/package.json: nothing to $action" >&2
      exit 1
    fi
    # The tests' own packages (the browser driver), as locked.
    (cd tests/web && npm ci)
    if [ "$action" = test ]; then
      exec node --test tests/web/
    fi
    exec node tests/web/bench.mjs
    ;;
esac
