#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows editor, on a machine where scripts/build-windows-qt.sh has built Qt for
# Windows: makes the zip, runs the tests of the windows under Wine (offscreen), then
# unpacks the zip into a fresh folder and uses the editor as a user would, under Wine in
# an X server with the windows platform and Wine's own file dialogs. It sets the prestige
# increment in Options and quits; started again, it opens the demo campaign, raises every
# scenario's prestige by what it read back, saves the campaign under a new name and quits.
# The Linux editor does the same, and the two files must be the same bytes. Without that
# Qt it says so in one line.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/x11-driving.sh"

qt="$(xal_windows_qt)"
if [ ! -f "$qt/.complete" ] || [ ! -f "$(xal_windows_graphviz)/.complete" ]; then
  echo "The Windows editor was not tested: no Qt and Graphviz for Windows in $(xal_cache). Build them once (about 35 minutes) with: bash scripts/build-windows-qt.sh"
  exit 0
fi
xal_install xvfb xdotool x11-utils wine wine64
linux_editor="$XAL_ROOT/build-tests/app/XaL_CampaignEdit"
if [ ! -x "$linux_editor" ]; then
  echo "No Linux editor to compare with: run scripts/run-tests.sh first." >&2
  exit 1
fi

build="$XAL_ROOT/build-windows-editor"
XAL_WINDOWS_WIDGET_TESTS=ON bash "$XAL_ROOT/scripts/package-windows.sh" "$build"
zip="$(ls "$build"/XaL_CampaignEdit-*-win64.zip)"

# An X server and a Wine prefix of this run alone; the prefix starts inside the X server,
# so that Wine's windows have a display to go to.
work="$(mktemp -d)"
trap 'wineserver -k 2>/dev/null || true; xal_stop_x_server; rm -rf "$work"' EXIT
xal_start_x_server
xal_start_wine_prefix "$work/wine"

# The tests of the windows and of the map, each through Wine, with the Qt DLLs and the
# compiler's; the map window's run the Windows layout program of the build.
dll_path="$(winepath -w "$qt/bin")"
while read -r folder; do dll_path+=";$(winepath -w "$folder")"; done < <(xal_mingw_dll_folders)
WINEPATH="$dll_path" QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$(winepath -w "$qt/plugins")" \
  ctest --test-dir "$build" --output-on-failure --no-tests=error -L "widgets|map"

# The zip in a fresh folder, and a copy of the demo game, which both editors find through
# the game's key in the Wine prefix; the settings the tests left are removed, as for a
# user who starts the editor for the first time.
wine reg delete "HKLM\\Software\\XaL Campaign Editor" /f >/dev/null 2>&1 || true
wine reg delete "HKCU\\Software\\XaL Campaign Editor" /f >/dev/null 2>&1 || true
mkdir -p "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
windows_editor="$(ls "$work"/unpacked/*/XaL_CampaignEdit.exe)"
cp -r "$XAL_ROOT/examples/game" "$work/game"
wine reg add "HKLM\\Software\\Ostrand\\Xandor's Legion\\1.0" /v Directory /d "$(winepath -w "$work/game")\\" /f >/dev/null
# The Linux editor reads the prefix's system.reg, which Wine's server writes when it ends.
wineserver -k
wineserver -w
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"

# Presses the keys in the main window until the window whose name matches opens: a newly
# started editor may drop the first keys while its window is still being shown.
open_with_keys() {
  local tries=20
  until focus_window "^XaL Campaign Editor" && xdotool key $1 && poll 30 visible "$2"; do
    ((--tries > 0)) || { echo "The keys $1 opened no window \"$2\"." >&2; return 1; }
  done
}

# Answers the file dialog titled "<title> ..." with the path, typed over what it proposes
# (selected with Home and Shift+End, which Wine's file dialogs know, unlike Ctrl+A).
answer_file_dialog() {
  focus_window "^$1"
  xdotool key Home shift+End
  xdotool type --delay 10 "$2"
  xdotool key Return
  wait_until_closed "^$1"
  focus_window "^XaL Campaign Editor"
}

# Starts an editor, sets the prestige increment in Options (Alt+T, O; the last box of the
# dialog, ten tabs from the first) and quits.
set_prestige_increment() {
  local increment="$1"
  shift
  "$@" &
  local editor=$!
  open_with_keys "alt+t o" "^Options"
  focus_window "^Options"
  xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Home shift+End
  xdotool type "$increment"
  xdotool key Return
  wait_until_closed "^Options"
  focus_window "^XaL Campaign Editor"
  xdotool key ctrl+q
  timeout 60 tail --pid="$editor" -f /dev/null
}

# Starts an editor, opens the campaign (Ctrl+O), raises every scenario's prestige by the
# increment (Ctrl+F5), saves the campaign under a new name (Ctrl+Shift+S) and quits (Ctrl+Q).
# Each file dialog is answered with a path as the editor names paths.
raise_and_save_as() {
  local campaign="$1" saved_as="$2"
  shift 2
  "$@" &
  local editor=$!
  open_with_keys ctrl+o "^Open"
  answer_file_dialog "Open" "$campaign"
  xdotool key ctrl+F5 ctrl+shift+s
  answer_file_dialog "Save" "$saved_as"
  xdotool key ctrl+q
  timeout 60 tail --pid="$editor" -f /dev/null
}

# Each editor is given a prestige increment of 250 in Options; started again, it raises the
# prestige by what it read back and saves the campaign as Demo.cam in a folder of its own.
demo="$work/game/scenario/Demo.cam"
mkdir -p "$work/windows" "$work/linux"
set_prestige_increment 250 wine "$windows_editor"
wine reg query "HKLM\\Software\\XaL Campaign Editor" /v "Prestige Increment" | grep -q "REG_SZ    250"
raise_and_save_as "$(winepath -w "$demo")" "$(winepath -w "$work/windows/Demo.cam")" \
  wine "$windows_editor"
set_prestige_increment 250 "$linux_editor"
raise_and_save_as "$demo" "$work/linux/Demo.cam" "$linux_editor"
cmp "$work/windows/Demo.cam" "$work/linux/Demo.cam"
# Every prestige was raised, and nothing else changed.
dump() { (cd "$1" && "$XAL_ROOT/build-tests/cli/xal-cam" dump Demo.cam); }
changes="$(diff <(dump "$work/game/scenario") <(dump "$work/windows") | grep '^[<>]' || true)"
if [ -z "$changes" ] || grep -v '"Prestige": ' <<<"$changes"; then
  echo "The saved campaign should differ from the demo in its prestige alone." >&2
  exit 1
fi
grep -qF '"Prestige": 1250,' <(dump "$work/windows")

# The zip's tool draws the demo's map with its own Graphviz: a box for each scenario.
(cd "$work/game/scenario" && wine "$(dirname "$windows_editor")/xal-cam.exe" map Demo.cam -o "$(winepath -w "$work/map.svg")")
grep -q '</svg>' "$work/map.svg"
[ "$(grep -c 'class="node"' "$work/map.svg")" -ge 4 ]
echo "Windows editor: its window tests passed under Wine, it saved the same bytes as the Linux editor, and its tool drew the map."
