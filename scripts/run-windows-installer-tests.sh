#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer, on a machine where scripts/build-windows-qt.sh has built Qt for
# Windows, used as a Windows user and an administrator would, under Wine in an X server:
# installed silently into a fresh prefix over the previous version (the same files built
# into an MSI of the previous version number), which it must replace; refused over a newer
# one; its Start menu entry and the .cam file type read back; a campaign named in any
# script opened by the file type (wine start), raised with Ctrl+F5 and saved with Ctrl+S,
# to the same bytes as the Linux editor saves; removed silently, leaving no file of the
# program and the settings and campaigns in place; and installed and removed again where
# another program holds .cam files, whose double-click it must leave alone. Without that
# Qt it says so in one line.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/x11-driving.sh"

if [ ! -f "$(xal_windows_qt)/.complete" ] || [ ! -f "$(xal_windows_graphviz)/.complete" ]; then
  echo "The Windows installer was not tested: no Qt and Graphviz for Windows in $(xal_cache). Build them once (about 35 minutes) with: bash scripts/build-windows-qt.sh"
  exit 0
fi
xal_install xvfb xdotool x11-utils wine wine64 wixl msitools icoutils
linux_editor="$XAL_ROOT/build-tests/app/XaL_CampaignEdit"
if [ ! -x "$linux_editor" ]; then
  echo "No Linux editor to compare with: run scripts/run-tests.sh first." >&2
  exit 1
fi

# The MSI and its folder, as the Windows editor's tests made them.
build="$XAL_ROOT/build-windows-editor"
[ -f "$build/CMakeCache.txt" ] || XAL_WINDOWS_WIDGET_TESTS=ON bash "$XAL_ROOT/scripts/package-windows.sh" "$build"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
msi="$build/XaL_CampaignEdit-$version-win64.msi"
[ -f "$msi" ] || XAL_WINDOWS_WIDGET_TESTS=ON bash "$XAL_ROOT/scripts/package-windows.sh" "$build"

work="$(mktemp -d)"
trap 'wineserver -k 2>/dev/null || true; xal_stop_x_server; rm -rf "$work"' EXIT
IFS=. read -r major minor patch <<<"$version"
if ((patch > 0)); then previous="$major.$minor.$((patch - 1))"
elif ((minor > 0)); then previous="$major.$((minor - 1)).0"
else previous="$((major - 1)).0.0"; fi
bash "$XAL_ROOT/scripts/make-windows-msi.sh" "$build/XaL_CampaignEdit-$version-win64" "$previous" \
  "$build/app/icon/XaL_CampaignEdit.ico" "$work/previous.msi" >/dev/null

xal_start_x_server
xal_start_wine_prefix "$work/wine"
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" LC_ALL=C.UTF-8
programs="$WINEPREFIX/drive_c/Program Files/XaL Campaign Editor"
classes='HKLM\Software\Classes'
msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn; }
fail() { echo "$*" >&2; exit 1; }
# The program's entries in Apps & features, each as its version.
entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
    tr -d '\r' | awk '/^HKEY/ { ours = 0 } /DisplayName +REG_SZ +XaL Campaign Editor$/ { ours = 1 }
      ours && /DisplayVersion/ { print $3 }'
}
default_of() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }
start_menu_entry() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/XaL Campaign Editor.lnk'; }

# An upgrade: the previous version, then this one over it, leaves one entry.
msiexec /i "$work/previous.msi" || fail "The previous version did not install."
[ "$(entries)" = "$previous" ] || fail "Apps & features does not show version $previous."
msiexec /i "$msi" || fail "The upgrade to $version failed."
[ "$(entries)" = "$version" ] || fail "After the upgrade Apps & features shows: $(entries)"
# An older version over a newer one is refused, with the message of the MSI.
if msiexec /i "$work/previous.msi"; then fail "The older MSI installed over the newer one."; fi
[ "$(entries)" = "$version" ] || fail "The refused downgrade changed the installation."
msiinfo export "$msi" LaunchCondition | grep -q "A newer version of XaL Campaign Editor is already installed"

# Every file of the zip's folder is installed, and nothing else.
diff -r "$build/XaL_CampaignEdit-$version-win64" "$programs"
windows_editor="$(winepath -w "$programs/XaL_CampaignEdit.exe")"
entry="$(start_menu_entry)"
[ -n "$entry" ] || fail "No Start menu entry \"XaL Campaign Editor\"."
strings "$entry" | grep -qF "$windows_editor" || fail "The Start menu entry does not start the editor."
[ "$(default_of "$classes\\.cam")" = XaL.Campaign ] || fail ".cam files do not open in the editor."
[ "$(default_of "$classes\\XaL.Campaign\\shell\\open\\command")" = "\"$windows_editor\" \"%1\"" ] ||
  fail "The open verb is: $(default_of "$classes\\XaL.Campaign\\shell\\open\\command")"
