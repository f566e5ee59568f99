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
