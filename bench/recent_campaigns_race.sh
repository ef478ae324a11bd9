#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Races two processes that add a campaign each to the recent-campaigns list at once, 200
# times, with the settings file on the work disk, on a tmpfs and, when this machine lets
# root mount one, on an ext2 file system in a loop file; prints how many campaigns each
# file system lost.
#   bench/recent_campaigns_race.sh BUILD/tests/core/settings/test_core_settings
set -euo pipefail
test_program="$(realpath "$1")"
work="$(mktemp -d)"
mounted=""
cleanup() {
  [ -n "$mounted" ] && umount "$mounted"
  rm -rf "$work"
}
trap cleanup EXIT

race() {
  local where="$1" folder="$2" result
  result="$(TMPDIR="$folder" XDG_CONFIG_HOME="$folder" "$test_program" \
    --gtest_filter=RecentCampaigns.TwoEditorsAddingAtOnceLoseNeither | grep 'campaign lost in' || true)"
  echo "$where ($(df --output=fstype "$folder" | tail -1)): ${result:-the race did not run}"
}

race "work disk" "$work"
shm="$(mktemp -d /dev/shm/xal-race-XXXXXX)"
race "tmpfs" "$shm"
rm -rf "$shm"
mkdir "$work/ext2"
if truncate -s 64M "$work/ext2.img" && mkfs.ext2 -q "$work/ext2.img" &&
   mount -o loop "$work/ext2.img" "$work/ext2" 2>/dev/null; then
  mounted="$work/ext2"
  race "ext2" "$work/ext2"
else
  echo "ext2: this machine does not let a loop file be mounted here"
fi
