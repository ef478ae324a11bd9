#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt 6 for 64-bit Windows with Debian's mingw-w64 from Debian's own source package
# qt6-base, the version of the host's Qt tools (Core, Gui, Widgets, Concurrent, the
# windows and offscreen platforms and the Windows styles), and installs it into the
# cache, once per machine: a second run finds it and does nothing. The editor's Windows
# build and package use it (scripts/package-windows.sh), with the Graphviz that
# scripts/build-graphviz.sh builds first for the campaign map.
source "$(dirname "$0")/common.sh"

bash "$XAL_ROOT/scripts/build-graphviz.sh" win64

cache="$(xal_cache)"
prefix="$(xal_windows_qt)"
if [ -f "$prefix/.complete" ]; then
  echo "Qt for Windows is already built in $prefix."
  exit 0
fi

xal_install "${XAL_BUILD_PACKAGES[@]}" ninja-build g++-mingw-w64-x86-64-posix dpkg-dev

xal_add_source_lines

# A build that was stopped goes on where it stopped.
work="$cache/qt6-win64-build"
if [ ! -f "$work/base/build.ninja" ]; then
  rm -rf "$work" && mkdir -p "$work"
  (cd "$work" && apt-get source -qq qt6-base >/dev/null)
  # The host's moc, rcc and uic build this Qt; what the editor does not use stays out.
  # Debian's source has no wintab (tablet events) and OpenGL is left out, so the windows
  # platform does without both.
  cmake -S "$(ls -d "$work"/qt6-base-*/)" -B "$work/base" -G Ninja \
    --toolchain "$XAL_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_dynamicgl=OFF -DFEATURE_printsupport=OFF -DFEATURE_tabletevent=OFF
fi
cmake --build "$work/base" -j "$(xal_jobs)"
cmake --install "$work/base"

touch "$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows is built in $prefix."
