#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds the editor and xal-cam for 64-bit Windows against the Qt and the Graphviz
# that scripts/build-windows-qt.sh made, and packs XaL_CampaignEdit-<version>-win64.zip:
# a folder that runs on Windows without installing anything, with the two programs, the
# Qt and compiler DLLs they load, the Qt plugins they need, the read-me, the licence, and
# the notices and licences of the others' software in it; and, from the same folder, the
# installer XaL_CampaignEdit-<version>-win64.msi (scripts/make-windows-msi.sh).
source "$(dirname "$0")/common.sh"

qt="$(xal_windows_qt)"
graphviz="$(xal_windows_graphviz)"
if [ ! -f "$qt/.complete" ] || [ ! -f "$graphviz/.complete" ]; then
  echo "No Qt or Graphviz for Windows in $(xal_cache): make them once with bash scripts/build-windows-qt.sh." >&2
  exit 1
fi
xal_install cmake make g++-mingw-w64-x86-64-posix librsvg2-bin netpbm icoutils libcli11-dev \
  nlohmann-json3-dev qt6-base-dev

build="${1:-$XAL_ROOT/build-windows-editor}"
# XAL_WINDOWS_WIDGET_TESTS=ON builds the tests as well, for run-windows-editor-tests.sh.
# Qt's own toolchain file adds the Qt folder to the places searched, then loads ours.
cmake -S "$XAL_ROOT" -B "$build" --toolchain "$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$XAL_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DXAL_GRAPHVIZ_STATIC_PREFIX="$graphviz" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_BINDIR=. \
  -DXAL_BUILD_TESTS="${XAL_WINDOWS_WIDGET_TESTS:-OFF}" -DXAL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(xal_jobs)"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="XaL_CampaignEdit-$version-win64"
stage="$build/$name"
rm -rf "$stage" "$build/$name.zip"
cmake --install "$build" --prefix "$stage" >/dev/null

# What windeployqt does: the DLLs the programs load, found among Qt's and the
# compiler's, each with what it loads in turn, and the plugins Qt loads by name.
mapfile -t mingw_dlls < <(xal_mingw_dll_folders)
mkdir -p "$stage/platforms" "$stage/styles"
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" "$stage/platforms/"
cp "$qt/plugins/styles/"*.dll "$stage/styles/"
copy_dependencies() {
  local dll
  for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$stage/$dll" ] && continue
    for folder in "$qt/bin" "${mingw_dlls[@]}"; do
      if [ -f "$folder/$dll" ]; then
        cp "$folder/$dll" "$stage/"
        copy_dependencies "$stage/$dll"
        break
      fi
    done
  done
}
for program in "$stage"/*.exe "$stage"/platforms/*.dll "$stage"/styles/*.dll; do
  copy_dependencies "$program"
done

# What the others' software in the folder is, where its source is, and its licences.
sed 's/$/\r/' "$XAL_ROOT/packaging/windows/THIRD-PARTY-NOTICES.txt" >"$stage/THIRD-PARTY-NOTICES.txt"
mkdir -p "$stage/licenses"
cp /usr/share/common-licenses/LGPL-3 "$stage/licenses/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"
cp /usr/share/doc/libqt6core6/copyright "$stage/licenses/qt6-base-copyright.txt"
cp "$graphviz/COPYING" "$stage/licenses/Graphviz-EPL-1.0.txt"
cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$stage/licenses/gcc-runtime-copyright.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licenses/mingw-w64-copyright.txt"

(cd "$build" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "Made $build/$name.zip"
bash "$XAL_ROOT/scripts/make-windows-msi.sh" "$stage" "$version" \
  "$build/app/icon/XaL_CampaignEdit.ico" "$build/$name.msi"
