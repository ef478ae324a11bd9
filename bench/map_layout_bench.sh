#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times the campaign map's layout in the editor's own Graphviz beside Debian's dot program
# (the graphviz package, installed when missing) on the same graphs.
#   bench/map_layout_bench.sh BUILD/bench/map_layout_bench [SECONDS_PER_CASE]
source "$(dirname "$0")/../scripts/common.sh"

xal_install graphviz
"$1" "$(command -v dot)" "${2:-60}"
