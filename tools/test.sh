#!/bin/sh
# Installs what is missing, checks the formatting, builds with warnings as
# errors and runs the whole test suite headless.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/tools/install-deps.sh" test
sh "$top/tools/check-format.sh"
sh "$top/tools/build.sh" -DHOSHIZORA_BUILD_TESTS=ON -DHOSHIZORA_BUILD_BENCH=ON -DHOSHIZORA_WERROR=ON
cd "$top"
ctest --preset release -j "$(nproc)"
