# Stops the build of kel2d_core when one of its files includes a header of a
# Qt module other than Qt Core, in any spelling: <QWidget>, "QWidget",
# <qwidget.h>, <QtWidgets/QWidget>, <QtWidgets>, <QtGui/QColor>, ... The core
# links Qt Core only, but the other modules' headers lie on the same include
# path and some would compile (and even link, when inline), so the compiler
# alone does not keep widgets and GUI types out of the core.
#
#   cmake -DQT_INCLUDE_ROOT=<folder holding QtCore/, QtGui/, ...>
#         -DFILE_LIST=<file holding the ";"-separated list of files to check>
#         (or -DFILES=<one file>)
#         [-DSTAMP=<file touched on success>]
#         -P CheckCoreIncludes.cmake
cmake_policy(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/IncludeLines.cmake)

# The modules named even where they are not installed, so that an include of
# one of them is refused on every machine.
set(modules QtGui QtWidgets QtPrintSupport QtSvg QtSvgWidgets QtOpenGL QtOpenGLWidgets)
if(QT_INCLUDE_ROOT)
  file(GLOB installed LIST_DIRECTORIES true RELATIVE "${QT_INCLUDE_ROOT}" "${QT_INCLUDE_ROOT}/Qt*")
  foreach(module IN LISTS installed)
    if(IS_DIRECTORY "${QT_INCLUDE_ROOT}/${module}" AND NOT module STREQUAL "QtCore")
      list(APPEND modules ${module})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES modules)
endif()

# The module a header name belongs to, or "" for Qt Core, the project's own
# headers and the standard library.
function(foreign_module name out)
  set(${out} "" PARENT_SCOPE)
  string(REGEX MATCH "^[^/]+" first "${name}")
  if(first IN_LIST modules)
    set(${out} ${first} PARENT_SCOPE)
    return()
  endif()
  if(name MATCHES "/" OR NOT QT_INCLUDE_ROOT OR EXISTS "${QT_INCLUDE_ROOT}/QtCore/${name}")
    return()
  endif()
  foreach(module IN LISTS modules)
    if(EXISTS "${QT_INCLUDE_ROOT}/${module}/${name}")
      set(${out} ${module} PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

set(files "${FILES}")
if(FILE_LIST)
  file(READ "${FILE_LIST}" files)
  string(STRIP "${files}" files)
endif()
set(offences "")
foreach(file IN LISTS files)
  include_lines("${file}" includes)
  foreach(item IN LISTS includes)
    string(REPLACE "|" ";" parts "${item}")
    list(GET parts 0 line)
    list(GET parts 2 name)
    foreign_module("${name}" module)
    if(module)
      string(APPEND offences "${file}:${line}: error: \"${name}\" is a header of ${module}; "
                             "kel2d_core uses Qt Core only (GUI code goes into src/ui/ or a gui/ folder)\n")
    endif()
  endforeach()
endforeach()

if(offences)
  # Plain lines in the compiler's form, so an editor can jump to them.
  message(NOTICE "${offences}")
  message(FATAL_ERROR "kel2d_core includes a header of a Qt module other than Qt Core.")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
