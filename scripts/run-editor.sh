#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
source "$(dirname "$0")/common.sh"

xal_install "${XAL_BUILD_PACKAGES[@]}"

build="$XAL_ROOT/build"
cmake -S "$XAL_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXAL_BUILD_TESTS=OFF
cmake --build "$build" -j "$(xal_jobs)" --target XaL_CampaignEdit xal-cam 2>/dev/null ||
  cmake --build "$build" -j "$(xal_jobs)"

exec "$build/app/XaL_CampaignEdit" "$@"
