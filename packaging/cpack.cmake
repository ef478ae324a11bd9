# SPDX-License-Identifier: MIT
# The Debian package: scripts/build-package.sh builds it with Debian's hardening flags
# (`cpack -G DEB` in a build folder). Its dependencies come from the built programs'
# shared libraries through dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME ${XAL_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The XaL Campaign Editor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the campaign files of Xandor's Legion")
# One line of the control file's description for each line here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "The XaL Campaign Editor opens, edits and saves the campaign files (.cam) of"
  "the wargame Xandor's Legion, which runs under Wine: the chain of scenarios,"
  "their texts and movies, prestige and outcomes."
  "The command-line tool xal-cam turns campaign files into JSON and back,"
  "checks them and writes their reports.")
set(XAL_PACKAGE_MAINTAINER
  "The XaL Campaign Editor developers <maintainers@users.noreply.c-seed-f9002ddd.example>"
  CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${XAL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${XAL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
endif()
include(CPack)
