#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Kills the real editor with SIGKILL after edits, in Xvfb, and checks what the next start
# restores. Usage: recovery_after_kill.sh EDITOR GAME_FOLDER XAL_CAM [RUNS]
# - One run (the test): the demo campaign's prestige is changed four times, the editor is
#   killed once its recovery copy is due (2 seconds), started again, the copy restored and
#   saved: the file must be, byte for byte, what an editor that saved normally wrote, and
#   no copy and no stray file may be left.
# - More runs (a figure): each kills at a random moment of a random series of raises, and
#   counts the restored campaigns that hold every raise made 2 seconds or more before the
#   kill and none that was not made, and the copies left after the clean exits.
set -euo pipefail
editor="$(realpath "$1")" game_source="$2" xal_cam="$(realpath "$3")" runs="${4:-1}"
source "$(dirname "$0")/../../scripts/x11-driving.sh"

work="$(mktemp -d)"
# On a failure, what the editors wrote to their output tells why (a crash at start, say).
trap 'status=$?; [ "$status" -eq 0 ] || cat "$work/editor.log" >&2 2>/dev/null
      xal_stop_x_server; rm -rf "$work"' EXIT
xal_start_x_server
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" WINEPREFIX="$work/no-wine"
copies="$XDG_STATE_HOME/xal-campaign-edit/recovery"
cp -r "$game_source" "$work/game"
mkdir -p "$XDG_CONFIG_HOME/xal-campaign-edit"
printf 'WINE REGISTRY Version 2\n\n[Software\\\\XaL Campaign Editor]\n"XaL Path"="%s/"\n"Prestige Increment"="1"\n' \
  "$work/game" > "$XDG_CONFIG_HOME/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg"
demo="$work/game/scenario/Demo.cam"

now() { date +%s.%N; }
later_than() { awk -v a="$(now)" -v b="$1" 'BEGIN { exit !(a >= b) }'; }
main_window() { focus_window "^XaL Campaign Editor - "; }
wait_for_exit() { timeout 60 tail --pid="$1" -f /dev/null; }
copies_left() { find "$copies" -name '*.recovery' 2>/dev/null | wc -l; }

# Waits until the editor takes keys: a newly started one may drop the first keys while its
# window is still being shown, so Ctrl+O is pressed until what it opens (the file dialog,
# or with unsaved changes the question whether to save them) is there; Escape closes it.
wait_for_keys() {
  local opened="${1:-^Open campaign file}" tries=20
  until main_window && xdotool key ctrl+o && poll 30 visible "$opened"; do
    kill -0 "$editor_pid" 2>/dev/null || { echo "The editor ended before it took keys." >&2; return 1; }
    ((--tries > 0)) || { echo "The editor takes no keys." >&2; return 1; }
  done
  focus_window "$opened"
  xdotool key Escape
  wait_until_closed "$opened"
  main_window
}

# Starts the editor on a fresh copy of the demo in the folder given; sets $editor_pid.
start_on_demo() {
  rm -rf "$1" && mkdir -p "$1" && cp "$demo" "$1/Demo.cam"
  "$editor" "$1/Demo.cam" >>"$work/editor.log" 2>&1 &
  editor_pid=$!
  wait_for_keys
}

# Starts the editor with no file, restores the copy it offers, saves and quits; sets
# $editor_pid.
restore_save_quit() {
  "$editor" >>"$work/editor.log" 2>&1 &
  editor_pid=$!
  focus_window "^XaL Campaign Editor$"
  xdotool key Return
  wait_until_closed "^XaL Campaign Editor$"
  wait_for_keys "^XaL Campaign Editor$"
  xdotool key ctrl+s ctrl+q
  wait_for_exit "$editor_pid"
}

