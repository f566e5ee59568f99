# Builds the Debian packages of the simulation build into a fresh folder and
# checks what each holds and says: the runtime package has no header and
# nothing of the simulation, yet says it was built for it. Then a host built
# against the packages alone calibrates on the simulated cell.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_vars(CPACK_CONFIG CPACK WORK_DIR LIBDIR VERSION CALIBRATION_HOST)

file(REMOVE_RECURSE ${WORK_DIR})
run(${CPACK} -G DEB --config ${CPACK_CONFIG} -B ${WORK_DIR})
file(GLOB debs ${WORK_DIR}/*.deb)
expect_lintian_clean(${debs})

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
  "libpositioner-dev|has|./usr/share/doc/libpositioner-dev/html/index.html"
  "libpositioner-dev|has|./usr/share/doc/libpositioner-dev/html/search/search.js"
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
  "libpositioner-sim|has|./usr/include/positioner-sim/controllersim/startcontroller.h"
  "libpositioner-sim|has|./usr/include/positioner-sim/controllersim/cellmodel.h"
  "libpositioner-sim|has|./usr/bin/positioner-screen"
  "libpositioner-sim|has|./usr/share/applications/positioner-screen.desktop"
  "libpositioner-sim|lacks|libpositioner\\.so|/include/positioner/|advisortrials")
foreach(package libpositioner0 libpositioner-dev libpositioner-sim)
  list(APPEND expectations "${package}|has|./usr/share/doc/${package}/copyright")
endforeach()

set(packages)
foreach(deb ${debs})
  run(dpkg-deb --field ${deb} Package)
  string(STRIP "${last_output}" package)
  list(APPEND packages ${package})
  run(dpkg-deb --contents ${deb})
  string(REGEX MATCHALL "\\./[^ \n]*" paths_${package} "${last_output}")
  foreach(field Depends Version Description)
    run(dpkg-deb --field ${deb} ${field})
    string(STRIP "${last_output}" ${field}_${package})
  endforeach()
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
# The version names the platform, and the packages of one build go together:
# a runtime built for the simulation cannot come without it.
string(REPLACE "+" "\\+" version_pattern "${VERSION}+sim")
foreach(dependency "libpositioner-dev|libpositioner0" "libpositioner0|libpositioner-sim")
  string(REPLACE "|" ";" dependency "${dependency}")
  list(GET dependency 0 package)
  list(GET dependency 1 needed)
  if(NOT Version_${package} STREQUAL "${VERSION}+sim")
    list(APPEND failures "${package} has version ${Version_${package}}")
  endif()
  if(NOT Depends_${package} MATCHES "(^|, )${needed} \\(= ${version_pattern}\\)")
    list(APPEND failures "${package} depends on: ${Depends_${package}}")
  endif()
endforeach()
# Each package says what it is for in a synopsis of its own and a long
# description.
set(synopses)
foreach(package ${packages})
  string(REGEX MATCH "^[^\n]*" synopsis "${Description_${package}}")
  list(APPEND synopses "${synopsis}")
  if(NOT Description_${package} MATCHES "\n .*\n ")
    list(APPEND failures "${package} has no long description: ${Description_${package}}")
  endif()
endforeach()
list(REMOVE_DUPLICATES synopses)
list(LENGTH synopses distinct)
if(NOT distinct EQUAL 3)
  list(APPEND failures "the packages share a synopsis: ${synopses}")
endif()
if(NOT Description_libpositioner0 MATCHES "simulation")
  list(APPEND failures "libpositioner0 does not say it is built for the simulation")
endif()
# The installed program finds the catalogues installed with it.
list(FILTER debs INCLUDE REGEX "/libpositioner0_")
run(dpkg-deb -x ${debs} ${WORK_DIR}/runtime)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=de_DE.UTF-8 ${WORK_DIR}/runtime/usr/bin/positioner-tool
                ERROR_VARIABLE tool_error OUTPUT_QUIET)
if(NOT tool_error MATCHES "kein Befehl angegeben")
  list(APPEND failures "the installed positioner-tool is not translated: ${tool_error}")
endif()
# The report draws with Qt's GUI and SVG libraries, which the package names,
# and on no display.
foreach(needed libqt5gui5 libqt5svg5)
  if(NOT Depends_libpositioner0 MATCHES "(^|, )${needed}")
    list(APPEND failures "libpositioner0 does not depend on ${needed}: ${Depends_libpositioner0}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                        ${WORK_DIR}/runtime/usr/bin/positioner-tool report
                        ${CMAKE_CURRENT_LIST_DIR}/../data/tool/after.xml -o ${WORK_DIR}/report.html
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE report_error)
file(READ ${WORK_DIR}/report.html page LIMIT 1000000)
string(REGEX MATCHALL "<svg class=\"drawing\"[^>]*>" drawings "${page}")
if(NOT rc EQUAL 0 OR NOT report_error STREQUAL "" OR NOT drawings)
  list(APPEND failures "the installed positioner-tool draws no report without a display: rc=${rc} ${report_error}")
endif()
if(failures)
  string(REPLACE ";" "\n" failures "${failures}")
  message(FATAL_ERROR "${failures}")
endif()

# A host built against the three packages, unpacked into a root of their own,
# teaches the nine points and gets every frame from the installed controller.
file(GLOB debs ${WORK_DIR}/*.deb)
foreach(deb ${debs})
  run(dpkg-deb -x ${deb} ${WORK_DIR}/root)
endforeach()
run(${CMAKE_COMMAND} -S ${CALIBRATION_HOST} -B ${WORK_DIR}/host -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/root/usr)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/host)
execute_process(COMMAND ${CMAKE_COMMAND} -E env POSITIONER_DATA_DIR=${WORK_DIR}/data
                        LD_LIBRARY_PATH=${WORK_DIR}/root/usr/${LIBDIR} ${WORK_DIR}/host/calibrate
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "results 1 1 1")
  message(FATAL_ERROR "the host on the installed simulation: rc=${rc}\n${out}\n${err}")
endif()
message(STATUS "packages ok: ${packages}; ${out}")
