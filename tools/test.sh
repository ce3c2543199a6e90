#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks that the generated tables are what their
# generators write (tools/check-generated.sh, offline) and the formatting,
# then builds with warnings as errors and runs the whole test suite headless
# twice: the release build (build/) and the build with AddressSanitizer, leak
# detection on, and UndefinedBehaviorSanitizer (build-asan/). Between the
# two, builds the web edition with Debian's Emscripten and tests the page in
# headless Chromium against the release build's frames (tools/web.sh). Last, links
# every library's objects with link-time optimisation, where GCC's -Werror=odr
# fails on two different definitions of one name (build-odr/). Fails if any
# step fails.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
sh tools/install-deps.sh test
sh tools/check-generated.sh
sh tools/check-format.sh

sh tools/build.sh -DHOSHIZORA_BUILD_TESTS=ON -DHOSHIZORA_BUILD_BENCH=ON -DHOSHIZORA_WERROR=ON
ctest --preset release -j "$(nproc)"
sh tools/web.sh test

cmake --preset asan -DHOSHIZORA_BUILD_TESTS=ON -DHOSHIZORA_BUILD_BENCH=OFF -DHOSHIZORA_WERROR=ON
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"

cmake --preset odr
cmake --build --preset odr -j "$(nproc)"
