# SPDX-License-Identifier: MIT
# Runs Doxygen and fails on any warning, or on a public operation whose page
# does not say whether it processes the host's events.
#
#   cmake -DDOXYGEN=doxygen -DDOXYFILE=<Doxyfile> -DOUTPUT_DIR=<dir> -P BuildDocs.cmake
if(NOT DOXYGEN)
  message(FATAL_ERROR "doxygen is not installed (Debian package doxygen)")
endif()

file(REMOVE_RECURSE ${OUTPUT_DIR}/html ${OUTPUT_DIR}/xml)
execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} RESULT_VARIABLE result)
file(READ ${OUTPUT_DIR}/warnings.log warnings)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "Doxygen reported:\n${warnings}")
endif()

file(GLOB pages ${OUTPUT_DIR}/xml/*.xml)
set(silent)
foreach(page IN LISTS pages)
  file(READ ${page} text)
  string(REPLACE ";" "<semicolon/>" text "${text}")
  string(REPLACE "<memberdef " ";<memberdef " members "${text}")
  list(REMOVE_AT members 0)
  foreach(member IN LISTS members)
    if(member MATCHES "^<memberdef kind=\"function\"[^>]* prot=\"public\""
       AND NOT member MATCHES "<title>Host.*s events</title>")
      string(REGEX MATCH "<qualifiedname>([^<]*)</qualifiedname>" ignored "${member}")
      list(APPEND silent ${CMAKE_MATCH_1})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES silent)
if(silent)
  list(JOIN silent "\n  " names)
  message(FATAL_ERROR "Say whether they process the host's events (\\waits or \\nowait):\n  ${names}")
endif()
message(STATUS "API reference: ${OUTPUT_DIR}/html/index.html")
