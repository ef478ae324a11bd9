# SPDX-License-Identifier: MIT
# The part of the mingw-w64 toolchain files that both word sizes share; they set
# XAL_MINGW_TRIPLET first.
set(CMAKE_SYSTEM_NAME Windows)
# The posix variant of the compiler, whose standard library has std::thread and std::mutex.
set(CMAKE_C_COMPILER ${XAL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${XAL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${XAL_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${XAL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static libstdc++, libgcc and winpthreads: the programs need no DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test discovery and CTest run the Windows programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh)

# Debian's header-only CLI11 and nlohmann-json serve the Windows build as they are. Their
# folder is searched after the compiler's own, so the Windows headers always win.
set(CMAKE_CXX_FLAGS_INIT "-idirafter /usr/include")
set(CLI11_DIR /usr/share/cmake/CLI11)
set(nlohmann_json_DIR /usr/share/cmake/nlohmann_json)

# pkg-config looks only among the cross compiler's own libraries, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${XAL_MINGW_TRIPLET}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
