# Builds the Debian packages of the build into a fresh folder and checks what
# each holds: a pendant image gets the runtime package alone, with no header
# and nothing of the simulation.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_vars(CPACK_CONFIG CPACK WORK_DIR LIBDIR VERSION)

file(REMOVE_RECURSE ${WORK_DIR})
run(${CPACK} -G DEB --config ${CPACK_CONFIG} -B ${WORK_DIR})
file(GLOB debs ${WORK_DIR}/*.deb)

set(lib ./usr/${LIBDIR})
# package | has (exact path) or lacks (regex)
set(expectations
  "libpositioner0|has|${lib}/libpositioner.so.${VERSION}"
  "libpositioner0|has|${lib}/libpositioner.so.0"
  "libpositioner0|has|${lib}/libpositioner_advisor.so.0"
  "libpositioner0|has|./usr/bin/positioner-tool"
  "libpositioner0|lacks|\\.h$|libpositioner\\.so$|_sim|/include/"
  "libpositioner-dev|has|./usr/include/positioner/positionerdata.h"
  "libpositioner-dev|has|./usr/include/positioner/positionerdiagnostics.h"
  "libpositioner-dev|has|./usr/include/positioner/userframedyneditor.h"
  "libpositioner-dev|has|${lib}/libpositioner.so"
  "libpositioner-dev|has|./usr/include/positioner/groupassessment.h"
  "libpositioner-dev|has|${lib}/pkgconfig/positioner.pc"
  "libpositioner-dev|has|${lib}/cmake/Positioner/PositionerConfig.cmake"
  "libpositioner-dev|lacks|rtmcore|dataaccess|rpllib|guilib|/sim/|_sim|\\.so\\.0"
  "libpositioner-sim|has|${lib}/libpositioner_sim.so.0"
  "libpositioner-sim|has|./usr/include/positioner-sim/rtmcore/rtmcustomrvar.h"
  "libpositioner-sim|has|./usr/include/positioner-sim/sim/simulation.h"
  "libpositioner-sim|has|${lib}/pkgconfig/positioner-sim.pc"
  "libpositioner-sim|has|${lib}/cmake/Positioner/PositionerSimTargets.cmake"
  "libpositioner-sim|lacks|libpositioner\\.so|/include/positioner/")

set(packages)
foreach(deb ${debs})
  run(dpkg-deb --field ${deb} Package)
  string(STRIP "${last_output}" package)
  list(APPEND packages ${package})
  run(dpkg-deb --contents ${deb})
  string(REGEX MATCHALL "\\./[^ \n]*" paths_${package} "${last_output}")
  run(dpkg-deb --field ${deb} Depends)
  set(depends_${package} "${last_output}")
endforeach()
list(SORT packages)
if(NOT packages STREQUAL "libpositioner-dev;libpositioner-sim;libpositioner0")
  message(FATAL_ERROR "packages built: ${packages}")
endif()

set(failures)
foreach(entry ${expectations})
  string(REPLACE "|" ";" fields "${entry}")
  list(POP_FRONT fields package kind)
  if(kind STREQUAL "has")
    if(NOT fields IN_LIST paths_${package})
      list(APPEND failures "${package} lacks ${fields}")
    endif()
  else()
    string(REPLACE ";" "|" pattern "${fields}")
    foreach(path ${paths_${package}})
      if(path MATCHES "${pattern}")
        list(APPEND failures "${package} holds ${path}")
      endif()
    endforeach()
  endif()
endforeach()
if(NOT depends_libpositioner-dev MATCHES "libpositioner0 \\(= ${VERSION}\\)")
  list(APPEND failures "libpositioner-dev depends on: ${depends_libpositioner-dev}")
endif()
# The installed program finds the catalogues installed with it.
list(FILTER debs INCLUDE REGEX "/libpositioner0_")
run(dpkg-deb -x ${debs} ${WORK_DIR}/runtime)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=de_DE.UTF-8 ${WORK_DIR}/runtime/usr/bin/positioner-tool
                ERROR_VARIABLE tool_error OUTPUT_QUIET)
if(NOT tool_error MATCHES "kein Befehl angegeben")
  list(APPEND failures "the installed positioner-tool is not translated: ${tool_error}")
endif()
if(failures)
  string(REPLACE ";" "\n" failures "${failures}")
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "packages ok: ${packages}")
