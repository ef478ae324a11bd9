#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test.
source "$(dirname "$0")/common.sh"

# lintian checks the Debian package that one of the tests builds; Xvfb and xdotool let a
# test kill and restart the real editor as a user would see it.
xal_install "${XAL_BUILD_PACKAGES[@]}" lintian xvfb xdotool x11-utils

build="$XAL_ROOT/build-tests"
cmake -S "$XAL_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(xal_jobs)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(xal_jobs)"

# The Windows build of the core, the tool and the tests, under Wine.
bash "$XAL_ROOT/scripts/run-windows-tests.sh"
# The Windows editor under Wine, when Qt for Windows has been built on this machine.
bash "$XAL_ROOT/scripts/run-windows-editor-tests.sh"
# Its installer, installed, upgraded and removed under Wine, likewise.
bash "$XAL_ROOT/scripts/run-windows-installer-tests.sh"

# A short fuzzing run of each fuzzer (XAL_FUZZ_SECONDS each, 15 by default), when clang
# and its fuzzer runtime are here.
xal_install clang libclang-rt-dev 2>/dev/null || xal_install clang libclang-rt-14-dev 2>/dev/null || true
if command -v clang++ >/dev/null; then
  fuzz="$XAL_ROOT/build-fuzz"
  fuzzers=(campaign_fuzzer reg_file_fuzzer wine_registry_fuzzer campaign_json_fuzzer
           campaign_tools_fuzzer)
  if cmake -S "$XAL_ROOT" -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       -DXAL_BUILD_GUI=OFF -DXAL_BUILD_TESTS=OFF -DXAL_BUILD_BENCHMARKS=OFF -DXAL_BUILD_FUZZER=ON >/dev/null &&
     cmake --build "$fuzz" -j "$(xal_jobs)" --target "${fuzzers[@]}"; then
    for fuzzer in "${fuzzers[@]}"; do
      bash "$XAL_ROOT/fuzz/run-fuzzer.sh" "$fuzz" "$fuzzer" "${XAL_FUZZ_SECONDS:-15}"
    done
  else
    echo "Fuzzing skipped: this clang cannot build the fuzzers."
  fi
fi
