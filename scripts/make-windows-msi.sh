#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Windows installer from the folder of the zip, with Debian's wixl:
#   make-windows-msi.sh FOLDER VERSION ICON OUTPUT.msi
# It installs the folder's files into "C:\Program Files\XaL Campaign Editor\", with a
# Start menu entry and the .cam file type (packaging/windows/XaL_CampaignEdit.wxs).
source "$(dirname "$0")/common.sh"

if [ $# -ne 4 ]; then
  echo "Usage: $0 FOLDER VERSION ICON OUTPUT.msi" >&2
  exit 2
fi
folder="$(cd "$1" && pwd)" version="$2" icon="$3" output="$4"
xal_install wixl msitools

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Every file of the folder but the two programs, which the installer names itself.
find "$folder" | sort |
  wixl-heat --prefix "$folder/" --exclude XaL_CampaignEdit.exe --exclude xal-cam.exe \
    --var var.SourceDir --directory-ref INSTALLDIR --component-group OtherFiles --win64 \
    >"$work/other_files.wxs"

# wixl finds the files it packs by paths relative to the folder it runs in.
ln -s "$folder" "$work/files"
cp "$icon" "$work/XaL_CampaignEdit.ico"
output="$(realpath "$output")"
(cd "$work" && wixl --arch x64 -D SourceDir=files -D Version="$version" \
  -D IconFile=XaL_CampaignEdit.ico -D Win64=yes -o "$output" \
  "$XAL_ROOT/packaging/windows/XaL_CampaignEdit.wxs" other_files.wxs)

# What wixl cannot say: a .cam file opens in the editor on a double-click only when no
# other program holds the type (or the editor held it already, as in an upgrade); and
# the installer's server sees the property that says so.
msibuild "$output" -q "UPDATE \`Component\` SET \`Condition\` = 'NOT CAM_FILE_TYPE OR CAM_FILE_TYPE = \"XaL.Campaign\"' WHERE \`Component\` = 'CampaignFileDoubleClick'"
secure="$(msiinfo export "$output" Property | sed -n 's/^SecureCustomProperties\t//p' | tr -d '\r')"
msibuild "$output" -q "UPDATE \`Property\` SET \`Value\` = '$secure;CAM_FILE_TYPE' WHERE \`Property\` = 'SecureCustomProperties'"
echo "Made $output"
