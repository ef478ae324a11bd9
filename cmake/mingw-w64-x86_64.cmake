# SPDX-License-Identifier: MIT
# Cross-builds the core, the command-line tool and the tests for 64-bit Windows with
# Debian's mingw-w64 (g++-mingw-w64-x86-64-posix); the programs run under Wine.
set(XAL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
