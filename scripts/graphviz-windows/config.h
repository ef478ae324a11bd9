/* SPDX-License-Identifier: MIT */
/* config.h for a static MinGW-w64 build of Graphviz 2.42.2: dot layout and core
 * renderers only; no ltdl, expat, zlib, iconv, cairo or gd. */
#define PACKAGE_NAME "graphviz"
#define PACKAGE_VERSION "2.42.2"
#define PACKAGE_STRING "graphviz 2.42.2"
#define GVPLUGIN_CONFIG_FILE "config6"
#define GVPLUGIN_VERSION 6
#define DEFAULT_DPI 96
#define DEFAULT_FONTPATH "C:/Windows/Fonts"
#define BROWSER "start"
#define HAVE_UNISTD_H 1
#define HAVE_MALLOC_H 1
#define HAVE_STRINGS_H 1
#define HAVE_SYS_TYPES_H 1
#define HAVE_STRCASECMP 1
#define HAVE_STRNCASECMP 1
#define HAVE_VSNPRINTF 1
#define HAVE_CBRT 1
#define HAVE_SETMODE 1
#define HAVE_INTPTR_T 1
#define HAVE_SSIZE_T 1
