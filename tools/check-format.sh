#!/bin/sh
# Fails when a C++ source is not in the project's .clang-format style.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
find src tests bench tools fuzz -name '*.cpp' -o -name '*.hpp' | sort | xargs clang-format --dry-run --Werror
