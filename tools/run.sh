#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the planetarium and opens its window.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/tools/install-deps.sh" run
sh "$top/tools/build.sh" -DHOSHIZORA_BUILD_TESTS=OFF -DHOSHIZORA_BUILD_BENCH=OFF -DHOSHIZORA_WERROR=OFF
exec "$top/build/src/window/hoshizora" "$@"
