# include_lines(<file> <out-var>): the #include directives of a C++ file as
# a list of "<line>|<delimiter>|<name>" items, e.g. "3|<|QWidget" for
# `#include <QWidget>` on line 3 or "5|\"|model/Model.h" for a quoted one.
function(include_lines file out)
  file(READ "${file}" content)
  # CMake lists split on ";" and treat "[", "]" and "\" specially; none of
  # them matters in an include line, so blank them before splitting lines.
  string(REGEX REPLACE "[][;\\\\]" " " content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(result "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
      list(APPEND result "${number}|${CMAKE_MATCH_1}|${CMAKE_MATCH_2}")
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()
