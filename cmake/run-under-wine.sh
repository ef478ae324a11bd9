#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine for test discovery and CTest. Now and then Wine's own
# loader fails as a process ends (glibc 2.36 asserts in _dl_fini, "Inconsistency detected
# by ld.so", exit status 127) after the program has done its work, losing its exit status;
# such a run is made again, at most three times in all, and only the last run's output is
# passed on. Any other outcome is the program's own.
output="$(mktemp)" && errors="$(mktemp)" || exit 1
trap 'rm -f "$output" "$errors"' EXIT
for attempt in 1 2 3; do
  wine "$@" >"$output" 2>"$errors"
  status=$?
  if [ "$status" -ne 127 ] || ! grep -q "^Inconsistency detected by ld.so" "$errors" ||
     [ "$attempt" -eq 3 ]; then
    cat "$output"
    cat "$errors" >&2
    exit "$status"
  fi
  echo "Wine's loader failed as the program ended; running it again." >&2
done
