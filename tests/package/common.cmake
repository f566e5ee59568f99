# Shared by the package scripts: checks the named variables are set, and runs a
# command that must succeed, keeping its output in last_output.
cmake_policy(VERSION 3.16)
macro(require_vars)
  foreach(var ${ARGN})
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "${var} not set")
    endif()
  endforeach()
endmacro()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

# Runs lintian on the packages when it is installed: no error, and no warning
# but those the packages carry knowingly:
# - maintscript-calls-ldconfig: CPack's scripts call it beside the trigger;
# - no-manual-page: positioner-tool explains itself with --help;
# - package-name-doesnt-match-sonames, link-to-shared-library-in-wrong-package:
#   libpositioner-sim is a development package, library and link together.
# - embedded-javascript-library: the API reference's jquery.js is Doxygen's
#   own bundle of jQuery with its plugins, which libjs-jquery cannot stand for.
function(expect_lintian_clean)
  find_program(LINTIAN lintian)
  if(NOT LINTIAN)
    message(STATUS "lintian is not installed: packages not checked")
    return()
  endif()
  execute_process(COMMAND ${LINTIAN} --tag-display-limit 0 ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc MATCHES "^[012]$")
    message(FATAL_ERROR "lintian could not check the packages (${rc}):\n${out}\n${err}")
  endif()
  string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" findings "${out}")
  set(unexpected)
  foreach(finding IN LISTS findings)
    string(STRIP "${finding}" finding)
    if(NOT finding MATCHES "^W: [^ ]+ (maintscript-calls-ldconfig|no-manual-page|package-name-doesnt-match-sonames|link-to-shared-library-in-wrong-package|embedded-javascript-library)( |$)")
      list(APPEND unexpected "${finding}")
    endif()
  endforeach()
  if(unexpected)
    string(REPLACE ";" "\n" unexpected "${unexpected}")
    message(FATAL_ERROR "lintian:\n${unexpected}\n${err}")
  endif()
endfunction()