# The file type's icon is the editor's second icon, the campaign file's.
[ "$(default_of "$classes\\XaL.Campaign\\DefaultIcon")" = "$windows_editor,1" ]
wrestool -l --type=14 "$programs/XaL_CampaignEdit.exe" | sed -n 2p | grep -q "name=.IDI_ICON2."
wine reg query 'HKLM\Software\Classes\Installer\Products' /s | grep -q 'ProductIcon.*XaL_CampaignEdit.ico'

# A campaign named in another script opened by a double-click (the file type), raised
# with Ctrl+F5 and saved with Ctrl+S; the Linux editor does the same to its own copy.
cp -r "$XAL_ROOT/examples/game" "$work/game"
wine reg add "HKLM\\Software\\Ostrand\\Xandor's Legion\\1.0" /v Directory /d "$(winepath -w "$work/game")\\" /f >/dev/null
mkdir -p "$work/windows" "$work/linux" "$XDG_CONFIG_HOME/xal-campaign-edit"
printf 'WINE REGISTRY Version 2\n\n[Software\\\\XaL Campaign Editor]\n"XaL Path"="%s/"\n' "$work/game" \
  >"$XDG_CONFIG_HOME/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg"
campaign="Été Кампания.cam"
cp "$work/game/scenario/Demo.cam" "$work/windows/$campaign"
cp "$work/game/scenario/Demo.cam" "$work/linux/$campaign"
# Raises and saves the campaign in the editor just started, and quits. A newly started
# editor may drop the first keys while its window is still being shown, so Ctrl+O is
# pressed until the file dialog opens, which Escape closes.
raise_save_quit() {
  local pid="$1" tries=20
  until focus_window "^XaL Campaign Editor - " && xdotool key ctrl+o && poll 30 visible "^Open"; do
    ((--tries > 0)) || fail "The editor takes no keys."
  done
  focus_window "^Open"
  xdotool key Escape
  wait_until_closed "^Open"
  focus_window "^XaL Campaign Editor - "
  xdotool key ctrl+F5 ctrl+s ctrl+q
  timeout 60 tail --pid="$pid" -f /dev/null
}
wine start /wait /unix "$work/windows/$campaign" &
raise_save_quit $!
"$linux_editor" "$work/linux/$campaign" >/dev/null 2>&1 &
raise_save_quit $!
cmp "$work/windows/$campaign" "$work/linux/$campaign"
if cmp -s "$work/windows/$campaign" "$work/game/scenario/Demo.cam"; then
  fail "The campaign opened by its file type was not raised and saved."
fi

# Removal: no file, entry or file type of the program is left; the settings the editor
# wrote and the campaigns stay.
msiexec /x "$msi" || fail "The removal failed."
[ ! -e "$programs" ] || fail "The removal left $(find "$programs")"
leftovers="$(find "$WINEPREFIX/drive_c" -iname 'XaL_CampaignEdit*' -o -iname 'xal-cam*')"
[ -z "$leftovers" ] || fail "The removal left $leftovers"
[ -z "$(start_menu_entry)" ] || fail "The removal left the Start menu entry."
[ -z "$(entries)" ] || fail "The removal left the entry in Apps & features."
! wine reg query "$classes\\.cam" >/dev/null 2>&1 || fail "The removal left the .cam file type."
! wine reg query "$classes\\XaL.Campaign" >/dev/null 2>&1 || fail "The removal left XaL.Campaign."
wine reg query 'HKLM\Software\XaL Campaign Editor' /v "Prestige Increment" >/dev/null ||
  fail "The removal took the settings."
[ -f "$work/windows/$campaign" ]

# Where another program opens .cam files, the editor is only offered in "Open with".
wine reg add "$classes\\.cam" /ve /d Other.Campaign /f >/dev/null
msiexec /i "$msi" || fail "The installation failed."
[ "$(default_of "$classes\\.cam")" = Other.Campaign ] || fail "The installer took .cam files."
wine reg query "$classes\\.cam\\OpenWithProgids" /v XaL.Campaign >/dev/null ||
  fail "The editor is not offered for .cam files in Open with."
msiexec /x "$msi" || fail "The removal failed."
[ "$(default_of "$classes\\.cam")" = Other.Campaign ] || fail "The removal took .cam files."
echo "Windows installer: upgraded in place, a downgrade refused, a campaign opened by its file type and saved, removed cleanly, another program's .cam files left alone."
