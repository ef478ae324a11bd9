#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the editor and starts it.
source "$(dirname "$0")/common.sh"

xal_install "${XAL_BUILD_PACKAGES[@]}"

build="$XAL_ROOT/build"
# The campaign map's Graphviz, built once per machine.
bash "$XAL_ROOT/scripts/build-graphviz.sh" linux64

cmake -S "$XAL_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXAL_BUILD_TESTS=OFF \
  -DXAL_GRAPHVIZ_STATIC_PREFIX="$(xal_linux_graphviz)"
cmake --build "$build" -j "$(xal_jobs)"

# With no game installed, point the settings at the demo game folder, as the game's own
# installer would: its key is written only when the store names no game folder at all and
# the Wine prefix holds no game either (32-bit or 64-bit).
store="${XDG_CONFIG_HOME:-$HOME/.config}/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg"
wine_registry="${WINEPREFIX:-$HOME/.wine}/system.reg"
if ! grep -qiF "[Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0]" "$store" 2>/dev/null &&
   ! grep -qE '^"XaL Path"="[^"]' "$store" 2>/dev/null &&
   ! grep -qiF "Ostrand\\\\Xandor's Legion\\\\1.0]" "$wine_registry" 2>/dev/null; then
  demo="$XAL_ROOT/examples/game"
  mkdir -p "$(dirname "$store")"
  [ -s "$store" ] || printf 'WINE REGISTRY Version 2\n' > "$store"
  printf '\n[Software\\\\Ostrand\\\\Xandor%sLegion\\\\1.0]\n"Directory"="%s"\n' "'s " \
    "$(printf '%s' "$demo" | sed 's/\\/\\\\/g; s/"/\\"/g')" >> "$store"
  echo "No game found: using the demo game folder $demo (change it in Tools > Options)."
fi

exec "$build/app/XaL_CampaignEdit" "$@"
