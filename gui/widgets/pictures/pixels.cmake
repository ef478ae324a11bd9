# SPDX-License-Identifier: MIT
# Renders one picture at one size to PNG, then writes its pixels as the bytes of a C++
# array: rows of 8-bit red, green, blue and alpha, top row first. The program shows its
# pictures from these bytes, without reading an image file or loading an image plugin.
#
#   cmake -DSVG=in.svg -DSIDE=16 -DPNG=out.png -DPIXELS=out.inc
#         -DRSVG_CONVERT=rsvg-convert -DPNGTOPAM=pngtopam -P pixels.cmake
execute_process(COMMAND ${RSVG_CONVERT} -w ${SIDE} -h ${SIDE} -o ${PNG} ${SVG}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${PNGTOPAM} -alphapam ${PNG} OUTPUT_FILE ${PIXELS}.pam
                COMMAND_ERROR_IS_FATAL ANY)

set(header "P7\nWIDTH ${SIDE}\nHEIGHT ${SIDE}\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n")
string(LENGTH "${header}" header_length)
file(READ ${PIXELS}.pam read LIMIT ${header_length})
file(READ ${PIXELS}.pam bytes OFFSET ${header_length} HEX)
file(REMOVE ${PIXELS}.pam)
string(LENGTH "${bytes}" digits)
math(EXPR expected "${SIDE} * ${SIDE} * 4 * 2")
if(NOT read STREQUAL header OR NOT digits EQUAL expected)
  message(FATAL_ERROR "${PNG} is not ${SIDE} by ${SIDE} pixels of 8-bit RGBA")
endif()
string(REGEX REPLACE "(..)" "0x\\1," bytes "${bytes}")
file(WRITE ${PIXELS} "${bytes}\n")