if [ "$runs" -eq 1 ]; then
  keys=(ctrl+F5 ctrl+F5 ctrl+F7 ctrl+F6)
  start_on_demo "$work/saved"
  xdotool key "${keys[@]}" ctrl+s ctrl+q
  wait_for_exit "$editor_pid"

  start_on_demo "$work/killed"
  xdotool key "${keys[@]}"
  due="$(awk -v t="$(now)" 'BEGIN { printf "%.3f", t + 2.5 }')"
  poll 100 later_than "$due"
  kill -9 "$editor_pid"
  wait "$editor_pid" 2>/dev/null || true
  [ "$(copies_left)" -eq 1 ] || { echo "The killed editor left no recovery copy." >&2; exit 1; }
  restore_save_quit
  cmp "$work/saved/Demo.cam" "$work/killed/Demo.cam"
  cmp -s "$demo" "$work/killed/Demo.cam" && { echo "The edits were not restored." >&2; exit 1; }
  [ "$(ls "$work/killed")" = "Demo.cam" ] || { echo "Stray files beside the campaign." >&2; exit 1; }
  [ -z "$(ls -A "$copies")" ] || { echo "Files left in $copies after a clean exit." >&2; exit 1; }
  echo "The campaign killed with unsaved edits was restored and saved byte for byte."
  exit 0
fi

# The prestige of the demo's first scenario, which every raise lifts by one.
first_prestige() { (cd "$(dirname "$1")" && "$xal_cam" dump "$(basename "$1")") |
  grep -m 2 '"Prestige": ' | tail -n 1 | tr -dc 0-9; }
base="$(first_prestige "$demo")"
most=12

# The campaign after each number of raises, as an editor that saves after each writes it.
references="$work/references"
start_on_demo "$references"
cp "$demo" "$references/0.cam"
for ((k = 1; k <= most; k++)); do
  xdotool key ctrl+F5 ctrl+s
  poll 100 eval "! cmp -s '$references/$((k - 1)).cam' '$references/Demo.cam'"
  cp "$references/Demo.cam" "$references/$k.cam"
done
xdotool key ctrl+q
wait_for_exit "$editor_pid"

whole=0 stale=0 left=0
for ((run = 1; run <= runs; run++)); do
  rm -rf "$copies"
  start_on_demo "$work/run"
  presses=$((1 + RANDOM % most))
  kill_after_ms=$((RANDOM % (presses * 400 + 3000)))
  start="$(now)"
  sent=() # the times the raises were sent
  for ((i = 0; i < presses; i++)); do
    at="$(awk -v s="$start" -v i="$i" 'BEGIN { printf "%.3f", s + i * 0.4 }')"
    kill_at="$(awk -v s="$start" -v k="$kill_after_ms" 'BEGIN { printf "%.3f", s + k / 1000 }')"
    poll 100 later_than "$at"
    later_than "$kill_at" && break
    xdotool key ctrl+F5
    sent+=("$(now)")
  done
  poll 100 later_than "$(awk -v s="$start" -v k="$kill_after_ms" 'BEGIN { printf "%.3f", s + k / 1000 }')"
  killed="$(now)"
  kill -9 "$editor_pid"
  wait "$editor_pid" 2>/dev/null || true
  # Raises sent 2 seconds or more before the kill must all be in the copy.
  due=0
  for t in "${sent[@]}"; do
    awk -v t="$t" -v k="$killed" 'BEGIN { exit !(t <= k - 2) }' && due=$((due + 1))
  done
  restored=0
  if [ "$(copies_left)" -gt 0 ]; then
    restore_save_quit
    restored=$(($(first_prestige "$work/run/Demo.cam") - base))
  fi
  if [ "$restored" -ge "$due" ] && [ "$restored" -le "${#sent[@]}" ] &&
    cmp -s "$references/$restored.cam" "$work/run/Demo.cam"; then
    whole=$((whole + 1))
  else
    stale=$((stale + 1))
    echo "run $run: restored $restored raises; $due were due, ${#sent[@]} sent" >&2
  fi
  left=$((left + $(copies_left)))
done
echo "$runs runs: $whole restored as they stood 2 seconds or more before the kill, $stale not; $left copies left after clean exits."
[ "$stale" -eq 0 ] && [ "$left" -eq 0 ]
