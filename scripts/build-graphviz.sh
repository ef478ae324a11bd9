#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds what the campaign map needs of Graphviz from Debian's own graphviz source package,
# as static libraries without plugin loading, expat, zlib, gd or a regex library, for one
# target, and installs it into the cache once per machine; a second run does nothing.
#   scripts/build-graphviz.sh win64     64-bit Windows, with Debian's mingw-w64: the dot
#                                       layout and the core renderers (SVG)
#   scripts/build-graphviz.sh linux64   this machine, with Debian's hardening flags: the same
#                                       and the pango plugin (PNG through cairo, label sizes
#                                       measured by pango), for the system's cairo and pango
# Both are release builds: Graphviz's assertions, some of which walk a whole list at every
# step of dot's layout, are compiled out. scripts/graphviz/ holds the build (Graphviz's own
# CMake build wants shared libraries and every plugin) and two patches: no __declspec for
# MinGW, and no regex.
source "$(dirname "$0")/common.sh"

target="${1:-}"
case "$target" in
  win64)
    prefix="$(xal_windows_graphviz)"
    packages=(g++-mingw-w64-x86-64-posix)
    options=(--toolchain "$XAL_ROOT/cmake/mingw-w64-x86_64.cmake")
    ;;
  linux64)
    prefix="$(xal_linux_graphviz)"
    packages=(gcc pkg-config libcairo2-dev libpango1.0-dev)
    options=(-DCMAKE_POSITION_INDEPENDENT_CODE=ON)
    ;;
  *)
    echo "usage: $0 win64|linux64" >&2
    exit 2
    ;;
esac
if [ -f "$prefix/.complete" ]; then
  echo "Graphviz for $target is already built in $prefix."
  exit 0
fi
xal_install "${XAL_GRAPHVIZ_BUILD_PACKAGES[@]}" "${packages[@]}"
xal_add_source_lines

here="$XAL_ROOT/scripts/graphviz"
work="$(xal_cache)/graphviz-$target-build"
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source -qq graphviz >/dev/null)
source_dir="$work/graphviz-2.42.2"
if [ ! -d "$source_dir" ]; then
  echo "The patches are for Graphviz 2.42.2; Debian's source is $(ls -d "$work"/graphviz-*/)." >&2
  exit 1
fi
for patch in "$here"/*.patch; do patch -s -d "$source_dir" -p1 <"$patch"; done

# What the host's bison, flex, awk and perl make, as Graphviz's Makefile.am rules do.
generated="$work/generated"
mkdir -p "$generated"
(
  cd "$generated"
  lib="$source_dir/lib"
  # The grammars, with their prefixes and 64-bit sizes as Graphviz renames them.
  bison -y -d "$lib/cgraph/grammar.y"
  sed -e 's/yy/aag/g' -e 's/unsigned long int/uint64_t/g' -e 's/unsigned long/uint64_t/g' y.tab.c >grammar.c
  sed -e 's/yy/aag/g' -e 's/unsigned long int/uint64_t/g' -e 's/unsigned long/uint64_t/g' y.tab.h >grammar.h
  flex -i "$lib/cgraph/scan.l"
  sed -e 's/yy/aag/g' -e '/extern.*isatty/d' lex.yy.c >scan.c
  bison -y -d "$lib/common/htmlparse.y"
  sed -e 's/yy/html/g' -e 's/unsigned long int/uint64_t/g' -e 's/unsigned long/uint64_t/g' y.tab.c >htmlparse.c
  sed -e 's/yy/html/g' -e 's/unsigned long int/uint64_t/g' -e 's/unsigned long/uint64_t/g' y.tab.h >htmlparse.h
  rm y.tab.c y.tab.h lex.yy.c
  # The colour and font tables.
  awk -f "$source_dir/awk/brewer.awk" "$lib/common/brewer_colors" >brewer_lib
  awk -f "$source_dir/awk/svgcolor.awk" "$lib/common/svgcolor_names" >svgcolor_lib
  cat brewer_lib svgcolor_lib "$lib/common/color_names" | LC_ALL=C sort >color_lib
  awk -f "$source_dir/awk/colortbl.awk" color_lib >colortbl.h
  cp "$lib/common/ps_fontmap.txt" ps_font_equiv.h
  (cd "$lib/common" && perl ./mksvgfonts.pl fontmap.cfg ps_font_equiv.txt) | LC_ALL=C sort >>ps_font_equiv.h
  awk -f "$source_dir/awk/stringize.awk" "$source_dir/plugin/core/ps.txt" >ps.h
  echo '#define BUILDDATE "2.42.2"' >builddate.h
  cp "$here/config.h" config.h
  grep -E 'PACKAGE|VERSION|GVPLUGIN' config.h >graphviz_version.h
)

# Linked into the Debian package, it is built with the flags Debian builds packages with.
if [ "$target" = linux64 ]; then
  eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
  export CFLAGS="$CFLAGS $CPPFLAGS"
fi
cmake -S "$here" -B "$work/build" "${options[@]}" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DGV_SRC="$source_dir" -DGV_GEN="$generated" >/dev/null
cmake --build "$work/build" -j "$(xal_jobs)"
cmake --install "$work/build" >/dev/null
cp "$source_dir/COPYING" "$prefix/COPYING"
# The Debian package names the source it was built from.
if [ "$target" = linux64 ]; then
  dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version >"$prefix/debian-source-version"
fi

touch "$prefix/.complete"
rm -rf "$work"
echo "Graphviz for $target is built in $prefix."
