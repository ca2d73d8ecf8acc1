# Checks that every folder of src/ includes only the folders the layer table
# of docs/ARCHITECTURE.md allows it, so the table is the one place where the
# directions are written down.
#
#   cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
#
# The table lies between the lines "<!-- layers -->" and "<!-- /layers -->";
# each row names folders in its first column and the folders they may include
# in its second, all in backticks; `*` means every folder. A file's folder is
# the first part of its path below src/, or "<module>/gui" for a module's GUI
# part; a quoted include whose first part is a folder of src/ counts, and a
# folder may always include itself.
cmake_policy(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/IncludeLines.cmake)

set(table_file "${SOURCE_DIR}/docs/ARCHITECTURE.md")
file(STRINGS "${table_file}" lines)
set(in_table FALSE)
set(folders "")
foreach(line IN LISTS lines)
  if(line MATCHES "^<!-- layers -->")
    set(in_table TRUE)
  elseif(line MATCHES "^<!-- /layers -->")
    set(in_table FALSE)
  elseif(in_table AND line MATCHES "^\\|([^|]*)\\|([^|]*)\\|")
    set(left "${CMAKE_MATCH_1}")
    set(right "${CMAKE_MATCH_2}")
    string(REGEX MATCHALL "`[^`]+`" names "${left}")
    string(REGEX MATCHALL "`[^`]+`" allowed "${right}")
    string(REPLACE "`" "" names "${names}")
    string(REPLACE "`" "" allowed "${allowed}")
    foreach(name IN LISTS names)
      list(APPEND folders "${name}")
      set("may_${name}" "${allowed}")
    endforeach()
  endif()
endforeach()
if(NOT folders)
  message(FATAL_ERROR "${table_file}: no layer table between <!-- layers --> and <!-- /layers -->")
endif()

# The table's name for the folder of a path below src/: "model" for
# model/Model.h, "*/gui" for drawing/gui/DrawingArea.h (when the table names
# the GUI parts of all modules at once), "" for a path outside src/ folders.
function(table_folder path out)
  set(${out} "" PARENT_SCOPE)
  if(NOT path MATCHES "^([^/]+)/(([^/]+)/)?")
    return()
  endif()
  set(first "${CMAKE_MATCH_1}")
  set(second "${CMAKE_MATCH_3}")
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/src/${first}")
    return()
  endif()
  if(second STREQUAL "gui" AND NOT "${first}/gui" IN_LIST folders)
    set(${out} "*/gui" PARENT_SCOPE)
  elseif(second STREQUAL "gui")
    set(${out} "${first}/gui" PARENT_SCOPE)
  else()
    set(${out} "${first}" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
list(SORT files)
set(offences "")
foreach(file IN LISTS files)
  table_folder("${file}" own)
  if(NOT own OR NOT own IN_LIST folders)
    string(APPEND offences "src/${file}: its folder is not in the layer table of docs/ARCHITECTURE.md\n")
    continue()
  endif()
  include_lines("${SOURCE_DIR}/src/${file}" includes)
  foreach(item IN LISTS includes)
    string(REPLACE "|" ";" parts "${item}")
    list(GET parts 0 line)
    list(GET parts 1 delimiter)
    list(GET parts 2 name)
    if(NOT delimiter STREQUAL "\"")
      continue()
    endif()
    table_folder("${name}" target)
    if(NOT target OR target STREQUAL own OR "*" IN_LIST may_${own} OR target IN_LIST may_${own})
      continue()
    endif()
    string(APPEND offences "src/${file}:${line}: error: \"${name}\" is in ${target}, which ${own} "
                           "may not include (layer table in docs/ARCHITECTURE.md)\n")
  endforeach()
endforeach()

if(offences)
  message(NOTICE "${offences}")
  message(FATAL_ERROR "An include goes against the layers.")
endif()
list(LENGTH files count)
message(STATUS "${count} files of src/ include only the folders below them")
