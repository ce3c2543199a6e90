#!/bin/sh
# Installs what is missing, builds, and opens the planetarium window.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/tools/build.sh"
exec "$top/build/src/window/hoshizora" "$@"
