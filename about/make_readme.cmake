# SPDX-License-Identifier: MIT
# Makes the read-me the About box shows from the README: the sections a user of the
# program needs, as plain text with CR LF line ends, followed by the licence.
# cmake -DREADME=README.md -DLICENSE=LICENSE -DOUTPUT=XaL_CampaignEdit_README.txt -P this
cmake_minimum_required(VERSION 3.25)
set(XAL_BUILDERS_SECTIONS "Set-up on a fresh Debian 12 machine" "Installing it" "Tests" "Windows"
    "Layout")

file(READ ${README} text)
file(READ ${LICENSE} licence)
string(APPEND text "\n${licence}")
# CMake lists split at ";" and pair up "[" with "]": both stand aside while lines are lists.
string(ASCII 1 semicolon)
string(ASCII 2 opening)
string(ASCII 3 closing)
string(REPLACE ";" "${semicolon}" text "${text}")
string(REPLACE "[" "${opening}" text "${text}")
string(REPLACE "]" "${closing}" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

# A heading above a line of its marks, as long as the heading.
function(underline heading mark out)
  string(LENGTH "${heading}" length)
  string(REPEAT "${mark}" ${length} marks)
  set(${out} "${heading}\r\n${marks}" PARENT_SCOPE)
endfunction()

set(output "")
set(skipping OFF)
set(found "")
foreach(line IN LISTS lines)
  if(line MATCHES "^## (.*)")
    set(section "${CMAKE_MATCH_1}")
    if(section IN_LIST XAL_BUILDERS_SECTIONS)
      set(skipping ON)
      list(APPEND found "${section}")
      continue()
    endif()
    set(skipping OFF)
    string(TOUPPER "${section}" section)
    underline("${section}" "-" line)
  elseif(skipping)
    continue()
  elseif(line MATCHES "^# (.*)")
    underline("${CMAKE_MATCH_1}" "=" line)
  elseif(line MATCHES "^### (.*)")
    underline("${CMAKE_MATCH_1}" "~" line)
  endif()
  string(REPLACE "`" "" line "${line}")
  string(REPLACE "**" "" line "${line}")
  string(APPEND output "${line}\r\n")
endforeach()

# A section renamed in the README would otherwise be shown to users unnoticed.
foreach(section IN LISTS XAL_BUILDERS_SECTIONS)
  if(NOT section IN_LIST found)
    message(FATAL_ERROR "README has no section \"${section}\" to leave out of the read-me")
  endif()
endforeach()

string(REGEX REPLACE "(\r\n)+$" "\r\n" output "${output}")
string(REPLACE "${semicolon}" ";" output "${output}")
string(REPLACE "${opening}" "[" output "${output}")
string(REPLACE "${closing}" "]" output "${output}")
file(WRITE ${OUTPUT} "${output}")
