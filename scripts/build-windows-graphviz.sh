#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds what the campaign map needs of Graphviz for 64-bit Windows, from Debian's own
# graphviz source package with Debian's mingw-w64: the dot layout and the core renderers
# (SVG) as static libraries, without plugin loading, expat, zlib, cairo, gd or a regex
# library. Installs them into the cache once per machine; a second run does nothing.
# scripts/graphviz-windows/ holds the build (Graphviz's own CMake build wants shared
# libraries and every plugin) and two patches: no __declspec for MinGW, and no regex.
source "$(dirname "$0")/common.sh"

prefix="$(xal_windows_graphviz)"
if [ -f "$prefix/.complete" ]; then
  echo "Graphviz for Windows is already built in $prefix."
  exit 0
fi
xal_install cmake make dpkg-dev bison flex perl gawk g++-mingw-w64-x86-64-posix
xal_add_source_lines

here="$XAL_ROOT/scripts/graphviz-windows"
work="$(xal_cache)/graphviz-win64-build"
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

cmake -S "$here" -B "$work/build" --toolchain "$XAL_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DGV_SRC="$source_dir" -DGV_GEN="$generated" >/dev/null
cmake --build "$work/build" -j "$(xal_jobs)"
cmake --install "$work/build" >/dev/null
cp "$source_dir/COPYING" "$prefix/COPYING"

touch "$prefix/.complete"
rm -rf "$work"
echo "Graphviz for Windows is built in $prefix."
