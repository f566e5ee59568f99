# SPDX-License-Identifier: MIT
# Writes the integration guide's example, the ```cpp block that follows the
# line "<!-- example: built by the test suite -->", into a source file.
#
#   cmake -DGUIDE=docs/integration.md -DOUTPUT=<file.cpp> -P ExtractGuideExample.cmake
file(READ ${GUIDE} guide)
set(marker "<!-- example: built by the test suite -->\n")
set(opening "```cpp\n")
set(closing "\n```\n")
string(FIND "${guide}" "${marker}" at)
if(at GREATER -1)
  string(LENGTH "${marker}" length)
  math(EXPR at "${at} + ${length}")
  string(SUBSTRING "${guide}" ${at} -1 rest)
  string(FIND "${rest}" "${opening}" start)
  string(FIND "${rest}" "${closing}" end)
endif()
if(at EQUAL -1 OR NOT start EQUAL 0 OR end EQUAL -1)
  message(FATAL_ERROR "${GUIDE}: no ```cpp block right after the line ${marker}")
endif()
string(LENGTH "${opening}" length)
math(EXPR count "${end} + 1 - ${length}")
string(SUBSTRING "${rest}" ${length} ${count} code)
file(WRITE ${OUTPUT} "${code}")
