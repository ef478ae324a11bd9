# SPDX-License-Identifier: MIT
# A room is a folder of the code, core/<name> or gui/<name>, built as one static library
# named after it (core/base: xal_core_base). It declares the rooms whose headers it
# includes; the build checks every include of its sources against them, so an include of
# a room it does not declare fails the build. OPTIONAL_ROOMS may be missing from a build
# (the campaign map without Graphviz): they are linked when they are there. QT makes a
# room of windows, with Qt's Widgets and its meta-object compiler.
#
#   xal_room(SOURCES a.cpp a.h ... ROOMS core/base ... [OPTIONAL_ROOMS ...] [QT]
#            [LIBRARIES ...] [PRIVATE_LIBRARIES ...])
function(xal_room)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;ROOMS;OPTIONAL_ROOMS;LIBRARIES;PRIVATE_LIBRARIES"
                        ${ARGN})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" target "xal_${folder}")
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  foreach(room IN LISTS ARG_ROOMS ARG_OPTIONAL_ROOMS)
    string(REPLACE "/" "_" used "xal_${room}")
    if(room IN_LIST ARG_ROOMS OR TARGET ${used})
      target_link_libraries(${target} PUBLIC ${used})
    endif()
  endforeach()
  target_link_libraries(${target} PUBLIC ${ARG_LIBRARIES} PRIVATE ${ARG_PRIVATE_LIBRARIES})
  if(ARG_QT)
    target_link_libraries(${target} PUBLIC Qt6::Widgets)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
  endif()

  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/includes_checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOM=${folder}
            "-DALLOWED=${folder};${ARG_ROOMS};${ARG_OPTIONAL_ROOMS}" "-DSOURCES=${sources}"
            -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/check_room_includes.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/check_room_includes.cmake
    COMMENT "Checking the includes of ${folder}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()
