#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with Debian's hardening flags in the folder given (build-package
# by default), with the campaign map's Graphviz built in, and checks that it is and, when
# lintian is installed, what lintian says: any error or warning fails.
source "$(dirname "$0")/common.sh"

xal_install "${XAL_BUILD_PACKAGES[@]}"
# The campaign map's Graphviz, built once per machine and built into the programs.
bash "$XAL_ROOT/scripts/build-graphviz.sh" linux64

build="${1:-$XAL_ROOT/build-package}"
# The flags a Debian package is built with, every hardening feature among them. CMake
# takes CXXFLAGS and LDFLAGS from the environment; the preprocessor's flags join CXXFLAGS.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
# Build type None: the flags are Debian's alone, as a Debian package's build has them.
cmake -S "$XAL_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=None -DXAL_BUILD_TESTS=OFF \
  -DXAL_BUILD_BENCHMARKS=OFF -DXAL_GRAPHVIZ_STATIC_PREFIX="$(xal_linux_graphviz)" >/dev/null
cmake --build "$build" -j "$(xal_jobs)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package="$(ls "$build"/*.deb)"
# CPack writes no Built-Using field: it is added here, naming the Graphviz source package
# that is built into the programs.
unpacked="$build/unpacked-package"
rm -rf "$unpacked"
dpkg-deb --raw-extract "$package" "$unpacked"
sed -i "/^Description:/i Built-Using: graphviz (= $(cat "$(xal_linux_graphviz)/debian-source-version"))" \
  "$unpacked/DEBIAN/control"
dpkg-deb --root-owner-group --build "$unpacked" "$package" >/dev/null
rm -rf "$unpacked"
echo "Built $package"
# Graphviz is built in: the package names its source and needs no Graphviz of Debian's.
fields="$(dpkg-deb --field "$package" Depends Built-Using)"
if ! grep -q "^Built-Using: graphviz (= " <<<"$fields" || grep -qE "libgvc|libcgraph" <<<"$fields"; then
  printf 'The package does not have Graphviz built in:\n%s\n' "$fields" >&2
  exit 1
fi

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --info "$package"
  echo "lintian accepts $package"
else
  echo "lintian is not installed: the package was not checked."
fi
