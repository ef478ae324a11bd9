#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test.
source "$(dirname "$0")/common.sh"

# lintian checks the Debian package that one of the tests builds; Xvfb and xdotool let a
# test kill and restart the real editor as a user would see it.
xal_install "${XAL_BUILD_PACKAGES[@]}" lintian xvfb xdotool x11-utils

build="$XAL_ROOT/build-tests"
# The campaign map's Graphviz, built once per machine.
bash "$XAL_ROOT/scripts/build-graphviz.sh" linux64

cmake -S "$XAL_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DXAL_GRAPHVIZ_STATIC_PREFIX="$(xal_linux_graphviz)"
cmake --build "$build" -j "$(xal_jobs)"

# Every step below stops the run at its first failure; each one that passes adds to the
# tally printed last: the tests a ctest run counted, or one for a step that checks by
# itself, or one skipped for a step that says it was not run.
passed=0 skipped=0
step() {
  local log="$build/step.log"
  "$@" 2>&1 | tee "$log"
  local counts
  counts=$(sed -n 's/.*tests failed out of \([0-9]*\)$/\1/p' "$log")
  if [ -n "$counts" ]; then
    for count in $counts; do passed=$((passed + count)); done
  elif grep -q "was not tested" "$log"; then
    skipped=$((skipped + 1))
  else
    passed=$((passed + 1))
  fi
}

step env QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(xal_jobs)"
# The Windows build of the core, the tool and the tests, under Wine.
step bash "$XAL_ROOT/scripts/run-windows-tests.sh"
# The Windows editor under Wine, when Qt for Windows has been built on this machine.
step bash "$XAL_ROOT/scripts/run-windows-editor-tests.sh"
# Its installer, installed, upgraded and removed under Wine, likewise.
step bash "$XAL_ROOT/scripts/run-windows-installer-tests.sh"

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
      step bash "$XAL_ROOT/fuzz/run-fuzzer.sh" "$fuzz" "$fuzzer" "${XAL_FUZZ_SECONDS:-15}"
    done
  else
    echo "Fuzzing skipped: this clang cannot build the fuzzers."
    skipped=$((skipped + ${#fuzzers[@]}))
  fi
fi
echo "Tests: $passed passed, 0 failed, $skipped skipped"
