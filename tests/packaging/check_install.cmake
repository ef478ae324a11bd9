# SPDX-License-Identifier: MIT
# Installs the build into PREFIX and checks that every one of FILES ("|" between them)
# is there, and that the installed desktop entry, file type and metadata fit together.
# Run with cmake -P; the build must be complete.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(problems "")
string(REPLACE "|" ";" FILES "${FILES}")
foreach(file IN LISTS FILES)
  if(NOT EXISTS ${PREFIX}/${file})
    string(APPEND problems "\n  ${file} is not installed")
  endif()
endforeach()
if(EXISTS ${PREFIX}/${BINDIR}/XaL_CampaignEdit_README.txt)
  string(APPEND problems "\n  the read-me is installed beside the programs")
endif()
# The read-me is the README's sections for users and the licence (read without its CRs).
file(GLOB readMe ${PREFIX}/${DATADIR}/*/XaL_CampaignEdit_README.txt)
if(readMe)
  file(READ ${readMe} text)
  if(NOT text MATCHES "\nUSING IT\n" OR NOT text MATCHES "\nMIT License\n" OR
     text MATCHES "SET-UP|`")
    string(APPEND problems "\n  the read-me is not the README's part for users with the licence")
  endif()
endif()

# Manual pages and the changelog are compressed; each names this version.
foreach(page xal-cam XaL_CampaignEdit)
  if(EXISTS ${PREFIX}/${MANDIR}/man1/${page}.1.gz)
    execute_process(COMMAND gzip -dc ${PREFIX}/${MANDIR}/man1/${page}.1.gz OUTPUT_VARIABLE text)
    if(NOT text MATCHES "\n\\.TH [^\n]*\"${page} ${VERSION}\"")
      string(APPEND problems "\n  the manual page of ${page} does not name version ${VERSION}")
    endif()
  endif()
endforeach()
execute_process(COMMAND gzip -dc ${PREFIX}/${DOCDIR}/changelog.gz OUTPUT_VARIABLE changelog)
if(NOT changelog MATCHES "^[a-z-]+ \\(${VERSION}\\) ")
  string(APPEND problems "\n  the changelog's latest entry is not version ${VERSION}")
endif()
execute_process(COMMAND gzip -dc ${PREFIX}/${MANDIR}/man1/xal-cam.1.gz OUTPUT_VARIABLE manPage)
# Every command the installed tool offers has its entry under COMMANDS.
execute_process(COMMAND ${PREFIX}/${BINDIR}/xal-cam --help OUTPUT_VARIABLE usage)
string(REGEX REPLACE ".*\nSubcommands:\n" "" commands "${usage}")
string(REGEX MATCHALL "\n?  [a-z]+ " commands "${commands}")
if(NOT commands)
  string(APPEND problems "\n  xal-cam --help lists no commands")
endif()
string(REGEX REPLACE ".*\n\\.SH COMMANDS\n" "" commandsSection "${manPage}")
string(REGEX REPLACE "\n\\.SH .*" "" commandsSection "${commandsSection}")
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  if(NOT "\n${commandsSection}" MATCHES "\n\\.BI? \"?${command}[ \"\n]")
    string(APPEND problems "\n  the manual page lacks the command ${command}")
  endif()
endforeach()

set(desktopEntry ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
if(EXISTS ${desktopEntry})
  file(READ ${desktopEntry} entry)
  if(NOT entry MATCHES "\nExec=([^ \n]+) %f\n" OR NOT EXISTS ${PREFIX}/${BINDIR}/${CMAKE_MATCH_1})
    string(APPEND problems "\n  the desktop entry does not start an installed program on a file")
  endif()
  if(NOT entry MATCHES "\nIcon=${APP_ID}\n")
    string(APPEND problems "\n  the desktop entry does not name the installed icon")
  endif()
  if(NOT entry MATCHES "\nMimeType=application/x-xal-campaign;\n")
    string(APPEND problems "\n  the desktop entry does not open campaign files")
  endif()

  file(READ ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml metainfo)
  if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    string(APPEND problems "\n  the AppStream metadata has no release ${VERSION}")
  endif()

  # The metadata with the desktop entry it launches, as software centres see them.
  execute_process(COMMAND appstreamcli validate-tree --no-net --strict ${PREFIX}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    string(APPEND problems "\n  appstreamcli validate-tree: ${output}")
  endif()

  # The file type as the desktop's database of file types takes it up, without a word
  # about the file.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFIX}/${DATADIR}
                          update-mime-database ${PREFIX}/${DATADIR}/mime
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    string(APPEND problems "\n  update-mime-database: ${result} ${output}")
  else()
    file(READ ${PREFIX}/${DATADIR}/mime/globs2 globs)
    if(NOT globs MATCHES "\n[0-9]+:application/x-xal-campaign:\\*\\.cam\n")
      string(APPEND problems "\n  *.cam is not a campaign file")
    endif()
  endif()
endif()

if(NOT problems STREQUAL "")
  message(FATAL_ERROR "The installation in ${PREFIX} is wrong:${problems}")
endif()
