# SPDX-License-Identifier: MIT
# Shared by the set-up scripts: installs Debian packages that are missing.
set -euo pipefail

XAL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export XAL_ROOT

# Packages every build needs. The campaign map's Graphviz is built into the programs
# (scripts/build-graphviz.sh), linked against the system's cairo and pango.
XAL_BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev librsvg2-bin netpbm
  libgl-dev libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev libbenchmark-dev
  libcairo2-dev libpango1.0-dev desktop-file-utils appstream libxml2-utils groff-base
  shared-mime-info dpkg-dev)
# And what building that Graphviz from Debian's source package needs, for any target.
XAL_GRAPHVIZ_BUILD_PACKAGES=(cmake make dpkg-dev patch bison flex perl gawk)

xal_install() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Where the set-up scripts keep what they build once per machine: Qt for Windows
# (scripts/build-windows-qt.sh), and Graphviz for the campaign map, for Windows and for
# this machine (scripts/build-graphviz.sh).
xal_cache() { echo "${XDG_CACHE_HOME:-$HOME/.cache}/xal-campaign-edit"; }
xal_windows_qt() { echo "$(xal_cache)/qt6-win64"; }
xal_windows_graphviz() { echo "$(xal_cache)/graphviz-win64"; }
xal_linux_graphviz() { echo "$(xal_cache)/graphviz-linux64"; }

# apt-get source needs source lines: the machine's own Debian lines, as deb-src.
xal_add_source_lines() {
  apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$' && return 0
  local sources=/etc/apt/sources.list.d/xal-campaign-edit-sources.sources sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  for file in /etc/apt/sources.list.d/*.sources; do
    [ "$file" = "$sources" ] || sed 's/^Types: deb$/Types: deb-src/' "$file"
    echo
  done | $sudo tee "$sources" >/dev/null
  $sudo apt-get update -qq
}

# The folders of the mingw-w64 runtime DLLs (libstdc++, libgcc_s, winpthread).
xal_mingw_dll_folders() {
  dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"
  echo /usr/x86_64-w64-mingw32/lib
}

# Starts a Wine prefix of this run alone in the folder given, whose registry the tests may
# rewrite, without Wine's .NET and HTML add-ons, and without its menu builder, which would
# copy the prefix's Start menu into the user's own desktop menus, nor its debugger, which
# would hold a crashed program open instead of letting it fail. Its server and the background programs
# that the set-up starts stay up for the run, away from the output of the tests, so each
# program starts at once and no background program holds a test's output open.
xal_start_wine_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe=" XAL_THROWAWAY_REGISTRY=1
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wineboot --init >/dev/null 2>&1
}

xal_jobs() { nproc 2>/dev/null || echo 2; }
