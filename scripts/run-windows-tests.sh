#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds the core, the command-line tool and the tests for Windows with mingw-w64
# and runs them under Wine in a throwaway prefix, without a display: every test, the
# tool's dump and build against the Linux build's bytes, and the registry values the
# Windows build writes, as Wine's own "reg query" shows them.
source "$(dirname "$0")/common.sh"

xal_install cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest libcli11-dev \
  nlohmann-json3-dev

build="$XAL_ROOT/build-windows"
linux_cam="$XAL_ROOT/build-tests/cli/xal-cam"
if [ ! -x "$linux_cam" ]; then
  echo "No Linux xal-cam to compare with: run scripts/run-tests.sh first." >&2
  exit 1
fi

cmake -S "$XAL_ROOT" -B "$build" --toolchain "$XAL_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXAL_BUILD_GUI=OFF -DXAL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(xal_jobs)"

# A Wine prefix of this run alone, without a display.
prefix="$(mktemp -d)"
unset DISPLAY WAYLAND_DISPLAY
trap 'wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
xal_start_wine_prefix "$prefix"

# Every test, each through Wine (the build's emulator).
ctest --test-dir "$build" --output-on-failure --no-tests=error

# The tool: the same JSON and campaign bytes as the Linux build, and folders in "\".
check="$build/tool-check"
rm -rf "$check" && mkdir -p "$check"
game="$XAL_ROOT/examples/game"
(cd "$game/scenario" && "$linux_cam" dump Demo.cam) >"$check/linux.json"
(cd "$game/scenario" && wine "$build/cli/xal-cam.exe" dump Demo.cam) >"$check/windows.json"
cmp "$check/linux.json" "$check/windows.json"
cp "$XAL_ROOT/examples/demo_campaign.json" "$check/demo.json"
(cd "$check" && "$linux_cam" build demo.json -o linux.cam &&
  wine "$build/cli/xal-cam.exe" build demo.json -o windows.cam)
cmp "$check/linux.cam" "$check/windows.cam"
cmp "$check/windows.cam" "$game/scenario/Demo.cam"
folder_dump="$(cd "$game" && wine "$build/cli/xal-cam.exe" dump scenario/Demo.cam)"
grep -qF '"CampaignFolder": "scenario\\",' <<<"$folder_dump"
# Paths in any script reach the Windows file system through its wide-character calls.
mkdir -p "$check/Кампания"
cp "$game/scenario/Demo.cam" "$check/Кампания/поход.cam"
script_dump="$(cd "$check" && LC_ALL=C.UTF-8 wine "$build/cli/xal-cam.exe" dump 'Кампания/поход.cam')"
grep -qF '"CampaignName": "поход",' <<<"$script_dump"
(cd "$check" && LC_ALL=C.UTF-8 wine "$build/cli/xal-cam.exe" build linux.json -o 'Жук.cam')
cmp "$check/Жук.cam" "$check/linux.cam"

# Without Graphviz for Windows, the tool says that it cannot draw maps, and draws none.
if map_answer="$(cd "$game/scenario" && wine "$build/cli/xal-cam.exe" map Demo.cam -o "$check/map.svg" 2>&1)"; then
  echo "xal-cam.exe map succeeded without Graphviz" >&2
  exit 1
fi
grep -qF "error 5: The campaign map is not available in this build" <<<"$map_answer"
[ ! -e "$check/map.svg" ]

# The tool carries every string of the generated version resource.
resource="$(x86_64-w64-mingw32-windres -i "$build/cli/xal-cam.exe" -O rc)"
grep -o 'VALUE "[A-Za-z]*", "[^"]*"' "$build/generated/version.rc" | while read -r value; do
  grep -qF "$value" <<<"$resource" || { echo "xal-cam.exe lacks $value" >&2; exit 1; }
done

# The first start of the Windows build writes the nine settings into Wine's registry.
wine "$build/tests/core/settings/test_core_settings.exe" --gtest_brief=1 \
  --gtest_filter=LoadSettingsTest.FirstStartWritesTheNineDefaults >/dev/null
expected="$(printf '\nHKEY_LOCAL_MACHINE\\Software\\XaL Campaign Editor\n'
  printf '    %s    %s    %s\n' \
    "Prestige Increment" REG_DWORD 0x3e8 \
    "RH XaL Scenario Editor" REG_SZ "" \
    "Scn Brilliant Victory File Separator" REG_SZ v \
    "Scn File Separator" REG_SZ "" \
    "Scn Info File Separator" REG_SZ i \
    "Scn Loss File Separator" REG_SZ l \
    "Scn Tactical Victory File Separator" REG_SZ v \
    "Scn Victory File Separator" REG_SZ v \
    "XaL Path" REG_SZ 'C:\Games\Legion\')"
actual="$(wine reg query 'HKLM\Software\XaL Campaign Editor' | tr -d '\r')"
if [ "$actual" != "$expected" ]; then
  printf 'The settings in Wine'"'"'s registry:\n%s\nexpected:\n%s\n' "$actual" "$expected" >&2
  exit 1
fi
echo "Windows build: tests passed under Wine, xal-cam matches the Linux build, settings in Wine's registry."
