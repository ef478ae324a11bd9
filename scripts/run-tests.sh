#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
source "$(dirname "$0")/common.sh"

xal_install "${XAL_BUILD_PACKAGES[@]}"

build="$XAL_ROOT/build-tests"
cmake -S "$XAL_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(xal_jobs)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(xal_jobs)"
