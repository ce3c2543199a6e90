#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the accuracy and fixture scripts: installs Debian's swetest (the
# outside reference) when it is missing. apt's chatter goes to standard error,
# so that a script printing a table keeps standard output for the table.
if ! command -v swetest >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
  $as_root apt-get update >&2
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends swetest >&2
fi
