#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds hoshizora (the release preset, in build/ beside the
# sources). Installs nothing: run.sh and test.sh see to the packages first.
# Extra arguments go to the configure step, e.g. -DHOSHIZORA_BUILD_TESTS=OFF.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake --preset release "$@"
cmake --build --preset release -j "$(nproc)"
