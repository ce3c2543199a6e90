#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source is not in the project's .clang-format style, or when
# a source file does not open with the licence's SPDX line.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
find src tests bench tools fuzz -name '*.cpp' -o -name '*.hpp' | sort | xargs clang-format --dry-run --Werror

# The SPDX line sits on the first line, or the second after a #! line.
missing=$(git ls-files -- '*.cpp' '*.hpp' '*.h' '*.cmake' '*.py' '*.sh' '*CMakeLists.txt' .ci/run 'man/*.1' |
  while read -r f; do
    head -n 2 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
  done)
if [ -n "$missing" ]; then
  echo "These files lack the line SPDX-License-Identifier: GPL-3.0-or-later:" >&2
  printf '  %s\n' $missing >&2
  exit 1
fi
