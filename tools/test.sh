#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite headless.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/tools/build.sh"
cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
