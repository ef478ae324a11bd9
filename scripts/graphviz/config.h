/* SPDX-License-Identifier: MIT */
/* config.h for a static build of Graphviz 2.42.2: dot layout and core renderers, and on
 * Linux the cairo/pango plugin; no ltdl, expat, zlib, iconv or gd. */
#define PACKAGE_NAME "graphviz"
#define PACKAGE_VERSION "2.42.2"
#define PACKAGE_STRING "graphviz 2.42.2"
#define GVPLUGIN_CONFIG_FILE "config6"
#define GVPLUGIN_VERSION 6
#define DEFAULT_DPI 96
#ifdef _WIN32
#define DEFAULT_FONTPATH "C:/Windows/Fonts"
#define BROWSER "start"
#else
#define DEFAULT_FONTPATH "/usr/share/fonts"
#define BROWSER "xdg-open"
#endif
#define HAVE_UNISTD_H 1
#define HAVE_MALLOC_H 1
#define HAVE_STRINGS_H 1
#define HAVE_SYS_TYPES_H 1
#define HAVE_STRCASECMP 1
#define HAVE_STRNCASECMP 1
#define HAVE_VSNPRINTF 1
#define HAVE_CBRT 1
#ifdef _WIN32
#define HAVE_SETMODE 1
#else
#define HAVE_DRAND48 1
#define HAVE_SRAND48 1
#define HAVE_SETENV 1
#define HAVE_SYS_MMAN_H 1
#define HAVE_PANGO_FC_FONT_LOCK_FACE 1
#define HAVE_PANGO_FONT_MAP_CREATE_CONTEXT 1
#endif
#define HAVE_INTPTR_T 1
#define HAVE_SSIZE_T 1
