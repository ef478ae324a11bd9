# SPDX-License-Identifier: MIT
# Fails when a source of a room includes a header of a room it does not declare.
#   cmake -DROOM=core/model -DALLOWED="core/model;core/base" -DSOURCES="a.cpp;a.h" -DSTAMP=file -P ...
# An include names a room by its first two folders ("core/base/error.h"); any other include
# (the standard library, Qt, the build's generated headers) is not a room's.
cmake_minimum_required(VERSION 3.25)
foreach(source IN LISTS SOURCES)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "\"((core|gui)/[^/\"]+)/" match "${line}")
    if(match AND NOT CMAKE_MATCH_1 IN_LIST ALLOWED)
      message(FATAL_ERROR "${source}: the room ${ROOM} includes ${CMAKE_MATCH_1}, "
                          "which it does not declare: ${line}")
    endif()
  endforeach()
endforeach()
file(TOUCH "${STAMP}")
