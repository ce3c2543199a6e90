#!/bin/sh
# Configures and builds hoshizora (Release) in build/ beside the sources.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/tools/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$top/build" -j "$(nproc)"
