#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one fuzzer of a fuzz build for a number of seconds, starting from a corpus seeded
# with the project's examples. Corpus, log and findings (crash-*, leak-*, timeout-*) go to
# BUILD/HARNESS/; a finding fails with the tail of the log and the findings' names.
#   fuzz/run-fuzzer.sh BUILD HARNESS SECONDS [more libFuzzer options]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1" harness="$2" seconds="$3"
shift 3
dir="$build/$harness"
mkdir -p "$dir/corpus"

seed() { cp "$1" "$dir/corpus/seed-$(basename "$1")"; }
settings_seed() {
  printf '%s\n' 'WINE REGISTRY Version 2' ';; All keys relative to REGISTRY\\Machine' '' \
    '#arch=win32' '' '[Software\\XaL Campaign Editor]' '"XaL Path"="C:\\Games\\Legion\\"' \
    '"Prestige Increment"=dword:000003e8' '"Note"=str(2):"%TEMP%\x00e9\t"' \
    '"Raw"=hex:00,ff,\' '  10' '"List"=hex(7):41,00,00,00,00,00' \
    '[Software\\XaL Campaign Editor\\Recent Campaigns]' '@="Demo.cam"' \
    >"$dir/corpus/seed-settings.reg"
}
dict=()
case "$harness" in
  campaign_fuzzer) seed "$root/examples/game/scenario/Demo.cam"; max_len=40000 ;;
  reg_file_fuzzer) seed "$root/tests/fixtures/wine-prefix/system.reg"; settings_seed; max_len=8192 ;;
  wine_registry_fuzzer) seed "$root/tests/fixtures/wine-prefix/system.reg"; max_len=8192
    # the game's key also where a 32-bit prefix keeps it
    sed 's/Wow6432Node\\\\//' "$root/tests/fixtures/wine-prefix/system.reg" \
      >"$dir/corpus/seed-system-win32.reg" ;;
  campaign_tools_fuzzer) seed "$root/examples/game/scenario/Demo.cam"
    seed "$root/examples/game/GUI97.txt"; max_len=40000 ;;
  campaign_json_fuzzer) seed "$root/examples/demo_campaign.json"; max_len=8192
    dict=(-dict="$root/fuzz/campaign_json.dict") ;;
  *) echo "unknown fuzzer: $harness" >&2; exit 2 ;;
esac

log="$dir/fuzz.log"
started="$dir/.started"
: >"$started"
status=0
"$build/fuzz/$harness" -artifact_prefix="$dir/" -max_total_time="$seconds" \
  -max_len="$max_len" "${dict[@]}" "$@" "$dir/corpus" 2>"$log" || status=$?
# With -fork and -ignore_crashes libFuzzer goes on past findings and ends well.
findings="$(find "$dir" -maxdepth 1 -newer "$started" \( -name 'crash-*' -o -name 'leak-*' \
  -o -name 'timeout-*' -o -name 'oom-*' \) | sort)"
if [ "$status" -ne 0 ] || [ -n "$findings" ]; then
  tail -40 "$log"
  echo "Fuzzing $harness: finding in $dir/ (log $log):" ${findings:-}
  exit 1
fi
echo "Fuzzing $harness: $(grep -o 'cov: [0-9]*' "$log" | tail -1), no finding in ${seconds} s."
