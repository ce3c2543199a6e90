#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program as a desktop sees it: an install into a scratch
# DESTDIR holds exactly the expected files, the desktop entry and AppStream
# metadata validate, both manual pages render, and lintian finds no error in
# the Debian package.
#   check_install.sh BUILD_DIR EXPECTED_FILES
set -eu
build=$1
expected=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail=0
check() {  # check NAME COMMAND...: runs it, reports a failure and goes on
  name=$1
  shift
  if "$@" >"$scratch/out" 2>&1; then
    echo "ok: $name"
  else
    echo "FAILED: $name"
    cat "$scratch/out"
    fail=1
  fi
}

root="$scratch/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr/local >/dev/null
(cd "$root" && find . -type f | sort) >"$scratch/files"
check "installed files are exactly the expected ones" diff -u "$expected" "$scratch/files"

share="$root/usr/local/share"
check "desktop-file-validate" desktop-file-validate "$share/applications/jp.hoshizora.Hoshizora.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$share/metainfo/jp.hoshizora.Hoshizora.metainfo.xml"
for page in hoshizora hoshizora-render; do
  check "man -l $page" sh -c "MANWIDTH=80 man -l '$share/man/man1/$page.1.gz' | grep -q '^NAME'"
done

(cd "$build" && cpack -G DEB -B "$scratch/deb" >"$scratch/cpack.log" 2>&1) || {
  cat "$scratch/cpack.log"
  exit 1
}
deb=$(ls "$scratch"/deb/hoshizora_*.deb)
# lintian exits non-zero on errors; its warnings are printed for the record.
check "lintian finds no error in $(basename "$deb")" lintian --fail-on error "$deb"
grep -E '^[WE]:' "$scratch/out" || true
exit $fail
